// The charts window as the user meets it: opened from the menu on the open account, the period
// changed with a quick choice, a month clicked to read its detailed extract, the chart saved,
// Esc to close; and the demo folder's charts drawn to pictures.
#include "../reports/ApoioListagens.h"
#include "data/BaseDados.h"
#include "data/DadosDemonstracao.h"
#include "data/Regional.h"
#include "data/Relogio.h"
#include "graficos/Frm_Graficos.h"
#include "graficos/GraficoMeses.h"
#include "graficos/Graficos.h"
#include "graficos/VistaGrafico.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTabWidget>

using namespace ApoioListagens;

class TestJanelaGraficos : public QObject
{
    Q_OBJECT

    std::unique_ptr<MensagensGuionadas> m_caixas;
    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<PastaListagens> m_pdfs;
    std::unique_ptr<Frm_bancos> m_janela;
    int m_ano = 0; // last year: the movements' year

    QString data(int mes, int dia) const { return Regional::paraIso(QDate(m_ano, mes, dia)); }

    Frm_Graficos *abreGraficos()
    {
        m_janela->Mnu_Banco_Click(1);
        m_janela->Mnu_Graficos->trigger();
        auto *g = m_janela->findChild<Frm_Graficos *>(QStringLiteral("Frm_Graficos"));
        if (g && !QTest::qWaitForWindowExposed(g))
            return nullptr;
        return g;
    }

private slots:
    void init()
    {
        m_caixas = std::make_unique<MensagensGuionadas>();
        m_pasta = std::make_unique<PastaTeste>();
        m_pdfs = std::make_unique<PastaListagens>();
        m_ano = Relogio::hoje().year() - 1;
        PastaTeste &p = *m_pasta;
        p.nomeiaConta(1, QStringLiteral("Caixa Central"));
        p.insereExtras(p.insereMovimento(1, data(2, 28), 0, 100000, "V", "Fevereiro"), 1,
                       QStringLiteral("Vendas"), {}, {});
        p.insereExtras(p.insereMovimento(1, data(3, 1), 25000, 0, "V", "Março primeiro"), 1,
                       QStringLiteral("Renda"), {}, {});
        p.insereMovimento(1, data(3, 10), 5000, 0, "A", "Março anulado");
        p.insereExtras(p.insereMovimento(1, data(3, 31), 0, 3000, "", "Março último"), 1,
                       QStringLiteral("vendas"), {}, {});
        p.insereMovimento(1, data(4, 1), 700, 0, "V", "Abril");
        m_janela = p.iniciaPrograma();
    }
    void cleanup()
    {
        m_janela.reset();
        m_pdfs.reset();
        m_pasta.reset();
        m_caixas.reset();
    }

    void ficheiroAntigoGanhaOIndiceAoAbrir()
    {
        // A file of an earlier build: the charts' index is not there until the program opens it.
        m_janela.reset();
        const QString existe =
            QStringLiteral("SELECT count(*) AS n FROM sqlite_master WHERE type = 'index' AND "
                           "name = 'TabBancos1Det_Valores'");
        m_pasta->bd().executa(QStringLiteral("DROP INDEX TabBancos1Det_Valores"));
        QCOMPARE(m_pasta->bd().consulta(existe).inteiro(QStringLiteral("n")), qint64(0));
        m_janela = m_pasta->iniciaPrograma();
        QCOMPARE(m_pasta->bd().consulta(existe).inteiro(QStringLiteral("n")), qint64(1));
        QCOMPARE(m_caixas->textos(), QStringList());
        Frm_Graficos *g = abreGraficos();
        QVERIFY(g);
    }

    void semContaAbertaAvisa()
    {
        m_janela->Mnu_Graficos->trigger();
        QCOMPARE(m_caixas->caixas.size(), 1);
        QVERIFY(m_caixas->caixas[0].texto.startsWith(
            QStringLiteral("Não está nenhum banco seleccionado")));
        QVERIFY(!m_janela->findChild<Frm_Graficos *>());
    }

