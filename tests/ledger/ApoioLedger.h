#pragma once
// Helpers of the ledger tests: clicking grid cells as a user does, answering the movement
// editor through the value-passing frame, and reading movement rows back.
#include "app/Frm_bancos.h"
#include "data/BaseDados.h"
#include "ledger/Frame2.h"
#include "ledger/Frm_Frame2.h"
#include "ledger/Razao.h"
#include "platform/FlexGrid.h"
#include "support/Dialogos.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

namespace ApoioLedger {

inline QPoint centroCelula(FlexGrid *g, int linha, int coluna = 4)
{
    const QModelIndex i = g->model()->index(linha - 1, coluna - 1);
    g->scrollTo(i);
    return g->visualRect(i).center();
}

inline void clica(FlexGrid *g, int linha)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centroCelula(g, linha));
}

// The events a real double click makes: press, release, double click, release.
inline void duploClique(FlexGrid *g, int linha)
{
    const QPoint p = centroCelula(g, linha);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, p);
}

// What the editor saw of the frame when it opened.
struct Aberto {
    bool abriu = false;
    bool criando = false;
    QString tipo, valor, data, numero, descricao, situacao, categoria, categoria1, observacoes;
    QString numAuto, botaoAoAbrir;
    QString titulo; // the editor's title: creation or change
};

// Answers the next editor: records the frame, lets `altera` change it, leaves `codigo` as the
// result and closes the dialog without running its own buttons (QDialog::done directly, so the
// editor's own close handling does not overwrite the code).
inline void respondeEditor(Frm_bancos *janela, const QString &codigo, Aberto *visto,
                           std::function<void(Frame2 *)> altera = {})
{
    aoAbrir<Frm_Frame2>([=](Frm_Frame2 *d) {
        Frame2 *f = janela->Frame2;
        if (visto) {
            visto->abriu = d != nullptr;
            visto->tipo = f->Cmb_TipoMovimento->currentText();
            visto->valor = f->Campo(3);
            visto->data = f->Campo(1);
            visto->numero = f->Campo(0);
            visto->descricao = f->Campo(2);
            visto->situacao = f->Cmb_Situacao->currentText();
            visto->categoria = f->Cmb_Categoria->currentText();
            visto->categoria1 = f->Cmb_Categoria1->currentText();
            visto->observacoes = f->Campo(4);
            visto->numAuto = f->Txt_NumAuto->text();
            visto->botaoAoAbrir = f->Txt_BotaoFrame2->text();
            visto->titulo = d ? d->windowTitle() : QString();
        }
        if (altera)
            altera(f);
        if (!codigo.isEmpty())
            f->Txt_BotaoFrame2->setText(codigo);
        if (d)
            d->QDialog::done(QDialog::Accepted);
    });
}

// The ledger of the window.
inline Razao *razao(Frm_bancos *janela) { return janela->findChild<Razao *>(); }

// No movement is open for creation or change any more.
inline bool nenhumMovimentoEmEdicao(Frm_bancos *janela)
{
    return razao(janela)->Modo() == ModoEdicao::Nenhum;
}

// One movement row as stored, as one comparable text.
inline QString movimento(BaseDados &bd, qint64 numAuto)
{
    const Registos r = bd.consulta(
        QStringLiteral("SELECT Data, Numero, Descricao, S, Debito, Credito, Saldo, NumBanco, "
                       "Alterou FROM TabBancos1Det WHERE NumAutomatico = ?"),
        {numAuto});
    if (r.vazio())
        return QStringLiteral("(nenhum)");
    QStringList campos;
    for (const QString &c : r.nomesColunas())
        campos << (r.nulo(c) ? QStringLiteral("NULL") : r.texto(c));
    return campos.join(QLatin1Char('|'));
}

inline QString extras(BaseDados &bd, qint64 numAuto, int numBanco = 1)
{
    Registos r = bd.consulta(
        QStringLiteral("SELECT Categoria, Categoria1, Observacoes FROM TabBancosDetOutros "
                       "WHERE NumAutoDet = ? AND NumBanco = ?"),
        {numAuto, numBanco});
    if (r.vazio())
        return QStringLiteral("(nenhum)");
    QStringList linhas;
    for (; !r.eof(); r.seguinte())
        linhas << r.texto(QStringLiteral("Categoria")) + QLatin1Char('|')
                      + r.texto(QStringLiteral("Categoria1")) + QLatin1Char('|')
                      + r.texto(QStringLiteral("Observacoes"));
    return linhas.join(QLatin1Char(';'));
}

// Records every later UPDATE of a movement row, to prove which rows a pass wrote.
inline void registaActualizacoes(BaseDados &bd)
{
    bd.executaScript(QStringLiteral(
        "CREATE TABLE Escritas (NumAutomatico INTEGER);"
        "CREATE TRIGGER RegistaEscrita AFTER UPDATE ON TabBancos1Det BEGIN "
        "INSERT INTO Escritas VALUES (NEW.NumAutomatico); END;"));
}

inline QList<qint64> escritas(BaseDados &bd)
{
    QList<qint64> l;
    Registos r = bd.consulta(QStringLiteral("SELECT NumAutomatico FROM Escritas ORDER BY rowid"));
    for (; !r.eof(); r.seguinte())
        l << r.inteiro(QStringLiteral("NumAutomatico"));
    return l;
}

inline int contaLinhas(BaseDados &bd, const QString &sql, const QVariantList &p = {})
{
    return int(bd.consulta(sql, p).contagem());
}

} // namespace ApoioLedger
