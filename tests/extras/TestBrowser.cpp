// The browser window: the help pages from the menu and the "Ultimas alterações"
// link, the caption that follows the page, the banks' pictures, the user's site
// list, and the manual item.
#include "app/Frm_bancos.h"
#include "data/BaseDados.h"
#include "extras/Apresentacao.h"
#include "extras/frmBrowser.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/FlexGrid.h"
#include "support/Dialogos.h"
#include "support/Esperas.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Subsistemas.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QLabel>
#include <QTest>
#include <QToolBar>

namespace {

constexpr int Espera = 60000; // the web engine's first start, on a busy machine

const QString TituloFAQ = QStringLiteral("Quorvel - Perguntas Frequentes");
const QString TituloNovidades = QStringLiteral("Quorvel - Últimas Alterações");

// What the browser is asked to show at its next opening.
const PedidoBrowser &pedido(const Frm_bancos *janela)
{
    return subsistemaDe<Apresentacao>(janela)->Pedido();
}

frmBrowser *browser(Frm_bancos *janela)
{
    return janela->findChild<frmBrowser *>(QStringLiteral("frmBrowser"));
}

void fecha(frmBrowser *b)
{
    b->tbToolBar->findChild<QAction *>(QStringLiteral("Sair"))->trigger();
}

void escreve(const QString &caminho, const QByteArray &dados)
{
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(dados);
}

// A click in the middle of the page, as the mouse gives it to the engine's own widget.
void clicaNaPagina(frmBrowser *b)
{
    QWidget *pagina = b->brwWebBrowser->focusProxy();
    QVERIFY(pagina);
    const QPoint meio = pagina->rect().center();
    QTest::mouseMove(pagina, meio);
    QTest::mouseClick(pagina, Qt::LeftButton, {}, meio);
}

} // namespace