    void periodoEMesCliqueAbreExtracto()
    {
        Frm_Pesquisas *f = frame(m_janela.get());
        f->Txt_PesquisaDescricao->setText(QStringLiteral("deixado pelo utilizador"));
        Frm_Graficos *g = abreGraficos();
        QVERIFY(g);
        QCOMPARE(g->windowTitle(), QStringLiteral("Gráficos da conta: Caixa Central"));
        const PeriodoGrafico doze = PeriodoGrafico::ultimos12Meses(Relogio::hoje());
        QCOMPARE(g->DTPicker_DaData->date(), doze.desde);
        QCOMPARE(g->DTPicker_AteData->date(), doze.ate);

        QTest::mouseClick(g->Cmd_AnoAnterior, Qt::LeftButton);
        QCOMPARE(g->DTPicker_DaData->date(), QDate(m_ano, 1, 1));
        QCOMPARE(g->DTPicker_AteData->date(), QDate(m_ano, 12, 31));
        QCOMPARE(g->Figuras().meses.size(), size_t(12));
        QCOMPARE(g->Figuras().saldoFinal(), qint64(100000 - 25000 + 3000 - 700));

        g->Tab_Graficos->setCurrentWidget(g->Grf_Meses);
        auto *meses = dynamic_cast<GraficoMeses *>(g->Grf_Meses->grafico().get());
        QVERIFY(meses);
        const QRectF area(g->Grf_Meses->rect());
        const QPoint marco = meses->colunaDoMes(area, 2).center().toPoint();
        QVERIFY(g->Grf_Meses->grafico()->dica(area, marco).startsWith(
            QStringLiteral("mar %1\nEntradas: 30,00 €\nSaídas: 250,00 €").arg(m_ano)));
        QTest::mouseClick(g->Grf_Meses, Qt::LeftButton, {}, marco);
        QCOMPARE(m_caixas->textos(), QStringList());

        const QString pdf = m_pdfs->texto(QStringLiteral("03_DetalhesDet"));
        QVERIFY2(pdf.contains(QStringLiteral("Extracto da conta: Caixa Central")), qPrintable(pdf));
        QVERIFY2(simplifica(pdf).contains(QStringLiteral("Da Data: 01-03-%1 até: 31-03-%1")
                                              .arg(m_ano)),
                 qPrintable(pdf));
        for (const QString d : {"Março primeiro", "Março anulado", "Março último"})
            QVERIFY2(pdf.contains(d), qPrintable(d + "\n" + pdf));
        for (const QString d : {"Fevereiro", "Abril"})
            QVERIFY2(!pdf.contains(d), qPrintable(d + "\n" + pdf));
        // What the user had left in the search frame is still there.
        QCOMPARE(f->Txt_PesquisaDescricao->text(), QStringLiteral("deixado pelo utilizador"));
        QVERIFY(!f->Check2->isChecked());

        // The keyboard reaches the same extract: Right to April, Enter.
        m_pdfs->limpa(QStringLiteral("03_DetalhesDet"));
        g->Grf_Meses->setFocus();
        QTest::keyClick(g->Grf_Meses, Qt::Key_Right);
        QTest::keyClick(g->Grf_Meses, Qt::Key_Return);
        const QString abril = m_pdfs->texto(QStringLiteral("03_DetalhesDet"));
        QVERIFY2(abril.contains(QStringLiteral("Abril")) && !abril.contains("Março"),
                 qPrintable(abril));

        QTest::keyClick(g, Qt::Key_Escape);
        QTRY_VERIFY(!m_janela->findChild<Frm_Graficos *>());
    }

    void imprimirAbreAPreVisualizacaoDoGraficoVisivel()
    {
        Frm_Graficos *g = abreGraficos();
        QVERIFY(g);
        g->Tab_Graficos->setCurrentWidget(g->Tab_Categorias);
        g->Tab_Categorias->setCurrentWidget(g->Grf_CategoriasEntradas);
        QTest::mouseClick(g->Cmd_Imprimir, Qt::LeftButton);
        auto *visor = g->findChild<QPrintPreviewDialog *>(QStringLiteral("VisorListagem"));
        QVERIFY(visor);
        QTRY_VERIFY(visor->isVisible());
        QCOMPARE(visor->windowTitle(), QStringLiteral("Entradas por categoria - Caixa Central"));
        visor->close();
        QCOMPARE(m_caixas->textos(), QStringList());
    }

    void graficosDeOutraContaNaoAbremExtracto()
    {
        m_pasta->nomeiaConta(2, QStringLiteral("Outra"));
        m_pasta->insereMovimento(2, data(3, 2), 100, 0, "V", "Da outra conta");
        Frm_Graficos *g = abreGraficos();
        QVERIFY(g);
        QTest::mouseClick(g->Cmd_AnoAnterior, Qt::LeftButton);
        QPointer<Frm_Graficos> aberta(g);
        m_janela->Mnu_Banco_Click(2); // the ledger moves on while the charts stay open
        QVERIFY(aberta); // choosing another account leaves the charts window open
        auto *meses = dynamic_cast<GraficoMeses *>(g->Grf_Meses->grafico().get());
        g->Tab_Graficos->setCurrentWidget(g->Grf_Meses);
        QTest::mouseClick(g->Grf_Meses, Qt::LeftButton, {},
                          meses->colunaDoMes(QRectF(g->Grf_Meses->rect()), 2).center().toPoint());
        QVERIFY(!m_pdfs->existe(QStringLiteral("03_DetalhesDet")));
        QCOMPARE(m_caixas->caixas.size(), 1);
        QVERIFY(m_caixas->caixas[0].texto.startsWith(
            QStringLiteral("Estes gráficos são de uma conta que já não está aberta.")));
        QTRY_VERIFY(!aberta);
    }

