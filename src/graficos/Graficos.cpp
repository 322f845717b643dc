#include "graficos/Graficos.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Relogio.h"
#include "graficos/FigurasConta.h"
#include "graficos/Frm_Graficos.h"
#include "platform/CursorEspera.h"
#include "platform/Mensagens.h"
#include "reports/Frm_Pesquisas.h"
#include "reports/Listagens.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

Graficos::Graficos(const ContextoJanela &contexto, QAction *Mnu_Graficos, Listagens &listagens,
                   QObject *pai)
    : Subsistema(contexto, pai), m_listagens(listagens)
{
    if (Mnu_Graficos)
        connect(Mnu_Graficos, &QAction::triggered, this, &Graficos::Mnu_Graficos_Click);
}

void Graficos::EstadoInicial()
{
    if (m_janela)
        m_janela->close();
}

void Graficos::Mnu_Graficos_Click()
{
    if (contexto().verificaContaSeleccionada && !contexto().verificaContaSeleccionada())
        return;
    // One charts window, always of the account open now.
    if (m_janela)
        m_janela->close();
    const int numBanco = contexto().numBancoActual();
    const QString nome = contexto().nomeDoBanco ? contexto().nomeDoBanco() : QString();
    auto calcula = [ligacao = contexto().ligacao, numBanco](const PeriodoGrafico &p) {
        return CalculoFiguras::calcula(ligacao(), numBanco, p);
    };
    auto *janela = new Frm_Graficos(calcula, nome,
                                    PeriodoGrafico::ultimos12Meses(Relogio::hoje()),
                                    contexto().janela);
    janela->setAttribute(Qt::WA_DeleteOnClose);
    if (!janela->Recalcula()) {
        delete janela;
        return;
    }
    connect(janela, &Frm_Graficos::extractoPedido, this,
            [this, janela, numBanco](const QDate &desde, const QDate &ate) {
                // The ledger may have moved to another account since the charts opened.
                if (contexto().numBancoActual() != numBanco) {
                    MsgBox(QStringLiteral("Estes gráficos são de uma conta que já não está "
                                          "aberta.\rAbra de novo os gráficos da conta actual."));
                    janela->close();
                    return;
                }
                ImprimeExtractoDoPeriodo(desde, ate);
            });
    m_janela = janela;
    janela->show();
}

void Graficos::ImprimeExtractoDoPeriodo(const QDate &desde, const QDate &ate)
{
    // The listings print what their search frame holds: the frame is filled with the month
    // and no other criterion, "Consultar" runs (writing the grid back first, as always), and
    // what the user had left in the frame is put back. Signals stay off meanwhile, so neither
    // the category completion nor the date frame's visibility react.
    Frm_Pesquisas &f = *m_listagens.Frm_Pesquisas;
    const QList<QWidget *> caixas{f.Txt_PesquisaNumero, f.Cmb_CategoriaConsulta,
                                  f.Txt_PesquisaSituacao, f.Txt_PesquisaDescricao, f.Check2,
                                  f.DTPicker3, f.DTPicker4};
    struct Antes {
        QString numero, categoria, situacao, descricao;
        bool datas;
        QDate desde, ate;
        TipoDeListagem tipo;
    } const antes{f.Txt_PesquisaNumero->text(), f.Cmb_CategoriaConsulta->currentText(),
                  f.Txt_PesquisaSituacao->text(), f.Txt_PesquisaDescricao->text(),
                  f.Check2->isChecked(), f.DTPicker3->date(), f.DTPicker4->date(),
                  m_listagens.TipoListagem};
    auto preenche = [&](const Antes &a) {
        std::vector<std::unique_ptr<QSignalBlocker>> bloqueios;
        for (QWidget *w : caixas)
            bloqueios.push_back(std::make_unique<QSignalBlocker>(w));
        f.Txt_PesquisaNumero->setText(a.numero);
        f.Cmb_CategoriaConsulta->setEditText(a.categoria);
        f.Txt_PesquisaSituacao->setText(a.situacao);
        f.Txt_PesquisaDescricao->setText(a.descricao);
        f.Check2->setChecked(a.datas);
        f.DTPicker3->setDate(a.desde);
        f.DTPicker4->setDate(a.ate);
        m_listagens.TipoListagem = a.tipo;
    };
    preenche({{}, {}, {}, {}, true, desde, ate, TipoDeListagem::ExtractoDetalhado});
    m_listagens.Cmd_Consultar_Click();
    preenche(antes);
}

Frm_Graficos *Graficos::Janela() const
{
    return m_janela;
}
