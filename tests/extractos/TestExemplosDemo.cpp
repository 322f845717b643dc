// The demo folder's sample statements against a demo ledger just made: each format comes into
// the demo account with every movement of its days matched and the bank's few new lines added,
// its balances continuing the ledger's and ending on them; a second import adds nothing, and
// the samples written again after the import (the build does it) are the same files.
#include "ApoioExtractos.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"
#include "data/Regional.h"
#include "data/Relogio.h"
#include "extractos/ExemplosExtractos.h"
#include "extractos/ImportacaoExtracto.h"
#include "extractos/LeitorExtracto.h"
#include "support/RegistoTestes.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(FormatoExtracto)

namespace {

QByteArray exemplo(BaseDados &bd, const QString &nome)
{
    for (const ExemplosExtractos::Ficheiro &f : ExemplosExtractos::ficheiros(bd))
        if (f.nome == nome)
            return f.bytes;
    return {};
}

// What the demo ledger holds, read from its rows: the movements of the days that the running
// balance counts, and that balance at the end of a day.
const QString NaoAnulado = QStringLiteral("COALESCE(substr(S, 1, 1), '') <> 'A'");

qint64 movimentosEntre(BaseDados &bd, const QDate &de, const QDate &ate)
{
    return contaLinhas(bd,
                       QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det WHERE NumBanco = 2 "
                                      "AND Data BETWEEN ? AND ? AND ")
                           + NaoAnulado,
                       {Regional::paraIso(de), Regional::paraIso(ate)});
}

qint64 saldoNoFimDe(BaseDados &bd, const QDate &d)
{
    return bd.consulta(QStringLiteral("SELECT COALESCE(SUM(Credito - Debito), 0) AS n FROM "
                                      "TabBancos1Det WHERE NumBanco = 2 AND (Data IS NULL OR "
                                      "Data <= ?) AND ")
                           + NaoAnulado,
                       {Regional::paraIso(d)})
        .inteiro(QStringLiteral("n"));
}

} // namespace

class TestExemplosDemo : public QObject
{
    Q_OBJECT
private slots:
    void importaNaContaDemo_data()
    {
        QTest::addColumn<QString>("ficheiro");
        QTest::addColumn<FormatoExtracto>("formato");
        QTest::newRow("CSV Windows-1252") << "millennium-windows1252.csv" << FormatoExtracto::Csv;
        QTest::newRow("CSV UTF-16") << "millennium-utf16.txt" << FormatoExtracto::Csv;
        QTest::newRow("Excel") << "millennium.xlsx" << FormatoExtracto::Xlsx;
        QTest::newRow("MT940") << "millennium-mt940.sta" << FormatoExtracto::Mt940;
        QTest::newRow("camt.053") << "millennium-camt053.xml" << FormatoExtracto::Camt053;
        QTest::newRow("OFX 1") << "millennium-ofx1.ofx" << FormatoExtracto::Ofx1;
        QTest::newRow("OFX 2") << "millennium-ofx2.ofx" << FormatoExtracto::Ofx2;
    }
    void importaNaContaDemo()
    {
        QFETCH(QString, ficheiro);
        QFETCH(FormatoExtracto, formato);
        QTemporaryDir dir;
        const QString caminho = QDir(dir.path()).filePath(QStringLiteral("quorvel.mdb"));
        NovaBaseDados::cria(caminho, true);
        auto bd = BaseDados::abre(caminho, Esquema::Chave);
        const QByteArray bytes = exemplo(*bd, ficheiro);
        QCOMPARE(reconheceFormato(bytes), formato);
        const std::vector<Extracto> es = leExtracto(bytes, ficheiro);

        auto p = ImportacaoExtracto::prepara(*bd, ExemplosExtractos::Conta, es, ficheiro, bytes);
        const PlanoConciliacao &pl = p.plano;
        // Up to the day the demo ledger was made, weeks of it: not a stale or token sample.
        QCOMPARE(pl.fim, Relogio::hoje());
        const qint64 doRazao = movimentosEntre(*bd, pl.inicio, pl.fim);
        QVERIFY2(doRazao >= 10, qPrintable(QString::number(doRazao)));
        QCOMPARE(qint64(pl.conta(DecisaoLinha::Conciliado)), doRazao);
        QCOMPARE(pl.conta(DecisaoLinha::Novo), ExemplosExtractos::LinhasNovas);
        QCOMPARE(pl.conta(DecisaoLinha::JaImportado), 0);
        QVERIFY(pl.soNoRazao.empty());
        QVERIFY(!pl.movimentosEmFalta);
        // OFX states no opening balance; the others state it and it continues the ledger's.
        const bool temInicial =
            formato != FormatoExtracto::Ofx1 && formato != FormatoExtracto::Ofx2;
        QCOMPARE(bool(pl.saldoInicial), temInicial);
        if (temInicial) {
            QCOMPARE(pl.saldoInicial->data, pl.inicio.addDays(-1));
            QCOMPARE(pl.saldoInicial->extracto.centimos(),
                     saldoNoFimDe(*bd, pl.inicio.addDays(-1)));
            QVERIFY(!pl.saldoInicial->difere());
        }
        // Before the import the ledger's side counts the new lines in: nothing left to explain.
        QVERIFY(pl.saldoFinal);
        QVERIFY(!pl.saldoFinal->difere());

        const ResultadoImportacao r = ImportacaoExtracto::confirma(*bd, p);
        QVERIFY(r.numImportacao > 0);
        QCOMPARE(r.novos, ExemplosExtractos::LinhasNovas);
        // The ledger itself now ends the statement's last day on the bank's closing balance.
        QCOMPARE(saldoNoFimDe(*bd, pl.saldoFinal->data), pl.saldoFinal->extracto.centimos());

        // The samples written again from the ledger after the import are the same file, and
        // importing it again adds nothing.
        QCOMPARE(exemplo(*bd, ficheiro), bytes);
        const QStringList antes = despejoRazao(*bd);
        auto outra =
            ImportacaoExtracto::prepara(*bd, ExemplosExtractos::Conta, es, ficheiro, bytes);
        QCOMPARE(outra.plano.conta(DecisaoLinha::JaImportado), int(outra.plano.linhas.size()));
        QVERIFY(!outra.plano.movimentosEmFalta);
        QVERIFY(outra.plano.soNoRazao.empty());
        QVERIFY(!outra.plano.saldoFinal->difere());
        QCOMPARE(ImportacaoExtracto::confirma(*bd, outra).numImportacao, qint64(0));
        QCOMPARE(despejoRazao(*bd), antes);
    }
};

QUORVEL_TESTE(TestExemplosDemo)
#include "TestExemplosDemo.moc"
