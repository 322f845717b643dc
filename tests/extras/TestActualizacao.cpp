// The update explanation: its text for the default and for another program folder, Cancel
// keeping the run going, OK handing the archive's address to the desktop and ending the run
// the way closing the window does.
#include "app/Frm_bancos.h"
#include "data/BaseDados.h"
#include "data/TabelaContas.h"
#include "extras/TextoActualizacao.h"
#include "platform/FlexGrid.h"
#include "support/Esperas.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

const QString Janela = QStringLiteral(
    "Na janela seguinte faça sempre a opção Abrir ou Executar e no fim seleccione a opção UNZIP");
const QString Nota = QStringLiteral("Nota: O programa vai fechar para que faça a actualização!");

} // namespace

// Stands in for the desktop: records the addresses it is asked to open.
class Desktop : public QObject
{
    Q_OBJECT
public:
    Desktop()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "abre");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "abre");
    }
    ~Desktop() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }
    QList<QUrl> abertos;
public slots:
    void abre(const QUrl &url) { abertos << url; }
};

class TestActualizacao : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { TextoActualizacao::definePastaPrograma({}); }

    void textoConformeAPasta_data()
    {
        QTest::addColumn<QString>("pasta");
        QTest::addColumn<QString>("texto");
        const QString soPorOmissao = QStringLiteral("\r\r\r") + Janela + QStringLiteral("\r\r")
                                     + Nota + QStringLiteral("\r");
        QTest::newRow("pasta por omissão") << "C:\\Quorvel" << soPorOmissao;
        QTest::newRow("pasta por omissão em minúsculas") << "c:\\quorvel" << soPorOmissao;
        QTest::newRow("outra pasta")
            << "D:\\Contas"
            << QStringLiteral(
                   "\r\r\rNÃO SE ESQUEÇA DE FAZER O UNZIP PARA:       D:\\CONTAS\r\r\r\r")
                   + Janela
                   + QStringLiteral("\r\rPor defeito a instalação irá para a pasta C:\\QUORVEL\r\r"
                                    "ANTES DE FAZER O UNZIP SUBSTITUA O C:\\QUORVEL por "
                                    "D:\\CONTAS\r\r\r")
                   + Nota + QStringLiteral("\r");
        // A Linux folder keeps its case: in capitals it would name another folder.
        QTest::newRow("cópia portátil numa pasta Linux com acentos")
            << "/opt/Gestão"
            << QStringLiteral(
                   "\r\r\rNÃO SE ESQUEÇA DE FAZER O UNZIP PARA:       /opt/Gestão\r\r\r\r")
                   + Janela
                   + QStringLiteral("\r\rPor defeito a instalação irá para a pasta C:\\QUORVEL\r\r"
                                    "ANTES DE FAZER O UNZIP SUBSTITUA O C:\\QUORVEL por "
                                    "/opt/Gestão\r\r\r")
                   + Nota + QStringLiteral("\r");
    }
    void textoConformeAPasta()
    {
        QFETCH(QString, pasta);
        QFETCH(QString, texto);
        TextoActualizacao::definePastaPrograma([pasta] { return pasta; });
        PastaTeste p;
        MensagensGuionadas caixas;
        caixas.respostas.push_back(QMessageBox::Cancel);
        auto janela = p.iniciaPrograma();
        janela->Mnu_Actualizacao->trigger();
        QCOMPARE(caixas.caixas.size(), 1);
        QCOMPARE(caixas.caixas[0].texto, texto);
        QCOMPARE(caixas.caixas[0].titulo, QStringLiteral("Actualização do programa"));
        QCOMPARE(caixas.caixas[0].botoes, QMessageBox::Ok | QMessageBox::Cancel);
    }

    // An installed copy is told to install the new package, from the address the settings
    // give when they give a usable one, and the desktop is handed that address.
    void copiaInstalada_data()
    {
        QTest::addColumn<QString>("pasta"); // "PREFIXO": a prefix of our own with share/quorvel
        QTest::addColumn<QString>("enderecoDeb");
        QTest::addColumn<QStringList>("partes");
        QTest::addColumn<QString>("aberto");
        const QString deb = QStringLiteral("https://www.quorvel.pt/download/quorvel_1.8_amd64.deb");
        QTest::newRow("/usr/bin sem endereço do pacote")
            << "/usr/bin" << ""
            << QStringList{"O programa está instalado em /usr/bin como pacote Debian",
                           "descarregue o pacote .deb da nova versão",
                           "sudo apt install ./quorvel_*.deb"}
            << TextoActualizacao::PaginaPacotes;
        QTest::newRow("/usr/bin com o endereço do pacote")
            << "/usr/bin" << deb
            << QStringList{"Na janela seguinte guarde o pacote\r" + deb,
                           "sudo apt install ./quorvel_1.8_amd64.deb"}
            << deb;
        QTest::newRow("outro prefixo de instalação")
            << "PREFIXO" << deb << QStringList{"como pacote Debian", deb} << deb;
        QTest::newRow("endereço que não é da web")
            << "/usr/bin" << "file:///etc/passwd"
            << QStringList{"descarregue o pacote .deb da nova versão"}
            << TextoActualizacao::PaginaPacotes;
    }
    void copiaInstalada()
    {
        QFETCH(QString, pasta);
        QFETCH(QString, enderecoDeb);
        QFETCH(QStringList, partes);
        QFETCH(QString, aberto);
        QTemporaryDir prefixo;
        if (pasta == QLatin1String("PREFIXO")) {
            QVERIFY(QDir(prefixo.path()).mkpath(QStringLiteral("share/quorvel")));
            QVERIFY(QDir(prefixo.path()).mkpath(QStringLiteral("bin")));
            pasta = QDir(prefixo.path()).filePath(QStringLiteral("bin"));
        }
        TextoActualizacao::definePastaPrograma([pasta] { return pasta; });
        QSettings().setValue(TextoActualizacao::ChaveEnderecoDeb, enderecoDeb);
        Desktop desktop;
        PastaTeste p;
        MensagensGuionadas caixas;
        caixas.respostas.push_back(QMessageBox::Ok);
        auto janela = p.iniciaPrograma();
        janela->Mnu_Actualizacao->trigger();
        QSettings().remove(TextoActualizacao::ChaveEnderecoDeb);
        QCOMPARE(caixas.caixas.size(), 1);
        const QString texto = caixas.caixas[0].texto;
        for (const QString &parte : partes + QStringList{Nota, p.caminho()})
            QVERIFY2(texto.contains(parte), qPrintable(parte + " em " + texto));
        QVERIFY2(!texto.contains(Janela), qPrintable(texto)); // no archive to unzip
        QVERIFY(!texto.contains(pasta.toUpper()) || pasta == pasta.toUpper());
        QCOMPARE(desktop.abertos, QList<QUrl>{QUrl(aberto)});
        QVERIFY(!janela->isVisible());
    }

    // Changed rows that cannot be written stop the update: nothing is opened, the program keeps
    // running, and the user is told.
    void gravacaoFalhadaNaoActualiza()
    {
        Desktop desktop;
        PastaTeste p;
        p.nomeiaConta(2, QStringLiteral("Caixa Agrícola"));
        p.insereMovimento(2, QStringLiteral("2024-03-05"), 0, 123456);
        p.bd().executaScript(QStringLiteral(
            "CREATE TRIGGER Falha BEFORE UPDATE ON TabBancos1Det BEGIN "
            "SELECT RAISE(ABORT, 'disco cheio'); END;"));
        MensagensGuionadas caixas;
        caixas.respostas.push_back(QMessageBox::Ok);
        auto janela = p.iniciaPrograma();
        janela->Mnu_Banco[2]->trigger();
        janela->Mnu_Actualizacao->trigger();
        umaVoltaDoCiclo(); // a close the action might have posted
        QVERIFY(janela->isVisible());
        QVERIFY(desktop.abertos.isEmpty());
        QCOMPARE(caixas.caixas.size(), 2);
        QVERIFY2(caixas.caixas[1].texto.startsWith(
                     QStringLiteral("A actualização não foi iniciada: não foi possível gravar")),
                 qPrintable(caixas.caixas[1].texto));
        QVERIFY(caixas.caixas[1].texto.contains(QStringLiteral("disco cheio")));
        QCOMPARE(caixas.caixas[1].icone, Icone::Critico);
        QVERIFY(!QGuiApplication::overrideCursor());
        // Once the disk has room again the window closes normally.
        p.bd().executaScript(QStringLiteral("DROP TRIGGER Falha"));
    }

    void cancelarContinuaOPrograma()
    {
        Desktop desktop;
        PastaTeste p;
        MensagensGuionadas caixas;
        caixas.respostas.push_back(QMessageBox::Cancel);
        auto janela = p.iniciaPrograma();
        janela->Mnu_Actualizacao->trigger();
        QCOMPARE(caixas.caixas.size(), 1);
        umaVoltaDoCiclo();
        QVERIFY(janela->isVisible());
        QVERIFY(desktop.abertos.isEmpty());
    }

    void okEntregaOEnderecoETerminaGravando()
    {
        Desktop desktop;
        PastaTeste p;
        p.nomeiaConta(2, QStringLiteral("Caixa Agrícola"));
        p.insereMovimento(2, QStringLiteral("2024-03-05"), 0, 123456);
        MensagensGuionadas caixas;
        caixas.respostas.push_back(QMessageBox::Ok);
        auto janela = p.iniciaPrograma();
        janela->Mnu_Banco[2]->trigger();
        QVERIFY(janela->MSHFlexGrid1->isVisible());
        janela->Mnu_Actualizacao->trigger();
        QCOMPARE(desktop.abertos, QList<QUrl>{QUrl(TextoActualizacao::EnderecoDownload)});
        QVERIFY(!janela->isVisible());
        // What the normal end of a run writes: the open account and its balance.
        const auto conta = TabelaContas::ultimaAberta(p.bd());
        QVERIFY(conta.has_value());
        QCOMPARE(conta->numBanco, 2);
        QCOMPARE(conta->saldo.centimos(), 123456);
    }
};

QUORVEL_TESTE(TestActualizacao)
#include "TestActualizacao.moc"
