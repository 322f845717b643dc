// The backup from the "Opções" menu: the real save dialog, the refusals, the copy and its date.
#include "ApoioBackup.h"
#include "app/ModuloArranque.h"
#include "backup/CopiaSeguranca.h"
#include "data/ErroBaseDados.h"
#include "support/MensagensGuionadas.h"
#include "support/RegistoTestes.h"

#include <QAction>
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace ApoioBackup;

namespace {

// A backup date recent enough for the reminder to stay away.
const QDate Recente(2026, 12, 20);

QByteArray resumo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The rows of every table, as text, in key order: equal lists mean equal ledgers.
QStringList conteudo(BaseDados &bd)
{
    QStringList linhas;
    for (const char *tabela : {"TabBancos", "TabBancos1Det", "TabBancosDetOutros", "TabCategoria",
                               "Tabempresa", "TabSites"}) {
        Registos r = bd.consulta(QStringLiteral("SELECT * FROM %1 ORDER BY rowid")
                                     .arg(QString::fromLatin1(tabela)));
        for (; !r.eof(); r.seguinte()) {
            QStringList campos{QString::fromLatin1(tabela)};
            for (const QString &c : r.nomesColunas())
                campos << r.valor(c).toString();
            linhas << campos.join(QLatin1Char('|'));
        }
    }
    return linhas;
}

QString verificaIntegridade(BaseDados &bd)
{
    Registos r = bd.consulta(QStringLiteral("PRAGMA integrity_check"));
    return r.valor(r.nomesColunas().value(0)).toString();
}

void poeMovimentos(PastaTeste &p, int n)
{
    p.nomeiaConta(1, QStringLiteral("Caixa Geral"));
    p.bd().iniciaTransaccao();
    for (int i = 0; i < n; ++i) {
        const QString dia = QDate(2026, 1, 1).addDays(i % 300).toString(Qt::ISODate);
        const qint64 k = p.insereMovimento(1, dia, i % 3 ? 1250 + i : 0, i % 3 ? 0 : 9900 + i,
                                           QStringLiteral("C"),
                                           QStringLiteral("Pagamento nº %1 à Água & Luz").arg(i));
        p.insereExtras(k, 1, QStringLiteral("Água"), QString(), QStringLiteral("obs %1").arg(i));
    }
    p.bd().confirmaTransaccao();
}

// Grows the database past the progress-bar threshold with a few large observations.
void engorda(PastaTeste &p)
{
    const QString grande(300 * 1024, QLatin1Char('x'));
    p.bd().iniciaTransaccao();
    for (int i = 0; i < 20; ++i)
        p.insereExtras(1000 + i, 1, QStringLiteral("Água"), QString(), grande + QString::number(i));
    p.bd().confirmaTransaccao();
}

} // namespace

class TestCopiaSeguranca : public QObject
{
    Q_OBJECT
private slots:
    void init() { congelaHoje(); }
    void cleanup() { repoeDiaDaExecucao(); }

    void propostaSemZerosComODiaDeHoje_data()
    {
        QTest::addColumn<QDate>("dia");
        QTest::addColumn<QString>("proposta");
        QTest::newRow("1 Jan 2027") << QDate(2027, 1, 1) << "Quorvel-backup-1-1-2027.MDB";
        QTest::newRow("6 Dez 2026") << QDate(2026, 12, 6) << "Quorvel-backup-6-12-2026.MDB";
        QTest::newRow("5 Mar 2027") << QDate(2027, 3, 5) << "Quorvel-backup-5-3-2027.MDB";
        QTest::newRow("31 Out 2030") << QDate(2030, 10, 31) << "Quorvel-backup-31-10-2030.MDB";
    }
    // The real dialog: its title, filter and proposal; closing it without a choice cancels.
    void propostaSemZerosComODiaDeHoje()
    {
        QFETCH(QDate, dia);
        QFETCH(QString, proposta);
        Relogio::congela(dia);
        PastaTeste pasta;
        defineUltimoBackup(pasta, dia.addDays(-3));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        const QStringList antes = ficheirosEm(pasta.caminho());
        DialogoVisto visto;
        escolheFicheiro(QString(), &visto);
        janela->Mnu_Backups->trigger();

        QVERIFY(visto.aberto);
        QCOMPARE(visto.objecto, QStringLiteral("CommonDialogBackup"));
        QCOMPARE(visto.titulo, QStringLiteral("Escolha o nome do ficheiro de backup"));
        QCOMPARE(visto.nome, proposta);
        QCOMPARE(visto.filtro, QStringLiteral("Backups do programa (*.MDB)")); // as Qt shows it
        QVERIFY(visto.semPerguntaSobrescrever);
        QCOMPARE(caixas.textos(), QStringList());
        QCOMPARE(ficheirosEm(pasta.caminho()), antes);
        QCOMPARE(ultimoBackup(pasta), dia.addDays(-3).toString(Qt::ISODate));
    }

