// The statement import as a user does it: the menu, the file dialog, the preview with one
// decision changed, "Confirmar"; then the grid and the database. And the undo from the menu.
#include "ApoioExtractos.h"
#include "app/Frm_bancos.h"
#include "extractos/Frm_ColunasCsv.h"
#include "extractos/Frm_PrevisaoExtracto.h"
#include "extractos/Frm_RegrasCategoria.h"
#include "extractos/GeradorExtractos.h"
#include "conta/ColunasGrelha.h"
#include "platform/FlexGrid.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/RegistoTestes.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {

using namespace ColunasGrelha;

const QString Nib = QStringLiteral("0033 0000 45678912345 67");

QString celula(const QTableView *v, int r, int c)
{
    return v->model()->index(r, c).data().toString();
}

// Account 1 with two movements still to verify; a statement with the first of them one day
// later, a fee and a transfer the ledger lacks; its closing balance short by 1,00.
QString preparaConta(PastaTeste &pasta, qint64 &meu)
{
    pasta.nomeiaConta(1, QStringLiteral("Empresa"));
    pasta.bd().executa(QStringLiteral("UPDATE TabBancos SET nib = ? WHERE NumBanco = 1"), {Nib});
    pasta.insereMovimento(1, QStringLiteral("2026-02-27"), 0, 100000, QStringLiteral("V"),
                          QStringLiteral("Saldo anterior"));
    meu = pasta.insereMovimento(1, QStringLiteral("2026-03-02"), 4599, 0, {},
                                QStringLiteral("Telefone Março"));
    pasta.insereMovimento(1, QStringLiteral("2026-03-04"), 2000, 0, {},
                          QStringLiteral("Cheque por levantar"), QStringLiteral("77"));
    Extracto e = extractoDe({linhaExtracto(QStringLiteral("2026-03-03"), -4599,
                                           QStringLiteral("DD MEO"), {}, QStringLiteral("T1")),
                             linhaExtracto(QStringLiteral("2026-03-05"), -250,
                                           QStringLiteral("COMISSAO MANUTENCAO"), {},
                                           QStringLiteral("T2")),
                             linhaExtracto(QStringLiteral("2026-03-06"), 30000,
                                           QStringLiteral("TRF CLIENTE SILVA"), {},
                                           QStringLiteral("T3"))},
                            QStringLiteral("PT50003300004567891234567"));
    e.saldoFinal = SaldoExtracto{QDate(2026, 3, 6), Dinheiro::deCentimos(125051)};
    const QString caminho = pasta.caminho(QStringLiteral("marco.ofx"));
    QFile f(caminho);
    f.open(QIODevice::WriteOnly);
    f.write(GeradorExtractos::ofx2(e));
    return caminho;
}

void respondeFicheiro(const QString &caminho)
{
    aoAbrir<QFileDialog>([caminho](QFileDialog *d) {
        QCOMPARE(d->objectName(), QStringLiteral("Dlg_AbreExtracto"));
        d->selectFile(caminho);
        QMetaObject::invokeMethod(d, "accept");
    });
}

} // namespace

