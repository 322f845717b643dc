#include "platform/BotaoQuebraTexto.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void BotaoQuebraTexto::paintEvent(QPaintEvent *)
{
    QStylePainter pintor(this);
    QStyleOptionButton opcao;
    initStyleOption(&opcao);
    const QString legenda = opcao.text;
    opcao.text.clear();
    opcao.icon = QIcon();
    pintor.drawControl(QStyle::CE_PushButton, opcao);
    QRect area = rect().adjusted(3, 2, -3, -2);
    if (!icon().isNull()) {
        const QSize lado = iconSize();
        icon().paint(&pintor, QRect(area.center().x() - lado.width() / 2, area.top(),
                                    lado.width(), lado.height()));
        area.setTop(area.top() + lado.height());
    }
    pintor.setPen(palette().color(isEnabled() ? QPalette::ButtonText : QPalette::PlaceholderText));
    pintor.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, legenda);
}
