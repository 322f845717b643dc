// Which folder the program works in, and the user's data folder of an installed copy: made on the
// first run from the installed files, left alone by later runs except for a missing picture.
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "app/PastaDados.h"
#include "platform/EtiquetaClicavel.h"
#include "data/BaseDados.h"
#include "data/Esquema.h"
#include "support/MensagensGuionadas.h"
#include "support/RegistoTestes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every file under the folder with its contents' hash and modification time.
// Every file's modification time set a day back, so that a rewrite shows in the times without
// the test waiting for the clock to move.
void envelhece(const QString &pasta)
{
    const QDateTime ontem = QDateTime::currentDateTime().addDays(-1);
    QDirIterator it(pasta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadWrite);
        f.setFileTime(ontem, QFileDevice::FileModificationTime);
    }
}

QMap<QString, QString> retrato(const QString &pasta)
{
    QMap<QString, QString> r;
    QDirIterator it(pasta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString caminho = it.next();
        QFile f(caminho);
        f.open(QIODevice::ReadOnly);
        r.insert(QDir(pasta).relativeFilePath(caminho),
                 QString::fromLatin1(
                     QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex())
                     + QLatin1Char('@')
                     + QString::number(QFileInfo(caminho).lastModified().toMSecsSinceEpoch()));
    }
    return r;
}

QStringList nomes(const QString &pasta)
{
    QStringList n = QDir(pasta).entryList(QDir::Files);
    n.sort();
    return n;
}

// The resources folder stands for the installed share folder; its drawing scripts are not
// installed, so they are left out of the comparisons.
QStringList semScripts(QStringList n)
{
    n.removeIf([](const QString &f) { return f.endsWith(QLatin1String(".sh")); });
    return n;
}

} // namespace

