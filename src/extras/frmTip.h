#pragma once
// The tip of the day: a random line of TIPOFDAY.TXT, "Proxima dica" for
// another, and the box that switches the window off at start (mirrored by the
// main window's menu item).
#include <QDialog>
#include <QStringList>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;

class frmTip : public QDialog
{
    Q_OBJECT
public:
    // Mnu_DicasEntrada: the main window's menu item that follows the box.
    frmTip(QWidget *principal, QAction *Mnu_DicasEntrada);

    // Shows the window modally. False when it declined to open (tips switched
    // off).
    static bool Mostra(QWidget *principal, QAction *Mnu_DicasEntrada);

    // The loading: false (and nothing to show) when tips are switched off.
    bool Form_Load();
    bool LoadTips(const QString &sFile);
    void ShowRandomTip();
    void DisplayCurrentTip();

    QStringList TipList;
    int TipIndex = 0; // 1-based

    QLabel *Label1 = nullptr;
    QLabel *lblTipText = nullptr;
    QLabel *Picture1 = nullptr;
    QPushButton *cmdNextTip = nullptr;
    QPushButton *cmdOK = nullptr;
    QCheckBox *chkLoadTipsAtStartup = nullptr;

private:
    void chkLoadTipsAtStartup_Click();
    QWidget *m_principal;
    QAction *m_menu;
};
