// The account menu, the chosen and the open account, and what is remembered between runs.
#include "ledger/Razao.h"
#include "app/AvisoErroBaseDados.h"
#include "app/Frm_Password.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "data/TabelaContas.h"
#include "data/Texto.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/FlexGrid.h"
#include "platform/Mensagens.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void Razao::CarregaMenuContas()
{
    m_vista.Mnu_NovaConta->setVisible(true);
    const std::vector<Conta> contas = TabelaContas::todas(contexto().ligacao());
    for (const Conta &c : contas) {
        const int n = c.numBanco;
        if (n < 1 || n > 9)
            continue;
        const bool comNome = !c.banco.trimmed().isEmpty();
        QAction *item = m_vista.Mnu_Banco[size_t(n)];
        item->setVisible(comNome);
        if (comNome) {
            QString legenda = c.banco;
            item->setText(legenda.replace(QLatin1Char('&'), QStringLiteral("&&")));
        }
        // "Nova Conta" goes only when the last slot is taken, whatever is free before it.
        if (n == 9 && comNome)
            m_vista.Mnu_NovaConta->setVisible(false);
    }
}

void Razao::RestauraUltimaConta()
{
    if (const auto conta = TabelaContas::ultimaAberta(contexto().ligacao())) {
        contexto().numBanco->setText(QString::number(conta->numBanco));
        m_vista.Lbl_NomeDoBanco->setText(conta->banco);
    } else {
        contexto().numBanco->setText(QStringLiteral("1"));
        m_vista.Lbl_NomeDoBanco->setText(QStringLiteral("Banco 1"));
    }
}

void Razao::AbreConta()
{
    EscondeRazao();
    m_vista.Image1->show();
    m_vista.Image1->setFocus();

    if (!Regional::ehNumerico(contexto().numBanco->text()))
        return;
    const int pedida = contexto().numBancoActual();

    QString password;
    if (const auto conta = TabelaContas::le(contexto().ligacao(), pedida)) {
        contexto().numBanco->setText(QString::number(conta->numBanco));
        m_vista.Lbl_NomeDoBanco->setText(conta->banco.trimmed());
        password = conta->password.trimmed();
    } else {
        contexto().numBanco->setText(QStringLiteral("1"));
        m_vista.Lbl_NomeDoBanco->setText(QStringLiteral("Banco 1"));
    }

    if (password.isEmpty()) {
        CarregaMovimentos();
        return;
    }

    const QString digitada = Frm_Password::Pede(contexto().janela);
    const QString geral = contexto().passwordGeral();
    if (Texto::mesmaPassword(password, digitada)
        || (!geral.trimmed().isEmpty() && Texto::mesmaPassword(digitada, geral))) {
        CarregaMovimentos();
        RepoePosicaoGrelha();
        return;
    }
    MsgBox(QStringLiteral("password incorrecta..."));
    m_vista.Mnu_GestBanco->setVisible(false);
    m_vista.Mnu_Movimentos->menuAction()->setVisible(false);
}

void Razao::RepoePosicaoGrelha()
{
    try {
        if (const auto conta = TabelaContas::le(contexto().ligacao(), contexto().numBancoActual()))
            contexto().grelha->setTopRow(int(std::clamp<qint64>(conta->ultimaVezReg, -1, 1 << 30)));
    } catch (const ErroBaseDados &) {
        // The position is a convenience: the grid simply stays at its first row.
    }
}

void Razao::GuardaEstadoConta()
{
    if (!contexto().grelha->isVisibleTo(contexto().janela))
        return;
    TabelaContas::guardaEstado(contexto().ligacao(), contexto().numBancoActual(),
                               contexto().grelha->TopRow(), m_saldoFinal);
}

void Razao::Mnu_Banco_Click(int n)
{
    contexto().numBanco->setText(QString::number(n));
    try {
        AbreConta();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
}

void Razao::EsqueceConta()
{
    contexto().grelha->setRows(FlexGrid::FixedRows);
    m_saldoFinal = Dinheiro();
}

void Razao::Image1_Click()
{
    try {
        AbreConta();
        RepoePosicaoGrelha();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
}
