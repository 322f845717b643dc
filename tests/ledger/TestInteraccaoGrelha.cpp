// Clicks and keys on the ledger grid: the details of a movement under the grid, the row an
// arrow key describes, and Enter or a double click opening the movement in the editor.
#include "ApoioLedger.h"
#include "app/Frm_bancos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QLabel>

using namespace ApoioLedger;

namespace {

QString detalhes(const QString &categoria, const QString &observacoes)
{
    QString t;
    if (!categoria.isEmpty())
        t += QStringLiteral("Categoria........:  ") + categoria + QLatin1Char('\n');
    if (!observacoes.isEmpty())
        t += QStringLiteral("Observações..:  ") + observacoes + QLatin1Char('\n');
    return t;
}

} // namespace

class TestInteraccaoGrelha : public QObject
{
    Q_OBJECT

    struct Conta {
        std::unique_ptr<PastaTeste> pasta;
        std::unique_ptr<Frm_bancos> janela;
        std::vector<qint64> chaves;
    };

    // Four movements: the first with category and 80 characters of observations, the second
    // without extras, the third with only a sub-category, the fourth with a category.
    static Conta abreConta()
    {
        Conta c;
        c.pasta = std::make_unique<PastaTeste>();
        PastaTeste &p = *c.pasta;
        p.nomeiaConta(1, QStringLiteral("Conta Teste"));
        c.chaves.push_back(p.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000));
        c.chaves.push_back(p.insereMovimento(1, QStringLiteral("2024-01-03"), 123450, 0));
        c.chaves.push_back(p.insereMovimento(1, QStringLiteral("2024-01-04"), 100, 200));
        c.chaves.push_back(p.insereMovimento(1, QStringLiteral("2024-01-05"), 0, 0));
        p.insereExtras(c.chaves[0], 1, QStringLiteral("Vendas"), {}, QString(80, QLatin1Char('x')));
        p.insereExtras(c.chaves[2], 1, {}, QStringLiteral("Só sub"), {});
        p.insereExtras(c.chaves[3], 1, QStringLiteral("Juros"), {}, QStringLiteral("   "));
        c.janela = p.iniciaPrograma();
        c.janela->Mnu_Banco_Click(1);
        return c;
    }

private slots:
    void cliqueMostraCategoriaEObservacoes()
    {
        MensagensGuionadas caixas;
        Conta c = abreConta();
        FlexGrid *g = c.janela->MSHFlexGrid1;
        clica(g, 1);
        QCOMPARE(c.janela->Label2->text(),
                 detalhes(QStringLiteral("Vendas"), QString(50, QLatin1Char('x'))));
        QCOMPARE(c.janela->Frame2->Txt_NumAuto->text(), QString::number(c.chaves[0]));
        clica(g, 2);
        QCOMPARE(c.janela->Label2->text(), QString());
        clica(g, 3);
        QCOMPARE(c.janela->Label2->text(), QString());
        QCOMPARE(c.janela->Frame2->Cmb_Categoria1->currentText(), QStringLiteral("Só sub"));
        clica(g, 4); // blank observations are not shown
        QCOMPARE(c.janela->Label2->text(), detalhes(QStringLiteral("Juros"), {}));
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void setaParaBaixoDescreveALinhaQueDeixa()
    {
        MensagensGuionadas caixas;
        Conta c = abreConta();
        FlexGrid *g = c.janela->MSHFlexGrid1;
        clica(g, 3);
        QTest::keyClick(g, Qt::Key_Up); // describes row 3, then moves to row 2
        QCOMPARE(g->Row(), 2);
        QCOMPARE(c.janela->Label2->text(), QString());
        QTest::keyClick(g, Qt::Key_Up); // describes row 2 (no extras), moves to row 1
        QCOMPARE(c.janela->Label2->text(), QString());
        QCOMPARE(g->Row(), 1);
        QTest::keyClick(g, Qt::Key_Down); // describes row 1, moves to 2
        QCOMPARE(c.janela->Label2->text(),
                 detalhes(QStringLiteral("Vendas"), QString(50, QLatin1Char('x'))));
        QTest::keyClick(g, Qt::Key_Down); // row 2 again
        QTest::keyClick(g, Qt::Key_Down); // row 3: its details, and the grid reaches row 4
        QCOMPARE(g->Row(), 4);
        QCOMPARE(c.janela->Frame2->Txt_NumAuto->text(), QString::number(c.chaves[2]));
        QCOMPARE(c.janela->Frame2->Cmb_Categoria1->currentText(), QStringLiteral("Só sub"));
    }

    void enterAbreOEditorComoODuploClique()
    {
        MensagensGuionadas caixas;
        Conta c = abreConta();
        FlexGrid *g = c.janela->MSHFlexGrid1;
        clica(g, 4);
        clica(g, 1);
        Aberto visto;
        respondeEditor(c.janela.get(), QStringLiteral("1"), &visto, [](Frame2 *f) {
            f->Cmb_Categoria->setCurrentText(QStringLiteral("Seguros"));
            f->setCampo(4, QString());
        });
        QTest::keyClick(g, Qt::Key_Return);
        QVERIFY(visto.abriu);
        QCOMPARE(visto.numAuto, QString::number(c.chaves[0]));
        QCOMPARE(visto.tipo, QStringLiteral("Crédito"));
        QCOMPARE(visto.valor, QStringLiteral("100"));
        QCOMPARE(visto.categoria, QStringLiteral("Vendas"));
        QCOMPARE(visto.observacoes, QString(80, QLatin1Char('x')));
        // After the editor, the details of the same movement, as now stored.
        QCOMPARE(c.janela->Label2->text(), detalhes(QStringLiteral("Seguros"), {}));
        QCOMPARE(extras(c.pasta->bd(), c.chaves[0]), QStringLiteral("Seguros||"));
        QCOMPARE(g->Row(), 1);
    }

    void valoresLevadosAoEditor()
    {
        MensagensGuionadas caixas;
        Conta c = abreConta();
        FlexGrid *g = c.janela->MSHFlexGrid1;
        Aberto visto;
        respondeEditor(c.janela.get(), QStringLiteral("2"), &visto);
        duploClique(g, 2);
        QCOMPARE(visto.tipo, QStringLiteral("Débito"));
        QCOMPARE(visto.valor, QStringLiteral("1234,5"));
        QCOMPARE(visto.categoria, QString());

        respondeEditor(c.janela.get(), QStringLiteral("2"), &visto);
        duploClique(g, 3); // debit and credit: the credit wins
        QCOMPARE(visto.tipo, QStringLiteral("Crédito"));
        QCOMPARE(visto.valor, QStringLiteral("2"));
        QCOMPARE(visto.categoria1, QStringLiteral("Só sub"));

        respondeEditor(c.janela.get(), QStringLiteral("2"), &visto);
        duploClique(g, 4); // neither
        QCOMPARE(visto.tipo, QStringLiteral("Débito"));
        QCOMPARE(visto.valor, QString());
        QCOMPARE(caixas.caixas.size(), 0);
    }
};

QUORVEL_TESTE(TestInteraccaoGrelha)
#include "TestInteraccaoGrelha.moc"
