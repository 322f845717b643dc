#include "backup/ExameBackup.h"
#include "backup/CopiaSeguranca.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"

#include <QFileInfo>
#include <map>

namespace {

// The tables and columns every Quorvel file has had since the first version. Later versions
// only add to them, so an older file is still a whole one: the start-up brings it up to date.
struct TabelaExigida {
    const char *nome;
    std::initializer_list<const char *> colunas;
};
const TabelaExigida Exigidas[] = {
    {"Meta", {"chave", "valor"}},
    {"TabBancos",
     {"NumBanco", "banco", "dependencia", "numconta", "nib", "gestor", "ObservDiversas",
      "Observmemo", "Saldo", "ultimo", "ultimavezreg"}},
    {"TabBancos1Det",
     {"NumAutomatico", "Data", "Numero", "Descricao", "S", "Debito", "Credito", "Saldo",
      "NumBanco", "Alterou"}},
    {"TabBancosDetOutros", {"NumAutoDet", "NumBanco", "Categoria", "Categoria1", "Observacoes"}},
    {"TabCategoria", {"NumAutomatico", "Descricao", "Valor"}},
    {"Tabempresa", {"numempresa", "campo2", "ultimobackup", "localidade", "contribuinte"}},
    {"TabSites", {"pesquisa", "site"}},
};

const QString NaoEQuorvel = QStringLiteral("o ficheiro não é uma base de dados do Quorvel");

void verificaIntegridade(BaseDados &bd)
{
    Registos r;
    try {
        r = bd.consulta(QStringLiteral("PRAGMA integrity_check"));
    } catch (const ErroBaseDados &erro) {
        throw ErroBaseDados(QStringLiteral("o ficheiro está danificado (") + erro.mensagem()
                            + QLatin1Char(')'));
    }
    const QString primeiro = r.vazio() ? QString() : r.valor(r.nomesColunas().value(0)).toString();
    if (r.contagem() != 1 || primeiro != QLatin1String("ok"))
        throw ErroBaseDados(QStringLiteral("o ficheiro está danificado: a verificação de "
                                           "integridade encontrou erros (")
                            + primeiro + QLatin1Char(')'));
}

void verificaTabelas(BaseDados &bd)
{
    for (const TabelaExigida &t : Exigidas) {
        const QString tabela = QString::fromLatin1(t.nome);
        // The engine's PRAGMA takes no bound name; the names are the program's own constants.
        Registos r = bd.consulta(QStringLiteral("PRAGMA table_info(\"%1\")").arg(tabela));
        if (r.vazio())
            throw ErroBaseDados(NaoEQuorvel + QStringLiteral(" (falta a tabela ") + tabela
                                + QLatin1Char(')'));
        QStringList presentes;
        for (; !r.eof(); r.seguinte())
            presentes << r.texto(QStringLiteral("name"));
        for (const char *c : t.colunas) {
            const QString coluna = QString::fromLatin1(c);
            if (!presentes.contains(coluna, Qt::CaseInsensitive))
                throw ErroBaseDados(NaoEQuorvel + QStringLiteral(" (falta a coluna ") + tabela
                                    + QLatin1Char('.') + coluna + QLatin1Char(')'));
        }
    }
}

} // namespace

qint64 ResumoBase::totalMovimentos() const
{
    qint64 n = 0;
    for (const ContaResumida &c : contas)
        n += c.movimentos;
    return n;
}

namespace ExameBackup {

void verifica(BaseDados &bd)
{
    verificaIntegridade(bd);
    verificaTabelas(bd);
    const int versao = Esquema::versao(bd);
    if (versao < 1)
        throw ErroBaseDados(NaoEQuorvel + QStringLiteral(" (não tem a versão dos dados)"));
    if (versao > Esquema::Versao)
        throw ErroBaseDados(QStringLiteral("a cópia foi feita por uma versão mais recente do "
                                           "Quorvel (dados da versão %1; este programa lê até à "
                                           "versão %2)")
                                .arg(versao)
                                .arg(Esquema::Versao));
}

ResumoBase resume(BaseDados &bd)
{
    ResumoBase resumo;
    resumo.versao = Esquema::versao(bd);
    Registos m = bd.consulta(QStringLiteral("SELECT valor FROM Meta WHERE chave = ?"),
                             {CopiaSeguranca::ChaveMomentoCopia});
    if (!m.vazio())
        resumo.data = QDateTime::fromString(m.texto(QStringLiteral("valor")), Qt::ISODate);
    resumo.dataRegistada = resumo.data.isValid();

    std::map<int, ContaResumida> contas;
    Registos c = bd.consulta(QStringLiteral("SELECT NumBanco, banco FROM TabBancos "
                                            "WHERE NumBanco BETWEEN 1 AND ? ORDER BY NumBanco"),
                             {Esquema::NumeroContas});
    for (; !c.eof(); c.seguinte()) {
        const int n = int(c.inteiro(QStringLiteral("NumBanco")));
        const QString nome = c.texto(QStringLiteral("banco")).trimmed();
        if (!nome.isEmpty())
            contas[n] = {n, nome, 0};
    }
    // Deleted movements (account -1) are in no account and are left out.
    Registos d = bd.consulta(QStringLiteral("SELECT NumBanco, count(*) AS n FROM TabBancos1Det "
                                            "WHERE NumBanco BETWEEN 1 AND ? GROUP BY NumBanco"),
                             {Esquema::NumeroContas});
    for (; !d.eof(); d.seguinte()) {
        const int n = int(d.inteiro(QStringLiteral("NumBanco")));
        contas[n].numBanco = n;
        contas[n].movimentos = d.inteiro(QStringLiteral("n"));
    }
    for (const auto &[n, conta] : contas)
        resumo.contas.push_back(conta);
    return resumo;
}

ResumoBase examina(const QString &caminho)
{
    const QFileInfo f(caminho);
    if (!f.isFile())
        throw ErroBaseDados(QStringLiteral("o ficheiro não existe ou não é um ficheiro"));
    if (f.size() == 0)
        throw ErroBaseDados(QStringLiteral("o ficheiro está vazio"));
    std::unique_ptr<BaseDados> bd;
    try {
        bd = BaseDados::abre(caminho, Esquema::Chave);
    } catch (const ErroBaseDados &erro) {
        // A foreign SQLite file, another key, or no database at all: the engine cannot tell
        // these apart, since an encrypted page looks like noise to it.
        throw ErroBaseDados(NaoEQuorvel + QStringLiteral(", ou está danificado (")
                            + erro.mensagem() + QLatin1Char(')'));
    }
    verifica(*bd);
    ResumoBase resumo = resume(*bd);
    if (!resumo.dataRegistada)
        resumo.data = f.lastModified();
    return resumo;
}

} // namespace ExameBackup
