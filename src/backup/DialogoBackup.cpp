#include "backup/DialogoBackup.h"
#include "backup/CopiaSeguranca.h"
#include "data/Relogio.h"
#include "data/ErroBaseDados.h"
#include <QCursor> // before CursorEspera.h, which uses it
#include "platform/CursorEspera.h"
#include "platform/Mensagens.h"

#include <QFileDialog>
#include <QProgressDialog>
#include <memory>

namespace {

const QString Aviso = QStringLiteral("AVISO");

} // namespace

QString DialogoBackup::CommonDialogBackup(const QString &proposta)
{
    QFileDialog dialogo(m_dono, QStringLiteral("Escolha o nome do ficheiro de backup"));
    dialogo.setObjectName(QStringLiteral("CommonDialogBackup"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    // An existing name is answered by the program's own message, not by Qt's question.
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    dialogo.setNameFilter(QStringLiteral("Backups do programa  (*.MDB)"));
    dialogo.selectFile(proposta);
    if (dialogo.exec() != QDialog::Accepted)
        return QString();
    const QStringList escolhidos = dialogo.selectedFiles();
    return escolhidos.isEmpty() ? QString() : escolhidos.first();
}

bool DialogoBackup::EfectuaBackup()
{
    const QString destino = CommonDialogBackup(CopiaSeguranca::nomeProposto(Relogio::hoje()));
    if (destino.isEmpty())
        return false; // closed without a choice: nothing is written, nothing is said

    CopiaSeguranca copia(m_bd);
    switch (copia.verificaDestino(destino)) {
    case CopiaSeguranca::Destino::JaExiste:
        MsgBox(QStringLiteral(
            "Já existe um ficheiro de backup com esse nome!... Backup não efectuado..."));
        return false;
    case CopiaSeguranca::Destino::MesmoFicheiro:
        MsgBox(QStringLiteral("Nome Inválido do Backup... terá que escolher outro nome."));
        return false;
    case CopiaSeguranca::Destino::Livre:
        break;
    }

    bool copiado = false;
    {
        CursorEspera ampulheta;
        std::unique_ptr<QProgressDialog> progresso;
        if (copia.tamanho() > CopiaSeguranca::LimiteProgresso) {
            progresso = std::make_unique<QProgressDialog>(
                QStringLiteral("A fazer a cópia de segurança..."), QString(), 0, 0, m_dono);
            progresso->setObjectName(QStringLiteral("ProgressoBackup"));
            progresso->setWindowTitle(TituloAplicacao);
            progresso->setWindowModality(Qt::WindowModal);
            progresso->setMinimumDuration(0);
            progresso->setAutoClose(false);
            progresso->setValue(0);
        }
        copiado = copia.copia(destino, [&](int feitas, int total) {
            if (!progresso)
                return;
            progresso->setMaximum(total);
            progresso->setValue(feitas); // a modal progress dialog repaints here
        });
    }
    if (!copiado) {
        MsgBox(QStringLiteral("ATENÇÃO: O BACKUP NÃO FOI EFECTUADO COM SUCESSO...\r\r"
                              "Escolha outro local no disco para efectuar o seu backup"),
               QMessageBox::Ok, Icone::Nenhum, Aviso);
        return false;
    }
    MsgBox(QStringLiteral("Backup efectuado com sucesso..."), QMessageBox::Ok, Icone::Nenhum,
           Aviso);
    GravaUltimoBackup();
    return true;
}

void DialogoBackup::GravaUltimoBackup()
{
    try {
        CopiaSeguranca(m_bd).gravaUltimoBackup();
    } catch (const ErroBaseDados &erro) {
        MsgBox(QStringLiteral("A cópia de segurança foi feita, mas não foi possível guardar a "
                              "sua data:\r")
                   + erro.mensagem(),
               QMessageBox::Ok, Icone::Critico);
    }
}
