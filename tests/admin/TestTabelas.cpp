// The category table editor: the empty rows it keeps available, editing in place, and what
// "Sair" writes back.
#include "admin/Frm_Tabelas.h"
#include "app/Frm_bancos.h"
#include "data/BaseDados.h"
#include "platform/FlexGrid.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Teclado.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <map>

namespace {

struct Linha {
    QString descricao;
    qint64 valor;
    bool operator==(const Linha &) const = default;
};

std::map<qint64, Linha> tabela(PastaTeste &p)
{
    std::map<qint64, Linha> t;
    for (Registos r = p.bd().consulta(QStringLiteral("SELECT * FROM TabCategoria")); !r.eof();
         r.seguinte())
        t[r.inteiro(QStringLiteral("NumAutomatico"))] = {r.texto(QStringLiteral("Descricao")),
                                                         r.inteiro(QStringLiteral("Valor"))};
    return t;
}

int vazias(PastaTeste &p)
{
    return int(p.bd()
                   .consulta(QStringLiteral("SELECT count(*) AS n FROM TabCategoria WHERE "
                                            "trim(ifnull(Descricao, '')) = ''"))
                   .inteiro(QStringLiteral("n")));
}

// Opens the window from its menu and runs `accao` on it while it is open.
void abreTabela(Frm_bancos *janela, std::function<void(Frm_Tabelas *)> accao)
{
    bool correu = false;
    aoAbrir<Frm_Tabelas>([&](Frm_Tabelas *t) {
        correu = true;
        accao(t);
        if (t->isVisible())
            t->reject();
    });
    janela->Mnu_Categorias->trigger();
    QVERIFY(correu);
}

int linhaDe(const FlexGrid *g, const QString &nome)
{
    for (int r = 1; r < g->Rows(); ++r)
        if (g->TextMatrix(r, Frm_Tabelas::ColDescricao) == nome)
            return r;
    return -1;
}

void vaiPara(FlexGrid *g, int linha, int coluna)
{
    g->setCol(coluna);
    g->setRow(linha);
}

} // namespace

class TestTabelas : public QObject
{
    Q_OBJECT
private slots:
    void linhasVaziasParaNovas_data()
    {
        QTest::addColumn<QStringList>("existentes");
        QTest::addColumn<int>("esperadas");
        QTest::newRow("nenhuma") << QStringList{} << 3;
        QTest::newRow("duas") << QStringList{QString(), QStringLiteral("   ")} << 5;
        QTest::newRow("tres") << QStringList{QString(), QStringLiteral(" "), QStringLiteral("")}
                              << 3;
    }

    void linhasVaziasParaNovas()
    {
        QFETCH(QStringList, existentes);
        QFETCH(int, esperadas);
        PastaTeste pasta;
        for (const QString &d : existentes)
            pasta.bd().executa(QStringLiteral("INSERT INTO TabCategoria (Descricao) VALUES (?)"),
                               {d.isNull() ? QVariant() : QVariant(d)});
        const int antes = int(tabela(pasta).size());
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        abreTabela(janela.get(), [&](Frm_Tabelas *t) {
            QCOMPARE(t->windowTitle(), QStringLiteral("Quorvel - Gestão da Tabela de Categorias"));
            QCOMPARE(t->Cmd_Sair->text(), QStringLiteral("Sair"));
            QVERIFY(!t->Text1->isVisible());
            const FlexGrid *g = t->MSHFlexGrid1;
            QCOMPARE(g->Rows(), antes - int(existentes.size()) + esperadas + 1);
            QCOMPARE(g->TextMatrix(0, Frm_Tabelas::ColDescricao), QStringLiteral("DESCRICAO"));
            QVERIFY(g->isColumnHidden(Frm_Tabelas::ColNumAutomatico - 1));
            QCOMPARE(g->TextMatrix(linhaDe(g, QStringLiteral("Renda")), Frm_Tabelas::ColValor),
                     QStringLiteral("750,00 €"));
            QCOMPARE(g->TextMatrix(linhaDe(g, QStringLiteral("Água")), Frm_Tabelas::ColValor),
                     QStringLiteral("0,00 €"));
            int emBranco = 0;
            for (int r = 1; r < g->Rows(); ++r)
                emBranco += g->TextMatrix(r, Frm_Tabelas::ColDescricao).trimmed().isEmpty();
            QCOMPARE(emBranco, esperadas);
        });
        // Stored at once, even though the window was closed without "Sair".
        QCOMPARE(vazias(pasta), esperadas);
        QVERIFY(caixas.caixas.isEmpty());
    }

