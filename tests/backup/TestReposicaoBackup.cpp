// Restoring a backup from the "Opções" menu: a file that is not a whole Quorvel
// backup is refused and changes nothing; a good one is shown beside the current
// database and, once confirmed, put in place after a copy of the current
// database, with the window as after a start.
#include "ApoioReposicao.h"
#include "app/ModuloArranque.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/FlexGrid.h"
#include "support/MensagensGuionadas.h"
#include "support/RegistoTestes.h"

#include <QAction>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace ApoioBackup;
using namespace ApoioReposicao;

namespace {

const QString Recusa = QStringLiteral("O ficheiro escolhido não pode ser reposto.");

enum class Estrago {
    Danificada,
    SqliteAlheio,
    OutraChave,
    SemTabelas,
    SemColuna,
    NaoEBaseDados,
    Truncada,
    Vazio,
    VersaoMaisRecente,
    PropriaBase
};

QByteArray le(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool escreve(const QString &caminho, const QByteArray &dados)
{
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dados) == dados.size();
}

// The file a user might pick by mistake, made from the good backup `boa`.
bool fazFicheiro(Estrago estrago, const QString &boa, const QString &destino)
{
    QByteArray dados = le(boa);
    switch (estrago) {
    case Estrago::Danificada: // a bad sector in the middle of the file
        for (qsizetype i = dados.size() / 2; i < dados.size() / 2 + 4096 && i < dados.size(); ++i)
            dados[i] = char(0x5A);
        return escreve(destino, dados);
    case Estrago::Truncada: // a copy cut short (a pen pulled out too soon)
        return escreve(destino, dados.left(dados.size() / 2));
    case Estrago::Vazio:
        return escreve(destino, {});
    case Estrago::NaoEBaseDados:
        return escreve(destino,
            QByteArrayLiteral("Extracto de conta;Data;Valor\r\n"
                              "Caixa Geral;05-01-2027;12,50\r\n")
                .repeated(200));
    case Estrago::SqliteAlheio: { // another program's plain SQLite database
        auto bd = BaseDados::abre(destino, QByteArray(), true);
        bd->executaScript(QStringLiteral("CREATE TABLE clientes (nome TEXT, nif TEXT);"
                                         "INSERT INTO clientes VALUES ('Ana', '123');"));
        return true;
    }
    case Estrago::OutraChave: { // the Quorvel tables, another key
        auto bd = BaseDados::abre(destino, QByteArray("outra"), true);
        Esquema::cria(*bd);
        return true;
    }
    case Estrago::SemTabelas: { // our key, someone else's tables
        auto bd = BaseDados::abre(destino, Esquema::Chave, true);
        bd->executaScript(QStringLiteral("CREATE TABLE clientes (nome TEXT);"));
        return true;
    }
    case Estrago::SemColuna: {
        if (!escreve(destino, dados))
            return false;
        auto bd = BaseDados::abre(destino, Esquema::Chave);
        // The movements table of another program's making: no debit column.
        bd->executaScript(
            QStringLiteral("ALTER TABLE TabBancos1Det RENAME TO Velha;"
                           "CREATE TABLE TabBancos1Det (NumAutomatico INTEGER PRIMARY KEY, Data "
                           "TEXT, "
                           "Numero TEXT, Descricao TEXT, S TEXT, Credito INTEGER, Saldo INTEGER, "
                           "NumBanco INTEGER, Alterou INTEGER);"
                           "INSERT INTO TabBancos1Det SELECT NumAutomatico, Data, Numero, "
                           "Descricao, S, "
                           "Credito, Saldo, NumBanco, Alterou FROM Velha;"
                           "DROP TABLE Velha;"));
        return true;
    }
    case Estrago::PropriaBase: // chosen in the application folder: nothing to make
        return true;
    case Estrago::VersaoMaisRecente: {
        if (!escreve(destino, dados))
            return false;
        auto bd = BaseDados::abre(destino, Esquema::Chave);
        bd->executa(QStringLiteral("UPDATE Meta SET valor = ? WHERE chave = 'versao'"),
            {Esquema::Versao + 1});
        return true;
    }
    }
    return false;
}

// Two accounts in the backup; a renamed account, a new one and one more
// movement since.
void preparaContasDaCopia(BaseDados &bd)
{
    nomeiaConta(bd, 1, QStringLiteral("Caixa Geral"));
    nomeiaConta(bd, 2, QStringLiteral("Millennium"));
    poeMovimentos(bd, 1, 30);
    poeMovimentos(bd, 2, 5);
}

void mudaDepoisDaCopia(BaseDados &bd)
{
    nomeiaConta(bd, 1, QStringLiteral("Novo Banco"));
    nomeiaConta(bd, 3, QStringLiteral("BPI"));
    poeMovimentos(bd, 1, 1, QStringLiteral("Depois da cópia"));
    poeMovimentos(bd, 3, 7);
}

} // namespace

