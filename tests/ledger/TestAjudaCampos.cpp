// The help behind the movement editor's field titles: which titles open it and the exact text
// of each topic.
#include "ledger/ApoioEditor.h"
#include "ledger/Frm_Ajuda.h"
#include "platform/EtiquetaClicavel.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QLabel>

using namespace ApoioEditor;

namespace {

// The texts as the user reads them, one "\n" per line break.
const QString TextoTipo = QStringLiteral(
    "\n\n Neste Item poderá seleccionar: \n\n"
    "     CRÉDITO -> para fazer depósito na conta ou \n\n"
    "     DÉBITO  -> para fazer pagamento ou levantamento da conta!");
const QString TextoDocumento = QStringLiteral(
    "\n\n    Nº Doc, poderá por o número de Movimento, nº de factura, etc.");
const QString TextoCategoria = QStringLiteral(
    "\nCATEGORIA: \n\n"
    "Serve para mais tarde seleccionar/agrupar respectivas categorias, por ex.: \n"
    "Se tiver categorias cuja descrição sejam Fornecedores, Impostos, Formação, Despesas "
    "Funcionais, etc.  mais tarde poderá seleccionar cada uma dessas categorias para listagem."
    "\n\n"
    "Poderá seleccionar uma categoria existente, fazendo clique na seta de selecção, ou apenas "
    "começar a escrever a respectiva categoria, pois o programa preenche automáticamente."
    "\n\n"
    "Caso Introduza uma categoria que não exista na tabela de categorias o programa irá "
    "perguntar se deseja criar essa categoria.\n\n");
const QString TextoSituacao = QStringLiteral(
    "\n SITUAÇÃO: \n\n"
    " A situação, irá servir para marcar o movimento, com um estado, como por exemplo: \n\n"
    " V - Verificado (quando está conferido com o extracto bancário\n"
    " A - Anulado, Caso venha a ser anulado provisóriamente.\n"
    " Caso não coloque nada é porque ainda está por conferir, ou não utiliza a situação.\n\n"
    " Nota: poderá tambem por outra letra à sua escolha...\n\n"
    " Mais tarde poderá fazer uma listagem de movimentos, seleccionados por situação.");

} // namespace

class TestAjudaCampos : public QObject
{
    Q_OBJECT
private slots:
    void cadaTituloMostraOSeuTexto()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        preencheQuadro(janela.get(), QStringLiteral("Crédito"), QStringLiteral("05-01-2004"));
        QStringList textos, titulos, informacao;
        QList<int> topicos;
        int outras = 0;
        abreEditor(janela.get(), [&](Frm_Frame2 *d) {
            for (int i : {9, 0, 4, 8}) {
                aoAbrir<Frm_Ajuda>([&](Frm_Ajuda *a) {
                    if (!a)
                        return;
                    textos << a->lblTipText->text();
                    topicos << a->Topico();
                    titulos << a->windowTitle() + QLatin1Char('|') + a->Label1->text() + QLatin1Char('|')
                                   + a->Label3->text();
                    QTest::mouseClick(a->Label3, Qt::LeftButton);
                });
                QTest::mouseClick(d->Label1[size_t(i)], Qt::LeftButton);
            }
            // The other titles open nothing.
            Vigia<Frm_Ajuda> ajuda;
            for (int i : {1, 3, 2, 5})
                QTest::mouseClick(d->Label1[size_t(i)], Qt::LeftButton);
            QApplication::processEvents(); // what the clicks posted: a window opens in there
            outras = ajuda.aberturas;
            QTest::mouseClick(d->Cmd_FechaFrame2, Qt::LeftButton);
        });
        QCOMPARE(textos, (QStringList{TextoTipo, TextoDocumento, TextoCategoria, TextoSituacao}));
        for (const QString &t : titulos)
            QCOMPARE(t, QStringLiteral("Ajuda|AJUDA|Fechar"));
        QCOMPARE(outras, 0);
        QCOMPARE(topicos, (QList<int>{1, 2, 3, 4}));
    }

    void topicoDesconhecidoDeixaOTextoVazio()
    {
        PastaTeste pasta;
        for (int topico : {0, 5, -1}) {
            Frm_Ajuda ajuda(nullptr, topico);
            QCOMPARE(ajuda.lblTipText->text(), QString());
        }
        // The texts are built with carriage returns, one per line break shown.
        QCOMPARE(Frm_Ajuda::TextoAjuda(2),
                 QString(TextoDocumento).replace(QLatin1Char('\n'), QChar(13)));
    }
};

QUORVEL_TESTE(TestAjudaCampos)
#include "TestAjudaCampos.moc"
