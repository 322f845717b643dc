// quorvel-exemplos-extractos DEMO.mdb DIR: the sample statement files of the demo folder, one
// per format, for the demo account "Millennium - Empresa": its last unverified movements of the
// past weeks (so they match when imported) and a few the ledger does not have yet.
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "data/Regional.h"
#include "extractos/GeradorExtractos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

constexpr int ContaDemo = 2;

Extracto extractoDemo(BaseDados &bd)
{
    Registos r = bd.consulta(QStringLiteral(
        "SELECT Data, Numero, Descricao, Debito, Credito FROM TabBancos1Det WHERE NumBanco = ? "
        "AND Data IS NOT NULL AND COALESCE(S, '') = '' ORDER BY Data DESC, NumAutomatico DESC "
        "LIMIT 8"), {ContaDemo});
    std::vector<LinhaExtracto> linhas;
    for (; !r.eof(); r.seguinte()) {
        LinhaExtracto l;
        l.data = Regional::deIso(r.texto(QStringLiteral("Data")));
        l.numero = r.texto(QStringLiteral("Numero"));
        l.descricao = r.texto(QStringLiteral("Descricao")).toUpper();
        l.valor = r.dinheiro(QStringLiteral("Credito")) - r.dinheiro(QStringLiteral("Debito"));
        linhas.insert(linhas.begin(), l);
    }
    const QDate fim = linhas.empty() ? QDate(2026, 12, 8) : linhas.back().data;
    // Lines the bank has and the ledger not yet: a fee, a card payment, a transfer in.
    const struct { int dias; const char *texto; qint64 centimos; } novas[] = {
        {-3, "COMISSAO MANUTENCAO CONTA; IMPOSTO SELO", -742},
        {-2, "COMPRA CARTAO 1234 PAPELARIA CENTRAL \u20AC", -2315},
        {-1, "TRF DE CLIENTE LDA - FACTURA 2026/118", 123456},
        {0, "PAGAMENTO SERVICOS 21345 REF 123 456 789", -8990},
    };
    for (const auto &n : novas) {
        LinhaExtracto l;
        l.data = fim.addDays(n.dias);
        l.descricao = QString::fromUtf8(n.texto);
        l.valor = Dinheiro::deCentimos(n.centimos);
        auto onde = std::upper_bound(linhas.begin(), linhas.end(), l.data,
                                     [](const QDate &d, const LinhaExtracto &x) { return d < x.data; });
        linhas.insert(onde, l);
    }
    Extracto e;
    e.iban = QStringLiteral("PT50003300004567891234567");
    e.moeda = QStringLiteral("EUR");
    Dinheiro saldo = Dinheiro::deCentimos(1234567);
    e.saldoInicial = SaldoExtracto{linhas.front().data.addDays(-1), saldo};
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

bool escreve(const QString &caminho, const QByteArray &dados)
{
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(dados) == dados.size() && f.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "uso: quorvel-exemplos-extractos DEMO.mdb PASTA\n");
        return 2;
    }
    try {
        auto bd = BaseDados::abre(args.at(0), Esquema::Chave);
        const Extracto e = extractoDemo(*bd);
        // Newest first, as the CSV and spreadsheet exports list them.
        Extracto recente = e;
        std::reverse(recente.linhas.begin(), recente.linhas.end());
        QDir().mkpath(args.at(1));
        const QDir d(args.at(1));
        using namespace GeradorExtractos;
        const bool ok =
            escreve(d.filePath(QStringLiteral("millennium-windows1252.csv")),
                    csv(recente, CodificacaoTexto::Windows1252, u';', FormaDebito::ColunaDebito,
                        FormaData::DiaMesAnoHifen))
            && escreve(d.filePath(QStringLiteral("millennium-utf16.txt")),
                       csv(recente, CodificacaoTexto::Utf16Le, u'\t', FormaDebito::MenosNoFim,
                           FormaData::DiaMesAnoBarra))
            && escreve(d.filePath(QStringLiteral("millennium.xlsx")), xlsx(recente))
            && escreve(d.filePath(QStringLiteral("millennium-mt940.sta")), mt940({e}))
            && escreve(d.filePath(QStringLiteral("millennium-camt053.xml")), camt053({e}))
            && escreve(d.filePath(QStringLiteral("millennium-ofx1.ofx")), ofx1(e))
            && escreve(d.filePath(QStringLiteral("millennium-ofx2.ofx")), ofx2(e));
        if (!ok) {
            std::fprintf(stderr, "quorvel-exemplos-extractos: não foi possível escrever em %s\n",
                         qPrintable(args.at(1)));
            return 1;
        }
    } catch (const ErroBaseDados &e) {
        std::fprintf(stderr, "quorvel-exemplos-extractos: %s\n", e.what());
        return 1;
    }
    return 0;
}
