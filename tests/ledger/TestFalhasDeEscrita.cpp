// Writes that fail, as a user meets them: a movement whose extras cannot be written, a database
// held by another program while a movement is validated or deleted, a write at the end of the
// run that fails. Nothing is half-written, what was typed stays on screen, and the user is told
// in Portuguese and chooses what happens next.
#include "ApoioLedger.h"
#include "MensagensComAccao.h"
#include "app/ModuloArranque.h"
#include "data/Regional.h"
#include "data/Relogio.h"
#include "ledger/ApoioEditor.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QDateEdit>
#include <QElapsedTimer>

using namespace ApoioLedger;

namespace {

constexpr int EsperaCurta = 300; // ms the program's connection waits for a busy file here

const QString RecusaExtras = QStringLiteral(
    "CREATE TRIGGER RecusaNovo BEFORE INSERT ON TabBancosDetOutros "
    "BEGIN SELECT RAISE(ABORT, 'extras recusados'); END;"
    "CREATE TRIGGER RecusaMuda BEFORE UPDATE ON TabBancosDetOutros "
    "BEGIN SELECT RAISE(ABORT, 'extras recusados'); END;"
    "CREATE TRIGGER RecusaApaga BEFORE DELETE ON TabBancosDetOutros "
    "BEGIN SELECT RAISE(ABORT, 'extras recusados'); END;");
const QString AceitaExtras = QStringLiteral(
    "DROP TRIGGER RecusaNovo; DROP TRIGGER RecusaMuda; DROP TRIGGER RecusaApaga;");

// What the editor shows the user.
QStringList textosEditor(const Frm_Frame2 *d)
{
    return {d->windowTitle(),        d->Cmb_TipoMovimento->currentText(),
            d->DTPicker1->date().toString(Qt::ISODate), d->TxtCampo[0]->text(),
            d->TxtCampo[2]->text(),  d->TxtCampo[3]->text(),
            d->TxtCampo4->toPlainText()};
}

// Replaces the text of a box by typing, as a user who selects all and types over it.
void escreveSobre(QWidget *w, const QString &texto)
{
    if (auto *l = qobject_cast<QLineEdit *>(w))
        l->selectAll();
    if (auto *p = qobject_cast<QPlainTextEdit *>(w))
        p->selectAll();
    escreve(w, texto);
}

QMessageBox::StandardButton botao(const QString &resposta)
{
    if (resposta == QStringLiteral("sim"))
        return QMessageBox::Yes;
    if (resposta == QStringLiteral("não"))
        return QMessageBox::No;
    return QMessageBox::Cancel;
}

} // namespace

class TestFalhasDeEscrita : public QObject
{
    Q_OBJECT
private slots:
    void movimentoQueNaoSeGrava_data()
    {
        QTest::addColumn<QString>("passo");  // criação, alteração, apagar
        QTest::addColumn<QString>("falha");  // extras (refused by a trigger), ocupada
        QTest::addColumn<bool>("repete");    // the reopened editor validates again
        QTest::newRow("criação, extras recusados, cancela") << "criação" << "extras" << false;
        QTest::newRow("criação, extras recusados, de novo") << "criação" << "extras" << true;
        QTest::newRow("alteração, extras recusados, cancela") << "alteração" << "extras" << false;
        QTest::newRow("alteração, extras recusados, de novo") << "alteração" << "extras" << true;
        QTest::newRow("apagar, extras recusados") << "apagar" << "extras" << false;
        QTest::newRow("criação, base ocupada, de novo") << "criação" << "ocupada" << true;
        QTest::newRow("alteração, base ocupada, cancela") << "alteração" << "ocupada" << false;
        QTest::newRow("alteração, base ocupada, de novo") << "alteração" << "ocupada" << true;
        QTest::newRow("apagar, base ocupada") << "apagar" << "ocupada" << false;
    }
    void movimentoQueNaoSeGrava()
    {
        QFETCH(QString, passo);
        QFETCH(QString, falha);
        QFETCH(bool, repete);
        const bool apagar = passo == QStringLiteral("apagar");
        const bool ocupada = falha == QStringLiteral("ocupada");
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        const qint64 a = pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000, {},
                                               QStringLiteral("original"));
        pasta.insereExtras(a, 1, QStringLiteral("Renda"), {}, QStringLiteral("velha"));
        const QString movimentoAntes = movimento(pasta.bd(), a);
        const QString extrasAntes = extras(pasta.bd(), a);
        if (!ocupada)
            pasta.bd().executaScript(RecusaExtras);

