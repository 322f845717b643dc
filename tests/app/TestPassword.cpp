// The password prompt hands over the trimmed text however it is left, and only through its
// buttons or Enter.
#include "app/Frm_Password.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

class TestPassword : public QObject
{
    Q_OBJECT

    // Opens the prompt, lets `accao` act on it once it is shown, and returns what it handed over.
    QString submete(const std::function<void(Frm_Password &)> &accao)
    {
        Frm_Password prompt(nullptr);
        QTimer::singleShot(0, &prompt, [&] { accao(prompt); });
        prompt.exec();
        return prompt.Digitada();
    }

private slots:
    void enterValidarESairSubmetem()
    {
        PastaTeste pasta;
        QCOMPARE(submete([](Frm_Password &p) {
                     QTest::keyClicks(p.Text1, QStringLiteral("  Segredo "));
                     QTest::keyClick(p.Text1, Qt::Key_Return);
                 }),
                 QStringLiteral("Segredo"));
        QCOMPARE(submete([](Frm_Password &p) {
                     QTest::keyClicks(p.Text1, QStringLiteral("abc"));
                     QTest::mouseClick(p.Cmd_Entrar, Qt::LeftButton);
                 }),
                 QStringLiteral("abc"));
        QCOMPARE(submete([](Frm_Password &p) {
                     QTest::keyClicks(p.Text1, QStringLiteral("xyz "));
                     QTest::mouseClick(p.Cmd_Sair, Qt::LeftButton);
                 }),
                 QStringLiteral("xyz"));
    }

    void cadaAberturaComecaVazia()
    {
        PastaTeste pasta;
        submete([](Frm_Password &p) {
            QTest::keyClicks(p.Text1, QStringLiteral("anterior"));
            QTest::keyClick(p.Text1, Qt::Key_Return);
        });
        QCOMPARE(submete([](Frm_Password &p) {
                     QVERIFY(p.Text1->text().isEmpty());
                     QCOMPARE(p.Text1->echoMode(), QLineEdit::Password);
                     QCOMPARE(QChar(p.Text1->style()->styleHint(
                                  QStyle::SH_LineEdit_PasswordCharacter, nullptr, p.Text1)),
                              QLatin1Char('*'));
                     QTest::mouseClick(p.Cmd_Sair, Qt::LeftButton);
                 }),
                 QString());
    }

    void escapeNaoFecha()
    {
        PastaTeste pasta;
        bool abertoDepoisDoEscape = false;
        submete([&](Frm_Password &p) {
            QTest::keyClick(p.Text1, Qt::Key_Escape);
            abertoDepoisDoEscape = p.isVisible();
            QTest::keyClick(p.Text1, Qt::Key_Return);
        });
        QVERIFY(abertoDepoisDoEscape);
    }

    void semBotaoDeFechar()
    {
        PastaTeste pasta;
        Frm_Password p(nullptr);
        QVERIFY(!(p.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(p.windowTitle(), QStringLiteral("Password"));
        QCOMPARE(p.Cmd_Entrar->text(), QStringLiteral("Validar"));
        QCOMPARE(p.Cmd_Sair->text(), QStringLiteral("Sair"));
    }
};

QUORVEL_TESTE(TestPassword)
#include "TestPassword.moc"