    void edicaoNaCelula()
    {
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        const auto antes = tabela(pasta);
        abreTabela(janela.get(), [&](Frm_Tabelas *t) {
            FlexGrid *g = t->MSHFlexGrid1;
            const int renda = linhaDe(g, QStringLiteral("Renda"));
            vaiPara(g, renda, Frm_Tabelas::ColDescricao);
            QTest::keyClick(g, 'X');
            QVERIFY(t->Text1->isVisible());
            QCOMPARE(t->Text1->text(), QStringLiteral("X"));
            QVERIFY(!t->Cmd_Sair->isEnabled());
            escreve(t->Text1, QStringLiteral("pto"));
            QTest::keyClick(t->Text1, Qt::Key_Return);
            QVERIFY(!t->Text1->isVisible());
            QVERIFY(t->Cmd_Sair->isEnabled());
            QCOMPARE(g->TextMatrix(renda, Frm_Tabelas::ColDescricao), QStringLiteral("Xpto"));

            // Enter edits what the cell holds, the caret at its end; Esc drops the edit.
            const int juros = linhaDe(g, QStringLiteral("Juros"));
            vaiPara(g, juros, Frm_Tabelas::ColDescricao);
            QTest::keyClick(g, Qt::Key_Return);
            QCOMPARE(t->Text1->text(), QStringLiteral("Juros"));
            QCOMPARE(t->Text1->cursorPosition(), 5);
            escreve(t->Text1, QStringLiteral(" de mora"));
            QCOMPARE(t->Text1->text(), QStringLiteral("Juros de mora"));
            QTest::keyClick(t->Text1, Qt::Key_Escape);
            QVERIFY(!t->Text1->isVisible());
            QVERIFY(t->Cmd_Sair->isEnabled());
            QVERIFY(t->isVisible());
            QCOMPARE(g->TextMatrix(juros, Frm_Tabelas::ColDescricao), QStringLiteral("Juros"));

            // The blank and Esc too edit the existing text; Esc never closes the window.
            for (const Qt::Key tecla : {Qt::Key_Space, Qt::Key_Escape}) {
                QTest::keyClick(g, tecla);
                QVERIFY(t->Text1->isVisible());
                QCOMPARE(t->Text1->text(), QStringLiteral("Juros"));
                QTest::keyClick(t->Text1, Qt::Key_Escape);
            }
            t->Cmd_Sair->setFocus();
            QTest::keyClick(t->Cmd_Sair, Qt::Key_Escape);
            QVERIFY(t->isVisible());
            QTest::mouseClick(t->Cmd_Sair, Qt::LeftButton);
            QVERIFY(!t->isVisible());
        });
        auto depois = tabela(pasta);
        for (const auto &[chave, linha] : antes) {
            if (linha.descricao == QStringLiteral("Renda"))
                QCOMPARE(depois[chave], (Linha{QStringLiteral("Xpto"), 75000}));
            else
                QCOMPARE(depois[chave], linha);
        }
    }