        QElapsedTimer relogio;
        qint64 espera = -1;
        MensagensComAccao caixas([&](const CaixaMostrada &c) {
            if (c.texto.startsWith(QStringLiteral("Deseja mesmo apagar")))
                return QMessageBox::Yes;
            if (espera < 0)
                espera = relogio.elapsed();
            if (ocupada && pasta.bd().emTransaccao())
                pasta.bd().executaScript(QStringLiteral("ROLLBACK")); // the other one lets go
            return QMessageBox::Ok;
        });
        auto janela = pasta.iniciaPrograma();
        if (ocupada)
            Ligacao().defineEsperaOcupada(EsperaCurta);
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;

        // Neither the database nor the grid shows anything of the failed write.
        const auto comoAntes = [&] {
            QCOMPARE(contaLinhas(pasta.bd(), QStringLiteral("SELECT * FROM TabBancos1Det")), 1);
            QCOMPARE(movimento(pasta.bd(), a), movimentoAntes);
            QCOMPARE(extras(pasta.bd(), a), extrasAntes);
            QCOMPARE(g->Rows(), 2);
            QCOMPARE(g->TextMatrix(1, 4), QStringLiteral("original"));
            QCOMPARE(g->TextMatrix(1, 9), QStringLiteral("1"));
            QCOMPARE(g->TextMatrix(1, 10), QStringLiteral("False"));
        };

        QStringList escrito, reaberto;
        aoAbrir<Frm_Frame2>([&](Frm_Frame2 *d) {
            if (!apagar) {
                if (passo == QStringLiteral("criação"))
                    escreve(d->TxtCampo[3], QStringLiteral("25"));
                escreveSobre(d->TxtCampo[2], QStringLiteral("Renda de Março"));
                escreveSobre(d->TxtCampo4, QStringLiteral("paga à vista"));
                // The failure opens the editor again: what it shows, then the user's choice.
                aoAbrir<Frm_Frame2>([&](Frm_Frame2 *outro) {
                    reaberto = textosEditor(outro);
                    comoAntes();
                    if (repete && !ocupada)
                        pasta.bd().executaScript(AceitaExtras);
                    QTest::mouseClick(repete ? outro->Cmd_Validar : outro->Cmd_FechaFrame2,
                                      Qt::LeftButton);
                });
            }
            if (ocupada) // another program takes the file while the user types
                pasta.bd().executaScript(QStringLiteral("BEGIN EXCLUSIVE"));
            relogio.start();
            QTest::mouseClick(apagar ? d->Cmd_ApagaMovimento : d->Cmd_Validar, Qt::LeftButton);
            escrito = textosEditor(d);
        });
        if (passo == QStringLiteral("criação"))
            QTest::mouseClick(janela->Cmd_CriaNovaEntrada, Qt::LeftButton);
        else
            duploClique(g, 1);
        if (QTest::currentTestFailed())
            return;
        if (!repete) {
            comoAntes();
            if (QTest::currentTestFailed())
                return;
        }