class TestJanelaExtracto : public QObject
{
    Q_OBJECT
private slots:
    void importaPelaJanela()
    {
        PastaTeste pasta;
        qint64 meu = 0;
        const QString caminho = preparaConta(pasta, meu);
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid *g = janela->MSHFlexGrid1;
        QCOMPARE(g->Rows() - FlexGrid::FixedRows, 3);

        bool viu = false;
        respondeFicheiro(caminho);
        aoAbrir<Frm_PrevisaoExtracto>([&](Frm_PrevisaoExtracto *f) {
            viu = true;
            const QTableView *linhas = f->Grd_LinhasExtracto;
            QCOMPARE(linhas->model()->rowCount(), 3);
            QCOMPARE(celula(linhas, 0, 4), QStringLiteral("Conciliado"));
            QVERIFY(celula(linhas, 0, 5).contains(QStringLiteral("Telefone Março")));
            QCOMPARE(celula(linhas, 1, 4), QStringLiteral("Novo"));
            QCOMPARE(celula(linhas, 2, 4), QStringLiteral("Novo"));
            QCOMPARE(f->Grd_SoNoRazao->rowCount(), 1);
            QCOMPARE(f->Grd_SoNoRazao->item(0, 2)->text(), QStringLiteral("Cheque por levantar"));
            QCOMPARE(f->Lbl_SaldoFinal->text(), QStringLiteral("1.250,51"));
            QCOMPARE(f->Lbl_SaldoRazaoFinal->text(), QStringLiteral("1.231,51"));
            QCOMPARE(f->Lbl_DiferencaFinal->text(), QStringLiteral("19,00"));
            // The user knows the transfer is not this company's: ignored.
            f->Grd_LinhasExtracto->selectRow(2);
            QTest::mouseClick(f->Cmd_Ignorar, Qt::LeftButton);
            QCOMPARE(celula(linhas, 2, 4), QStringLiteral("Ignorado"));
            QCOMPARE(f->Lbl_Resumo->text(),
                     QStringLiteral("1 conciliados, 1 novos, 0 já importados, 1 ignorados"));
            QCOMPARE(f->Lbl_SaldoRazaoFinal->text(), QStringLiteral("931,51"));
            QTest::mouseClick(f->Cmd_Confirmar, Qt::LeftButton);
        });
        janela->Mnu_ImportarExtracto->trigger();
        QVERIFY(viu);
        QCOMPARE(caixas.textos().last(),
                 QStringLiteral("Extracto marco.ofx importado na conta \"Empresa\":\r1 movimentos "
                                "novos, 1 conciliados, 0 já importados, 1 ignorados."));

        // The grid was reloaded: the fee is there, verified, and the match is marked.
        QCOMPARE(g->Rows() - FlexGrid::FixedRows, 4);
        QCOMPARE(g->TextMatrix(2, Descricao), QStringLiteral("Telefone Março"));
        QCOMPARE(g->TextMatrix(2, S), QStringLiteral("V"));
        QCOMPARE(g->TextMatrix(4, Descricao), QStringLiteral("COMISSAO MANUTENCAO"));
        QCOMPARE(g->TextMatrix(4, S), QStringLiteral("V"));
        QCOMPARE(g->TextMatrix(4, Debito), QStringLiteral("2,50"));
        QCOMPARE(janela->Txt_SaldoFinal->text(), QStringLiteral("931,51 €"));
        BaseDados &bd = pasta.bd();
        QCOMPARE(contaLinhas(bd, QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det "
                                                "WHERE NumBanco = 1 AND S = 'V'")),
                 3);
        QCOMPARE(bd.consulta(QStringLiteral("SELECT Ficheiro || '|' || Novos || '|' || "
                                            "Conciliados || '|' || Ignorados AS t FROM "
                                            "TabImportacoes"))
                     .texto(QStringLiteral("t")),
                 QStringLiteral("marco.ofx|1|1|1"));

