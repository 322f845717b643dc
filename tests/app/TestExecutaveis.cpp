// The executables as a user or a script starts them: quorvel's options and folder choice, one copy
// per folder with two real processes, quorvel-initdb's exit codes, and an install into a temporary
// prefix that starts on its own fresh ledger.
#include "ProcessoQuorvel.h"
#include "data/BaseDados.h"
#include "data/Esquema.h"
#include "support/RegistoTestes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString Quorvel = QStringLiteral(QUORVEL_EXECUTAVEL);
const QString InitDb = QStringLiteral(QUORVEL_INITDB);

QByteArray impressao(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// An application folder with the pictures and a new database made by quorvel-initdb.
bool preparaPasta(const QString &pasta, const QProcessEnvironment &amb, bool comTexto01 = true)
{
    QDir().mkpath(pasta);
    const QDir recursos(QStringLiteral(QUORVEL_RESOURCES_DIR));
    for (const QString &f : recursos.entryList(QDir::Files))
        if (!f.endsWith(QLatin1String(".sh")) && (comTexto01 || f != QLatin1String("Texto01.gif")))
            QFile::copy(recursos.filePath(f), QDir(pasta).filePath(f));
    return executa(InitDb, {QDir(pasta).filePath(QStringLiteral("quorvel.mdb"))}, amb).codigo == 0;
}

// The program has loaded its window and waits for the user: its main thread sleeps in the event
// loop's poll (its loading never waits there).
bool emEsperaNoCicloDeEventos(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/wchan").arg(pid));
    return f.open(QIODevice::ReadOnly) && f.readAll().contains("poll");
}

QString linhaPasta(const QString &pasta)
{
    return QStringLiteral("pasta: ") + QDir::toNativeSeparators(QDir(pasta).absolutePath())
        + QLatin1Char('\n');
}

} // namespace

class TestExecutaveis : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;
    QProcessEnvironment ambiente() const { return ambienteLimpo(m_home.path()); }
    QProcessEnvironment automatico() const
    {
        QProcessEnvironment amb = ambiente();
        amb.insert(QStringLiteral("QUORVEL_SAIR_APOS_ARRANQUE"), QStringLiteral("1"));
        return amb;
    }

