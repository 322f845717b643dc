#include "backup/DialogoReposicao.h"
#include "backup/Frm_ReporBackup.h"
#include "backup/ReposicaoBackup.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Relogio.h"
#include <QCursor> // before CursorEspera.h, which uses it
#include "platform/CursorEspera.h"
#include "platform/Mensagens.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <optional>

namespace {

const QString Aviso = QStringLiteral("AVISO");

QString nativo(const QString &caminho) { return QDir::toNativeSeparators(caminho); }

} // namespace

QString DialogoReposicao::CommonDialogReposicao()
{
    QFileDialog dialogo(m_janela.dono, QStringLiteral("Escolha a cópia de segurança a repor"));
    dialogo.setObjectName(QStringLiteral("CommonDialogReposicao"));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setNameFilters({QStringLiteral("Backups do programa  (*.MDB *.mdb)"),
                            QStringLiteral("Todos os ficheiros (*)")});
    if (dialogo.exec() != QDialog::Accepted)
        return QString();
    const QStringList escolhidos = dialogo.selectedFiles();
    return escolhidos.isEmpty() ? QString() : escolhidos.first();
}

bool DialogoReposicao::RepoeBackup()
{
    const QString escolhido = CommonDialogReposicao();
    if (escolhido.isEmpty())
        return false; // closed without a choice: nothing changes, nothing is said

    const QString base = m_janela.ligacao().caminho();
    ReposicaoBackup reposicao(base);
    std::optional<ResumoBase> actual;
    bool preparada = false;
    {
        CursorEspera ampulheta;
        preparada = reposicao.prepara(escolhido);
        if (preparada)
            actual = ExameBackup::resume(m_janela.ligacao());
    }
    if (!preparada) {
        MsgBox(QStringLiteral("O ficheiro escolhido não pode ser reposto.\r\r%1\r%2\r\rA base de "
                              "dados actual não foi alterada.")
                   .arg(nativo(escolhido), QStringLiteral("Motivo: ") + reposicao.erro()
                                               + QLatin1Char('.')),
               QMessageBox::Ok, Icone::Critico, Aviso);
        return false;
    }

    const QString antes = ReposicaoBackup::nomeAntes(QFileInfo(base).absolutePath(),
                                                     Relogio::hoje());
    {
        Frm_ReporBackup janela(escolhido, reposicao.resumo(), *actual, antes, m_janela.dono);
        if (janela.exec() != QDialog::Accepted)
            return false; // the prepared copy goes with `reposicao`
    }

    // What the grid holds is part of the current database, and so of the copy made of it.
    try {
        m_janela.gravaTodasLinhas();
    } catch (const ErroBaseDados &erro) {
        MsgBox(QStringLiteral("Não foi possível gravar os movimentos da conta aberta:\r")
                   + erro.mensagem()
                   + QStringLiteral("\r\rA cópia de segurança não foi reposta; nada foi "
                                    "alterado."),
               QMessageBox::Ok, Icone::Critico, Aviso);
        return false;
    }

    ReposicaoBackup::Resultado resultado;
    {
        CursorEspera ampulheta;
        resultado = reposicao.repoe(m_janela.ligacao(), antes, m_janela.fechaLigacao);
    }
    switch (resultado) {
    case ReposicaoBackup::Resultado::CopiaAntesFalhou:
        MsgBox(QStringLiteral("Não foi possível fazer a cópia da base de dados actual em\r%1\r(%2)"
                              "\r\rA cópia de segurança não foi reposta; nada foi alterado.")
                   .arg(nativo(antes), reposicao.erro()),
               QMessageBox::Ok, Icone::Critico, Aviso);
        return false;
    case ReposicaoBackup::Resultado::SubstituicaoFalhou:
        if (Reabre(base, QString()))
            MsgBox(QStringLiteral("Não foi possível pôr a cópia de segurança no lugar da base de "
                                  "dados (%1).\r\rA base de dados actual continua em uso, sem "
                                  "alterações; ficou também uma cópia dela em\r%2")
                       .arg(reposicao.erro(), nativo(antes)),
                   QMessageBox::Ok, Icone::Critico, Aviso);
        return false;
    case ReposicaoBackup::Resultado::Reposta:
        break;
    }
    if (!Reabre(base, antes))
        return false;
    try {
        ReposicaoBackup::esqueceMomentoCopia(m_janela.ligacao());
    } catch (const ErroBaseDados &) {
        // Only a later restore of a hand-made copy would show a time that is not its own.
    }
    MsgBox(QStringLiteral("Cópia de segurança reposta com sucesso...\r\rA base de dados anterior "
                          "ficou guardada em\r%1")
               .arg(nativo(antes)),
           QMessageBox::Ok, Icone::Nenhum, Aviso);
    return true;
}

bool DialogoReposicao::Reabre(const QString &base, const QString &antes)
{
    QString falha;
    try {
        m_janela.reabreLigacao();
        m_janela.recarregaBaseDados();
        return true;
    } catch (const ErroBaseDados &erro) {
        falha = erro.mensagem();
    }
    // The file in place passed the checks the start makes, so this is unlikely; should it
    // happen, the database of before the restore goes back by the same safe steps.
    m_janela.fechaLigacao();
    if (!antes.isEmpty()) {
        ReposicaoBackup volta(base);
        if (volta.prepara(antes) && volta.poeNoLugar()) {
            try {
                m_janela.reabreLigacao();
                m_janela.recarregaBaseDados();
                MsgBox(QStringLiteral("O Quorvel não conseguiu abrir a cópia de segurança reposta "
                                      "(%1).\r\rA base de dados anterior voltou ao seu lugar; "
                                      "nada se perdeu.")
                           .arg(falha),
                       QMessageBox::Ok, Icone::Critico, Aviso);
                return false;
            } catch (const ErroBaseDados &) {
                m_janela.fechaLigacao();
            }
        }
    }
    MsgBox(QStringLiteral("O Quorvel não conseguiu abrir a base de dados\r%1\r(%2)\r\r%3O "
                          "programa vai terminar; consulte o suporte técnico.")
               .arg(nativo(base), falha,
                    antes.isEmpty() ? QString()
                                    : QStringLiteral("A base de dados anterior está guardada "
                                                     "em\r%1\r\r")
                                          .arg(nativo(antes))),
           QMessageBox::Ok, Icone::Critico, Aviso);
    // Without a connection the window cannot go on; nothing is left to write at the end.
    m_janela.terminaPrograma();
    return false;
}
