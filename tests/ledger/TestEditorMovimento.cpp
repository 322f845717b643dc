// The movement editor driven as a user drives it: what it reads from the value-passing frame,
// what it gives back and with which result code, the amount and category boxes, the Enter chain.
#include "admin/Frm_Categoria.h"
#include "data/BaseDados.h"
#include "data/Regional.h"
#include "ledger/ApoioEditor.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "data/Relogio.h"

#include <QDateEdit>
#include <QPushButton>

using namespace ApoioEditor;

namespace {

QStringList itens(QComboBox *c)
{
    QStringList t;
    for (int i = 0; i < c->count(); ++i)
        t << c->itemText(i);
    return t;
}

QString nomeFoco()
{
    QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(nenhum)");
}

int contaCategorias(BaseDados &bd, const QString &nome)
{
    return int(bd.consulta(QStringLiteral("SELECT * FROM TabCategoria WHERE Descricao = ?"),
                           {nome})
                   .contagem());
}

const QColor Vermelho(255, 0, 0);

} // namespace

class TestEditorMovimento : public QObject
{
    Q_OBJECT
private slots:
    void leQuadroEDevolveAoValidar()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.bd().executa(QStringLiteral("INSERT INTO TabCategoria (Descricao, Valor) "
                                          "VALUES ('   ', 0)"));
        auto janela = pasta.iniciaPrograma();
        preencheQuadro(janela.get(), QStringLiteral("Crédito"), QStringLiteral("05-01-2004"),
                       QString(), QStringLiteral("Renda"), QStringLiteral("Sub X"));
        Frame2 *f = janela->Frame2;
        f->setCampo(0, QStringLiteral("DOC-1"));
        f->setCampo(2, QStringLiteral("Pagamento da renda"));
        f->setCampo(4, QStringLiteral("linha 1\nlinha 2"));
        f->Cmb_Situacao->setEditText(QStringLiteral("V"));

        QString titulo, situacaoVista, categoriaVista;
        bool apagarVisivel = true;
        QStringList tipos, situacoes, categorias;
        QDate data;
        abreEditor(janela.get(), [&](Frm_Frame2 *d) {
            titulo = d->windowTitle();
            apagarVisivel = d->Cmd_ApagaMovimento->isVisible();
            tipos = itens(d->Cmb_TipoMovimento);
            situacoes = itens(d->Cmb_Situacao);
            categorias = itens(d->Cmb_Categoria);
            data = d->DTPicker1->date();
            situacaoVista = d->Cmb_Situacao->currentText();
            categoriaVista = d->Cmb_Categoria->currentText();
            d->TxtCampo[0]->setFocus();
            d->TxtCampo[0]->selectAll();
            QTest::keyClicks(d->TxtCampo[0], "DOC-22");
            d->TxtCampo[3]->setFocus();
            QTest::keyClicks(d->TxtCampo[3], "750");
            d->DTPicker1->setDate(QDate(2004, 2, 29));
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
        });

        QCOMPARE(titulo, QStringLiteral(" Criação de NOVO Movimento "));
        QVERIFY(!apagarVisivel);
        QCOMPARE(tipos, (QStringList{"Crédito", "Débito"}));
        QCOMPARE(situacoes, (QStringList{"              ", "V - Verificado", "A - Anulado   ",
                                         "O - Outro    "}));
        // By Portuguese order, the blank name left out.
        QCOMPARE(categorias,
                 (QStringList{"Água", "Combustíveis", "Comissões bancárias", "Depósitos",
                              "Electricidade", "Fornecedores", "Impostos", "Juros",
                              "Levantamentos", "Material de escritório", "Renda", "Salários",
                              "Segurança Social", "Seguros", "Telefone e Internet",
                              "Transferências", "Vendas"}));
        QCOMPARE(data, QDate(2004, 1, 5));
        QCOMPARE(situacaoVista, QStringLiteral("V"));
        QCOMPARE(categoriaVista, QStringLiteral("Renda"));

