// A backup killed half-way leaves its hidden temporary copy, as large as the database, beside
// the target. The next backup into that folder removes those whose writer has ended, and keeps
// those of a copy still running, of another computer sharing the folder, and every other file.
#include "ApoioReposicao.h"
#include "backup/CopiaTemporaria.h"
#include "support/MensagensGuionadas.h"
#include "support/RegistoTestes.h"

#include <QAction>
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

using namespace ApoioBackup;
using namespace ApoioReposicao;

namespace {

// The id of a process that has ended.
qint64 processoTerminado()
{
    QProcess p;
    p.start(QStringLiteral("true"), {});
    if (!p.waitForStarted())
        return 0;
    const qint64 pid = p.processId();
    p.waitForFinished();
    return pid;
}

// The name a copy to `alvo` by process `pid` would use, on this host or another.
QString nomeTemporario(const QString &alvo, qint64 pid, bool outroAnfitriao)
{
    QString nome = QFileInfo(CopiaTemporaria::modelo(alvo)).fileName();
    nome.replace(QStringLiteral("XXXXXX"), QStringLiteral("Ab12Cd"));
    const QString meu = QStringLiteral("-tmp-%1-").arg(QCoreApplication::applicationPid());
    nome.replace(meu, QStringLiteral("-tmp-%1-").arg(pid));
    if (outroAnfitriao) {
        const int i = nome.indexOf(QStringLiteral("-tmp-%1-").arg(pid))
                      + QStringLiteral("-tmp-%1-").arg(pid).size();
        nome = nome.left(i) + QStringLiteral("outro_computador.Ab12Cd");
    }
    return nome;
}

} // namespace

class TestCopiasAbandonadas : public QObject
{
    Q_OBJECT
private slots:
    void init() { congelaHoje(); }
    void cleanup() { repoeDiaDaExecucao(); }

    void aProximaCopiaRemoveAsDeEscritoresTerminados_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<bool>("removida");
        QTest::newRow("escritor terminado") << "terminado" << true;
        QTest::newRow("escritor terminado, com diário") << "diario" << true;
        QTest::newRow("escritor a correr") << "vivo" << false;
        QTest::newRow("escritor noutro computador") << "outro" << false;
        QTest::newRow("ficheiro escondido do utilizador") << "alheio" << false;
    }
    void aProximaCopiaRemoveAsDeEscritoresTerminados()
    {
        QFETCH(QString, caso);
        QFETCH(bool, removida);
        PastaTeste pasta;
        defineUltimoBackup(pasta, QDate(2026, 12, 20));
        QTemporaryDir destino;
        const QString alvo = destino.filePath(QStringLiteral("Quorvel-backup-30-12-2026.MDB"));
        const qint64 terminado = processoTerminado();
        QVERIFY(terminado > 0);
        QVERIFY(!CopiaTemporaria::escritorVivo(terminado));

        QString nome;
        if (caso == QLatin1String("vivo"))
            nome = nomeTemporario(alvo, QCoreApplication::applicationPid(), false);
        else if (caso == QLatin1String("outro"))
            nome = nomeTemporario(alvo, terminado, true);
        else if (caso == QLatin1String("alheio"))
            nome = QStringLiteral(".Quorvel-backup-30-12-2026.MDB.Ab12Cd");
        else
            nome = nomeTemporario(alvo, terminado, false);
        QStringList deixados{nome};
        if (caso == QLatin1String("diario"))
            deixados << nome + QStringLiteral("-journal");
        for (const QString &f : deixados) {
            QFile ficheiro(destino.filePath(f));
            QVERIFY(ficheiro.open(QIODevice::WriteOnly));
            ficheiro.write(QByteArray(64 * 1024, 'q'));
        }
        QFile nota(destino.filePath(QStringLiteral("notas.txt")));
        QVERIFY(nota.open(QIODevice::WriteOnly));
        nota.close();

        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        escolheFicheiro(destino.filePath(CopiaSeguranca::nomeProposto(Hoje)));
        janela->Mnu_Backups->trigger();

        QCOMPARE(caixas.textos(), QStringList{Sucesso});
        QStringList esperado{CopiaSeguranca::nomeProposto(Hoje), QStringLiteral("notas.txt")};
        if (!removida)
            esperado << deixados;
        esperado.sort();
        QCOMPARE(ficheirosEm(destino.path()), esperado);
    }
};

QUORVEL_TESTE(TestCopiasAbandonadas)
#include "TestCopiasAbandonadas.moc"
