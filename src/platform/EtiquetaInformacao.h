#pragma once
// The windows' information labels: a blue text on the tooltip colour with the "inf.ico" picture
// at its left. The text wraps, which a tool button's caption cannot do.
#include <QLabel>

class EtiquetaInformacao : public QLabel
{
    Q_OBJECT
public:
    EtiquetaInformacao(const QString &texto, QWidget *pai);

    // The picture from the application folder; a missing file leaves the text alone.
    void carregaIcone(const QString &pasta);

private:
    QLabel *m_icone;
};
