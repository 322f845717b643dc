#pragma once
// The program's small browser: the local help pages and the banks' sites, with
// the user's own list of sites from TabSites. No address bar the user can type
// into. The web engine is built when the window first opens, never at program
// start. Links that ask for a new window open in this one; downloads ask where to
// save.
#include <QMainWindow>
#include <QTimer>
#include <functional>

class BaseDados;
class QAction;
class QComboBox;
class QLabel;
class QToolBar;
class VistaWeb;

// What the browser shows when it opens: a help page, or a bank's site (which wins).
struct PedidoBrowser {
    bool PaginaFAQ = false, PaginaNovidades = false;
    QString EnderecoBanco;
};

class frmBrowser : public QMainWindow
{
    Q_OBJECT
public:
    // ligacao: the one connection (TabSites).
    frmBrowser(QWidget *principal, std::function<BaseDados &()> ligacao);
    ~frmBrowser() override;

    void Form_Load(const PedidoBrowser &pedido);
    void tbToolBar_ButtonClick(const QString &Key);
    void Combo1_Click();
    void timTimer_Timer();
    void EnchimentoSites(); // fills Combo1 from TabSites

    QString StartingAddress;
    QString Endereco; // the last site chosen from the list

    QToolBar *tbToolBar = nullptr;
    QWidget *picAddress = nullptr;
    QComboBox *cboAddress = nullptr;
    QLabel *lblAddress = nullptr;
    QWidget *brwWebBrowser = nullptr; // the page view, or a label saying why there is none
    QComboBox *Combo1 = nullptr;
    QTimer timTimer;

    bool Busy() const { return m_ocupado; }
    QString LocationName() const;
    QUrl LocationURL() const;

    // Chromium refuses to run as root inside its sandbox: as root the sandbox is
    // switched off (QTWEBENGINE_CHROMIUM_FLAGS gains --no-sandbox) before the
    // engine starts.
    static void PreparaMotor();

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    // Downloads: the save dialog, and a word on how the download ended.
    QString OndeGuardar(const QString &nomeSugerido);
    void Transferido(const QString &ficheiro, bool completo, const QString &razao);
    void Navega(const QString &endereco);
    void Dispoe();
    std::function<BaseDados &()> m_ligacao;
    bool m_ocupado = false;
    VistaWeb *m_web = nullptr; // owned by brwWebBrowser; nullptr when the module is missing
};