    void tabPercorreOsControlos()
    {
        Frm_Graficos *g = abreGraficos();
        QVERIFY(g);
        g->activateWindow();
        g->DTPicker_DaData->setFocus();
        QStringList vistos;
        for (int i = 0; i < 13; ++i) {
            QWidget *w = QApplication::focusWidget();
            while (w && w != g && !w->objectName().contains(QLatin1Char('_')))
                w = w->parentWidget();
            vistos << (w ? w->objectName() : QStringLiteral("?"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // A date box takes Tab through its day, month and year first, as every date box of
        // the program does; the tab bar then switches charts with the arrow keys.
        const QString de = QStringLiteral("DTPicker_DaData");
        const QString ate = QStringLiteral("DTPicker_AteData");
        QCOMPARE(vistos, (QStringList{de, de, de, ate, ate, ate, "Cmd_EsteAno", "Cmd_AnoAnterior",
                                      "Cmd_Ultimos12Meses", "qt_tabwidget_tabbar", "Grf_Saldo",
                                      "Cmd_GuardarImagem", "Cmd_Imprimir"}));
    }

    void periodoVazioDizPorPalavras()
    {
        Frm_Graficos *g = abreGraficos();
        QVERIFY(g);
        g->DTPicker_DaData->setDate(QDate(m_ano, 6, 1));
        g->DTPicker_AteData->setDate(QDate(m_ano, 6, 30));
        const QString esperado =
            QStringLiteral("Não há movimentos desta conta de 01-06-%1 a 30-06-%1.").arg(m_ano);
        for (VistaGrafico *v : {g->Grf_Saldo, g->Grf_Meses, g->Grf_CategoriasSaidas})
            QVERIFY2(v->grafico()->fraseVazia().startsWith(esperado),
                     qPrintable(v->grafico()->fraseVazia()));
        // A click on an empty chart opens nothing.
        g->Tab_Graficos->setCurrentWidget(g->Grf_Meses);
        QTest::mouseClick(g->Grf_Meses, Qt::LeftButton, {}, g->Grf_Meses->rect().center());
        QVERIFY(!m_pdfs->existe(QStringLiteral("03_DetalhesDet")));
    }

    void guardaImagem_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("ficheiro");
        QTest::addColumn<bool>("gravado");
        QTest::newRow("PNG") << "saldo.png" << "saldo.png" << true;
        QTest::newRow("PDF") << "saldo.PDF" << "saldo.PDF" << true;
        QTest::newRow("sem terminação fica PNG") << "saldo" << "saldo.png" << true;
        QTest::newRow("pasta que não existe") << "nao/existe/saldo.png" << "" << false;
    }
    void guardaImagem()
    {
        QFETCH(QString, nome);
        QFETCH(QString, ficheiro);
        QFETCH(bool, gravado);
        Frm_Graficos *g = abreGraficos();
        QVERIFY(g);
        QTemporaryDir pasta;
        QString proposto;
        aoAbrir<QFileDialog>([&](QFileDialog *d) {
            auto *caixa = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(caixa);
            proposto = caixa->text();
            caixa->setText(QDir(pasta.path()).filePath(nome));
            static_cast<QDialog *>(d)->accept(); // as the "Guardar" button does
        });
        QTest::mouseClick(g->Cmd_GuardarImagem, Qt::LeftButton);
        QCOMPARE(proposto, QStringLiteral("Saldo - Caixa Central.png"));
        if (!gravado) {
            QCOMPARE(m_caixas->caixas.size(), 1);
            QVERIFY(m_caixas->caixas[0].texto.startsWith(
                QStringLiteral("Não foi possível guardar o gráfico em")));
            return;
        }
        QCOMPARE(m_caixas->textos(), QStringList());
        QFile f(QDir(pasta.path()).filePath(ficheiro));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray inicio = f.read(8);
        if (ficheiro.endsWith(QStringLiteral(".png"))) {
            QVERIFY(inicio.startsWith("\x89PNG"));
        } else {
            QVERIFY(inicio.startsWith("%PDF"));
            QProcess p;
            p.start(QStringLiteral("pdftotext"), {f.fileName(), QStringLiteral("-")});
            p.waitForFinished(60000);
            const QString texto = QString::fromUtf8(p.readAllStandardOutput());
            QVERIFY2(texto.contains(QStringLiteral("Saldo da conta"))
                         && texto.contains(QStringLiteral("Caixa Central")),
                     qPrintable(texto));
        }
    }
};

QUORVEL_TESTE(TestJanelaGraficos)
#include "TestJanelaGraficos.moc"
