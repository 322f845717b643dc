// quorvel-extracto as a script runs it: its counts, --simular writing nothing, its exit codes
// for each kind of failure, and nothing written whenever it fails.
#include "ApoioExtractos.h"
#include "app/InstanciaUnica.h"
#include "app/ProcessoQuorvel.h"
#include "extractos/GeradorExtractos.h"
#include "support/RegistoTestes.h"

#include <QFile>
#include <QLockFile>
#include <QTest>

namespace {

const QString Ferramenta = QStringLiteral(QUORVEL_EXTRACTO);

void escreve(const QString &caminho, const QByteArray &bytes)
{
    QFile f(caminho);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

// Account 1 with one movement to verify and a statement of it plus a new fee, in OFX.
void prepara(PastaTeste &pasta, const QString &password = {})
{
    pasta.nomeiaConta(1, QStringLiteral("Empresa"), password);
    pasta.insereMovimento(1, QStringLiteral("2026-03-02"), 4599, 0, {}, QStringLiteral("MEO"));
    Extracto e = extractoDe({linhaExtracto(QStringLiteral("2026-03-02"), -4599,
                                           QStringLiteral("DD MEO"), {}, QStringLiteral("T1")),
                             linhaExtracto(QStringLiteral("2026-03-05"), -250,
                                           QStringLiteral("COMISSAO"), {}, QStringLiteral("T2"))});
    e.saldoFinal = SaldoExtracto{QDate(2026, 3, 5), Dinheiro::deCentimos(-4849)};
    escreve(pasta.caminho(QStringLiteral("m.ofx")), GeradorExtractos::ofx2(e));
    e.moeda = QStringLiteral("USD");
    escreve(pasta.caminho(QStringLiteral("usd.ofx")), GeradorExtractos::ofx2(e));
    escreve(pasta.caminho(QStringLiteral("mau.ofx")), GeradorExtractos::ofx2(e).left(200));
}

} // namespace

class TestImportacaoExtractoFerramenta : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    void importaEDepoisNadaMais()
    {
        PastaTeste pasta;
        prepara(pasta);
        const QStringList args = {QStringLiteral("--pasta"), pasta.caminho(),
                                  QStringLiteral("--conta"), QStringLiteral("1"),
                                  pasta.caminho(QStringLiteral("m.ofx"))};
        const QStringList antes = despejoRazao(pasta.bd());
        const Execucao simulada =
            executa(Ferramenta, args + QStringList{QStringLiteral("--simular")},
                    ambienteLimpo(m_home.path()));
        QCOMPARE(simulada.codigo, 0);
        QVERIFY(simulada.saida.contains(QStringLiteral("Novos: 1\nConciliados: 1\n")));
        QVERIFY(simulada.saida.contains(QStringLiteral("Simulação: nada foi gravado.")));
        QCOMPARE(despejoRazao(pasta.bd()), antes);

        const Execucao r = executa(Ferramenta, args, ambienteLimpo(m_home.path()));
        QCOMPARE(r.codigo, 0);
        QVERIFY2(r.saida.contains(QStringLiteral("Novos: 1\nConciliados: 1\nJá importados: 0\n"
                                                 "No razão, não no extracto: 0\n")),
                 qPrintable(r.saida));
        QVERIFY(r.saida.contains(QStringLiteral("Saldo final: extracto -48,49, razão -48,49, "
                                                "diferença 0,00")));
        QCOMPARE(contaLinhas(pasta.bd(), QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det "
                                                        "WHERE S = 'V'")),
                 2);
        const Execucao outra = executa(Ferramenta, args, ambienteLimpo(m_home.path()));
        QCOMPARE(outra.codigo, 0);
        QVERIFY(outra.saida.contains(QStringLiteral("Novos: 0\nConciliados: 0\nJá importados: 2")));
        QVERIFY(outra.saida.contains(QStringLiteral("Nada a importar.")));

