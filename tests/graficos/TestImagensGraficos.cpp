// The charts of a demo account as the window shows them, grabbed offscreen: each picture holds
// its series in the colours a reader tells apart (blue credits and balance, orange debits).
// With QUORVEL_IMAGENS_GRAFICOS=DIR the pictures are also written there (the README's).
#include "data/BaseDados.h"
#include "data/DadosDemonstracao.h"
#include "graficos/Frm_Graficos.h"
#include "graficos/Grafico.h"
#include "graficos/VistaGrafico.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "app/Frm_bancos.h"

#include <QAction>
#include <QDir>
#include <QTabWidget>
#include <QTest>

namespace {

// Pixels close to a colour, so antialiased edges do not count.
int pixeis(const QImage &img, const QColor &cor)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (std::abs(c.red() - cor.red()) + std::abs(c.green() - cor.green())
                    + std::abs(c.blue() - cor.blue())
                < 24)
                ++n;
        }
    return n;
}

} // namespace

class TestImagensGraficos : public QObject
{
    Q_OBJECT

private slots:
    void graficosDaDemonstracao()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        DadosDemonstracao::preenche(pasta.bd());
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        janela->Mnu_Graficos->trigger();
        auto *g = janela->findChild<Frm_Graficos *>();
        QVERIFY(g);
        g->resize(1000, 640);
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QCOMPARE(caixas.textos(), QStringList());

        struct Caso {
            VistaGrafico *vista;
            QString ficheiro;
            int azul, laranja; // least pixels of each colour
        };
        const Caso casos[] = {
            {g->Grf_Saldo, QStringLiteral("graficos-saldo.png"), 200, 0},
            {g->Grf_Meses, QStringLiteral("graficos-meses.png"), 2000, 2000},
            {g->Grf_CategoriasSaidas, QStringLiteral("graficos-categorias-saidas.png"), 0, 2000},
            {g->Grf_CategoriasEntradas, QStringLiteral("graficos-categorias-entradas.png"), 2000,
             0},
        };
        const QString destino = qEnvironmentVariable("QUORVEL_IMAGENS_GRAFICOS");
        for (const Caso &c : casos) {
            if (c.vista->parentWidget() && c.vista->parentWidget()->parentWidget()
                && c.vista->parentWidget()->parentWidget()->objectName() == "Tab_Categorias") {
                g->Tab_Graficos->setCurrentWidget(g->Tab_Categorias);
                g->Tab_Categorias->setCurrentWidget(c.vista);
            } else {
                g->Tab_Graficos->setCurrentWidget(c.vista);
            }
            QVERIFY(c.vista->grafico()->fraseVazia().isEmpty());
            const QImage img = c.vista->grab().toImage();
            QVERIFY2(pixeis(img, CoresGrafico::Entradas) >= c.azul, qPrintable(c.ficheiro));
            QVERIFY2(pixeis(img, CoresGrafico::Saidas) >= c.laranja, qPrintable(c.ficheiro));
            if (!destino.isEmpty())
                QVERIFY(img.save(QDir(destino).filePath(c.ficheiro)));
        }
    }
};

QUORVEL_TESTE(TestImagensGraficos)
#include "TestImagensGraficos.moc"
