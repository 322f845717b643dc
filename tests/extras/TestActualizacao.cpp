// The update explanation: its text for the default and for another program folder, Cancel
// keeping the run going, OK handing the archive's address to the desktop and ending the run
// the way closing the window does.
#include "app/Frm_bancos.h"
#include "data/BaseDados.h"
#include "data/TabelaContas.h"
#include "extras/TextoActualizacao.h"
#include "platform/FlexGrid.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QAction>
#include <QDesktopServices>
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
        QTest::newRow("pasta com acentos")
            << "/opt/Gestão"
            << QStringLiteral(
                   "\r\r\rNÃO SE ESQUEÇA DE FAZER O UNZIP PARA:       /OPT/GESTÃO\r\r\r\r")
                   + Janela
                   + QStringLiteral("\r\rPor defeito a instalação irá para a pasta C:\\QUORVEL\r\r"
                                    "ANTES DE FAZER O UNZIP SUBSTITUA O C:\\QUORVEL por "
                                    "/OPT/GESTÃO\r\r\r")
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

    void cancelarContinuaOPrograma()
    {
        Desktop desktop;
        PastaTeste p;
        MensagensGuionadas caixas;
        caixas.respostas.push_back(QMessageBox::Cancel);
        auto janela = p.iniciaPrograma();
        janela->Mnu_Actualizacao->trigger();
        QCOMPARE(caixas.caixas.size(), 1);
        QTest::qWait(50);
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
