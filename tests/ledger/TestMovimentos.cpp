// Creating, changing and deleting movements from the main window, as a user does: the creation
// buttons and menus, a double click on the grid, the editor's answer, and what the database
// holds afterwards.
#include "ApoioLedger.h"
#include "app/Frm_bancos.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "data/Relogio.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

using namespace ApoioLedger;

namespace {

const QColor AzulEdicao(128, 128, 255);

} // namespace

class TestMovimentos : public QObject
{
    Q_OBJECT
private slots:
    void criacaoDebitoCreditoEValorVazio()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000);
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;
        QCOMPARE(g->Rows(), 2);

        // A debit from the menu: the frame is cleared, dated today, typed "Débito".
        janela->Frame2->setCampo(2, QStringLiteral("restos de uma edição anterior"));
        Aberto visto;
        respondeEditor(janela.get(), QStringLiteral("1"), &visto, [](Frame2 *f) {
            f->setCampo(0, QStringLiteral("D1"));
            f->setCampo(1, QStringLiteral("10-03-2024"));
            f->setCampo(2, QStringLiteral("Renda de Março"));
            f->setCampo(3, QStringLiteral("1.234,50"));
            f->Cmb_Situacao->setCurrentText(QStringLiteral("V - Verificado"));
        });
        janela->Mnu_MovDebito->trigger();
        QVERIFY(visto.abriu);
        QCOMPARE(visto.tipo, QStringLiteral("Débito"));
        QCOMPARE(visto.data, Regional::formataData(Relogio::hoje()));
        QCOMPARE(visto.descricao, QString());
        QCOMPARE(visto.botaoAoAbrir, QStringLiteral("2"));
        const qint64 debito = janela->Frame2->Txt_NumAuto->text().toLongLong();
        QCOMPARE(movimento(pasta.bd(), debito),
                 QStringLiteral("2024-03-10|D1|Renda de Março|V|123450|0|0|1|0"));

        // A credit from the button.
        respondeEditor(janela.get(), QStringLiteral("1"), &visto, [](Frame2 *f) {
            f->setCampo(1, QStringLiteral("11-03-2024"));
            f->setCampo(3, QStringLiteral("12,5"));
        });
        QTest::mouseClick(janela->Cmd_CriaNovaEntrada, Qt::LeftButton);
        QCOMPARE(visto.tipo, QStringLiteral("Crédito"));
        const qint64 credito = janela->Frame2->Txt_NumAuto->text().toLongLong();
        QCOMPARE(movimento(pasta.bd(), credito), QStringLiteral("2024-03-11||||0|1250|0|1|0"));

        // No amount at all: 0 and 0. The debit button this time.
        respondeEditor(janela.get(), QStringLiteral("1"), &visto, [](Frame2 *f) {
            f->setCampo(1, QStringLiteral("12-03-2024"));
        });
        QTest::mouseClick(janela->Cmd_CriaNovaEntradaDebito, Qt::LeftButton);
        QCOMPARE(visto.tipo, QStringLiteral("Débito"));
        const qint64 vazio = janela->Frame2->Txt_NumAuto->text().toLongLong();
        QCOMPARE(movimento(pasta.bd(), vazio), QStringLiteral("2024-03-12||||0|0|0|1|0"));

        // The grid was reloaded with the running balance; nothing made an extras row.
        QCOMPARE(g->Rows(), 5);
        QCOMPARE(g->TextMatrix(4, 8), QStringLiteral("-1.122,00"));
        QCOMPARE(janela->Txt_SaldoFinal->text(), QStringLiteral("-1.122,00 €"));
        QCOMPARE(contaLinhas(pasta.bd(), QStringLiteral("SELECT * FROM TabBancosDetOutros")), 0);
        QVERIFY(g->isEnabled());
        QVERIFY(nenhumMovimentoEmEdicao(janela.get()));
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void criacaoComCategoriaCriaExtras()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000);
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        respondeEditor(janela.get(), QStringLiteral("1"), nullptr, [](Frame2 *f) {
            f->setCampo(3, QStringLiteral("5"));
            f->Cmb_Categoria->setCurrentText(QStringLiteral("Uma categoria de nome muito comprido"));
        });
        janela->Mnu_MovCredito->trigger();
        const qint64 n = janela->Frame2->Txt_NumAuto->text().toLongLong();
        QCOMPARE(extras(pasta.bd(), n), QStringLiteral("Uma categoria de nome muito co||"));
    }

    void edicaoEscreveSoALinhaEditada()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        const qint64 a = pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000, {},
                                               QStringLiteral("Saldo inicial"));
        const qint64 b = pasta.insereMovimento(1, QStringLiteral("2024-01-05"), 123450, 0,
                                               QStringLiteral("V"), QStringLiteral("Renda"),
                                               QStringLiteral("CH-1"));
        const qint64 c = pasta.insereMovimento(1, QStringLiteral("2024-01-09"), 2000, 0);
        pasta.insereExtras(b, 1, QStringLiteral("Renda"), QStringLiteral("Escritório"),
                           QStringLiteral("Janeiro"));
        const QString antesA = movimento(pasta.bd(), a), antesC = movimento(pasta.bd(), c);
        registaActualizacoes(pasta.bd());
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;

        Aberto visto;
        QColor corDurante;
        bool grelhaActivaDurante = true;
        respondeEditor(janela.get(), QStringLiteral("1"), &visto, [&](Frame2 *f) {
            corDurante = g->CellBackColor(2, 4);
            grelhaActivaDurante = g->isEnabled();
            f->setCampo(2, QStringLiteral("Renda de Janeiro"));
            f->setCampo(3, QStringLiteral("1.300"));
            f->setCampo(4, QStringLiteral("Paga por transferência"));
        });
        duploClique(g, 2);
        QVERIFY(visto.abriu);
        QCOMPARE(visto.numAuto, QString::number(b));
        QCOMPARE(visto.tipo, QStringLiteral("Débito"));
        QCOMPARE(visto.valor, QStringLiteral("1234,5"));
        QCOMPARE(visto.data, QStringLiteral("05-01-2024"));
        QCOMPARE(visto.numero, QStringLiteral("CH-1"));
        QCOMPARE(visto.descricao, QStringLiteral("Renda"));
        QCOMPARE(visto.situacao, QStringLiteral("V"));
        QCOMPARE(visto.categoria1, QStringLiteral("Escritório"));
        QCOMPARE(visto.observacoes, QStringLiteral("Janeiro"));
        QCOMPARE(corDurante, AzulEdicao);
        QVERIFY(!grelhaActivaDurante);

        QCOMPARE(escritas(pasta.bd()), QList<qint64>{b});
        QCOMPARE(movimento(pasta.bd(), b),
                 QStringLiteral("2024-01-05|CH-1|Renda de Janeiro|V|130000|0|0|1|0"));
        QCOMPARE(movimento(pasta.bd(), a), antesA);
        QCOMPARE(movimento(pasta.bd(), c), antesC);
        QCOMPARE(extras(pasta.bd(), b),
                 QStringLiteral("Renda|Escritório|Paga por transferência"));
        // Reloaded: new balances, no highlight, the row still chosen.
        QCOMPARE(g->TextMatrix(2, 6), QStringLiteral("1.300,00"));
        QCOMPARE(g->TextMatrix(3, 8), QStringLiteral("-1.220,00"));
        QCOMPARE(g->TextMatrix(2, 10), QStringLiteral("False"));
        QCOMPARE(g->CellBackColor(2, 4), QColor());
        QCOMPARE(g->Row(), 2);
        QVERIFY(g->isEnabled());
        QVERIFY(nenhumMovimentoEmEdicao(janela.get()));
    }

    void cancelarRepoeCorENadaEscreve()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000);
        const qint64 hoje =
            pasta.insereMovimento(1, Regional::paraIso(Relogio::hoje()), 500, 0);
        registaActualizacoes(pasta.bd());
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;
        const QColor cinzento = g->CellBackColor(2, 3);
        QVERIFY(cinzento.isValid());

        QColor corDurante;
        respondeEditor(janela.get(), QStringLiteral("2"), nullptr, [&](Frame2 *f) {
            corDurante = g->CellBackColor(2, 3);
            f->setCampo(2, QStringLiteral("não deve ficar"));
        });
        duploClique(g, 2);
        QCOMPARE(corDurante, AzulEdicao);
        for (int c = 1; c < g->Cols(); ++c)
            QCOMPARE(g->CellBackColor(2, c), cinzento);
        QCOMPARE(escritas(pasta.bd()), QList<qint64>{});
        QCOMPARE(g->TextMatrix(2, 4), QString());
        QVERIFY(g->isEnabled());
        QVERIFY(nenhumMovimentoEmEdicao(janela.get()));

        // An editor closed by no button after an earlier validation is a cancel too: the code
        // the validation left must not be acted on again.
        respondeEditor(janela.get(), QStringLiteral("1"), nullptr, [](Frame2 *f) {
            f->setCampo(2, QStringLiteral("validado"));
        });
        duploClique(g, 2);
        QCOMPARE(escritas(pasta.bd()), QList<qint64>{hoje});
        Aberto visto;
        respondeEditor(janela.get(), QString(), &visto, [](Frame2 *f) {
            f->setCampo(2, QStringLiteral("fechado sem botão"));
        });
        duploClique(g, 2);
        QVERIFY(visto.abriu);
        QCOMPARE(escritas(pasta.bd()), QList<qint64>{hoje});
        QCOMPARE(g->TextMatrix(2, 4), QStringLiteral("validado"));
        QVERIFY(g->isEnabled());
    }

    void apagarMudaParaContaMenosUmERetiraExtras()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000);
        const qint64 b = pasta.insereMovimento(1, QStringLiteral("2024-01-05"), 3000, 0, {},
                                               QStringLiteral("Apagar"));
        pasta.insereMovimento(1, QStringLiteral("2024-01-06"), 0, 5000);
        pasta.insereExtras(b, 1, QStringLiteral("Água"), {}, QStringLiteral("nota"));
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;
        QCOMPARE(janela->Txt_SaldoFinal->text(), QStringLiteral("120,00 €"));

        respondeEditor(janela.get(), QStringLiteral("3"), nullptr);
        duploClique(g, 2);
        QCOMPARE(movimento(pasta.bd(), b), QStringLiteral("2024-01-05||Apagar||3000|0|0|-1|0"));
        QCOMPARE(extras(pasta.bd(), b), QStringLiteral("(nenhum)"));
        QCOMPARE(g->Rows(), 3);
        QCOMPARE(g->TextMatrix(2, 8), QStringLiteral("150,00"));
        QCOMPARE(janela->Txt_SaldoFinal->text(), QStringLiteral("150,00 €"));
        QVERIFY(g->isEnabled());
        QVERIFY(nenhumMovimentoEmEdicao(janela.get()));
    }

    void apagarOUltimoComecaUmNovoSemTrocarExtras()
    {
        // The account empties, so its reload starts a new credit at once; the deleted
        // movement's extras must go, not the new one's.
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        const qint64 a = pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000);
        pasta.insereExtras(a, 1, QStringLiteral("Vendas"), {}, QStringLiteral("velho"));
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        Aberto novo;
        respondeEditor(janela.get(), QStringLiteral("3"), nullptr, [&](Frame2 *) {
            respondeEditor(janela.get(), QStringLiteral("1"), &novo, [](Frame2 *f) {
                f->setCampo(3, QStringLiteral("7"));
                f->Cmb_Categoria->setCurrentText(QStringLiteral("Juros"));
            });
        });
        duploClique(janela->MSHFlexGrid1, 1);
        QVERIFY(novo.abriu);
        QCOMPARE(novo.tipo, QStringLiteral("Crédito"));
        const qint64 n = janela->Frame2->Txt_NumAuto->text().toLongLong();
        QVERIFY(n != a);
        QCOMPARE(extras(pasta.bd(), a), QStringLiteral("(nenhum)"));
        QCOMPARE(extras(pasta.bd(), n), QStringLiteral("Juros||"));
        QCOMPARE(janela->MSHFlexGrid1->Rows(), 2);
        QVERIFY(janela->MSHFlexGrid1->isEnabled());
        QVERIFY(nenhumMovimentoEmEdicao(janela.get()));
    }

    void extrasSoComTextoEIntactosQuandoLimpos()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        const qint64 a = pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000);
        const qint64 b = pasta.insereMovimento(1, QStringLiteral("2024-01-03"), 100, 0);
        pasta.insereExtras(b, 1, QStringLiteral("Água"), QStringLiteral("Casa"),
                           QStringLiteral("contador"));
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;

        // Only observations on a movement without extras: a row is created.
        respondeEditor(janela.get(), QStringLiteral("1"), nullptr, [](Frame2 *f) {
            f->setCampo(4, QStringLiteral("só observações"));
        });
        duploClique(g, 1);
        QCOMPARE(extras(pasta.bd(), a), QStringLiteral("||só observações"));

        // All three cleared: the stored row keeps its values.
        respondeEditor(janela.get(), QStringLiteral("1"), nullptr, [](Frame2 *f) {
            f->Cmb_Categoria->setCurrentText(QString());
            f->Cmb_Categoria1->setCurrentText(QString());
            f->setCampo(4, QString());
            f->setCampo(2, QStringLiteral("limpo"));
        });
        duploClique(g, 2);
        QCOMPARE(extras(pasta.bd(), b), QStringLiteral("Água|Casa|contador"));
        QCOMPARE(movimento(pasta.bd(), b), QStringLiteral("2024-01-03||limpo||100|0|0|1|0"));
    }

    void contaSemMovimentosComecaUmCredito()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(2, QStringLiteral("Conta Nova"));
        auto janela = pasta.iniciaPrograma();
        Aberto visto;
        respondeEditor(janela.get(), QStringLiteral("1"), &visto,
                       [&](Frame2 *f) { f->setCampo(3, QStringLiteral("50")); });
        janela->Mnu_Banco_Click(2);
        QVERIFY(visto.abriu);
        QCOMPARE(visto.titulo, QStringLiteral(" Criação de NOVO Movimento "));
        QCOMPARE(visto.tipo, QStringLiteral("Crédito"));
        const qint64 n = janela->Frame2->Txt_NumAuto->text().toLongLong();
        QCOMPARE(movimento(pasta.bd(), n),
                 Regional::paraIso(Relogio::hoje()) + QStringLiteral("||||0|5000|0|2|0"));
        QVERIFY(janela->MSHFlexGrid1->isVisible());
        QCOMPARE(janela->MSHFlexGrid1->Rows(), 2);
        QCOMPARE(janela->Txt_SaldoFinal->text(), QStringLiteral("50,00 €"));
    }

    void dataInvalidaAvisaEGuardaORestante()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        const qint64 a = pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000);
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        respondeEditor(janela.get(), QStringLiteral("1"), nullptr, [](Frame2 *f) {
            f->setCampo(1, QStringLiteral("31-02-2024"));
            f->setCampo(2, QStringLiteral("nova descrição"));
        });
        duploClique(janela->MSHFlexGrid1, 1);
        QCOMPARE(caixas.caixas.size(), 1);
        QCOMPARE(caixas.caixas[0].texto, QStringLiteral("A data 31-02-2024 não é válida!..."));
        QCOMPARE(caixas.caixas[0].titulo, QStringLiteral("AVISO"));
        QCOMPARE(caixas.caixas[0].icone, Icone::Exclamacao);
        QCOMPARE(movimento(pasta.bd(), a),
                 QStringLiteral("2024-01-02||nova descrição||0|10000|0|1|0"));
    }

    void erroDaBaseDeDadosDeixaAGrelhaUtilizavel()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        const qint64 a = pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000, {},
                                               QStringLiteral("original"));
        const QString antes = movimento(pasta.bd(), a);
        pasta.bd().executaScript(QStringLiteral(
            "CREATE TRIGGER Falha BEFORE UPDATE ON TabBancos1Det BEGIN "
            "SELECT RAISE(ABORT, 'disco cheio'); END;"));
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;
        // The editor opens again with what was typed; the user cancels it.
        Aberto reaberto;
        respondeEditor(janela.get(), QStringLiteral("1"), nullptr, [&](Frame2 *f) {
            f->setCampo(2, QStringLiteral("alterado"));
            f->setCampo(4, QStringLiteral("nota"));
            respondeEditor(janela.get(), QStringLiteral("2"), &reaberto);
        });
        duploClique(g, 1);
        QVERIFY(reaberto.abriu);
        QCOMPARE(reaberto.descricao, QStringLiteral("alterado"));
        QCOMPARE(reaberto.observacoes, QStringLiteral("nota"));
        QCOMPARE(caixas.caixas.size(), 1);
        QVERIFY(caixas.caixas[0].texto.contains(QStringLiteral("disco cheio")));
        QVERIFY(caixas.caixas[0].texto.startsWith(QStringLiteral("O movimento não foi gravado")));
        QCOMPARE(caixas.caixas[0].icone, Icone::Critico);
        QCOMPARE(movimento(pasta.bd(), a), antes);
        QVERIFY(g->isEnabled());
        QVERIFY(nenhumMovimentoEmEdicao(janela.get()));
        // The grid shows what is stored, and closing has nothing left to write.
        QCOMPARE(g->TextMatrix(1, 4), QStringLiteral("original"));
        QCOMPARE(g->TextMatrix(1, 10), QStringLiteral("False"));
        QCOMPARE(g->CellBackColor(1, 4), QColor());

        // Still usable: a new movement goes in (inserts are not blocked).
        respondeEditor(janela.get(), QStringLiteral("1"), nullptr, [](Frame2 *f) {
            f->setCampo(3, QStringLiteral("1"));
        });
        janela->Mnu_MovCredito->trigger();
        QCOMPARE(g->Rows(), 3);
        QCOMPARE(caixas.caixas.size(), 1);
    }

    void gravaTodasLinhasEscreveSaldosNumaTransaccao()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        const qint64 a = pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000);
        const qint64 b = pasta.insereMovimento(1, QStringLiteral("2024-01-05"), 3001, 0);
        const qint64 c = pasta.insereMovimento(1, QStringLiteral("2024-01-06"), 0, 5000,
                                               QStringLiteral("A"));
        const qint64 d = pasta.insereMovimento(1, {}, 0, 0);
        pasta.bd().executa(QStringLiteral("UPDATE TabBancos1Det SET Alterou = 1"));
        pasta.bd().executaScript(QStringLiteral(
            "CREATE TRIGGER Falha BEFORE UPDATE ON TabBancos1Det WHEN NEW.NumAutomatico = %1 "
            "BEGIN SELECT RAISE(ABORT, 'falhou'); END;").arg(c));
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);

        // One row fails: none is written.
        QVERIFY_THROWS_EXCEPTION(ErroBaseDados, janela->GravaTodasLinhas());
        QCOMPARE(contaLinhas(pasta.bd(), QStringLiteral("SELECT * FROM TabBancos1Det WHERE "
                                                        "Saldo <> 0 OR Alterou = 0")),
                 0);

        pasta.bd().executaScript(QStringLiteral("DROP TRIGGER Falha"));
        janela->GravaTodasLinhas();
        QCOMPARE(movimento(pasta.bd(), d), QStringLiteral("NULL||||0|0|0|1|0"));
        QCOMPARE(movimento(pasta.bd(), a), QStringLiteral("2024-01-02||||0|10000|10000|1|0"));
        QCOMPARE(movimento(pasta.bd(), b), QStringLiteral("2024-01-05||||3001|0|6999|1|0"));
        QCOMPARE(movimento(pasta.bd(), c), QStringLiteral("2024-01-06|||A|0|5000|6999|1|0"));
        QCOMPARE(caixas.caixas.size(), 0); // an undated movement is not an invalid date
    }

    void passagemLongaMudaDatasEContas()
    {
        // A pass of many rows reads the stored dates first; a changed date or account must
        // still be written, and an unchanged row is left alone.
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        std::vector<qint64> chaves;
        for (int i = 0; i < 80; ++i)
            chaves.push_back(pasta.insereMovimento(
                1, Regional::paraIso(QDate(2024, 1, 1).addDays(i)), 0, 100));
        pasta.bd().executa(QStringLiteral("UPDATE TabBancos1Det SET Saldo = 100 * NumAutomatico "
                                          "- 100 * ? + 100 WHERE NumAutomatico <> ?"),
                           {chaves[0], chaves[10]});
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        registaActualizacoes(pasta.bd());
        FlexGrid *g = janela->MSHFlexGrid1;
        g->setTextMatrix(5, 2, QStringLiteral("15-06-2025"));
        g->setTextMatrix(7, 9, QStringLiteral("-1"));
        janela->GravaTodasLinhas();
        QCOMPARE(movimento(pasta.bd(), chaves[4]), QStringLiteral("2025-06-15||||0|100|500|1|0"));
        QCOMPARE(movimento(pasta.bd(), chaves[6]), QStringLiteral("2024-01-07||||0|100|700|-1|0"));
        QCOMPARE(movimento(pasta.bd(), chaves[10]), QStringLiteral("2024-01-11||||0|100|1100|1|0"));
        QList<qint64> esperadas{chaves[4], chaves[6], chaves[10]};
        QList<qint64> vistas = escritas(pasta.bd());
        std::sort(vistas.begin(), vistas.end());
        QCOMPARE(vistas, esperadas);
    }

    void editorRealAlteraEApaga()
    {
        // The whole round trip through the real editor: typed values, its own buttons.
        MensagensGuionadas caixas; // "Deseja mesmo apagar...?" is answered Yes
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        const qint64 a = pasta.insereMovimento(1, QStringLiteral("2024-02-01"), 123450, 0, {},
                                               QStringLiteral("Luz"));
        const qint64 b = pasta.insereMovimento(1, QStringLiteral("2024-02-02"), 0, 500000);
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;

        QString valorAoAbrir;
        aoAbrir<Frm_Frame2>([&](Frm_Frame2 *d) {
            valorAoAbrir = d->TxtCampo[3]->text();
            d->TxtCampo[3]->selectAll();
            QTest::keyClicks(d->TxtCampo[3], QStringLiteral("99.5"));
            d->TxtCampo[2]->selectAll();
            QTest::keyClicks(d->TxtCampo[2], QStringLiteral("Electricidade"));
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
        });
        duploClique(g, 1);
        QCOMPARE(valorAoAbrir, QStringLiteral("1234,5"));
        QCOMPARE(movimento(pasta.bd(), a),
                 QStringLiteral("2024-02-01||Electricidade||9950|0|0|1|0"));
        QCOMPARE(g->TextMatrix(2, 8), QStringLiteral("4.900,50"));

        aoAbrir<Frm_Frame2>([](Frm_Frame2 *d) {
            QTest::mouseClick(d->Cmd_ApagaMovimento, Qt::LeftButton);
        });
        duploClique(g, 2);
        QCOMPARE(movimento(pasta.bd(), b), QStringLiteral("2024-02-02||||0|500000|0|-1|0"));
        QCOMPARE(g->Rows(), 2);
        QCOMPARE(janela->Txt_SaldoFinal->text(), QStringLiteral("-99,50 €"));
        QVERIFY(g->isEnabled());
    }

    void fecharGravaLinhasMarcadas()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta Teste"));
        const qint64 a = pasta.insereMovimento(1, QStringLiteral("2024-01-02"), 0, 10000);
        const qint64 b = pasta.insereMovimento(1, QStringLiteral("2024-01-03"), 0, 10000);
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;
        g->setTextMatrix(1, 4, QStringLiteral("por gravar"));
        g->setTextMatrix(1, 10, QStringLiteral("True"));
        g->setTextMatrix(2, 4, QStringLiteral("não marcada"));
        janela->close();
        QCOMPARE(movimento(pasta.bd(), a), QStringLiteral("2024-01-02||por gravar||0|10000|0|1|0"));
        QCOMPARE(movimento(pasta.bd(), b), QStringLiteral("2024-01-03||||0|10000|0|1|0"));
    }
};

QUORVEL_TESTE(TestMovimentos)
#include "TestMovimentos.moc"