    void setasNasPontas()
    {
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        abreTabela(janela.get(), [&](Frm_Tabelas *t) {
            FlexGrid *g = t->MSHFlexGrid1;
            const int ultima = g->Rows() - 1;
            vaiPara(g, ultima, Frm_Tabelas::ColDescricao);
            QTest::keyClick(g, 'Q');
            QTest::keyClick(t->Text1, Qt::Key_Down);
            QVERIFY(!t->Text1->isVisible());
            QCOMPARE(g->Row(), ultima);
            QCOMPARE(g->TextMatrix(ultima, Frm_Tabelas::ColDescricao), QStringLiteral("Q"));

            vaiPara(g, 1, Frm_Tabelas::ColDescricao);
            QTest::keyClick(g, 'W');
            QTest::keyClick(t->Text1, Qt::Key_Up);
            QCOMPARE(g->Row(), 1);
            QCOMPARE(g->TextMatrix(1, Frm_Tabelas::ColDescricao), QStringLiteral("W"));

            // In the middle, Down commits and moves one row down.
            QTest::keyClick(g, 'E');
            QTest::keyClick(t->Text1, Qt::Key_Down);
            QCOMPARE(g->Row(), 2);
            QCOMPARE(g->TextMatrix(1, Frm_Tabelas::ColDescricao), QStringLiteral("E"));
            QVERIFY(t->Cmd_Sair->isEnabled());
        });
    }

    void valoresENomesGravadosPorChave()
    {
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        std::map<qint64, Linha> esperado;
        const QString longo = QStringLiteral("Despesas de representação e deslocações");
        abreTabela(janela.get(), [&](Frm_Tabelas *t) {
            FlexGrid *g = t->MSHFlexGrid1;
            const int n = g->Rows() - 1;
            auto chave = [&](int r) { return g->TextMatrix(r, Frm_Tabelas::ColNumAutomatico).toLongLong(); };
            auto escreveCelula = [&](int r, int c, const QString &texto) {
                vaiPara(g, r, c);
                QTest::keyClick(g, Qt::Key_Backspace);
                t->Text1->clear();
                escreve(t->Text1, texto);
                QTest::keyClick(t->Text1, Qt::Key_Return);
            };
            // The three new rows are the last ones.
            escreveCelula(n - 2, Frm_Tabelas::ColDescricao, QStringLiteral("D'Ávila & Cª"));
            escreveCelula(n - 2, Frm_Tabelas::ColValor, QStringLiteral("7,5"));
            escreveCelula(n - 1, Frm_Tabelas::ColDescricao, longo);
            escreveCelula(n - 1, Frm_Tabelas::ColValor, QStringLiteral("abc"));
            escreveCelula(n, Frm_Tabelas::ColValor, QStringLiteral("-1.234,56 €"));
            // An existing name moves away from the first row.
            escreveCelula(1, Frm_Tabelas::ColDescricao, QStringLiteral("Zona franca"));
            QCOMPARE(g->TextMatrix(n - 1, Frm_Tabelas::ColDescricao), longo.left(30));
            esperado[chave(n - 2)] = {QStringLiteral("D'Ávila & Cª"), 750};
            esperado[chave(n - 1)] = {longo.left(30), 0};
            esperado[chave(n)] = {QString(), -123456};
            esperado[chave(1)] = {QStringLiteral("Zona franca"), 0};
            QTest::mouseClick(t->Cmd_Sair, Qt::LeftButton);
        });
        const auto depois = tabela(pasta);
        QCOMPARE(depois.size(), size_t(20));
        for (const auto &[chave, linha] : esperado)
            QCOMPARE(depois.at(chave), linha);

        // Opened again: the values in currency format, the new rows sorted by name (an empty name
        // first), and, with a single empty row left, three more empty ones.
        abreTabela(janela.get(), [&](Frm_Tabelas *t) {
            const FlexGrid *g = t->MSHFlexGrid1;
            const int r = linhaDe(g, QStringLiteral("D'Ávila & Cª"));
            QVERIFY(r > 0);
            QCOMPARE(g->TextMatrix(r, Frm_Tabelas::ColValor), QStringLiteral("7,50 €"));
            QCOMPARE(g->TextMatrix(linhaDe(g, longo.left(30)), Frm_Tabelas::ColValor),
                     QStringLiteral("0,00 €"));
            QCOMPARE(g->TextMatrix(1, Frm_Tabelas::ColDescricao), QString());
            QCOMPARE(g->TextMatrix(1, Frm_Tabelas::ColValor), QStringLiteral("-1.234,56 €"));
        });
        QCOMPARE(vazias(pasta), 4);
        QVERIFY(caixas.caixas.isEmpty());
    }
};

QUORVEL_TESTE(TestTabelas)
#include "TestTabelas.moc"
