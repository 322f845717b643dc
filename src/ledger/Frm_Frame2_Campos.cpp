// The movement editor's fields: the Enter chain, the type and amount keys, the category box's
// auto-completion and lookup, and the help behind the field titles.
#include "admin/Frm_Categoria.h"
#include "data/ErroBaseDados.h"
#include "data/TabelaCategorias.h"
#include "ledger/CompletaCategoria.h"
#include "ledger/Frm_Ajuda.h"
#include "ledger/Frm_Frame2.h"
#include "platform/CaixaValor.h"
#include "platform/EtiquetaClicavel.h"
#include "data/Texto.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

bool Frm_Frame2::eventFilter(QObject *alvo, QEvent *e)
{
    const bool categoria = alvo == Cmb_Categoria || alvo == Cmb_Categoria->lineEdit();
    if (e->type() == QEvent::KeyPress) {
        auto *tecla = static_cast<QKeyEvent *>(e);
        // Completion starts only once the user types in the category box: the text handed in
        // by the caller is shown as it is.
        if (categoria)
            m_bloqueiaAutoCategoria = false;
        if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter)
            return TeclaEnter(alvo);
        // The type is chosen from its list only; arrow keys and F4 still work the list.
        if (alvo == Cmb_TipoMovimento && !tecla->text().isEmpty() && tecla->text().at(0).isPrint())
            return true;
        return false;
    }
    if (e->type() == QEvent::FocusOut) {
        const auto razao = static_cast<QFocusEvent *>(e)->reason();
        if (alvo == Cmb_TipoMovimento)
            ActualizaTipoValor();
        else if (alvo == TxtCampo[3])
            TxtCampo3_LostFocus();
        else if (alvo == Cmb_Categoria && razao != Qt::PopupFocusReason
                 && razao != Qt::ActiveWindowFocusReason)
            Cmb_Categoria_LostFocus();
    }
    return false;
}

bool Frm_Frame2::TeclaEnter(QObject *alvo)
{
    QWidget *seguinte = nullptr;
    if (alvo == Cmb_TipoMovimento)
        seguinte = Cmb_Categoria;
    else if (alvo == Cmb_Categoria || alvo == Cmb_Categoria->lineEdit())
        seguinte = DTPicker1;
    else if (alvo == DTPicker1)
        seguinte = TxtCampo[0];
    else if (alvo == TxtCampo[0])
        seguinte = TxtCampo[3];
    else if (alvo == TxtCampo[3])
        seguinte = Cmb_Situacao;
    else if (alvo == Cmb_Situacao)
        seguinte = TxtCampo[2];
    else if (alvo == TxtCampo[2])
        seguinte = TxtCampo4;
    else if (alvo == TxtCampo4)
        seguinte = Cmd_Validar; // and no line break in the observations
    if (!seguinte)
        return false;
    seguinte->setFocus(Qt::TabFocusReason);
    return true;
}

void Frm_Frame2::Cmb_Categoria_Change()
{
    if (m_aMudarTexto || m_bloqueiaAutoCategoria)
        return;
    m_aMudarTexto = true;
    CompletaCategoria(Cmb_Categoria, PosicaoAutoCompletar);
    m_aMudarTexto = false;
}

void Frm_Frame2::Cmb_Categoria_LostFocus()
{
    if (m_aFechar || !isVisible())
        return;
    // Leaving the box for one of the buttons: "Cancelar" and "Apagar" keep none of the edits,
    // so they must not be held up by a new-category question; "Validar" checks the category
    // itself before validating.
    QWidget *destino = QApplication::focusWidget();
    if (destino == Cmd_Validar || destino == Cmd_FechaFrame2 || destino == Cmd_ApagaMovimento) {
        m_verificacaoPendente = true;
        return;
    }
    VerificaCategoria();
}

void Frm_Frame2::VerificaCategoria()
{
    m_verificacaoPendente = false;
    const QString texto = Cmb_Categoria->currentText(); // not trimmed, and may be empty
    std::optional<Categoria> categoria;
    try {
        categoria = TabelaCategorias::procura(m_bd, texto);
    } catch (const ErroBaseDados &erro) {
        MostraErro(erro);
        return;
    }
    if (categoria) {
        if (!categoria->valor.zero() && TxtCampo[3]->text().trimmed().isEmpty())
            TxtCampo[3]->setText(categoria->valor.formata());
        m_bloqueiaAutoCategoria = false;
        return;
    }
    m_bloqueiaAutoCategoria = true;
    // The quick dialog stores the category and gives its name back; cancelled, the typed text
    // stays as it was.
    const QString nome = Frm_Categoria::Cria(this, m_bd, texto).value_or(texto);
    PreencheCategorias();
    m_aMudarTexto = true;
    Cmb_Categoria->setEditText(nome);
    m_aMudarTexto = false;
}

void Frm_Frame2::TxtCampo3_LostFocus()
{
    // A text that is not an amount stays as typed, for "Validar" to point out.
    if (const auto formatado = CaixaValor::reformata(TxtCampo[3]->text()))
        TxtCampo[3]->setText(*formatado);
}

void Frm_Frame2::LimitaObservacoes()
{
    const QString texto = TxtCampo4->toPlainText();
    if (texto.size() <= MaximoObservacoes)
        return;
    const QSignalBlocker bloqueio(TxtCampo4);
    TxtCampo4->setPlainText(Texto::corta(texto, MaximoObservacoes));
    TxtCampo4->moveCursor(QTextCursor::End);
}

void Frm_Frame2::Label1_Click(int indice)
{
    int topico = 0;
    switch (indice) {
    case 9: topico = 1; break; // "Tipo de Movimento"
    case 0: topico = 2; break; // "Nº de doc."
    case 4: topico = 3; break; // "Categoria"
    case 8: topico = 4; break; // "Situação"
    default: return;
    }
    Frm_Ajuda ajuda(this, topico);
    ajuda.exec();
}