class TestReposicaoBackup : public QObject
{
    Q_OBJECT
private slots:
    void init() { congelaHoje(); }
    void cleanup() { repoeDiaDaExecucao(); }

    void recusaOQueNaoEUmaCopiaInteira_data()
    {
        QTest::addColumn<Estrago>("estrago");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("danificada") << Estrago::Danificada << "o ficheiro está danificado";
        QTest::newRow("truncada") << Estrago::Truncada << "o ficheiro não é uma base";
        QTest::newRow("vazia") << Estrago::Vazio << "o ficheiro está vazio";
        const QString alheio = QStringLiteral("o ficheiro não é uma base");
        QTest::newRow("não é base de dados") << Estrago::NaoEBaseDados << alheio;
        QTest::newRow("SQLite de outro programa") << Estrago::SqliteAlheio << alheio;
        QTest::newRow("cifrada com outra chave") << Estrago::OutraChave << alheio;
        QTest::newRow("outras tabelas") << Estrago::SemTabelas
                                        << "o ficheiro não é uma base de dados do "
                                           "Quorvel (falta a tabela Meta)";
        QTest::newRow("falta uma coluna")
            << Estrago::SemColuna
            << "o ficheiro não é uma base de dados do Quorvel (falta a coluna TabBancos1Det.Debito)";
        QTest::newRow("versão mais recente")
            << Estrago::VersaoMaisRecente
            << "a cópia foi feita por uma versão mais recente do Quorvel";
        QTest::newRow("a própria base de dados")
            << Estrago::PropriaBase << "é o próprio ficheiro da base de dados em uso";
    }
    void recusaOQueNaoEUmaCopiaInteira()
    {
        QFETCH(Estrago, estrago);
        QFETCH(QString, motivo);
        PastaTeste pasta;
        preparaContasDaCopia(pasta.bd());
        poeMovimentos(pasta.bd(), 1, 400, QStringLiteral("Um texto para encher páginas"));
        QTemporaryDir fora;
        const QString boa = fora.filePath(QStringLiteral("boa.MDB"));
        QVERIFY(fazCopia(pasta.bd(), boa));
        const QString escolhido = estrago == Estrago::PropriaBase
                                      ? pasta.caminhoBase()
                                      : fora.filePath(QStringLiteral("escolhida.MDB"));
        QVERIFY(fazFicheiro(estrago, boa, escolhido));
        const QByteArray escolhidoAntes = resumoFicheiro(escolhido);

        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        QVERIFY(janela->MSHFlexGrid1->isVisible());
        const int linhas = janela->MSHFlexGrid1->Rows();
        const QByteArray baseAntes = resumoFicheiro(pasta.caminhoBase());
        const QStringList ficheirosAntes = ficheirosEm(pasta.caminho());

        VigiaReposicao vigia([](Frm_ReporBackup *w) { w->Cmd_Repor->click(); });
        escolheFicheiro(escolhido);
        janela->Mnu_ReporBackup->trigger();

        QCOMPARE(vigia.aberturas, 0);
        QCOMPARE(caixas.caixas.size(), 1);
        const QString texto = caixas.caixas.first().texto;
        QVERIFY2(texto.startsWith(Recusa), qPrintable(texto));
        QVERIFY2(texto.contains(QStringLiteral("\rMotivo: ") + motivo), qPrintable(texto));
        QVERIFY(texto.endsWith(QStringLiteral("A base de dados actual não foi alterada.")));
        QCOMPARE(caixas.caixas.first().titulo, QStringLiteral("AVISO"));
        // Nothing changed: the database to the byte, the folder, the window, the
        // chosen file.
        QCOMPARE(resumoFicheiro(pasta.caminhoBase()), baseAntes);
        QCOMPARE(ficheirosEm(pasta.caminho()), ficheirosAntes);
        QCOMPARE(resumoFicheiro(escolhido), escolhidoAntes);
        QVERIFY(LigacaoAberta());
        QVERIFY(janela->MSHFlexGrid1->isVisible());
        QCOMPARE(janela->MSHFlexGrid1->Rows(), linhas);
    }

    // The help's restore steps name the menu item as the window shows it and the copy of
    // before as the restore names it, not the old steps of renaming files by hand.
    void aAjudaDescreveAReposicaoDoPrograma()
    {
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        QFile faq(pasta.caminho(QStringLiteral("FAQ.htm")));
        QVERIFY(faq.open(QIODevice::ReadOnly));
        const QString texto = QString::fromUtf8(faq.readAll());
        const QString menu = QStringLiteral("Opções &gt; ") + janela->Mnu_ReporBackup->text();
        QVERIFY2(texto.contains(menu), qPrintable(menu));
        QVERIFY(texto.contains(QStringLiteral("-antes-da-reposicao.MDB")));
        QVERIFY(texto.contains(QStringLiteral(".local/share/Quorvel/Quorvel")));
        QVERIFY(!texto.contains(QStringLiteral("dê-lhe o nome <code>quorvel.mdb</code>")));
    }