    // A whole, consistent copy while the program keeps its connection open; the date stored;
    // the same name a second time refused without touching the first copy.
    void copiaInteiraEDepoisRecusaOMesmoNome()
    {
        PastaTeste pasta;
        poeMovimentos(pasta, 300);
        defineUltimoBackup(pasta, Recente);
        QTemporaryDir destino;
        const QString ficheiro = destino.filePath(CopiaSeguranca::nomeProposto(Hoje));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1); // an open account: the program is using its connection

        escolheFicheiro(ficheiro);
        janela->Mnu_Backups->trigger();
        QCOMPARE(caixas.textos(), QStringList{Sucesso});
        QCOMPARE(caixas.caixas.last().titulo, QStringLiteral("AVISO"));
        QCOMPARE(ultimoBackup(pasta), QStringLiteral("2027-01-01"));
        QCOMPARE(ficheirosEm(destino.path()), QStringList{CopiaSeguranca::nomeProposto(Hoje)});
        QVERIFY(LigacaoAberta());

        {
            auto copia = BaseDados::abre(ficheiro, Esquema::Chave);
            QCOMPARE(verificaIntegridade(*copia), QStringLiteral("ok"));
            QStringList esperado = conteudo(pasta.bd());
            // The copy was taken just before its own date was stored.
            esperado.replaceInStrings(QStringLiteral("|2027-01-01|"),
                                      QStringLiteral("|2026-12-20|"));
            QCOMPARE(conteudo(*copia), esperado);
            QCOMPARE(copia->consulta(QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det"))
                         .inteiro(QStringLiteral("n")),
                     300);
        }
        QVERIFY_THROWS_EXCEPTION(ErroBaseDados, BaseDados::abre(ficheiro, QByteArray("errada")));
        // The sqlcipher command-line tool, as README tells a user to look inside, reads it too.
        QProcess cli;
        cli.start(QStringLiteral("sqlcipher"), {ficheiro});
        cli.write("PRAGMA key = 'rk58';\nPRAGMA integrity_check;\n"
                  "SELECT count(*) FROM TabBancos1Det;\n");
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(30000));
        const QStringList saida = QString::fromUtf8(cli.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(saida.mid(saida.size() - 2), (QStringList{QStringLiteral("ok"),
                                                           QStringLiteral("300")}));

        const QByteArray primeira = resumo(ficheiro);
        pasta.insereMovimento(1, QStringLiteral("2027-01-01"), 100, 0);
        Relogio::congela(Hoje.addDays(1)); // the proposal moves on; the user types the old name
        escolheFicheiro(ficheiro);
        janela->Mnu_Backups->trigger();
        QCOMPARE(caixas.textos(), (QStringList{Sucesso, JaExiste}));
        QCOMPARE(caixas.caixas.last().titulo, TituloAplicacao);
        QCOMPARE(resumo(ficheiro), primeira);
        QCOMPARE(ultimoBackup(pasta), QStringLiteral("2027-01-01"));
    }

    void oProprioFicheiroNuncaESobrescrito_data()
    {
        QTest::addColumn<QString>("comoEscrito"); // relative to the application folder
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("o próprio") << "quorvel.mdb" << JaExiste;
        QTest::newRow("caminho com ..") << "../%1/./quorvel.mdb" << JaExiste;
        QTest::newRow("ligação ao ficheiro") << "@ligacao-ficheiro" << JaExiste;
        // No such file on a case-sensitive file system, but the program would then find two
        // databases by the same name: the names compare without regard to case.
        QTest::newRow("outras maiúsculas") << "QUORVEL.MDB" << NomeInvalido;
        QTest::newRow("maiúsculas com espaços") << " Quorvel.Mdb " << NomeInvalido;
        QTest::newRow("pasta por uma ligação") << "@ligacao-pasta/Quorvel.MDB" << NomeInvalido;
    }
    void oProprioFicheiroNuncaESobrescrito()
    {
        QFETCH(QString, comoEscrito);
        QFETCH(QString, mensagem);
        PastaTeste pasta;
        poeMovimentos(pasta, 20);
        defineUltimoBackup(pasta, Recente);
        QTemporaryDir ligacoes;
        QFile::link(pasta.caminhoBase(), ligacoes.filePath(QStringLiteral("ficheiro")));
        QFile::link(pasta.caminho(), ligacoes.filePath(QStringLiteral("pasta")));
        QString caminho = comoEscrito;
        caminho.replace(QStringLiteral("%1"), QFileInfo(pasta.caminho()).fileName());
        caminho.replace(QStringLiteral("@ligacao-"), ligacoes.path() + QLatin1Char('/'));
        if (QDir::isRelativePath(caminho.trimmed()))
            caminho = pasta.caminho() + QLatin1Char('/') + caminho;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        const QByteArray antes = resumo(pasta.caminhoBase());
        const QStringList ficheirosAntes = ficheirosEm(pasta.caminho());

        escolheFicheiro(caminho);
        janela->Mnu_Backups->trigger();
        QCOMPARE(caixas.textos(), QStringList{mensagem});
        QCOMPARE(caixas.caixas.last().titulo, TituloAplicacao);
        QCOMPARE(resumo(pasta.caminhoBase()), antes);
        QCOMPARE(ficheirosEm(pasta.caminho()), ficheirosAntes);
        QCOMPARE(ultimoBackup(pasta), QStringLiteral("2026-12-20"));
    }