        QCOMPARE(f->Txt_BotaoFrame2->text(), QStringLiteral("1"));
        QCOMPARE(f->Campo(0), QStringLiteral("DOC-22"));
        QCOMPARE(f->Campo(1), QStringLiteral("29-02-2004"));
        QCOMPARE(f->Campo(2), QStringLiteral("Pagamento da renda"));
        QCOMPARE(f->Campo(3), QStringLiteral("750,00"));
        QCOMPARE(f->Campo(4), QStringLiteral("linha 1\nlinha 2"));
        QCOMPARE(f->Cmb_TipoMovimento->currentText(), QStringLiteral("Crédito"));
        QCOMPARE(f->Cmb_Categoria->currentText(), QStringLiteral("Renda"));
        QCOMPARE(f->Cmb_Categoria1->currentText(), QStringLiteral("Sub X"));
        QCOMPARE(f->Cmb_Situacao->currentText(), QStringLiteral("V"));
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void valorSoAceitaAlgarismosEFormataAoSair()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        preencheQuadro(janela.get(), QStringLiteral("Crédito"), QStringLiteral("05-01-2004"));

        QStringList vistos;
        bool abertoAposErros = false;
        abreEditor(janela.get(), [&](Frm_Frame2 *d) {
            QLineEdit *v = d->TxtCampo[3];
            auto sai = [&] { d->Cmb_Situacao->setFocus(); vistos << v->text(); };
            auto novo = [&](const char *teclas) {
                v->setFocus();
                v->clear();
                QTest::keyClicks(v, teclas);
                vistos << v->text();
            };
            novo("12.5");
            sai();
            novo("a1b2x 3,+4/5");
            sai();
            novo("1234,565");
            sai();
            novo("-1234,565");
            sai();
            novo("12-3");
            sai();
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
            novo("99999999999999"); // beyond what an amount field holds
            sai();
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
            v->clear();
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
            abertoAposErros = d->isVisible();
            novo("-50");
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
        });

        QCOMPARE(vistos, (QStringList{"12,5", "12,50", "123,45", "123,45", "1234,565",
                                      "1.234,57", "-1234,565", "-1.234,57", "12-3", "12-3",
                                      "99999999999999", "99999999999999", "-50"}));
        QVERIFY(abertoAposErros);
        QCOMPARE(caixas.textos(), (QStringList{"Valor Inválido...", "Valor Inválido...",
                                               "Terá que introduzir valor!..."}));
        for (const CaixaMostrada &c : caixas.caixas) {
            QCOMPARE(c.titulo, QStringLiteral("Quorvel"));
            QCOMPARE(c.botoes, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(c.icone, Icone::Nenhum);
        }
        QCOMPARE(janela->Frame2->Txt_BotaoFrame2->text(), QStringLiteral("1"));
        QCOMPARE(janela->Frame2->Campo(3), QStringLiteral("-50,00"));
    }

    void debitoAbreAVermelhoEATrocaDeTipoRecolore()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        preencheQuadro(janela.get(), QStringLiteral("Débito"), QStringLiteral("05-01-2004"),
                       QStringLiteral("1234,5"));

        QString tituloAntes, tituloDepois, valorAberto, tipoAposLetra;
        QColor corTituloAntes, corValorAntes, corTituloDepois, corValorDepois;
        bool focoNoTipo = false;
        abreEditor(janela.get(), ModoEdicao::Alteracao, [&](Frm_Frame2 *d) {
            tituloAntes = d->Label1[3]->text();
            corTituloAntes = d->Label1[3]->palette().color(QPalette::WindowText);
            corValorAntes = d->TxtCampo[3]->palette().color(QPalette::Text);
            valorAberto = d->TxtCampo[3]->text();
            d->Cmb_TipoMovimento->setFocus();
            QTest::keyClick(d->Cmb_TipoMovimento, Qt::Key_Up);
            focoNoTipo = QApplication::focusWidget() == d->Cmb_TipoMovimento;
            tituloDepois = d->Label1[3]->text();
            corTituloDepois = d->Label1[3]->palette().color(QPalette::WindowText);
            corValorDepois = d->TxtCampo[3]->palette().color(QPalette::Text);
            QTest::keyClicks(d->Cmb_TipoMovimento, "Dd");
            tipoAposLetra = d->Cmb_TipoMovimento->currentText();
            QTest::mouseClick(d->Cmd_FechaFrame2, Qt::LeftButton);
        });