        // Undone from the menu: the ledger and the grid as before.
        caixas.respostas = {QMessageBox::Yes};
        janela->Mnu_AnularImportacao->trigger();
        QVERIFY(caixas.caixas.at(caixas.caixas.size() - 2)
                    .texto.startsWith(QStringLiteral("Anular a importação do extracto marco.ofx")));
        QCOMPARE(caixas.textos().last(), QStringLiteral("Importação do extracto marco.ofx "
                                                        "anulada: 1 movimentos apagados, 1 "
                                                        "repostos."));
        QCOMPARE(g->Rows() - FlexGrid::FixedRows, 3);
        QCOMPARE(g->TextMatrix(2, S), QString());
        QCOMPARE(janela->Txt_SaldoFinal->text(), QStringLiteral("934,01 €"));
    }

    // From the preview: a rule made from a line gives it its category; a line marked new, then
    // matched by hand from the list of movements it could be.
    void regraEConciliacaoAMao()
    {
        PastaTeste pasta;
        qint64 meu = 0;
        const QString caminho = preparaConta(pasta, meu);
        // The fee's own movement, typed with a date two days off.
        const qint64 outro = pasta.insereMovimento(1, QStringLiteral("2026-03-07"), 250, 0, {},
                                                   QStringLiteral("Comissão do banco"));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        respondeFicheiro(caminho);
        aoAbrir<Frm_PrevisaoExtracto>([&](Frm_PrevisaoExtracto *f) {
            const QTableView *linhas = f->Grd_LinhasExtracto;
            QCOMPARE(celula(linhas, 1, 4), QStringLiteral("Conciliado")); // the fee, 2 days off
            f->Grd_LinhasExtracto->selectRow(2);
            aoAbrir<Frm_RegrasCategoria>([](Frm_RegrasCategoria *r) {
                const int n = r->Grd_Regras->rowCount() - 1;
                QCOMPARE(r->Grd_Regras->item(n, 0)->text(), QStringLiteral("TRF CLIENTE SILVA"));
                r->Grd_Regras->item(n, 0)->setText(QStringLiteral("cliente silva"));
                r->Grd_Regras->item(n, 1)->setText(QStringLiteral("Vendas"));
                r->Grd_Regras->item(n, 2)->setText(QStringLiteral("Silva"));
                QTest::mouseClick(r->Cmd_Gravar, Qt::LeftButton);
            });
            QTest::mouseClick(f->Cmd_CriarRegra, Qt::LeftButton);
            QCOMPARE(celula(linhas, 2, 5), QStringLiteral("Vendas / Silva"));

            f->Grd_LinhasExtracto->selectRow(1);
            QTest::mouseClick(f->Cmd_MarcarNovo, Qt::LeftButton);
            QCOMPARE(celula(linhas, 1, 4), QStringLiteral("Novo"));
            aoAbrir<QInputDialog>([](QInputDialog *d) {
                QCOMPARE(d->objectName(), QStringLiteral("Frm_EscolheMovimento"));
                QCOMPARE(d->comboBoxItems().size(), 1);
                QVERIFY(d->comboBoxItems().first().contains(QStringLiteral("Comissão do banco")));
                d->setTextValue(d->comboBoxItems().first());
                d->accept();
            });
            QTest::mouseClick(f->Cmd_Conciliar, Qt::LeftButton);
            QCOMPARE(celula(linhas, 1, 4), QStringLiteral("Conciliado"));
            QTest::mouseClick(f->Cmd_Confirmar, Qt::LeftButton);
        });
        janela->Mnu_ImportarExtracto->trigger();
        BaseDados &bd = pasta.bd();
        QCOMPARE(bd.consulta(QStringLiteral("SELECT S FROM TabBancos1Det WHERE NumAutomatico = ?"),
                             {outro})
                     .texto(QStringLiteral("S")),
                 QStringLiteral("V"));
        QCOMPARE(bd.consulta(QStringLiteral("SELECT o.Categoria || '|' || o.Categoria1 AS t FROM "
                                            "TabBancos1Det m JOIN TabBancosDetOutros o ON "
                                            "o.NumAutoDet = m.NumAutomatico WHERE m.Credito = "
                                            "30000"))
                     .texto(QStringLiteral("t")),
                 QStringLiteral("Vendas|Silva"));
        QCOMPARE(RegrasCategoria::le(bd, 1).size(), size_t(1));
    }

    // A CSV export: the column window first, as proposed, then the preview.
    void csvPelaJanelaDeColunas()
    {
        PastaTeste pasta;
        qint64 meu = 0;
        preparaConta(pasta, meu);
        Extracto e = extractoDe({linhaExtracto(QStringLiteral("2026-03-03"), -4599,
                                               QStringLiteral("DD MEO"))});
        const QString caminho = pasta.caminho(QStringLiteral("marco.csv"));
        QFile f(caminho);
        f.open(QIODevice::WriteOnly);
        f.write(GeradorExtractos::csv(e, CodificacaoTexto::Windows1252, u';',
                                      FormaDebito::ColunaDebito, FormaData::DiaMesAnoHifen));
        f.close();
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        respondeFicheiro(caminho);
        aoAbrir<Frm_ColunasCsv>([](Frm_ColunasCsv *c) {
            auto *ok = c->findChild<QPushButton *>(QStringLiteral("Cmd_Ok"));
            QVERIFY(ok);
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        aoAbrir<Frm_PrevisaoExtracto>([](Frm_PrevisaoExtracto *p) {
            QCOMPARE(celula(p->Grd_LinhasExtracto, 0, 4), QStringLiteral("Conciliado"));
            QTest::mouseClick(p->Cmd_Confirmar, Qt::LeftButton);
        });
        janela->Mnu_ImportarExtracto->trigger();
        QCOMPARE(pasta.bd()
                     .consulta(
                         QStringLiteral("SELECT S FROM TabBancos1Det WHERE NumAutomatico = ?"),
                         {meu})
                     .texto(QStringLiteral("S")),
                 QStringLiteral("V"));
    }

    // A damaged file: its line is named, nothing is written, and the program goes on.
    void ficheiroDanificado()
    {
        PastaTeste pasta;
        qint64 meu = 0;
        const QString caminho = preparaConta(pasta, meu);
        QFile f(caminho);
        f.open(QIODevice::ReadOnly);
        QByteArray bytes = f.readAll();
        f.close();
        bytes.replace("<TRNAMT>-45.99", "<TRNAMT>-4x5.99");
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        f.close();
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        janela->GravaTodasLinhas(); // the balances the import writes first are not its doing
        const QStringList antes = despejoRazao(pasta.bd());
        respondeFicheiro(caminho);
        janela->Mnu_ImportarExtracto->trigger();
        QVERIFY2(caixas.textos().last().contains(QStringLiteral("marco.ofx")),
                 qPrintable(caixas.textos().last()));
        QVERIFY(caixas.textos().last().endsWith(QStringLiteral("Nada foi importado.")));
        QCOMPARE(despejoRazao(pasta.bd()), antes);
        QVERIFY(janela->MSHFlexGrid1->isVisible());
    }

    // A protected account that is not open asks its password; a wrong one stops the import.
    void contaProtegidaPedePassword()
    {
        PastaTeste pasta;
        qint64 meu = 0;
        const QString caminho = preparaConta(pasta, meu);
        pasta.nomeiaConta(1, QStringLiteral("Empresa"), QStringLiteral("segredo"));
        pasta.nomeiaConta(2, QStringLiteral("Caixa"));
        pasta.insereMovimento(2, QStringLiteral("2026-03-01"), 0, 500);
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(2); // the file's IBAN is account 1's: that one is proposed
        janela->GravaTodasLinhas();
        const QStringList antes = despejoRazao(pasta.bd());
        respondeFicheiro(caminho);
        respondePassword(QStringLiteral("errada"));
        janela->Mnu_ImportarExtracto->trigger();
        QCOMPARE(caixas.textos().last(), QStringLiteral("password incorrecta..."));
        QCOMPARE(despejoRazao(pasta.bd()), antes);

        respondeFicheiro(caminho);
        respondePassword(QStringLiteral("SEGREDO"));
        aoAbrir<Frm_PrevisaoExtracto>([](Frm_PrevisaoExtracto *f) {
            QCOMPARE(f->Cmb_Conta->currentText(), QStringLiteral("Empresa"));
            QTest::mouseClick(f->Cmd_Confirmar, Qt::LeftButton);
        });
        janela->Mnu_ImportarExtracto->trigger();
        QCOMPARE(contaLinhas(pasta.bd(), QStringLiteral("SELECT count(*) AS n FROM "
                                                        "TabBancos1Det WHERE NumBanco = 1")),
                 5);
    }
};

QUORVEL_TESTE(TestJanelaExtracto)
#include "TestJanelaExtracto.moc"