    void copiaQueFalhaNaoDeixaNada_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("pasta que não existe") << "inexistente";
        QTest::newRow("um ficheiro no lugar da pasta") << "ficheiro";
        QTest::newRow("pasta só de leitura") << "leitura";
        QTest::newRow("disco cheio a meio da cópia") << "cheio";
    }
    void copiaQueFalhaNaoDeixaNada()
    {
        QFETCH(QString, caso);
        PastaTeste pasta;
        poeMovimentos(pasta, 400);
        defineUltimoBackup(pasta, Recente);
        QTemporaryDir destino;
        QString ficheiro = destino.filePath(QStringLiteral("copia.MDB"));
        if (caso == QLatin1String("inexistente")) {
            ficheiro = destino.filePath(QStringLiteral("nao/existe/copia.MDB"));
        } else if (caso == QLatin1String("ficheiro")) {
            QFile f(destino.filePath(QStringLiteral("nota.txt")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            ficheiro = destino.filePath(QStringLiteral("nota.txt/copia.MDB"));
        } else if (caso == QLatin1String("leitura")) {
            QFile::setPermissions(destino.path(), QFile::ReadOwner | QFile::ExeOwner);
            QFile sonda(destino.filePath(QStringLiteral("sonda")));
            if (sonda.open(QIODevice::WriteOnly)) {
                sonda.remove();
                QFile::setPermissions(destino.path(), QFile::ReadOwner | QFile::WriteOwner
                                                          | QFile::ExeOwner);
                QSKIP("this user writes in read-only folders (root)");
            }
        }
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        const QStringList antes = ficheirosEm(destino.path());

        // A full disk, as the kernel reports it: writes beyond a file size limit fail.
        rlimit original{};
        getrlimit(RLIMIT_FSIZE, &original);
        const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
        if (caso == QLatin1String("cheio")) {
            QVERIFY(QFileInfo(pasta.caminhoBase()).size() > 64 * 1024);
            rlimit limite = original;
            limite.rlim_cur = 32 * 1024;
            setrlimit(RLIMIT_FSIZE, &limite);
        }
        escolheFicheiro(ficheiro);
        janela->Mnu_Backups->trigger();
        setrlimit(RLIMIT_FSIZE, &original);
        std::signal(SIGXFSZ, sinal);

        QCOMPARE(caixas.textos(), QStringList{Falhou});
        QCOMPARE(caixas.caixas.last().titulo, QStringLiteral("AVISO"));
        QVERIFY(!QFileInfo::exists(ficheiro));
        QCOMPARE(ficheirosEm(destino.path()), antes);
        QCOMPARE(ultimoBackup(pasta), QStringLiteral("2026-12-20"));
        QCOMPARE(verificaIntegridade(Ligacao()), QStringLiteral("ok"));
        QFile::setPermissions(destino.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A large ledger shows a progress dialog while it is copied, and the chosen name appears
    // only when the copy is whole.
    void progressoNumaBaseGrande_data()
    {
        QTest::addColumn<bool>("grande");
        QTest::newRow("pequena") << false;
        QTest::newRow("grande") << true;
    }
    void progressoNumaBaseGrande()
    {
        QFETCH(bool, grande);
        PastaTeste pasta;
        poeMovimentos(pasta, 50);
        if (grande)
            engorda(pasta);
        QVERIFY((QFileInfo(pasta.caminhoBase()).size() > CopiaSeguranca::LimiteProgresso)
                == grande);
        QTemporaryDir destino;
        const QString ficheiro = destino.filePath(QStringLiteral("grande.MDB"));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();

        int vezesComProgresso = 0, vezesComNomeFinal = 0;
        QTimer observa;
        observa.setInterval(0);
        QObject::connect(&observa, &QTimer::timeout, [&] {
            auto *p = janela->findChild<QProgressDialog *>(QStringLiteral("ProgressoBackup"));
            if (p && p->isVisible()) {
                ++vezesComProgresso;
                vezesComNomeFinal += QFileInfo::exists(ficheiro);
            }
        });
        observa.start();
        escolheFicheiro(ficheiro);
        janela->Mnu_Backups->trigger();
        observa.stop();

        QCOMPARE(caixas.textos(), QStringList{Sucesso});
        QCOMPARE(vezesComProgresso > 0, grande);
        QCOMPARE(vezesComNomeFinal, 0);
        QVERIFY(janela->findChild<QProgressDialog *>(QStringLiteral("ProgressoBackup")) == nullptr);
        auto copia = BaseDados::abre(ficheiro, Esquema::Chave);
        QCOMPARE(verificaIntegridade(*copia), QStringLiteral("ok"));
    }
};

QUORVEL_TESTE(TestCopiaSeguranca)
#include "TestCopiaSeguranca.moc"