private slots:
    void versaoEAjudaSemEcra()
    {
        QProcessEnvironment amb = ambiente();
        for (const char *v : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            amb.remove(QString::fromLatin1(v));
        const Execucao versao = executa(Quorvel, {QStringLiteral("--version")}, amb);
        QCOMPARE(versao.codigo, 0);
        QCOMPARE(versao.saida, QStringLiteral("Quorvel 1.6\n"));
        const Execucao ajuda = executa(Quorvel, {QStringLiteral("--help")}, amb);
        QCOMPARE(ajuda.codigo, 0);
        QVERIFY(ajuda.saida.startsWith(QStringLiteral("Utilização: quorvel [--pasta PASTA]\n")));
        QVERIFY(
            ajuda.saida.contains(QStringLiteral("  --pasta PASTA     trabalha na pasta PASTA")));
        QVERIFY(
            ajuda.saida.contains(QStringLiteral("  -v, --version     mostra a versão e termina")));
        QCOMPARE(executa(Quorvel, {QStringLiteral("-h")}, amb).saida, ajuda.saida);
    }

    void opcoesErradas_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("desconhecida")
            << QStringList{"--pastas", "x"} << "quorvel: opção desconhecida: pastas\n";
        QTest::newRow("sem pasta")
            << QStringList{"--pasta"} << "quorvel: falta a pasta depois de --pasta.\n";
        QTest::newRow("pasta vazia")
            << QStringList{"--pasta="} << "quorvel: falta a pasta depois de --pasta.\n";
        QTest::newRow("argumento a mais")
            << QStringList{"ficheiro.mdb"} << "quorvel: argumento a mais: ficheiro.mdb\n";
    }
    void opcoesErradas()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, mensagem);
        const Execucao r = executa(Quorvel, argumentos, automatico());
        QCOMPARE(r.codigo, 2);
        QVERIFY2(r.erros.startsWith(mensagem), qPrintable(r.erros));
        QVERIFY(r.erros.contains(QStringLiteral("Use quorvel --help para ver as opções.")));
        QCOMPARE(r.saida, QString()); // stopped before choosing any folder
    }

    // --pasta wins over QUORVEL_PASTA; a folder given either way gets the usual start checks and is
    // never created or filled by the program.
    void pastaPorOpcaoOuAmbiente_data()
    {
        QTest::addColumn<QString>("opcao");    // "boa", "incompleta", "inexistente" or ""
        QTest::addColumn<QString>("ambiente"); // the same
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("usada");
        QTest::addColumn<QString>("aviso");
        const QString semTexto01 =
            QStringLiteral("AVISO: Nota: O programa tem um ficheiro de "
                           "configuração em falta... consulte o apoio técnico!\n");
        const QString semBase =
            QStringLiteral("Quorvel: o ficheiro de Bancos não existe... consulte o "
                           "suporte técnico\n");
        QTest::newRow("opcao") << "boa"
                               << "" << 0 << "boa"
                               << "";
        QTest::newRow("ambiente") << ""
                                  << "boa" << 0 << "boa"
                                  << "";
        QTest::newRow("opcao antes do ambiente") << "boa"
                                                 << "incompleta" << 0 << "boa"
                                                 << "";
        QTest::newRow("opcao incompleta") << "incompleta"
                                          << "boa" << 1 << "incompleta" << semTexto01;
        QTest::newRow("ambiente incompleto") << ""
                                             << "incompleta" << 1 << "incompleta" << semTexto01;
        QTest::newRow("opcao inexistente") << "inexistente"
                                           << "" << 1 << "inexistente" << semTexto01;
        QTest::newRow("ambiente sem base") << ""
                                           << "sembase" << 1 << "sembase" << semBase;
    }
    void pastaPorOpcaoOuAmbiente()
    {
        QFETCH(QString, opcao);
        QFETCH(QString, ambiente);
        QFETCH(int, codigo);
        QFETCH(QString, usada);
        QFETCH(QString, aviso);
        QTemporaryDir raiz;
        const QDir r(raiz.path());
        QProcessEnvironment amb = automatico();
        QVERIFY(preparaPasta(r.filePath(QStringLiteral("boa")), amb));
        QVERIFY(preparaPasta(r.filePath(QStringLiteral("incompleta")), amb, false));
        QVERIFY(preparaPasta(r.filePath(QStringLiteral("sembase")), amb));
        QVERIFY(QFile::remove(r.filePath(QStringLiteral("sembase/quorvel.mdb"))));
        const QByteArray baseIncompleta =
            impressao(r.filePath(QStringLiteral("incompleta/quorvel.mdb")));

        QStringList argumentos;
        if (!opcao.isEmpty())
            argumentos << QStringLiteral("--pasta") << r.filePath(opcao);
        if (!ambiente.isEmpty())
            amb.insert(QStringLiteral("QUORVEL_PASTA"), r.filePath(ambiente));
        const Execucao e = executa(Quorvel, argumentos, amb);
        QVERIFY(e.terminou);
        QCOMPARE(e.codigo, codigo);
        QCOMPARE(e.saida, linhaPasta(r.filePath(usada)));
        QCOMPARE(e.erros, aviso);
        QVERIFY(!QFileInfo::exists(r.filePath(QStringLiteral("inexistente"))));
        QVERIFY(!QFileInfo::exists(r.filePath(QStringLiteral("sembase/quorvel.mdb"))));
        QCOMPARE(impressao(r.filePath(QStringLiteral("incompleta/quorvel.mdb"))), baseIncompleta);
        QVERIFY(
            !QFileInfo::exists(r.filePath(usada + QStringLiteral("/quorvel.lock")))); // released
    }

    void initDb()
    {
        QTemporaryDir raiz;
        const QString base = raiz.filePath(QStringLiteral("quorvel.mdb"));
        const QProcessEnvironment amb = ambiente();

        Execucao e = executa(InitDb, {}, amb);
        QCOMPARE(e.codigo, 2);
        QVERIFY(e.erros.startsWith(QStringLiteral("uso: quorvel-initdb")));
        QCOMPARE(executa(InitDb, {QStringLiteral("--demos"), base}, amb).codigo, 2);
        QVERIFY(!QFileInfo::exists(base));

        e = executa(InitDb, {base}, amb);
        QCOMPARE(e.codigo, 0);
        QCOMPARE(e.saida, base + QStringLiteral(" criado.\n"));
        const QByteArray criada = impressao(base);
        {
            auto bd = BaseDados::abre(base, Esquema::Chave);
            QCOMPARE(Esquema::versao(*bd), Esquema::Versao);
        }
        QCOMPARE(impressao(base), criada);

        // Never overwritten: refused with an error, or left alone with --se-faltar.
        e = executa(InitDb, {QStringLiteral("--demo"), base}, amb);
        QCOMPARE(e.codigo, 1);
        QVERIFY2(e.erros.contains(QStringLiteral("já existe")), qPrintable(e.erros));
        QCOMPARE(impressao(base), criada);
        QCOMPARE(executa(InitDb, {QStringLiteral("--se-faltar"), base}, amb).codigo, 0);
        QCOMPARE(impressao(base), criada);

        // A folder that does not exist: an error, and nothing left behind.
        const QString semPasta = raiz.filePath(QStringLiteral("nao/existe.mdb"));
        QCOMPARE(executa(InitDb, {semPasta}, amb).codigo, 1);
        QVERIFY(!QFileInfo::exists(semPasta));

        const QString demo = raiz.filePath(QStringLiteral("demo.mdb"));
        QCOMPARE(executa(InitDb, {QStringLiteral("--demo"), demo}, amb).codigo, 0);
        auto bd = BaseDados::abre(demo, Esquema::Chave);
        QVERIFY(bd->consulta(QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det"))
                    .inteiro(QStringLiteral("n"))
                > 0);
    }

    // A second copy on the same folder is refused before it touches the database; the lock of a
    // killed copy does not block the next start.
    void umaCopiaPorPasta()
    {
        QTemporaryDir raiz;
        const QString pasta = raiz.filePath(QStringLiteral("empresa"));
        QVERIFY(preparaPasta(pasta, ambiente()));
        const QString base = QDir(pasta).filePath(QStringLiteral("quorvel.mdb"));
        const QString bloqueio = QDir(pasta).filePath(QStringLiteral("quorvel.lock"));

        QProcess primeira;
        primeira.setProcessEnvironment(ambiente());
        primeira.start(Quorvel, {QStringLiteral("--pasta"), pasta});
        QVERIFY(primeira.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(bloqueio), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(emEsperaNoCicloDeEventos(primeira.processId()), 30000);
        QCOMPARE(primeira.state(), QProcess::Running);

        const QByteArray antes = impressao(base);
        const Execucao segunda = executa(Quorvel, {QStringLiteral("--pasta"), pasta}, automatico());
        QCOMPARE(segunda.codigo, 4);
        QVERIFY2(segunda.erros.startsWith(
                     QStringLiteral("Quorvel: O Quorvel já está aberto nesta pasta:\n")
                     + QDir::toNativeSeparators(pasta) + QLatin1Char('\n')),
                 qPrintable(segunda.erros));
        QCOMPARE(impressao(base), antes);
        QCOMPARE(primeira.state(), QProcess::Running); // the first copy carries on

        // Another folder is not affected.
        const QString outra = raiz.filePath(QStringLiteral("outra"));
        QVERIFY(preparaPasta(outra, ambiente()));
        QCOMPARE(executa(Quorvel, {QStringLiteral("--pasta"), outra}, automatico()).codigo, 0);

        primeira.kill(); // no clean-up: the lock file stays behind
        QVERIFY(primeira.waitForFinished());
        QVERIFY(QFileInfo::exists(bloqueio));
        const Execucao depois = executa(Quorvel, {QStringLiteral("--pasta"), pasta}, automatico());
        QCOMPARE(depois.codigo, 0);
        QCOMPARE(depois.erros, QString());
        QVERIFY(!QFileInfo::exists(bloqueio));
    }

    // `cmake --install` into a temporary prefix, then the installed program started with an empty
    // HOME: it makes the user's folder from share/quorvel and opens a fresh ledger there.
    void instalacaoNumPrefixo()
    {
        QTemporaryDir raiz;
        const QDir r(raiz.path());
        const QString prefixo = r.filePath(QStringLiteral("prefixo"));
        const Execucao instala =
            executa(QStringLiteral(QUORVEL_CMAKE),
                    {QStringLiteral("--install"), QStringLiteral(QUORVEL_BUILD_DIR),
                     QStringLiteral("--prefix"), prefixo},
                    ambiente(), 180000);
        QVERIFY2(instala.codigo == 0, qPrintable(instala.erros));
        const QDir p(prefixo);
        for (const char *f : {"bin/quorvel", "bin/quorvel-initdb", "share/quorvel/Texto01.gif",
                              "share/applications/quorvel.desktop",
                              "share/metainfo/io.github.quorvel.quorvel.metainfo.xml",
                              "share/icons/hicolor/scalable/apps/quorvel.svg",
                              "share/icons/hicolor/48x48/apps/quorvel.png",
                              "share/icons/hicolor/256x256/apps/quorvel.png"})
            QVERIFY2(p.exists(QString::fromLatin1(f)), f);
        QVERIFY(!p.exists(QStringLiteral("share/quorvel/make-resources.sh")));
        // The menu entry starts the installed program and names the installed icon.
        QFile entrada(p.filePath(QStringLiteral("share/applications/quorvel.desktop")));
        QVERIFY(entrada.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList linhas = QString::fromUtf8(entrada.readAll()).split(QLatin1Char('\n'));
        for (const char *l : {"[Desktop Entry]", "Type=Application", "Name=Quorvel", "Exec=quorvel",
                              "Icon=quorvel", "Categories=Office;Finance;"})
            QVERIFY2(linhas.contains(QString::fromLatin1(l)), l);
        QVERIFY(linhas.contains(
            QStringLiteral("Comment=Movimentos e saldos das contas bancárias da empresa")));
        QVERIFY(!p.exists(QStringLiteral("share/quorvel/quorvel.mdb")));

        QVERIFY(r.mkpath(QStringLiteral("home")));
        QProcessEnvironment amb = ambienteLimpo(r.filePath(QStringLiteral("home")));
        amb.insert(QStringLiteral("QUORVEL_SAIR_APOS_ARRANQUE"), QStringLiteral("1"));
        const QString dados = r.filePath(QStringLiteral("home/.local/share/Quorvel/Quorvel"));
        const Execucao primeira = executa(p.filePath(QStringLiteral("bin/quorvel")), {}, amb);
        QCOMPARE(primeira.codigo, 0);
        QCOMPARE(primeira.erros, QString());
        QCOMPARE(primeira.saida, linhaPasta(dados));
        QVERIFY(QFileInfo::exists(dados + QStringLiteral("/Texto01.gif")));
        const QByteArray base = impressao(dados + QStringLiteral("/quorvel.mdb"));
        {
            auto bd = BaseDados::abre(dados + QStringLiteral("/quorvel.mdb"), Esquema::Chave);
            QCOMPARE(Esquema::versao(*bd), Esquema::Versao);
        }
        // The second start opens the same ledger.
        QCOMPARE(executa(p.filePath(QStringLiteral("bin/quorvel")), {}, amb).codigo, 0);
        QCOMPARE(impressao(dados + QStringLiteral("/quorvel.mdb")), base);
    }

    void metainfoValida()
    {
        const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (appstream.isEmpty())
            QSKIP("appstreamcli is not installed");
        const Execucao e = executa(
            appstream,
            {QStringLiteral("validate"), QStringLiteral("--no-net"),
             QStringLiteral(QUORVEL_PACKAGING_DIR "/io.github.quorvel.quorvel.metainfo.xml")},
            ambiente());
        QVERIFY2(e.codigo == 0, qPrintable(e.saida + e.erros));
    }
};

QUORVEL_TESTE(TestExecutaveis)
#include "TestExecutaveis.moc"