    // The disk fills up while the current database is copied, after the user confirmed: the
    // restore stops there and the ledger stays as it was.
    void discoCheioNaCopiaDeAntesNaoMudaNada()
    {
        PastaTeste pasta;
        preparaContasDaCopia(pasta.bd());
        poeMovimentos(pasta.bd(), 1, 600, QStringLiteral("Um texto para encher páginas"));
        QTemporaryDir fora;
        const QString boa = fora.filePath(QStringLiteral("boa.MDB"));
        QVERIFY(fazCopia(pasta.bd(), boa));
        mudaDepoisDaCopia(pasta.bd());
        QVERIFY(QFileInfo(pasta.caminhoBase()).size() > 64 * 1024);

        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        const QByteArray baseAntes = resumoFicheiro(pasta.caminhoBase());
        const QStringList ficheirosAntes = ficheirosEm(pasta.caminho());
        rlimit original{};
        getrlimit(RLIMIT_FSIZE, &original);
        const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
        VigiaReposicao vigia([&](Frm_ReporBackup *w) {
            // A full disk, as the kernel reports it: writes beyond a file size limit fail.
            rlimit limite = original;
            limite.rlim_cur = 32 * 1024;
            setrlimit(RLIMIT_FSIZE, &limite);
            w->Cmd_Repor->click();
        });
        escolheFicheiro(boa);
        janela->Mnu_ReporBackup->trigger();
        setrlimit(RLIMIT_FSIZE, &original);
        std::signal(SIGXFSZ, sinal);

        QCOMPARE(vigia.aberturas, 1);
        QCOMPARE(caixas.textos().size(), 1);
        QVERIFY2(caixas.textos().first().startsWith(
                     QStringLiteral("Não foi possível fazer a cópia da base de dados actual")),
                 qPrintable(caixas.textos().first()));
        QVERIFY(caixas.textos().first().endsWith(
            QStringLiteral("A cópia de segurança não foi reposta; nada foi alterado.")));
        QCOMPARE(resumoFicheiro(pasta.caminhoBase()), baseAntes);
        QCOMPARE(ficheirosEm(pasta.caminho()), ficheirosAntes);
        QVERIFY(LigacaoAberta());
        QCOMPARE(janela->Mnu_Banco[3]->text(), QStringLiteral("BPI"));
        QCOMPARE(contaLinhas(Ligacao()), 43 + 600);
    }

    void repoeUmaCopiaBoa_data()
    {
        QTest::addColumn<bool>("confirma");
        QTest::newRow("Repor esta cópia") << true;
        QTest::newRow("Cancelar") << false;
    }
    void repoeUmaCopiaBoa()
    {
        QFETCH(bool, confirma);
        PastaTeste pasta;
        preparaContasDaCopia(pasta.bd());
        QTemporaryDir fora;
        const QString boa = fora.filePath(QStringLiteral("Quorvel-backup-20-12-2026.MDB"));
        QVERIFY(fazCopia(pasta.bd(), boa));
        mudaDepoisDaCopia(pasta.bd());

        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1); // its running balances are not stored yet
        QCOMPARE(janela->MSHFlexGrid1->Rows(), 31 + FlexGrid::FixedRows);
        const QByteArray baseAntes = resumoFicheiro(pasta.caminhoBase());
        const QString antes
            = pasta.caminho(QStringLiteral("Quorvel-backup-1-1-2027-antes-da-reposicao.MDB"));

        QString data, aviso;
        QStringList grelha;
        VigiaReposicao vigia([&](Frm_ReporBackup *w) {
            data = w->Lbl_DataCopia->text();
            grelha = linhasGrelha(w->Grd_Contas);
            aviso = w->Label25->text();
            (confirma ? w->Cmd_Repor : w->Cmd_Cancelar)->click();
        });
        DialogoVisto visto;
        escolheFicheiro(boa, &visto);
        janela->Mnu_ReporBackup->trigger();

