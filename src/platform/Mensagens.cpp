#include "platform/Mensagens.h"

#include <QApplication>

namespace {

class MensagensReais final : public Mensagens
{
public:
    QMessageBox::StandardButton mostra(QWidget *pai, const QString &texto,
                                       QMessageBox::StandardButtons botoes, Icone icone,
                                       const QString &titulo) override
    {
        QMessageBox caixa(pai);
        QString t = texto;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'),
                                                                        QLatin1Char('\n'));
        caixa.setText(t);
        caixa.setWindowTitle(titulo);
        caixa.setStandardButtons(botoes);
        switch (icone) {
        case Icone::Informacao: caixa.setIcon(QMessageBox::Information); break;
        case Icone::Exclamacao: caixa.setIcon(QMessageBox::Warning); break;
        case Icone::Critico: caixa.setIcon(QMessageBox::Critical); break;
        case Icone::Pergunta: caixa.setIcon(QMessageBox::Question); break;
        case Icone::Nenhum: break;
        }
        return QMessageBox::StandardButton(caixa.exec());
    }
};

Mensagens *instalada = nullptr;

} // namespace

Mensagens &mensagens()
{
    static MensagensReais reais;
    return instalada ? *instalada : reais;
}

void instalaMensagens(Mensagens *outra) { instalada = outra; }

QMessageBox::StandardButton MsgBox(const QString &texto, QMessageBox::StandardButtons botoes,
                                   Icone icone, const QString &titulo)
{
    return mensagens().mostra(QApplication::activeWindow(), texto, botoes, icone, titulo);
}
