#include "import/ImportacaoQif.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"
#include "data/TabelaDetOutros.h"
#include "data/TabelaMovimentos.h"
#include "import/BaseImportacao.h"
#include "import/ErroImportacao.h"
#include "import/LeitorQif.h"

#include <sqlite3.h>

namespace ImportacaoQif {

namespace {

// The two inserts of every stored movement, prepared once for the whole pass.
class GravacaoMovimentos
{
public:
    explicit GravacaoMovimentos(BaseDados &bd)
        : m_bd(bd),
          m_movimento(bd.prepara(QStringLiteral(
              "INSERT INTO TabBancos1Det (Numero, Data, Descricao, S, Debito, Credito, "
              "NumBanco) VALUES (?, ?, ?, 'V', ?, ?, ?)"))),
          m_extras(bd.prepara(QStringLiteral(
              "INSERT INTO TabBancosDetOutros (NumAutoDet, NumBanco, Categoria, Categoria1, "
              "Observacoes) VALUES (?, ?, ?, ?, ?)")))
    {
    }

    // GravaMovimentoImportado: the movement with situation "V" and its extras row, even when
    // category and memo are empty. The amount goes to Debito when negative and to Credito
    // when positive; the other column, and both for 0, stay Null.
    void GravaMovimentoImportado(const MovimentoQif &m, int numBanco)
    {
        const qint64 c = m.valor.centimos();
        m_movimento.liga(1, LeitorQif::corta(m.numero, TabelaMovimentos::LarguraNumero));
        m_movimento.liga(2, m.data.isValid() ? QVariant(Regional::paraIso(m.data)) : QVariant());
        m_movimento.liga(3, m.beneficiario);
        m_movimento.liga(4, c < 0 ? QVariant(-c) : QVariant());
        m_movimento.liga(5, c > 0 ? QVariant(c) : QVariant());
        m_movimento.liga(6, numBanco);
        corre(m_movimento);
        const qint64 chave = sqlite3_last_insert_rowid(m_bd.ligacaoNativa());
        m_extras.liga(1, chave);
        m_extras.liga(2, numBanco);
        m_extras.liga(3, LeitorQif::corta(m.categoria, TabelaDetOutros::LarguraCategoria));
        m_extras.liga(4, LeitorQif::corta(m.categoria2, TabelaDetOutros::LarguraCategoria));
        m_extras.liga(5, m.memo);
        corre(m_extras);
    }

private:
    static void corre(Comando &c)
    {
        while (c.avanca()) {
        }
        c.reinicia();
    }
    BaseDados &m_bd;
    Comando m_movimento, m_extras;
};

QString razao(LeitorQif::Resultado r)
{
    return r == LeitorQif::Resultado::DataInvalida
               ? QStringLiteral("A data não está na forma mês/dia'ano ou mês/dia/ano, ou não "
                                "existe.")
               : QStringLiteral("O montante não é um número com ponto decimal.");
}

// The lines of one table into account numBanco; returns the movements stored.
int importaLinhas(GravacaoMovimentos &gravacao, const QStringList &linhas, int numBanco)
{
    LeitorQif leitor;
    int movimentos = 0;
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const LeitorQif::Resultado r = leitor.trataLinha(linhas.at(i));
        if (r == LeitorQif::Resultado::Movimento) {
            gravacao.GravaMovimentoImportado(leitor.movimento(), numBanco);
            ++movimentos;
        } else if (r == LeitorQif::Resultado::DataInvalida
                   || r == LeitorQif::Resultado::ValorInvalido) {
            throw ErroImportacao(
                QStringLiteral("Não foi possível ler a linha %1 da tabela %2 (conta %3):\r"
                               "\"%4\"\r%5\r\rAs contas 5 e 6 ficaram como estavam.")
                    .arg(i + 1)
                    .arg(BaseImportacao::tabela(numBanco))
                    .arg(numBanco)
                    .arg(LeitorQif::corta(linhas.at(i), 60), razao(r)));
        }
    }
    return movimentos;
}

} // namespace

void ApagaMovimentosImportacao(BaseDados &bd, int numBanco)
{
    bd.executa(QStringLiteral("DELETE FROM TabBancos1Det WHERE NumBanco = ?"), {numBanco});
    bd.executa(QStringLiteral("DELETE FROM TabBancosDetOutros WHERE NumBanco = ?"), {numBanco});
}

void PreparaContaImportada(BaseDados &bd, int numBanco)
{
    // Saldo, ultimo and ultimavezreg stay as they are.
    bd.executa(QStringLiteral("UPDATE TabBancos SET banco = ?, dependencia = '', numconta = '', "
                              "nib = '', gestor = '', ObservDiversas = '', Observmemo = '' "
                              "WHERE NumBanco = ?"),
               {NomeContaImportada, numBanco});
}

QString avisoBanco5Vazio()
{
    return QStringLiteral("A tabela banco5 da base de importação não tem linhas: não há nada "
                          "para importar para a conta 5.\r\rNada foi alterado.");
}

Resumo importa(BaseDados &bd, const QStringList &linhas5, const QStringList &linhas6)
{
    if (linhas5.isEmpty())
        throw ErroImportacao(avisoBanco5Vazio());
    Resumo resumo;
    resumo.so5 = linhas6.isEmpty();
    const QList<int> contas = resumo.so5 ? QList<int>{5} : QList<int>{5, 6};
    Transaccao transaccao(bd);
    for (const int n : contas)
        ApagaMovimentosImportacao(bd, n);
    for (const int n : contas)
        PreparaContaImportada(bd, n);
    GravacaoMovimentos gravacao(bd);
    resumo.movimentos5 = importaLinhas(gravacao, linhas5, 5);
    if (!resumo.so5)
        resumo.movimentos6 = importaLinhas(gravacao, linhas6, 6);
    return resumo;
}

} // namespace ImportacaoQif
