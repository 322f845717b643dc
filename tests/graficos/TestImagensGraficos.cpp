// The charts of a demo account as the window shows them, grabbed offscreen: each picture holds
// its series in the colours a reader tells apart (blue credits and balance, orange debits).
// With QUORVEL_IMAGENS_GRAFICOS=DIR the pictures are also written there (the README's).
#include "data/BaseDados.h"
#include "data/DadosDemonstracao.h"
#include "data/Regional.h"
#include "graficos/Frm_Graficos.h"
#include "graficos/Grafico.h"
#include "graficos/GraficoSaldo.h"
#include "graficos/SaidaGrafico.h"
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

    // The zero line is drawn exactly when the balance goes from one side of zero to the other,
    // and the extremes tell their dates where the pointer rests on them.
    void linhaDoZeroEExtremos_data()
    {
        QTest::addColumn<qint64>("primeiro"); // credit (+) or debit (-) on the 3rd
        QTest::addColumn<qint64>("segundo");  // on the 20th
        QTest::addColumn<bool>("zero");
        QTest::addColumn<QString>("alto");
        QTest::addColumn<QString>("baixo");
        QTest::newRow("cruza o zero") << qint64(50000) << qint64(-80000) << true
                                      << "Saldo mais alto: 500,00 € em 03-03-2026"
                                      << "Saldo mais baixo: -300,00 € em 20-03-2026";
        QTest::newRow("desce até zero sem o passar") << qint64(50000) << qint64(-50000) << false
                                                     << "Saldo mais alto: 500,00 € em 03-03-2026"
                                                     << "Saldo mais baixo: 0,00 € em 01-03-2026";
        QTest::newRow("sempre negativo") << qint64(-50000) << qint64(-1000) << false
                                         << "Saldo mais alto: 0,00 € em 01-03-2026"
                                         << "Saldo mais baixo: -510,00 € em 20-03-2026";
    }
    void linhaDoZeroEExtremos()
    {
        QFETCH(qint64, primeiro);
        QFETCH(qint64, segundo);
        QFETCH(bool, zero);
        QFETCH(QString, alto);
        QFETCH(QString, baixo);
        PastaTeste pasta;
        const std::pair<const char *, qint64> movimentos[] = {{"2026-03-03", primeiro},
                                                              {"2026-03-20", segundo}};
        for (const auto &[dia, valor] : movimentos)
            pasta.insereMovimento(1, QString::fromLatin1(dia), valor < 0 ? -valor : 0,
                                  valor > 0 ? valor : 0, QStringLiteral("V"));
        auto f = std::make_shared<FigurasConta>(CalculoFiguras::calcula(
            pasta.bd(), 1, {QDate(2026, 3, 1), QDate(2026, 3, 31)}));
        GraficoSaldo g(f, QStringLiteral("Conta"));
        const QSize tamanho(900, 500);
        const QImage img = SaidaGrafico::imagem(g, tamanho);
        const QRectF area(QPointF(0, 0), QSizeF(tamanho));
        const GraficoSaldo::Plano pl = g.plano(Grafico::corpo(area));
        // Near-black pixels along the zero row (the blue balance line lying on zero is not one).
        const int y = int(std::lround(pl.y(0)));
        auto escuro = [&](int x, int linha) {
            const QColor c = img.pixelColor(x, linha);
            return c.red() < 90 && c.green() < 90 && c.blue() < 90;
        };
        int escuros = 0;
        for (int x = int(pl.area.left()); x < int(pl.area.right()); ++x)
            if (escuro(x, y) || escuro(x, y - 1) || escuro(x, y + 1))
                ++escuros;
        QVERIFY2((escuros > pl.area.width() / 4) == zero, qPrintable(QString::number(escuros)));

        auto ponto = [&](const DiaSaldo &d) {
            return QPointF(pl.x(f->periodo.desde.daysTo(d.dia), qsizetype(f->saldosDiarios.size())),
                           pl.y(d.saldo));
        };
        QCOMPARE(g.dica(area, ponto(f->maximo)), alto);
        QCOMPARE(g.dica(area, ponto(f->minimo)), baixo);
        QCOMPARE(g.dica(area, ponto(f->maximo) + QPointF(0, 40)).left(10),
                 Regional::formataData(f->maximo.dia));
    }
};

QUORVEL_TESTE(TestImagensGraficos)
#include "TestImagensGraficos.moc"
