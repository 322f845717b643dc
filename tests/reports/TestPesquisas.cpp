// The search frame: opening, captions, the Enter chain, the category completion and list,
// what a reopening keeps, and "Fechar".
#include "ApoioListagens.h"
#include "data/BaseDados.h"
#include "data/Relogio.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Teclado.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace ApoioListagens;

namespace {

QStringList itens(QComboBox *c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

} // namespace

class TestPesquisas : public QObject, private ArranqueListagens
{
    Q_OBJECT

private slots:
    void init()
    {
        inicia([](PastaTeste &p) {
            p.nomeiaConta(1, QStringLiteral("Conta"));
            p.insereExtras(p.insereMovimento(1, "2024-01-10", 100, 0, "P", "Alfa", "1"), 1,
                           "Renda", "", "");
        });
    }
    void cleanup() { termina(); }

    void estadoInicialEControlos()
    {
        Frm_Pesquisas *f = frame(m_janela.get());
        QVERIFY(f && !f->isVisible());
        QCOMPARE(f->DTPicker3->date(), Relogio::hoje().addDays(-30));
        QCOMPARE(f->DTPicker4->date(), Relogio::hoje());
        QCOMPARE(f->Txt_PesquisaNumero->maxLength(), 40);
        QCOMPARE(f->Txt_PesquisaSituacao->maxLength(), 40);
        QCOMPARE(f->Txt_PesquisaDescricao->maxLength(), 40);
        QCOMPARE(f->Check2->text(), QStringLiteral("Seleccionar data de movimento"));
        QCOMPARE(f->Cmd_Consultar->text(), QStringLiteral("Consultar"));
        QCOMPARE(f->Cmd_CancelaConsulta->text(), QStringLiteral("Fechar"));
        QVERIFY(!f->Cmd_Consultar->icon().isNull());
        QVERIFY(!f->Cmd_CancelaConsulta->icon().isNull());

        f = abreExtracto(m_janela->Mnu_Listagem2);
        QVERIFY(f->isVisible());
        QCOMPARE(f->pos(), QPoint(1680 / 15, 1440 / 15));
        QCOMPARE(f->Label18->text(), QStringLiteral("Consulta de Movimentos  (extracto simples)"));
        QVERIFY(!f->Frm_dataConsulta->isVisible());
        QVERIFY(f->Txt_PesquisaNumero->hasFocus());
        QTest::mouseClick(f->Check2, Qt::LeftButton);
        QVERIFY(f->Frm_dataConsulta->isVisible());
        QTest::mouseClick(f->Check2, Qt::LeftButton);
        QVERIFY(!f->Frm_dataConsulta->isVisible());
        QTest::mouseClick(f->Cmd_CancelaConsulta, Qt::LeftButton);
        QVERIFY(!f->isVisible());
    }

    void semContaAbertaNaoAbre()
    {
        m_janela->Mnu_Listagem3->trigger();
        QVERIFY(!frame(m_janela.get())->isVisible());
        QCOMPARE(m_caixas->caixas.size(), 1);
        QVERIFY(m_caixas->caixas[0].texto.startsWith(QStringLiteral("Não está nenhum banco seleccionado")));
    }

    void enterPercorreOsCamposAteConsultar()
    {
        Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem2);
        const QList<QWidget *> cadeia{f->Txt_PesquisaNumero, f->Cmb_CategoriaConsulta,
                                      f->Txt_PesquisaSituacao, f->Txt_PesquisaDescricao,
                                      f->Check2, f->Cmd_Consultar};
        for (int i = 0; i + 1 < cadeia.size(); ++i) {
            QVERIFY2(cadeia[i]->hasFocus() || cadeia[i]->isAncestorOf(QApplication::focusWidget()),
                     qPrintable(QString::number(i)));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(f->Cmd_Consultar->hasFocus());
        QVERIFY(!m_pdfs->existe(QStringLiteral("02_Detalhes"))); // Enter on the tick prints nothing
        QTest::keyClick(f->Cmd_Consultar, Qt::Key_Return);
        QVERIFY(m_pdfs->existe(QStringLiteral("02_Detalhes")));
        QVERIFY(f->isVisible());
    }

