#pragma once
// Message boxes behind one small interface, so tests can script the answers. The real one uses
// QMessageBox; a carriage return in a text is a line break.
#include <QMessageBox>
#include <QString>

class QWidget;

enum class Icone { Nenhum, Informacao, Exclamacao, Critico, Pergunta };

class Mensagens
{
public:
    virtual ~Mensagens() = default;
    virtual QMessageBox::StandardButton mostra(QWidget *pai, const QString &texto,
                                               QMessageBox::StandardButtons botoes, Icone icone,
                                               const QString &titulo) = 0;
};

// The box in use: the real one unless a test installed another (nullptr restores the real one).
Mensagens &mensagens();
void instalaMensagens(Mensagens *outra);

inline const QString TituloAplicacao = QStringLiteral("Quorvel");

// The program's usual call: text, buttons, icon, title (the application's own by default).
QMessageBox::StandardButton MsgBox(const QString &texto,
                                   QMessageBox::StandardButtons botoes = QMessageBox::Ok,
                                   Icone icone = Icone::Nenhum,
                                   const QString &titulo = TituloAplicacao);
