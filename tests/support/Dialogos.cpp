#include "support/Dialogos.h"
#include "app/Frm_Password.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

void aoAbrirModal(std::function<void(QWidget *)> accao)
{
    QWidget *antes = QApplication::activeModalWidget();
    auto tentativas = std::make_shared<int>(0);
    auto verifica = std::make_shared<std::function<void()>>();
    *verifica = [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != antes && modal->isVisible()) {
            accao(modal);
            return;
        }
        if (++*tentativas < 500)
            QTimer::singleShot(10, *verifica);
        else
            qWarning("no modal window opened");
    };
    QTimer::singleShot(0, *verifica);
}

void respondePassword(const QString &texto)
{
    aoAbrir<Frm_Password>([texto](Frm_Password *p) {
        if (!p)
            return;
        QTest::keyClicks(p->Text1, texto);
        QTest::mouseClick(p->Cmd_Entrar, Qt::LeftButton);
    });
}