        QCOMPARE(valorAberto, QStringLiteral("1234,5"));
        QCOMPARE(tituloAntes, QStringLiteral("Valor a Débito"));
        QCOMPARE(corTituloAntes, Vermelho);
        QCOMPARE(corValorAntes, Vermelho);
        QVERIFY(focoNoTipo); // recoloured at once, without leaving the box
        QCOMPARE(tituloDepois, QStringLiteral("Valor a Crédito"));
        QVERIFY(corTituloDepois != Vermelho);
        QVERIFY(corValorDepois != Vermelho);
        QCOMPARE(tipoAposLetra, QStringLiteral("Crédito")); // typing never picks the type
        // Cancelled: nothing went back to the frame.
        QCOMPARE(janela->Frame2->Txt_BotaoFrame2->text(), QStringLiteral("2"));
        QCOMPARE(janela->Frame2->Cmb_TipoMovimento->currentText(), QStringLiteral("Débito"));
        QCOMPARE(janela->Frame2->Campo(3), QStringLiteral("1234,5"));
    }

    void categoriaCompletaECortaSemCorrespondencia()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.bd().executa(QStringLiteral("INSERT INTO TabCategoria (Descricao, Valor) "
                                          "VALUES ('Formação', 0)"));
        auto janela = pasta.iniciaPrograma();
        preencheQuadro(janela.get(), QStringLiteral("Crédito"), QStringLiteral("05-01-2004"),
                       QString(), QStringLiteral("Ren"));
        Vigia<Frm_Categoria> novaCategoria;

        QString aberto;
        QStringList vistos;
        abreEditor(janela.get(), [&](Frm_Frame2 *d) {
            aberto = d->Cmb_Categoria->currentText();
            QLineEdit *e = d->Cmb_Categoria->lineEdit();
            auto regista = [&] {
                vistos << e->text() + QLatin1Char('@') + QString::number(e->cursorPosition());
            };
            d->Cmb_Categoria->setFocus();
            e->selectAll();
            QTest::keyClicks(d->Cmb_Categoria, "fo");
            regista();
            QTest::keyClicks(d->Cmb_Categoria, "rn");
            regista();
            QTest::keyClick(d->Cmb_Categoria, 'x');
            regista();
            QTest::keyClick(d->Cmb_Categoria, 'y');
            regista();
            // Leaving for "Cancelar" asks nothing: a cancel keeps none of the edits.
            QTest::mouseClick(d->Cmd_FechaFrame2, Qt::LeftButton);
        });

        QCOMPARE(aberto, QStringLiteral("Ren")); // the caller's text is not completed
        QCOMPARE(vistos, (QStringList{"Formação@2", "Fornecedores@4", "Fornx@5", "Fornxy@6"}));
        QCOMPARE(novaCategoria.aberturas, 0);
        QCOMPARE(janela->Frame2->Txt_BotaoFrame2->text(), QStringLiteral("2"));
    }

    void procuraDaCategoriaAoSairDaCaixa()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.bd().executa(QStringLiteral("INSERT INTO TabCategoria (Descricao, Valor) VALUES "
                                          "('D''Ávila & Filhos', 1234), ('100%_Desconto', 500)"));
        auto janela = pasta.iniciaPrograma();
        QStringList propostos;
        Vigia<Frm_Categoria> novaCategoria(
            [&](Frm_Categoria *c) { propostos << c->Txt_Categoria->text(); });
        // The caller's text is looked up as it is (typing would complete it first): amount,
        // category and the field Enter moved to.
        auto apos = [&](const QString &categoria, const QString &valor = {}) {
            preencheQuadro(janela.get(), QStringLiteral("Débito"), QStringLiteral("05-01-2004"),
                           valor, categoria);
            QString visto;
            abreEditor(janela.get(), [&](Frm_Frame2 *d) {
                d->Cmb_Categoria->setFocus();
                QTest::keyClick(d->Cmb_Categoria, Qt::Key_Return);
                visto = d->TxtCampo[3]->text() + QLatin1Char('|')
                        + d->Cmb_Categoria->currentText() + QLatin1Char('|') + nomeFoco();
                QTest::mouseClick(d->Cmd_FechaFrame2, Qt::LeftButton);
            });
            return visto;
        };
        // Case folded across Unicode; the default goes only into an empty amount, never a 0.
        QCOMPARE(apos(QStringLiteral("COMISSÕES BANCÁRIAS")),
                 QStringLiteral("2,50|COMISSÕES BANCÁRIAS|DTPicker1"));
        QCOMPARE(apos(QStringLiteral("renda"), QStringLiteral(" ")),
                 QStringLiteral("750,00|renda|DTPicker1"));
        QCOMPARE(apos(QStringLiteral("Renda"), QStringLiteral("10,00")),
                 QStringLiteral("10,00|Renda|DTPicker1"));
        QCOMPARE(apos(QStringLiteral("ÁGUA")), QStringLiteral("|ÁGUA|DTPicker1"));
        QCOMPARE(apos(QStringLiteral("d'ávila & filhos")),
                 QStringLiteral("12,34|d'ávila & filhos|DTPicker1"));
        QCOMPARE(novaCategoria.aberturas, 0);
        // Wildcards of a LIKE pattern must not reach another category.
        QCOMPARE(apos(QStringLiteral("1%_desconto")).section(QLatin1Char('|'), 0, 1),
                 QStringLiteral("|1%_desconto"));
        QCOMPARE(apos(QStringLiteral("100%")).section(QLatin1Char('|'), 0, 1),
                 QStringLiteral("|100%"));
        QCOMPARE(propostos, (QStringList{"1%_desconto", "100%"}));
        QCOMPARE(contaCategorias(pasta.bd(), QStringLiteral("1%_desconto")), 0);
    }

    void categoriaInexistenteCriadaNoMomento()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        QString proposto, focoAposEnter;
        Vigia<Frm_Categoria> novaCategoria([&](Frm_Categoria *c) {
            proposto = c->Txt_Categoria->text();
            QTest::keyClick(c->Txt_Categoria, Qt::Key_Return);
            QTest::keyClicks(c->Txt_ValorCateg, "7.5");
            QTest::keyClick(c->Txt_ValorCateg, Qt::Key_Return);
            focoAposEnter = nomeFoco();
            QTest::mouseClick(c->Cmd_Validar, Qt::LeftButton);
        });
        preencheQuadro(janela.get(), QStringLiteral("Débito"), QStringLiteral("05-01-2004"));
        QString texto, valor;
        bool naLista = false;
        abreEditor(janela.get(), [&](Frm_Frame2 *d) {
            d->Cmb_Categoria->setFocus();
            escreve(d->Cmb_Categoria, QStringLiteral("Limpeza"));
            QTest::keyClick(d->Cmb_Categoria, Qt::Key_Return);
            texto = d->Cmb_Categoria->currentText();
            valor = d->TxtCampo[3]->text();
            naLista = d->Cmb_Categoria->findText(QStringLiteral("Limpeza")) >= 0;
            QTest::keyClicks(d->TxtCampo[3], "5");
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
        });
        QCOMPARE(novaCategoria.aberturas, 1);
        QCOMPARE(proposto, QStringLiteral("Limpeza"));
        QCOMPARE(focoAposEnter, QStringLiteral("Cmd_Validar"));
        QCOMPARE(texto, QStringLiteral("Limpeza"));
        QVERIFY(naLista);
        QCOMPARE(valor, QString()); // a new category proposes no amount of its own
        QCOMPARE(pasta.bd().consulta(QStringLiteral("SELECT Valor FROM TabCategoria "
                                                    "WHERE Descricao = 'Limpeza'"))
                     .inteiro(QStringLiteral("Valor")),
                 750);
        QCOMPARE(janela->Frame2->Cmb_Categoria->currentText(), QStringLiteral("Limpeza"));
        QCOMPARE(janela->Frame2->Txt_BotaoFrame2->text(), QStringLiteral("1"));
    }

    void novaCategoriaCanceladaGuardaOTexto()
    {
        // "Validar" clicked straight from the category box still checks the category first;
        // cancelling the new category keeps the typed text, which is then not in the table.
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        Vigia<Frm_Categoria> novaCategoria(
            [](Frm_Categoria *c) { QTest::mouseClick(c->Cmd_Cancelar, Qt::LeftButton); });
        preencheQuadro(janela.get(), QStringLiteral("Crédito"), QStringLiteral("05-01-2004"),
                       QStringLiteral("4"));
        abreEditor(janela.get(), [&](Frm_Frame2 *d) {
            d->Cmb_Categoria->setFocus();
            QTest::keyClicks(d->Cmb_Categoria, "Zq");
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
        });
        QCOMPARE(novaCategoria.aberturas, 1);
        QCOMPARE(contaCategorias(pasta.bd(), QStringLiteral("Zq")), 0);
        QCOMPARE(janela->Frame2->Txt_BotaoFrame2->text(), QStringLiteral("1"));
        QCOMPARE(janela->Frame2->Cmb_Categoria->currentText(), QStringLiteral("Zq"));
    }

    void enterPercorreOsCamposAteValidar()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        QStringList propostos;
        Vigia<Frm_Categoria> novaCategoria(
            [&](Frm_Categoria *c) { propostos << c->Txt_Categoria->text(); });
        preencheQuadro(janela.get(), QStringLiteral("Crédito"),
                       Regional::formataData(Relogio::hoje()));
        QStringList focos;
        QString observacoes;
        abreEditor(janela.get(), [&](Frm_Frame2 *d) {
            d->Cmb_TipoMovimento->setFocus();
            const std::vector<const char *> escrita{"", "", "", "A1", "9,99", "", "desc",
                                                    "obs"};
            for (const char *texto : escrita) {
                focos << nomeFoco();
                QTest::keyClicks(QApplication::focusWidget(), texto);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            focos << nomeFoco();
            observacoes = d->TxtCampo4->toPlainText();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(focos, (QStringList{"Cmb_TipoMovimento", "Cmb_Categoria", "DTPicker1",
                                     "TxtCampo(0)", "TxtCampo(3)", "Cmb_Situacao", "TxtCampo(2)",
                                     "TxtCampo(4)", "Cmd_Validar"}));
        QCOMPARE(observacoes, QStringLiteral("obs"));
        // Leaving an empty category box offers to create a category with an empty name.
        QCOMPARE(propostos, QStringList{QString()});
        Frame2 *f = janela->Frame2;
        QCOMPARE(f->Txt_BotaoFrame2->text(), QStringLiteral("1"));
        QCOMPARE(f->Campo(0), QStringLiteral("A1"));
        QCOMPARE(f->Campo(3), QStringLiteral("9,99"));
        QCOMPARE(f->Campo(2), QStringLiteral("desc"));
        QCOMPARE(f->Campo(4), QStringLiteral("obs"));
        QCOMPARE(f->Campo(1), Regional::formataData(Relogio::hoje()));
    }

    void fecharSemBotoesContaComoCancelar()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        Frame2 *f = janela->Frame2;
        preencheQuadro(janela.get(), QStringLiteral("Crédito"), QStringLiteral("05-01-2004"),
                       QStringLiteral("10,00"));
        bool semBotaoFechar = false;
        // A previous editing left "1"; the caller forgot to reset it.
        f->Txt_BotaoFrame2->setText(QStringLiteral("1"));
        abreEditor(janela.get(), ModoEdicao::Alteracao, [&](Frm_Frame2 *d) {
            semBotaoFechar = !d->windowFlags().testFlag(Qt::WindowCloseButtonHint);
            d->TxtCampo[2]->setFocus();
            QTest::keyClicks(d->TxtCampo[2], "mudado");
            QTest::keyClick(d->TxtCampo[2], Qt::Key_Escape);
        });
        QVERIFY(semBotaoFechar);
        QCOMPARE(f->Txt_BotaoFrame2->text(), QStringLiteral("2"));
        QCOMPARE(f->Campo(2), QString());

        f->Txt_BotaoFrame2->setText(QStringLiteral("3"));
        abreEditor(janela.get(), ModoEdicao::Alteracao, [&](Frm_Frame2 *d) {
            QTest::keyClicks(d->TxtCampo[3], "5");
            d->close(); // as the window manager would
        });
        QCOMPARE(f->Txt_BotaoFrame2->text(), QStringLiteral("2"));
        QCOMPARE(f->Campo(3), QStringLiteral("10,00"));
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void apagarPerguntaAntes()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        Frame2 *f = janela->Frame2;
        QString titulo;
        bool apagarVisivel = false;
        auto apaga = [&] {
            preencheQuadro(janela.get(), QStringLiteral("Crédito"), QStringLiteral("05-01-2004"),
                           QStringLiteral("10,00"));
            abreEditor(janela.get(), ModoEdicao::Alteracao, [&](Frm_Frame2 *d) {
                titulo = d->windowTitle();
                apagarVisivel = d->Cmd_ApagaMovimento->isVisible();
                d->TxtCampo[2]->setFocus();
                QTest::keyClicks(d->TxtCampo[2], "mudado");
                QTest::mouseClick(d->Cmd_ApagaMovimento, Qt::LeftButton);
            });
        };
        apaga();
        QCOMPARE(titulo, QStringLiteral(" Alteração de Movimento "));
        QVERIFY(apagarVisivel);
        QCOMPARE(f->Txt_BotaoFrame2->text(), QStringLiteral("3"));
        QCOMPARE(f->Campo(2), QString());
        QCOMPARE(caixas.caixas.size(), 1);
        QCOMPARE(caixas.caixas[0].texto, QStringLiteral("Deseja mesmo apagar este movimento?"));
        QCOMPARE(caixas.caixas[0].titulo, QStringLiteral("Destruição de Movimento"));
        QCOMPARE(caixas.caixas[0].botoes, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(caixas.caixas[0].icone, Icone::Nenhum);

        caixas.caixas.clear();
        caixas.respostas.push_back(QMessageBox::No);
        apaga();
        QCOMPARE(f->Txt_BotaoFrame2->text(), QStringLiteral("2"));
        QCOMPARE(f->Campo(2), QString());
        QCOMPARE(caixas.textos(), (QStringList{"Deseja mesmo apagar este movimento?",
                                               "O movimento não foi destruido!"}));
        QCOMPARE(caixas.caixas[1].titulo, QStringLiteral("Quorvel"));
    }

    void dataInvalidaDoChamadorERecusadaUmaVez()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        preencheQuadro(janela.get(), QStringLiteral("Crédito"), QStringLiteral("31-02-2004"),
                       QStringLiteral("1"));
        bool aberto = false;
        QString foco;
        abreEditor(janela.get(), [&](Frm_Frame2 *d) {
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
            aberto = d->isVisible();
            foco = nomeFoco();
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
        });
        QVERIFY(aberto);
        QCOMPARE(foco, QStringLiteral("DTPicker1"));
        QCOMPARE(caixas.textos(), QStringList{QStringLiteral("Data Inválida...")});
        QCOMPARE(janela->Frame2->Txt_BotaoFrame2->text(), QStringLiteral("1"));
        QCOMPARE(janela->Frame2->Campo(1), Regional::formataData(Relogio::hoje()));
    }

    void erroDaBaseDadosAvisaESegue()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        pasta.bd().executa(QStringLiteral("DROP TABLE TabCategoria"));
        Vigia<Frm_Categoria> novaCategoria;
        preencheQuadro(janela.get(), QStringLiteral("Crédito"), QStringLiteral("05-01-2004"),
                       QStringLiteral("8"), QStringLiteral("Renda"));
        abreEditor(janela.get(), [&](Frm_Frame2 *d) {
            d->Cmb_Categoria->setFocus();
            QTest::keyClick(d->Cmb_Categoria, Qt::Key_Return);
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
        });
        QCOMPARE(novaCategoria.aberturas, 0);
        QCOMPARE(caixas.caixas.size(), 2); // reading the list at open, then the lookup
        for (const CaixaMostrada &c : caixas.caixas) {
            QVERIFY2(c.texto.startsWith(QStringLiteral("Não foi possível ler a tabela de "
                                                       "categorias:\r")),
                     qPrintable(c.texto));
            QCOMPARE(c.icone, Icone::Critico);
        }
        QCOMPARE(janela->Frame2->Txt_BotaoFrame2->text(), QStringLiteral("1"));
        QCOMPARE(janela->Frame2->Cmb_Categoria->currentText(), QStringLiteral("Renda"));
    }
};

QUORVEL_TESTE(TestEditorMovimento)
#include "TestEditorMovimento.moc"