        // Told once, in Portuguese, after the bounded wait when the file was busy.
        const QList<CaixaMostrada> avisos = [&] {
            QList<CaixaMostrada> l;
            for (const CaixaMostrada &c : caixas.caixas)
                if (!c.texto.startsWith(QStringLiteral("Deseja mesmo apagar")))
                    l << c;
            return l;
        }();
        QCOMPARE(avisos.size(), 1);
        QVERIFY2(avisos[0].texto.startsWith(apagar ? QStringLiteral("O movimento não foi apagado")
                                                   : QStringLiteral("O movimento não foi gravado")),
                 qPrintable(avisos[0].texto));
        QVERIFY2(avisos[0].texto.contains(
                     ocupada ? QStringLiteral("A base de dados está ocupada por outro programa")
                             : QStringLiteral("extras recusados")),
                 qPrintable(avisos[0].texto));
        QCOMPARE(avisos[0].icone, Icone::Critico);
        if (ocupada) {
            QVERIFY2(espera >= EsperaCurta - 50, qPrintable(QString::number(espera)));
            QVERIFY2(espera < EsperaCurta + 4000, qPrintable(QString::number(espera)));
        }
        // What was typed came back on screen.
        if (!apagar)
            QCOMPARE(reaberto, escrito);
        QVERIFY(g->isEnabled());
        QVERIFY(nenhumMovimentoEmEdicao(janela.get()));
        QCOMPARE(g->CellBackColor(1, 4), QColor());
        if (!repete)
            return;
        // Tried again once the cause was gone: the movement and its extras, both.
        if (passo == QStringLiteral("criação")) {
            const qint64 n = janela->Frame2->Txt_NumAuto->text().toLongLong();
            QCOMPARE(movimento(pasta.bd(), n),
                     Regional::paraIso(Relogio::hoje())
                         + QStringLiteral("||Renda de Março||0|2500|0|1|0"));
            QCOMPARE(extras(pasta.bd(), n), QStringLiteral("||paga à vista"));
            QCOMPARE(g->Rows(), 3);
        } else {
            QCOMPARE(movimento(pasta.bd(), a),
                     QStringLiteral("2024-01-02||Renda de Março||0|10000|0|1|0"));
            QCOMPARE(extras(pasta.bd(), a), QStringLiteral("Renda||paga à vista"));
            QCOMPARE(g->TextMatrix(1, 4), QStringLiteral("Renda de Março"));
        }
    }

    void fecharComEscritaQueFalha_data()
    {
        QTest::addColumn<QString>("tabela");    // whose UPDATE fails ("disco cheio")
        QTest::addColumn<QString>("respostas"); // the user's answers, in order
        QTest::addColumn<bool>("remedeia");     // the cause is gone before "sim"
        QTest::addColumn<bool>("fecha");
        QTest::addColumn<bool>("gravado");      // the changed row reached the database
        QTest::newRow("tentar de novo grava") << "TabBancos1Det" << "sim" << true << true << true;
        QTest::newRow("falha de novo, fechar sem gravar")
            << "TabBancos1Det" << "sim,não" << false << true << false;
        QTest::newRow("fechar sem gravar") << "TabBancos1Det" << "não" << false << true << false;
        QTest::newRow("cancelar fica aberto")
            << "TabBancos1Det" << "cancelar" << false << false << false;
        QTest::newRow("estado da conta, fechar sem gravar")
            << "TabBancos" << "não" << false << true << true;
    }
    void fecharComEscritaQueFalha()
    {
        QFETCH(QString, tabela);
        QFETCH(QString, respostas);
        QFETCH(bool, remedeia);
        QFETCH(bool, fecha);
        QFETCH(bool, gravado);
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        const qint64 a = pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000, {},
                                               QStringLiteral("original"));
        pasta.bd().executaScript(QStringLiteral("CREATE TRIGGER Falha BEFORE UPDATE ON %1 BEGIN "
                                                "SELECT RAISE(ABORT, 'disco cheio'); END;")
                                     .arg(tabela));
        QStringList guiao = respostas.split(QLatin1Char(','));
        MensagensComAccao caixas([&](const CaixaMostrada &) {
            const QString r = guiao.isEmpty() ? QStringLiteral("cancelar") : guiao.takeFirst();
            if (r == QStringLiteral("sim") && remedeia)
                pasta.bd().executaScript(QStringLiteral("DROP TRIGGER Falha"));
            return botao(r);
        });
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;
        g->setTextMatrix(1, 4, QStringLiteral("por gravar"));
        g->setTextMatrix(1, 10, QStringLiteral("True"));

        QCOMPARE(janela->close(), fecha);
        QCOMPARE(janela->isVisible(), !fecha);
        QCOMPARE(caixas.caixas.size(), int(respostas.count(QLatin1Char(',')) + 1));
        const QString porGravar =
            tabela == QStringLiteral("TabBancos")
                ? QStringLiteral("Por gravar: a posição e o saldo da conta «Conta Teste» (os "
                                 "movimentos foram gravados).")
                : QStringLiteral("Por gravar: a alteração de 1 movimento da conta «Conta Teste»:"
                                 "\r   02-01-2024  por gravar  crédito 100,00");
        for (const CaixaMostrada &c : caixas.caixas) {
            QCOMPARE(c.titulo, QStringLiteral("AVISO"));
            QCOMPARE(c.icone, Icone::Critico);
            QCOMPARE(c.botoes, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            QVERIFY2(c.texto.startsWith(QStringLiteral("Não foi possível gravar ao fechar")),
                     qPrintable(c.texto));
            QVERIFY2(c.texto.contains(QStringLiteral("disco cheio")), qPrintable(c.texto));
            QVERIFY2(c.texto.contains(porGravar), qPrintable(c.texto));
            QVERIFY(c.texto.contains(QStringLiteral("Sim: tentar de novo.")));
            QVERIFY(c.texto.contains(QStringLiteral("Não: fechar sem gravar")));
        }
        QCOMPARE(movimento(pasta.bd(), a),
                 gravado ? QStringLiteral("2024-01-02||por gravar||0|10000|0|1|0")
                         : QStringLiteral("2024-01-02||original||0|10000|0|1|0"));
        if (fecha)
            return;
        // Kept open with the unsaved row still there; once the cause is gone it is written.
        QCOMPARE(g->TextMatrix(1, 4), QStringLiteral("por gravar"));
        QCOMPARE(g->TextMatrix(1, 10), QStringLiteral("True"));
        pasta.bd().executaScript(QStringLiteral("DROP TRIGGER Falha"));
        QVERIFY(janela->close());
        QCOMPARE(caixas.caixas.size(), 1);
        QCOMPARE(movimento(pasta.bd(), a), QStringLiteral("2024-01-02||por gravar||0|10000|0|1|0"));
    }
};

QUORVEL_TESTE(TestFalhasDeEscrita)
#include "TestFalhasDeEscrita.moc"
