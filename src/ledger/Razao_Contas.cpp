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
        this->conta().escolhe(conta->numBanco);
        MostraNome(conta->banco);
    } else {
        this->conta().escolhe(1);
        MostraNome(QStringLiteral("Banco 1"));
    }
}

void Razao::MostraNome(const QString &nome)
{
    m_vista.Lbl_NomeDoBanco->setText(nome);
    conta().defineNome(nome);
}

void Razao::AbreConta()
{
    EscondeRazao();
    // The account left is not read on to its end for nothing (it is read again when opened).
    if (conta().aLer())
        conta().esquece();
    m_vista.Image1->show();
    m_vista.Image1->setFocus();

    if (!this->conta().escolhaNumerica())
        return;
    const int pedida = this->conta().numBanco();

    QString password;
    if (const auto conta = TabelaContas::le(contexto().ligacao(), pedida)) {
        this->conta().escolhe(conta->numBanco);
        MostraNome(conta->banco.trimmed());
        password = conta->password.trimmed();
    } else {
        this->conta().escolhe(1);
        MostraNome(QStringLiteral("Banco 1"));
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
        if (const auto conta = TabelaContas::le(contexto().ligacao(), this->conta().numBanco()))
            contexto().grelha->setTopRow(int(std::clamp<qint64>(conta->ultimaVezReg, -1, 1 << 30)));
    } catch (const ErroBaseDados &) {
        // The position is a convenience: the grid simply stays at its first row.
    }
}

void Razao::GuardaEstadoConta()
{
    if (!ContaAberta())
        return;
    TabelaContas::guardaEstado(contexto().ligacao(), conta().numBanco(),
                               contexto().grelha->TopRow(), conta().saldoFinal());
}

void Razao::Mnu_Banco_Click(int n)
{
    conta().escolhe(n);
    try {
        AbreConta();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
}

void Razao::EsqueceConta()
{
    conta().esquece();
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
