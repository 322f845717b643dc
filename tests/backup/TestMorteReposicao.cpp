// A restore killed at any moment (power cut, the program killed while it runs) leaves under the
// database's name either the old database or the restored one, whole; what it leaves behind is
// removed by the next copy into that folder.
#include "ApoioReposicao.h"
#include "backup/ReposicaoBackup.h"
#include "data/NovaBaseDados.h"
#include "support/RegistoTestes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <thread>

using namespace ApoioReposicao;

namespace {

const char *const VariavelFilho = "QUORVEL_TESTE_REPOSICAO_FILHO";
constexpr int Tentativas = 15;
constexpr int MovimentosAntigos = 12000, MovimentosNovos = 600;

} // namespace

// The child process of the test below: the restore as the program runs it once the user has
// confirmed, without windows. The database, the backup and the copy of before come in the
// environment, as "database|backup|before". Skipped when run on its own.
class FilhoReposicao : public QObject
{
    Q_OBJECT
private slots:
    void repoe()
    {
        const QStringList partes = qEnvironmentVariable(VariavelFilho).split(QLatin1Char('|'));
        if (partes.size() != 3)
            QSKIP("runs only as the child of TestMorteReposicao");
        auto bd = BaseDados::abre(partes[0], Esquema::Chave);
        std::printf("comeca\n");
        std::fflush(stdout);
        ReposicaoBackup reposicao(partes[0]);
        QVERIFY2(reposicao.prepara(partes[1]), qPrintable(reposicao.erro()));
        QCOMPARE(reposicao.repoe(*bd, partes[2], [&] { bd.reset(); }),
                 ReposicaoBackup::Resultado::Reposta);
        auto reposta = BaseDados::abre(partes[0], Esquema::Chave);
    }
};

class TestMorteReposicao : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir, m_fora;
    QString base() const { return m_dir.filePath(QStringLiteral("quorvel.mdb")); }
    QString original() const { return m_fora.filePath(QStringLiteral("original.mdb")); }
    QString copia() const { return m_fora.filePath(QStringLiteral("Quorvel-backup.MDB")); }
    QString antes() const { return m_dir.filePath(QStringLiteral("antes.MDB")); }

    // Starts the child and waits until its restore begins; the time it took to get there.
    bool iniciaFilho(QProcess &filho)
    {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QString::fromLatin1(VariavelFilho),
                        base() + QLatin1Char('|') + copia() + QLatin1Char('|') + antes());
        filho.setProcessEnvironment(ambiente);
        filho.setProcessChannelMode(QProcess::SeparateChannels);
        filho.start(QCoreApplication::applicationFilePath(), {QStringLiteral("FilhoReposicao")});
        QByteArray lido;
        while (!lido.contains("comeca\n")) {
            if (!filho.waitForReadyRead(10000))
                return false;
            lido += filho.readAllStandardOutput();
        }
        return true;
    }

    // The old ledger in place again, and nothing else in its folder.
    void repoeOriginal()
    {
        for (const QString &f : ApoioBackup::ficheirosEm(m_dir.path()))
            QFile::remove(m_dir.filePath(f));
        QVERIFY(QFile::copy(original(), base()));
    }

private slots:
    void initTestCase()
    {
        {
            NovaBaseDados::cria(base(), false);
            auto bd = BaseDados::abre(base(), Esquema::Chave);
            nomeiaConta(*bd, 1, QStringLiteral("Antiga"));
            // A few megabytes, so a kill lands inside each step of the restore.
            poeMovimentos(*bd, 1, MovimentosAntigos,
                          QStringLiteral("Pagamento a fornecedor com descrição comprida"));
            QVERIFY(fazCopia(*bd, copia()));
        }
        auto nova = BaseDados::abre(copia(), Esquema::Chave);
        nova->executa(QStringLiteral("DELETE FROM TabBancos1Det"));
        nomeiaConta(*nova, 1, QStringLiteral("Nova"));
        poeMovimentos(*nova, 1, MovimentosNovos);
        nova.reset();
        QVERIFY(QFile::copy(base(), original()));
    }

    void mortoEmQualquerMomentoDeixaUmaBaseInteira()
    {
        // One restore to its end: how long the work takes once the child has started.
        repoeOriginal();
        QProcess inteiro;
        QVERIFY(iniciaFilho(inteiro));
        QElapsedTimer relogio;
        relogio.start();
        QVERIFY(inteiro.waitForFinished(30000));
        const qint64 duracao = relogio.elapsed();
        QCOMPARE(inteiro.exitCode(), 0);
        QVERIFY(QFileInfo::exists(antes()));

        int antigas = 0, novas = 0, comRestos = 0;
        for (int i = 0; i < Tentativas; ++i) {
            repoeOriginal();
            QProcess filho;
            QVERIFY(iniciaFilho(filho));
            // Every other kill lands in the last part of the run, where the copy of before is
            // renamed and the database replaced.
            const qint64 inicio = i % 2 ? duracao * 600 : 0, fim = duracao * 1100;
            const auto espera = std::chrono::microseconds(
                inicio + QRandomGenerator::global()->bounded(fim - inicio + 1));
            std::this_thread::sleep_for(espera);
            filho.kill();
            QVERIFY(filho.waitForFinished(10000));

            auto bd = BaseDados::abre(base(), Esquema::Chave);
            QCOMPARE(integridade(*bd), QStringLiteral("ok"));
            const qint64 movimentos = contaLinhas(*bd);
            const QString nome = bd->consulta(QStringLiteral("SELECT banco FROM TabBancos WHERE "
                                                             "NumBanco = 1"))
                                     .texto(QStringLiteral("banco"));
            if (movimentos == MovimentosAntigos && nome == QLatin1String("Antiga"))
                ++antigas;
            else if (movimentos == MovimentosNovos && nome == QLatin1String("Nova"))
                ++novas;
            else
                QFAIL(qPrintable(QStringLiteral("tentativa %1: %2 movimentos, conta «%3»")
                                     .arg(i)
                                     .arg(movimentos)
                                     .arg(nome)));
            bd.reset();
            // A copy of before that has its name is whole too.
            if (QFileInfo::exists(antes())) {
                auto copiaAntes = BaseDados::abre(antes(), Esquema::Chave);
                QCOMPARE(integridade(*copiaAntes), QStringLiteral("ok"));
                QCOMPARE(contaLinhas(*copiaAntes), MovimentosAntigos);
            }
            // Whatever hidden copy the kill left, the next restore into the folder removes it.
            comRestos += !temporarios(m_dir.path()).isEmpty();
            {
                ReposicaoBackup seguinte(base());
                QVERIFY2(seguinte.prepara(copia()), qPrintable(seguinte.erro()));
            }
            QCOMPARE(temporarios(m_dir.path()), QStringList());
        }
        qInfo("%d of %d kills left the old database, %d the restored one, %d a temporary copy "
              "(a whole restore: %lld ms)",
              antigas, Tentativas, novas, comRestos, duracao);
    }
};

QUORVEL_TESTE(FilhoReposicao)
QUORVEL_TESTE(TestMorteReposicao)
#include "TestMorteReposicao.moc"