class TestBrowser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The engine's sandbox cannot run as root or in a bare container; the
        // program itself switches it off only as root.
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    }

    // Each entry opens its page; a later request on a closed window reads the
    // request afresh (the FAQ entry clears the news request, the news entry wins
    // over an older FAQ request).
    void paginasDeAjuda_data()
    {
        QTest::addColumn<QStringList>("entradas");
        QTest::addColumn<QStringList>("titulos");
        QTest::newRow("FAQ") << QStringList{"Mnu_FAQ"} << QStringList{TituloFAQ};
        QTest::newRow("FAQ depois das novidades") << QStringList{"Mnu_UltimasAltercoes", "Mnu_FAQ"}
                                                  << QStringList{TituloNovidades, TituloFAQ};
        QTest::newRow("novidades depois da FAQ") << QStringList{"Mnu_FAQ", "Mnu_UltimasAltercoes"}
                                                 << QStringList{TituloFAQ, TituloNovidades};
        QTest::newRow("ligacao Label3") << QStringList{"Label3"} << QStringList{TituloNovidades};
    }
    void paginasDeAjuda()
    {
        QFETCH(QStringList, entradas);
        QFETCH(QStringList, titulos);
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(janela);
        for (qsizetype i = 0; i < entradas.size(); ++i) {
            if (entradas[i] == QLatin1String("Label3")) {
                QCOMPARE(janela->Label3->text(), QStringLiteral("Ultimas alterações"));
                QCOMPARE(janela->Label3->toolTip(),
                         QStringLiteral("Consulte as ultimas alterações do programa..."));
                QTest::mouseClick(janela->Label3, Qt::LeftButton);
            } else {
                janela->findChild<QAction *>(entradas[i])->trigger();
            }
            frmBrowser *b = browser(janela.get());
            QVERIFY(b);
            QVERIFY(b->isVisible());
            QVERIFY(b->cboAddress->isHidden());
            QVERIFY(b->lblAddress->isHidden());
            QVERIFY(b->Combo1->isHidden());
            QTRY_COMPARE_WITH_TIMEOUT(b->windowTitle(), titulos[i], Espera);
            QVERIFY(b->LocationURL().isLocalFile());
            QPointer<frmBrowser> guarda(b);
            fecha(b);
            QTRY_VERIFY(!guarda); // closing unloads the window
        }
    }

    // While the browser is open, a further request only brings it to the front.
    void abertoNaoMuda()
    {
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_FAQ->trigger();
        frmBrowser *b = browser(janela.get());
        QTRY_COMPARE_WITH_TIMEOUT(b->windowTitle(), TituloFAQ, Espera);
        janela->Mnu_UltimasAltercoes->trigger();
        QCOMPARE(browser(janela.get()), b);
        // A page asked for is busy from the request on: whatever was asked has loaded when the
        // browser is idle again.
        umaVoltaDoCiclo();
        QTRY_VERIFY_WITH_TIMEOUT(!b->Busy(), Espera);
        QCOMPARE(b->windowTitle(), TituloFAQ);
        QVERIFY(pedido(janela.get()).PaginaNovidades); // the request is kept for the next opening
        fecha(b);
    }

    // A bank picture wins over any help request; the request variables keep their
    // values.
    void bancos()
    {
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        QStringList nomes;
        for (const auto &banco : Apresentacao::Bancos()) {
            auto *imagem = janela->findChild<EtiquetaClicavel *>(QString::fromLatin1(banco.nome));
            QVERIFY2(imagem, banco.nome);
            QVERIFY(imagem->isVisible());
            QVERIFY(!imagem->pixmap().isNull());
            nomes << imagem->objectName();
        }
        QCOMPARE(nomes, (QStringList{"Bpi", "Santander", "Millenium", "Montepio", "Totta", "bbva",
                                     "Bes"}));
        janela->Mnu_FAQ->trigger();
        fecha(browser(janela.get()));
        QTRY_VERIFY(!browser(janela.get()));
        QTest::mouseClick(janela->findChild<EtiquetaClicavel *>(QStringLiteral("Montepio")),
                          Qt::LeftButton);
        frmBrowser *b = browser(janela.get());
        QVERIFY(b);
        QCOMPARE(b->StartingAddress, QStringLiteral("https://www.bancomontepio.pt"));
        QCOMPARE(pedido(janela.get()).EnderecoBanco, QStringLiteral("https://www.bancomontepio.pt"));
        QVERIFY(pedido(janela.get()).PaginaFAQ);
        QVERIFY(b->cboAddress->isHidden());
        QVERIFY(!janela->MSHFlexGrid1->isVisible()); // the start picture did not open the account
        fecha(b);
    }

    // "Meus Sites": the list of TabSites without blank labels; choosing a label
    // (an apostrophe in it is an ordinary character) opens its site and hides the
    // list.
    void meusSites()
    {
        PastaTeste pasta;
        escreve(pasta.caminho(QStringLiteral("sitio.htm")),
                "<html><head><title>Caixa do "
                "Sitio</title></head><body>ok</body></html>");
        pasta.bd().executa(QStringLiteral("DELETE FROM TabSites"));
        const QString endereco =
            QUrl::fromLocalFile(pasta.caminho(QStringLiteral("sitio.htm"))).toString();
        for (const auto &[rotulo, site] : std::initializer_list<std::pair<QString, QString>>{
                 {QStringLiteral("   "), QStringLiteral("https://branco.invalid")},
                 {QStringLiteral("Banco d'Ouro"),
                  QStringLiteral("  ") + endereco + QStringLiteral(" ")},
                 {QStringLiteral("Outro"), QStringLiteral("https://outro.invalid")},
             })
            pasta.bd().executa(
                QStringLiteral("INSERT INTO TabSites (pesquisa, site) VALUES (?, ?)"),
                {rotulo, site});
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_FAQ->trigger();
        frmBrowser *b = browser(janela.get());
        QTRY_COMPARE_WITH_TIMEOUT(b->windowTitle(), TituloFAQ, Espera);
        QStringList itens;
        for (int i = 0; i < b->Combo1->count(); ++i)
            itens << b->Combo1->itemText(i);
        QCOMPARE(itens, (QStringList{"Banco d'Ouro", "Outro"}));
        QCOMPARE(b->Combo1->currentText(), QStringLiteral("Escolha aqui o site pretendido..."));

        QAction *sites = b->tbToolBar->findChild<QAction *>(QStringLiteral("Sites"));
        QCOMPARE(sites->text(), QStringLiteral("Meus Sites"));
        QCOMPARE(sites->toolTip(), QStringLiteral("Vários Sites"));
        sites->trigger();
        QVERIFY(b->Combo1->isVisible());
        b->Combo1->showPopup();
        QAbstractItemView *lista = b->Combo1->view();
        QTRY_VERIFY(lista->isVisible());
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualRect(lista->model()->index(0, 0)).center());
        QTRY_COMPARE_WITH_TIMEOUT(b->windowTitle(), QStringLiteral("Caixa do Sitio"), Espera);
        QCOMPARE(b->Endereco, endereco);
        QVERIFY(b->Combo1->isHidden());

        // Back returns to the help page; the caption follows.
        b->tbToolBar->findChild<QAction *>(QStringLiteral("Back"))->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(b->windowTitle(), TituloFAQ, Espera);
        fecha(b);
    }

    // Bank sites open their login in a new window, by a link or by a script: it opens in the
    // same browser window, whose caption follows.
    void novaJanelaNaMesma_data()
    {
        QTest::addColumn<QByteArray>("corpo");
        QTest::newRow("ligação para outra janela")
            << QByteArray("<a href=\"destino.htm\" target=\"_blank\" style=\"display:block;"
                          "width:100%;height:100vh\">entrar</a>");
        QTest::newRow("janela aberta por um script")
            << QByteArray("<div onclick=\"window.open('destino.htm', 'login', 'width=400')\" "
                          "style=\"width:100%;height:100vh\">entrar</div>");
    }
    void novaJanelaNaMesma()
    {
        QFETCH(QByteArray, corpo);
        PastaTeste pasta;
        escreve(pasta.caminho(QStringLiteral("FAQ.htm")),
                "<html><head><title>Origem</title></head><body style=\"margin:0\">" + corpo
                    + "</body></html>");
        escreve(pasta.caminho(QStringLiteral("destino.htm")),
                "<html><head><title>Destino</title></head><body>ok</body></html>");
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_FAQ->trigger();
        frmBrowser *b = browser(janela.get());
        QTRY_COMPARE_WITH_TIMEOUT(b->windowTitle(), QStringLiteral("Origem"), Espera);
        clicaNaPagina(b);
        QTRY_COMPARE_WITH_TIMEOUT(b->windowTitle(), QStringLiteral("Destino"), Espera);
        QVERIFY(b->LocationURL().toString().endsWith(QStringLiteral("/destino.htm")));
        QCOMPARE(janela->findChildren<frmBrowser *>().size(), 1);
        fecha(b);
    }

    // A download asks where to save, offering the site's name for the file; cancelled, nothing
    // is written.
    void transferenciaPerguntaOndeGuardar_data()
    {
        QTest::addColumn<bool>("guarda");
        QTest::newRow("guardar") << true;
        QTest::newRow("cancelar") << false;
    }
    void transferenciaPerguntaOndeGuardar()
    {
        QFETCH(bool, guarda);
        PastaTeste pasta;
        const QByteArray dados = "Data;Valor\r\n05-03-2024;1.234,56\r\n";
        escreve(pasta.caminho(QStringLiteral("FAQ.htm")),
                "<html><head><title>Extractos</title></head><body style=\"margin:0\">"
                "<a href=\"movimentos.csv\" download=\"extracto.csv\" style=\"display:block;"
                "width:100%;height:100vh\">descarregar</a></body></html>");
        escreve(pasta.caminho(QStringLiteral("movimentos.csv")), dados);
        QTemporaryDir destino;
        const QString ficheiro = QDir(destino.path()).filePath(QStringLiteral("guardado.csv"));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_FAQ->trigger();
        frmBrowser *b = browser(janela.get());
        QTRY_COMPARE_WITH_TIMEOUT(b->windowTitle(), QStringLiteral("Extractos"), Espera);
        bool perguntou = false;
        QString sugerido;
        aoAbrir<QFileDialog>([&](QFileDialog *d) {
            perguntou = true;
            auto *nome = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(nome);
            sugerido = nome->text();
            if (!guarda) {
                d->reject();
                return;
            }
            nome->setText(ficheiro);
            static_cast<QDialog *>(d)->accept();
        });
        clicaNaPagina(b);
        QTRY_VERIFY_WITH_TIMEOUT(perguntou, Espera);
        QCOMPARE(sugerido, QStringLiteral("extracto.csv"));
        if (guarda) {
            QTRY_VERIFY_WITH_TIMEOUT(!b->statusBar()->currentMessage().isEmpty(), Espera);
            QCOMPARE(b->statusBar()->currentMessage(),
                     QStringLiteral("Ficheiro guardado em ") + ficheiro);
            QFile f(ficheiro);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), dados);
        } else {
            // The engine hears the refusal before its download request returns, and the wait
            // above ends only after that; what the page does next is done once it is idle.
            umaVoltaDoCiclo();
            QTRY_VERIFY_WITH_TIMEOUT(!b->Busy(), Espera);
            QVERIFY(QDir(destino.path()).isEmpty());
        }
        QCOMPARE(caixas.caixas.size(), 0);
        QCOMPARE(b->windowTitle(), QStringLiteral("Extractos")); // the page stays
        fecha(b);
    }

    void manual()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Manual->trigger();
        QCOMPARE(caixas.textos(), QStringList{QStringLiteral("Manual ainda não disponível!...")});
        QCOMPARE(caixas.caixas[0].titulo, QStringLiteral("Quorvel"));
        QVERIFY(!browser(janela.get()));
    }
};

QUORVEL_TESTE(TestBrowser)
#include "TestBrowser.moc"
