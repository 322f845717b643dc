#include "extractos/RegistoImportacoes.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"

namespace RegistoImportacoes {

namespace {

QVariant dataOuNulo(const QDate &d)
{
    return d.isValid() ? QVariant(Regional::paraIso(d)) : QVariant();
}

std::vector<Importacao> le(BaseDados &bd, const QString &condicao, const QVariantList &p)
{
    std::vector<Importacao> r;
    for (Registos t = bd.consulta(QStringLiteral("SELECT * FROM TabImportacoes WHERE ")
                                      + condicao,
                                  p);
         !t.eof(); t.seguinte()) {
        Importacao i;
        i.numImportacao = t.inteiro(QStringLiteral("NumImportacao"));
        i.numBanco = int(t.inteiro(QStringLiteral("NumBanco")));
        i.ficheiro = t.texto(QStringLiteral("Ficheiro"));
        i.hash = t.texto(QStringLiteral("Hash"));
        i.formato = t.texto(QStringLiteral("Formato"));
        i.data = QDateTime::fromString(t.texto(QStringLiteral("DataImportacao")), Qt::ISODate);
        i.inicio = Regional::deIso(t.texto(QStringLiteral("Inicio")));
        i.fim = Regional::deIso(t.texto(QStringLiteral("Fim")));
        i.novos = int(t.inteiro(QStringLiteral("Novos")));
        i.conciliados = int(t.inteiro(QStringLiteral("Conciliados")));
        i.jaImportados = int(t.inteiro(QStringLiteral("JaImportados")));
        i.ignorados = int(t.inteiro(QStringLiteral("Ignorados")));
        i.soNoRazao = int(t.inteiro(QStringLiteral("SoNoRazao")));
        r.push_back(i);
    }
    return r;
}

} // namespace

std::unordered_set<QString> chaves(BaseDados &bd, int numBanco)
{
    std::unordered_set<QString> r;
    Comando c = bd.prepara(
        QStringLiteral("SELECT Chave, ChaveValor FROM TabImportacoesLinhas WHERE NumImportacao "
                       "IN (SELECT NumImportacao FROM TabImportacoes WHERE NumBanco = ?)"));
    c.liga(1, numBanco);
    while (c.avanca()) {
        r.insert(c.texto(0));
        r.insert(c.texto(1));
    }
    return r;
}

std::vector<Importacao> lista(BaseDados &bd, int numBanco)
{
    return le(bd, QStringLiteral("NumBanco = ? ORDER BY NumImportacao"), {numBanco});
}

std::optional<Importacao> ultima(BaseDados &bd, int numBanco)
{
    auto r = le(bd, QStringLiteral("NumBanco = ? ORDER BY NumImportacao DESC LIMIT 1"),
                {numBanco});
    return r.empty() ? std::nullopt : std::optional<Importacao>(r.front());
}

std::vector<LinhaImportada> linhas(BaseDados &bd, qint64 numImportacao)
{
    std::vector<LinhaImportada> r;
    Comando c = bd.prepara(QStringLiteral(
        "SELECT Chave, ChaveValor, Accao, NumAutomatico, SituacaoAntes, Impressao FROM "
        "TabImportacoesLinhas "
        "WHERE NumImportacao = ? ORDER BY rowid"));
    c.liga(1, numImportacao);
    while (c.avanca())
        r.push_back({c.texto(0), c.texto(1), AccaoLinha(c.inteiro(2)), c.inteiro(3), c.texto(4),
                     c.texto(5)});
    return r;
}

qint64 regista(BaseDados &bd, const Importacao &i, const std::vector<LinhaImportada> &ls)
{
    const qint64 n = bd.insere(
        QStringLiteral("INSERT INTO TabImportacoes (NumBanco, Ficheiro, Hash, DataImportacao, "
                       "Formato, Inicio, Fim, Novos, Conciliados, JaImportados, Ignorados, "
                       "SoNoRazao) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {i.numBanco, i.ficheiro, i.hash, i.data.toString(Qt::ISODate), i.formato,
         dataOuNulo(i.inicio), dataOuNulo(i.fim), i.novos, i.conciliados, i.jaImportados,
         i.ignorados, i.soNoRazao});
    Comando c = bd.prepara(QStringLiteral(
        "INSERT INTO TabImportacoesLinhas (NumImportacao, NumBanco, Chave, ChaveValor, Accao, "
        "NumAutomatico, SituacaoAntes, Impressao) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const LinhaImportada &l : ls) {
        c.liga(1, n);
        c.liga(2, i.numBanco);
        c.liga(3, l.chave);
        c.liga(4, l.chaveValor);
        c.liga(5, int(l.accao));
        c.liga(6, l.numAutomatico);
        c.liga(7, l.situacaoAntes);
        c.liga(8, l.impressao);
        while (c.avanca()) {
        }
        c.reinicia();
    }
    return n;
}

void esquece(BaseDados &bd, qint64 numImportacao)
{
    bd.executa(QStringLiteral("DELETE FROM TabImportacoesLinhas WHERE NumImportacao = ?"),
               {numImportacao});
    bd.executa(QStringLiteral("DELETE FROM TabImportacoes WHERE NumImportacao = ?"),
               {numImportacao});
}

} // namespace RegistoImportacoes
