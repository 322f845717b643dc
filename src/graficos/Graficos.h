#pragma once
// The charts of the open account, from "Pesquisas/Listagens" > "Gráficos...": the window
// Frm_Graficos on the account's figures, and the detailed extract of a month chosen in it,
// printed by the listings as "Consultar" prints it for those dates.
#include <QDate>
#include <QPointer>

#include "subsistemas/Subsistema.h"

class Frm_Graficos;
class Listagens;
class QAction;

class Graficos : public Subsistema
{
    Q_OBJECT
public:
    Graficos(const ContextoJanela &contexto, QAction *Mnu_Graficos, Listagens &listagens,
             QObject *pai = nullptr);

    // Closing the account (the window's start state) closes its charts.
    void EstadoInicial() override;

    void Mnu_Graficos_Click();
    // The detailed extract of the open account from `desde` to `ate`, with no other criterion.
    void ImprimeExtractoDoPeriodo(const QDate &desde, const QDate &ate);

    Frm_Graficos *Janela() const;

private:
    Listagens &m_listagens;
    QPointer<Frm_Graficos> m_janela;
};