    void completaComoOEditor()
    {
        BaseDados &bd = m_pasta->bd();
        bd.executa(QStringLiteral("DELETE FROM TabCategoria"));
        for (const char *n : {"reparações", "Renda", " ", "Água"})
            bd.executa(QStringLiteral("INSERT INTO TabCategoria (Descricao) VALUES (?)"),
                       {QString::fromUtf8(n)});
        Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem2);
        QComboBox *c = f->Cmb_CategoriaConsulta;
        QCOMPARE(itens(c), (QStringList{"Água", "Renda", "reparações"}));
        QCOMPARE(c->currentText(), QString()); // filling the list completes nothing

        c->lineEdit()->setFocus();
        escreve(c->lineEdit(), QStringLiteral("re"));
        QCOMPARE(c->currentText(), QStringLiteral("Renda"));
        QCOMPARE(c->lineEdit()->cursorPosition(), 2);
        escreve(c->lineEdit(), QStringLiteral("x"));
        QCOMPARE(c->currentText(), QStringLiteral("Rex"));
        QCOMPARE(c->lineEdit()->cursorPosition(), 3);
        QTest::keyClick(c->lineEdit(), Qt::Key_Backspace);
        QTest::keyClick(c->lineEdit(), Qt::Key_Backspace);
        QTest::keyClick(c->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(c->currentText(), QString()); // an empty text is never completed
        escreve(c->lineEdit(), QStringLiteral("á"));
        QCOMPARE(c->currentText(), QStringLiteral("Água"));

        // While the block is on, typing is taken as it is... but a key in this box lifts it.
        f->BloqueiaAutoCategoria = true;
        c->setEditText(QStringLiteral("rep"));
        QCOMPARE(c->currentText(), QStringLiteral("rep"));
        escreve(c->lineEdit(), QStringLiteral("a"));
        QVERIFY(!f->BloqueiaAutoCategoria);
    }

    void tabelaVaziaDeixaALista()
    {
        Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem2);
        const QStringList antes = itens(f->Cmb_CategoriaConsulta);
        QVERIFY(antes.contains(QStringLiteral("Renda")));
        m_pasta->bd().executa(QStringLiteral("DELETE FROM TabCategoria"));
        QTest::mouseClick(f->Cmd_CancelaConsulta, Qt::LeftButton);
        m_janela->Mnu_Listagem3->trigger();
        QCOMPARE(itens(f->Cmb_CategoriaConsulta), antes);
    }

    void reabrirGuardaDatasELimpaTextos()
    {
        Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem2);
        escreve(f->Txt_PesquisaNumero, QStringLiteral("1"));
        escreve(f->Txt_PesquisaSituacao, QStringLiteral("P"));
        escreve(f->Txt_PesquisaDescricao, QStringLiteral("Al"));
        f->Cmb_CategoriaConsulta->setEditText(QStringLiteral("Renda"));
        QTest::mouseClick(f->Check2, Qt::LeftButton);
        f->DTPicker3->setDate(QDate(2024, 1, 1));
        f->DTPicker4->setDate(QDate(2024, 1, 31));
        QTest::mouseClick(f->Cmd_Consultar, Qt::LeftButton);
        QVERIFY(m_pdfs->texto(QStringLiteral("02_Detalhes")).contains(QStringLiteral("Alfa")));
        QTest::mouseClick(f->Cmd_CancelaConsulta, Qt::LeftButton);

        m_janela->Mnu_Listagem3->trigger();
        QVERIFY(f->isVisible());
        QCOMPARE(f->Label18->text(), QStringLiteral("Consulta de Movimentos  (extracto detalhado)"));
        QVERIFY(f->Check2->isChecked());
        QVERIFY(f->Frm_dataConsulta->isVisible());
        QCOMPARE(f->DTPicker3->date(), QDate(2024, 1, 1));
        QCOMPARE(f->DTPicker4->date(), QDate(2024, 1, 31));
        for (const QString &t : {f->Txt_PesquisaNumero->text(), f->Txt_PesquisaSituacao->text(),
                                 f->Txt_PesquisaDescricao->text(), f->Cmb_CategoriaConsulta->currentText()})
            QCOMPARE(t, QString());
        // The main window's start state hides the frame but keeps the dates of the run.
        m_janela->EstadoInicial();
        QVERIFY(!f->isVisible());
        QCOMPARE(f->DTPicker3->date(), QDate(2024, 1, 1));
    }
};

QUORVEL_TESTE(TestPesquisas)
#include "TestPesquisas.moc"
