// The account menu, the chosen and the open account, and what is remembered between runs.
#include "app/EstadoPrograma.h"
#include "app/Frm_Password.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "data/TabelaContas.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/EtiquetaInformacao.h"
#include "platform/FlexGrid.h"
#include "platform/Mensagens.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void Frm_bancos::CarregaMenuContas()
{
    Mnu_NovaConta->setVisible(true);
    const std::vector<Conta> contas = TabelaContas::todas(Ligacao());
    for (const Conta &c : contas) {
        const int n = c.numBanco;
        if (n < 1 || n > 9)
            continue;
        const bool comNome = !c.banco.trimmed().isEmpty();
        QAction *item = Mnu_Banco[size_t(n)];
        item->setVisible(comNome);
        if (comNome) {
            QString legenda = c.banco;
            item->setText(legenda.replace(QLatin1Char('&'), QStringLiteral("&&")));
        }
        // "Nova Conta" goes only when the last slot is taken, whatever is free before it.
        if (n == 9 && comNome)
            Mnu_NovaConta->setVisible(false);
    }
}

void Frm_bancos::RestauraUltimaConta()
{
    if (const auto conta = TabelaContas::ultimaAberta(Ligacao())) {
        Txt_NumBanco->setText(QString::number(conta->numBanco));
        Lbl_NomeDoBanco->setText(conta->banco);
    } else {
        Txt_NumBanco->setText(QStringLiteral("1"));
        Lbl_NomeDoBanco->setText(QStringLiteral("Banco 1"));
    }
}

void Frm_bancos::AbreConta()
{
    EscondeRazao();
    Image1->show();
    Image1->setFocus();

    if (!Regional::ehNumerico(Txt_NumBanco->text()))
        return;
    const int pedida = NumBancoActual();

    QString password;
    if (const auto conta = TabelaContas::le(Ligacao(), pedida)) {
        Txt_NumBanco->setText(QString::number(conta->numBanco));
        Lbl_NomeDoBanco->setText(conta->banco.trimmed());
        password = conta->password.trimmed();
    } else {
        Txt_NumBanco->setText(QStringLiteral("1"));
        Lbl_NomeDoBanco->setText(QStringLiteral("Banco 1"));
    }

    if (password.isEmpty()) {
        CarregaMovimentos();
        return;
    }

    Frm_Password prompt(this);
    prompt.exec();
    const QString &digitada = Estado().PasswordDigitada;
    const QString geral = Estado().PasswordGeral.trimmed();
    if (password.compare(digitada, Qt::CaseInsensitive) == 0
        || (!geral.isEmpty() && digitada.compare(Estado().PasswordGeral, Qt::CaseInsensitive) == 0)) {
        CarregaMovimentos();
        RepoePosicaoGrelha();
        return;
    }
    MsgBox(QStringLiteral("password incorrecta..."));
    Mnu_GestBanco->setVisible(false);
    Mnu_Movimentos->menuAction()->setVisible(false);
}

void Frm_bancos::RepoePosicaoGrelha()
{
    try {
        if (const auto conta = TabelaContas::le(Ligacao(), NumBancoActual()))
            MSHFlexGrid1->setTopRow(int(std::clamp<qint64>(conta->ultimaVezReg, -1, 1 << 30)));
    } catch (const ErroBaseDados &) {
        // The position is a convenience: the grid simply stays at its first row.
    }
}

void Frm_bancos::GuardaEstadoConta()
{
    if (!MSHFlexGrid1->isVisibleTo(this))
        return;
    TabelaContas::guardaEstado(Ligacao(), NumBancoActual(), MSHFlexGrid1->TopRow(), m_saldoFinal);
}

void Frm_bancos::Mnu_Banco_Click(int n)
{
    Txt_NumBanco->setText(QString::number(n));
    try {
        AbreConta();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
}

void Frm_bancos::Image1_Click()
{
    try {
        AbreConta();
        RepoePosicaoGrelha();
    } catch (const ErroBaseDados &erro) {
        MostraErroBaseDados(erro);
    }
}