class TestPastaDados : public QObject
{
    Q_OBJECT
private slots:
    void escolhe_data()
    {
        QTest::addColumn<QString>("opcao");
        QTest::addColumn<QString>("ambiente");
        QTest::addColumn<QString>("baseNoExecutavel"); // "" when the executable's folder has none
        QTest::addColumn<int>("origem");
        QTest::addColumn<QString>("pasta"); // "op", "amb", "exe" or "dados"
        QTest::newRow("opcao ganha a tudo") << "op"
                                            << "amb"
                                            << "quorvel.mdb" << int(OrigemPasta::Opcao) << "op";
        QTest::newRow("variavel de ambiente")
            << ""
            << "amb"
            << "quorvel.mdb" << int(OrigemPasta::Ambiente) << "amb";
        QTest::newRow("pasta do executavel")
            << ""
            << ""
            << "quorvel.mdb" << int(OrigemPasta::Executavel) << "exe";
        QTest::newRow("executavel, maiusculas")
            << ""
            << ""
            << "QUORVEL.MDB" << int(OrigemPasta::Executavel) << "exe";
        QTest::newRow("dados do utilizador") << ""
                                             << ""
                                             << "" << int(OrigemPasta::Utilizador) << "dados";
        QTest::newRow("outro ficheiro nao conta")
            << ""
            << ""
            << "quorvel.mdb.bak" << int(OrigemPasta::Utilizador) << "dados";
    }
    void escolhe()
    {
        QFETCH(QString, opcao);
        QFETCH(QString, ambiente);
        QFETCH(QString, baseNoExecutavel);
        QFETCH(int, origem);
        QFETCH(QString, pasta);
        QTemporaryDir raiz;
        const QDir r(raiz.path());
        for (const char *n : {"op", "amb", "exe", "dados"})
            QVERIFY(r.mkpath(QString::fromLatin1(n)));
        if (!baseNoExecutavel.isEmpty()) {
            QFile f(r.filePath(QStringLiteral("exe/") + baseNoExecutavel));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        auto emRaiz = [&](const QString &n) { return n.isEmpty() ? n : r.filePath(n); };
        const PastaEscolhida escolhida =
            EscolhePasta(emRaiz(opcao), emRaiz(ambiente), r.filePath(QStringLiteral("exe")),
                         r.filePath(QStringLiteral("dados")));
        QCOMPARE(int(escolhida.origem), origem);
        QCOMPARE(escolhida.caminho, r.filePath(pasta));
    }

    void pastaRelativaFicaAbsoluta()
    {
        const PastaEscolhida e = EscolhePasta(QStringLiteral("dados/empresa"), {}, {}, {});
        QCOMPARE(e.caminho, QDir::current().absoluteFilePath(QStringLiteral("dados/empresa")));
    }

    void partilhadaAoLadoDoExecutavel()
    {
        QCOMPARE(PastaPartilhada(QStringLiteral("/opt/quorvel/bin")),
                 QStringLiteral("/opt/quorvel/share/quorvel"));
        QCOMPARE(PastaPartilhada(QStringLiteral("/usr/bin")), QStringLiteral("/usr/share/quorvel"));
    }

    void primeiraUtilizacaoCriaPastaQueArranca()
    {
        QTemporaryDir raiz;
        const QString pasta = QDir(raiz.path()).filePath(QStringLiteral("share/Quorvel/Quorvel"));
        QCOMPARE(PreparaPastaUtilizador(pasta, QStringLiteral(QUORVEL_RESOURCES_DIR)), QString());
        QStringList esperados = semScripts(nomes(QStringLiteral(QUORVEL_RESOURCES_DIR)));
        esperados << QStringLiteral("quorvel.mdb");
        esperados.sort();
        QCOMPARE(semScripts(nomes(pasta)), esperados);
        {
            auto bd = BaseDados::abre(QDir(pasta).filePath(QStringLiteral("quorvel.mdb")),
                                      Esquema::Chave);
            QCOMPARE(Esquema::versao(*bd), Esquema::Versao);
            QCOMPARE(bd->consulta(QStringLiteral("SELECT count(*) AS n FROM TabBancos"))
                         .inteiro(QStringLiteral("n")),
                     9);
            QCOMPARE(bd->consulta(QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det"))
                         .inteiro(QStringLiteral("n")),
                     0);
        }
        // The program starts there as in any application folder.
        MensagensGuionadas caixas;
        FechaLigacao();
        definePastaAplicacao(pasta);
        {
            Frm_bancos janela;
            QCOMPARE(janela.Form_Load(), 0);
            QCOMPARE(caixas.caixas.size(), 0);
            QCOMPARE(janela.Lbl_NomeDoBanco->text(), QStringLiteral("Banco 1"));
        }
        FechaLigacao();
        definePastaAplicacao(QString());
    }

    void segundaUtilizacaoNaoMudaNada()
    {
        QTemporaryDir raiz;
        const QString pasta = raiz.filePath(QStringLiteral("dados"));
        QCOMPARE(PreparaPastaUtilizador(pasta, QStringLiteral(QUORVEL_RESOURCES_DIR)), QString());
        envelhece(pasta); // a rewrite would show in the modification times
        const auto antes = retrato(pasta);
        QCOMPARE(PreparaPastaUtilizador(pasta, QStringLiteral(QUORVEL_RESOURCES_DIR)), QString());
        QCOMPARE(retrato(pasta), antes);
    }

    void imagemEmFaltaRepostaSemTocarNoResto()
    {
        QTemporaryDir raiz;
        const QString pasta = raiz.filePath(QStringLiteral("dados"));
        QCOMPARE(PreparaPastaUtilizador(pasta, QStringLiteral(QUORVEL_RESOURCES_DIR)), QString());
        const QDir d(pasta);
        // The user's ledger has data; one picture was replaced by the user, another renamed in
        // lower case, one deleted.
        {
            auto bd = BaseDados::abre(d.filePath(QStringLiteral("quorvel.mdb")), Esquema::Chave);
            bd->executa(QStringLiteral("UPDATE TabBancos SET banco = ? WHERE NumBanco = 1"),
                        {QStringLiteral("Conta da Empresa")});
        }
        {
            QFile propria(d.filePath(QStringLiteral("quorvel.bmp")));
            QVERIFY(propria.open(QIODevice::WriteOnly | QIODevice::Truncate));
            propria.write("a picture of the user's own");
        }
        QVERIFY(QFile::rename(d.filePath(QStringLiteral("ok.ico")),
                              d.filePath(QStringLiteral("OK.ICO"))));
        QVERIFY(QFile::remove(d.filePath(QStringLiteral("Texto01.gif"))));
        envelhece(pasta);
        auto antes = retrato(pasta);

        QCOMPARE(PreparaPastaUtilizador(pasta, QStringLiteral(QUORVEL_RESOURCES_DIR)), QString());
        auto depois = retrato(pasta);
        QVERIFY(depois.contains(QStringLiteral("Texto01.gif")));
        QFile original(
            QDir(QStringLiteral(QUORVEL_RESOURCES_DIR)).filePath(QStringLiteral("Texto01.gif")));
        QFile reposta(d.filePath(QStringLiteral("Texto01.gif")));
        QVERIFY(original.open(QIODevice::ReadOnly) && reposta.open(QIODevice::ReadOnly));
        QCOMPARE(reposta.readAll(), original.readAll());
        depois.remove(QStringLiteral("Texto01.gif"));
        QCOMPARE(depois,
                 antes); // database byte for byte, the user's picture, no second ok.ico
    }

    void pastaImpossivelDizPorque()
    {
        QTemporaryDir raiz;
        QFile ficheiro(raiz.filePath(QStringLiteral("ocupado")));
        QVERIFY(ficheiro.open(QIODevice::WriteOnly));
        ficheiro.close();
        const QString erro = PreparaPastaUtilizador(raiz.filePath(QStringLiteral("ocupado/dados")),
                                                    QStringLiteral(QUORVEL_RESOURCES_DIR));
        QVERIFY2(erro.startsWith(QStringLiteral("não foi possível criar a pasta")),
                 qPrintable(erro));
    }
};

QUORVEL_TESTE(TestPastaDados)
#include "TestPastaDados.moc"