        QCOMPARE(visto.objecto, QStringLiteral("CommonDialogReposicao"));
        QCOMPARE(vigia.aberturas, 1);
        QVERIFY2(
            data.startsWith(QStringLiteral("Data da cópia: 01-01-2027 às ")), qPrintable(data));
        QVERIFY2(data.endsWith(QStringLiteral("(registada na cópia)")), qPrintable(data));
        QCOMPARE(grelha,
            (QStringList{QStringLiteral("1|Caixa Geral|30|Novo Banco|31"),
                QStringLiteral("2|Millennium|5|Millennium|5"), QStringLiteral("3|||BPI|7"),
                QStringLiteral("|Total|35|Total|43")}));
        QVERIFY2(aviso.contains(QFileInfo(antes).fileName()), qPrintable(aviso));
        QVERIFY2(aviso.contains(QDir::toNativeSeparators(pasta.caminho())), qPrintable(aviso));
        QCOMPARE(temporarios(pasta.caminho()), QStringList());

        if (!confirma) {
            QCOMPARE(caixas.textos(), QStringList());
            QCOMPARE(resumoFicheiro(pasta.caminhoBase()), baseAntes);
            QVERIFY(!QFileInfo::exists(antes));
            QVERIFY(janela->MSHFlexGrid1->isVisible());
            QCOMPARE(janela->Mnu_Banco[3]->text(), QStringLiteral("BPI"));
            return;
        }

        QCOMPARE(caixas.textos().size(), 1);
        QVERIFY2(caixas.textos().first().startsWith(
                     QStringLiteral("Cópia de segurança reposta com sucesso...")),
            qPrintable(caixas.textos().first()));
        QVERIFY(caixas.textos().first().contains(QDir::toNativeSeparators(antes)));
        // The window as after a start, on the restored accounts.
        QVERIFY(LigacaoAberta());
        QCOMPARE(Ligacao().caminho(), pasta.caminhoBase());
        QVERIFY(!janela->MSHFlexGrid1->isVisible());
        QVERIFY(janela->Image1->isVisible());
        QVERIFY(janela->Mnu_Banco[1]->isVisible());
        QCOMPARE(janela->Mnu_Banco[1]->text(), QStringLiteral("Caixa Geral"));
        QVERIFY(!janela->Mnu_Banco[3]->isVisible());
        janela->Mnu_Banco_Click(1);
        QCOMPARE(janela->MSHFlexGrid1->Rows(), 30 + FlexGrid::FixedRows);
        QCOMPARE(janela->Txt_SaldoFinal->text(), QStringLiteral("-375,00 €"));
        QCOMPARE(temporarios(pasta.caminho()), QStringList());
        {
            auto reposta = BaseDados::abre(pasta.caminhoBase(), Esquema::Chave);
            QCOMPARE(integridade(*reposta), QStringLiteral("ok"));
            QCOMPARE(contaLinhas(*reposta), 35);
            QCOMPARE(contaLinhas(*reposta, QStringLiteral("NumBanco = 3")), 0);
            // In use, it no longer claims the time of the backup it came from.
            QVERIFY(reposta->consulta(QStringLiteral("SELECT valor FROM Meta WHERE chave = ?"),
                                      {CopiaSeguranca::ChaveMomentoCopia})
                        .vazio());
        }
        // The copy of what was there before opens, whole, with the grid's balances
        // written.
        {
            auto anterior = BaseDados::abre(antes, Esquema::Chave);
            QCOMPARE(integridade(*anterior), QStringLiteral("ok"));
            QCOMPARE(contaLinhas(*anterior), 43);
            QCOMPARE(anterior
                         ->consulta(QStringLiteral("SELECT banco FROM TabBancos WHERE "
                                                   "NumBanco = 1"))
                         .texto(QStringLiteral("banco")),
                QStringLiteral("Novo Banco"));
            QCOMPARE(anterior
                         ->consulta(QStringLiteral("SELECT min(Saldo) AS s FROM TabBancos1Det"
                                                   " WHERE NumBanco = 1"))
                         .inteiro(QStringLiteral("s")),
                -31 * 1250);
        }

        // Restored again the same day: the first copy of before is kept, the second
        // is "-2".
        caixas.caixas.clear();
        escolheFicheiro(boa);
        janela->Mnu_ReporBackup->trigger();
        QCOMPARE(vigia.aberturas, 2);
        QCOMPARE(caixas.textos().size(), 1);
        const QString segunda
            = pasta.caminho(QStringLiteral("Quorvel-backup-1-1-2027-antes-da-reposicao-2.MDB"));
        QVERIFY2(caixas.textos().first().contains(QDir::toNativeSeparators(segunda)),
            qPrintable(caixas.textos().first()));
        QCOMPARE(contaLinhas(*BaseDados::abre(antes, Esquema::Chave)), 43);
        QCOMPARE(contaLinhas(*BaseDados::abre(segunda, Esquema::Chave)), 35);
        QVERIFY(!janela->MSHFlexGrid1->isVisible());
    }
};

QUORVEL_TESTE(TestReposicaoBackup)
#include "TestReposicaoBackup.moc"
