#include "extractos/ExemplosExtractos.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/DadosDemonstracao.h"
#include "data/Regional.h"
#include "data/Relogio.h"
#include "extractos/Conciliacao.h"
#include "extractos/GeradorExtractos.h"

#include <algorithm>
#include <unordered_set>

namespace ExemplosExtractos {

namespace {

struct MovimentoDemo {
    qint64 numAutomatico = 0;
    QDate data;
    QString numero, descricao;
    Dinheiro valor;
    bool verificado = false;
};

// The movements an earlier import made (Accao 1) and those it marked "V" (Accao 2); none in a
// file older than the import record.
void importados(BaseDados &bd, std::unordered_set<qint64> &criados,
                std::unordered_set<qint64> &marcados)
{
    if (bd.consulta(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                   "name = 'TabImportacoesLinhas'"))
            .vazio())
        return;
    Comando c = bd.prepara(QStringLiteral(
        "SELECT Accao, NumAutomatico FROM TabImportacoesLinhas WHERE NumBanco = ?"));
    c.liga(1, Conta);
    while (c.avanca())
        (c.inteiro(0) == 1 ? criados : marcados).insert(c.inteiro(1));
}

} // namespace

Extracto extracto(BaseDados &bd)
{
    std::unordered_set<qint64> criados, marcados;
    importados(bd, criados, marcados);

    // The ledger as its running balance counts it: annulled movements left out.
    std::vector<MovimentoDemo> razao;
    Comando c = bd.prepara(QStringLiteral(
        "SELECT NumAutomatico, Data, Numero, Descricao, S, Debito, Credito FROM TabBancos1Det "
        "WHERE NumBanco = ? ORDER BY Data, NumAutomatico"));
    c.liga(1, Conta);
    QDate fim, verificadoAMao;
    while (c.avanca()) {
        const QString s = c.texto(4);
        if (Conciliacao::anulada(s))
            continue;
        MovimentoDemo m;
        m.numAutomatico = c.inteiro(0);
        m.data = Regional::deIso(c.texto(1));
        m.numero = c.texto(2);
        m.descricao = c.texto(3);
        m.valor = Dinheiro::deCentimos(c.inteiro(6) - c.inteiro(5));
        if (m.data.isValid()) {
            if (!fim.isValid() || m.data > fim)
                fim = m.data;
            const bool deImportacao =
                marcados.count(m.numAutomatico) || criados.count(m.numAutomatico);
            if (s.trimmed().toUpper() == QLatin1String("V") && !deImportacao
                && (!verificadoAMao.isValid() || m.data > verificadoAMao))
                verificadoAMao = m.data;
        }
        razao.push_back(std::move(m));
    }
    if (!fim.isValid())
        fim = Relogio::hoje();
    QDate inicio = fim.addDays(1 - DadosDemonstracao::DiasPorVerificar);
    if (verificadoAMao.isValid() && verificadoAMao >= inicio)
        inicio = verificadoAMao.addDays(1);

    std::vector<LinhaExtracto> linhas;
    for (const MovimentoDemo &m : razao) {
        if (!m.data.isValid() || m.data < inicio || criados.count(m.numAutomatico))
            continue;
        LinhaExtracto l;
        l.data = m.data;
        l.numero = m.numero;
        l.descricao = m.descricao.toUpper();
        l.valor = m.valor;
        linhas.push_back(l);
    }
    // Lines the bank has and the ledger not yet: a fee, a card payment, a transfer in, a
    // payment, in the last days (each after the day's movements).
    const struct { int dias; const char *texto; qint64 centimos; } novas[LinhasNovas] = {
        {-3, "COMISSAO MANUTENCAO CONTA; IMPOSTO SELO", -742},
        {-2, "COMPRA CARTAO 1234 PAPELARIA CENTRAL \u20AC", -2315},
        {-1, "TRF DE CLIENTE LDA - FACTURA 2026/118", 123456},
        {0, "PAGAMENTO SERVICOS 21345 REF 123 456 789", -8990},
    };
    for (const auto &n : novas) {
        LinhaExtracto l;
        l.data = std::max(inicio, fim.addDays(n.dias));
        l.descricao = QString::fromUtf8(n.texto);
        l.valor = Dinheiro::deCentimos(n.centimos);
        const auto onde = std::upper_bound(
            linhas.begin(), linhas.end(), l.data,
            [](const QDate &d, const LinhaExtracto &x) { return d < x.data; });
        linhas.insert(onde, l);
    }

    // The opening balance continues the ledger's: every movement it counts up to the day
    // before the first line, undated ones included (the grid counts them first).
    const QDate anterior = linhas.front().data.addDays(-1);
    Dinheiro saldo;
    for (const MovimentoDemo &m : razao)
        if (!m.data.isValid() || m.data <= anterior)
            saldo += m.valor;

    Extracto e;
    e.iban = QStringLiteral("PT50003300004567891234567");
    e.moeda = QStringLiteral("EUR");
    e.saldoInicial = SaldoExtracto{anterior, saldo};
    int n = 0;
    for (LinhaExtracto &l : linhas) {
        saldo += l.valor;
        l.saldoApos = saldo;
        l.dataValor = l.valor.negativo() ? l.data : l.data.addDays(1);
        l.idBanco = QStringLiteral("QVL%1%2").arg(l.data.toString(QStringLiteral("yyyyMMdd")))
                        .arg(++n, 3, 10, QChar(u'0'));
    }
    e.saldoFinal = SaldoExtracto{linhas.back().data, saldo};
    e.linhas = std::move(linhas);
    return e;
}

std::vector<Ficheiro> ficheiros(BaseDados &bd)
{
    const Extracto e = extracto(bd);
    // Newest first, as the CSV and spreadsheet exports list them.
    Extracto recente = e;
    std::reverse(recente.linhas.begin(), recente.linhas.end());
    using namespace GeradorExtractos;
    return {
        {QStringLiteral("millennium-windows1252.csv"),
         csv(recente, CodificacaoTexto::Windows1252, u';', FormaDebito::ColunaDebito,
             FormaData::DiaMesAnoHifen)},
        {QStringLiteral("millennium-utf16.txt"),
         csv(recente, CodificacaoTexto::Utf16Le, u'\t', FormaDebito::MenosNoFim,
             FormaData::DiaMesAnoBarra)},
        {QStringLiteral("millennium.xlsx"), xlsx(recente)},
        {QStringLiteral("millennium-mt940.sta"), mt940({e})},
        {QStringLiteral("millennium-camt053.xml"), camt053({e})},
        {QStringLiteral("millennium-ofx1.ofx"), ofx1(e)},
        {QStringLiteral("millennium-ofx2.ofx"), ofx2(e)},
    };
}

} // namespace ExemplosExtractos