        const Execucao anula =
            executa(Ferramenta, args.mid(0, 4) + QStringList{QStringLiteral("--anular")},
                    ambienteLimpo(m_home.path()));
        QCOMPARE(anula.codigo, 0);
        QCOMPARE(despejoRazao(pasta.bd()), antes);
    }

    // Each failure with its exit code, and the ledger exactly as it was.
    void falhas_data()
    {
        QTest::addColumn<QStringList>("args"); // after --pasta DIR; "@" stands for the folder
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("erro");
        QTest::addColumn<int>("caso"); // 1 folder locked, 2 damaged database, 3 protected
        const QString m = QStringLiteral("@/m.ofx");
        QTest::newRow("sem conta") << QStringList{m} << 2 << "uso:" << 0;
        QTest::newRow("conta 10") << QStringList{"--conta", "10", m} << 2 << "uso:" << 0;
        QTest::newRow("dois ficheiros") << QStringList{"--conta", "1", m, m} << 2 << "uso:" << 0;
        QTest::newRow("opção desconhecida") << QStringList{"--conta", "1", "--xpto", m} << 2
                                            << "xpto" << 0;
        QTest::newRow("conta sem nome") << QStringList{"--conta", "3", m} << 2
                                        << "a conta 3 não existe" << 0;
        QTest::newRow("preset desconhecido") << QStringList{"--conta", "1", "--preset", "Nenhum", m}
                                             << 2 << "Nenhum" << 0;
        QTest::newRow("ficheiro inexistente") << QStringList{"--conta", "1", "@/nada.ofx"} << 1
                                              << "nada.ofx" << 0;
        QTest::newRow("ficheiro danificado") << QStringList{"--conta", "1", "@/mau.ofx"} << 1
                                             << "mau.ofx" << 0;
        QTest::newRow("em dólares") << QStringList{"--conta", "1", "@/usd.ofx"} << 1 << "USD" << 0;
        QTest::newRow("pasta ocupada") << QStringList{"--conta", "1", m} << 4
                                       << "O Quorvel já está aberto" << 1;
        QTest::newRow("base de dados danificada") << QStringList{"--conta", "1", m} << 3 << ""
                                                  << 2;
        QTest::newRow("conta protegida sem password") << QStringList{"--conta", "1", m} << 1
                                                      << "--password" << 3;
        QTest::newRow("password errada") << QStringList{"--conta", "1", "--password", "x", m} << 1
                                         << "password incorrecta" << 3;
    }
    void falhas()
    {
        QFETCH(QStringList, args);
        QFETCH(int, codigo);
        QFETCH(QString, erro);
        QFETCH(int, caso);
        PastaTeste pasta;
        prepara(pasta, caso == 3 ? QStringLiteral("segredo") : QString());
        const QStringList antes = despejoRazao(pasta.bd());
        QLockFile bloqueio(pasta.caminho(InstanciaUnica::nomeFicheiro()));
        if (caso == 1)
            QVERIFY(bloqueio.tryLock(0));
        QByteArray original;
        if (caso == 2) {
            QFile f(pasta.caminhoBase());
            f.open(QIODevice::ReadWrite);
            original = f.readAll();
            f.seek(0);
            f.write(QByteArray(4096, 'x'));
        }
        for (QString &a : args)
            a.replace(QLatin1Char('@'), pasta.caminho());
        const Execucao r =
            executa(Ferramenta, QStringList{QStringLiteral("--pasta"), pasta.caminho()} + args,
                    ambienteLimpo(m_home.path()));
        QCOMPARE(r.codigo, codigo);
        QVERIFY2(r.erros.contains(erro), qPrintable(r.erros));
        if (caso == 2) {
            QFile f(pasta.caminhoBase());
            f.open(QIODevice::ReadWrite);
            f.write(original);
        }
        QCOMPARE(despejoRazao(pasta.bd()), antes);
        QCOMPARE(
            contaLinhas(pasta.bd(), QStringLiteral("SELECT count(*) AS n FROM TabImportacoes")),
            0);
    }

    // A protected account opens with its password given, or with the general one.
    void contaProtegida()
    {
        PastaTeste pasta;
        prepara(pasta, QStringLiteral("Segredo"));
        pasta.definePasswordGeral(QStringLiteral("GERAL"));
        QProcessEnvironment amb = ambienteLimpo(m_home.path());
        amb.insert(QStringLiteral("QUORVEL_PASSWORD"), QStringLiteral("geral"));
        const Execucao r = executa(Ferramenta, {QStringLiteral("--pasta"), pasta.caminho(),
                                                QStringLiteral("--conta"), QStringLiteral("1"),
                                                QStringLiteral("--simular"),
                                                pasta.caminho(QStringLiteral("m.ofx"))},
                                   amb);
        QCOMPARE(r.codigo, 0);
        const Execucao s = executa(Ferramenta, {QStringLiteral("--pasta"), pasta.caminho(),
                                                QStringLiteral("--conta"), QStringLiteral("1"),
                                                QStringLiteral("--password"),
                                                QStringLiteral("segredo"),
                                                pasta.caminho(QStringLiteral("m.ofx"))},
                                   ambienteLimpo(m_home.path()));
        QCOMPARE(s.codigo, 0);
        QVERIFY(s.saida.contains(QStringLiteral("Importação gravada.")));
    }
};

QUORVEL_TESTE(TestImportacaoExtractoFerramenta)
#include "TestImportacaoExtractoFerramenta.moc"
