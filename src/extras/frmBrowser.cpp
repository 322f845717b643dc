#include "extras/frmBrowser.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "extras/VistaWeb.h"
#include "platform/Ficheiros.h"
#include "platform/Medidas.h"
#include "platform/Mensagens.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStatusBar>
#include <QLabel>
#include <QStyle>
#include <QToolBar>
#include <unistd.h>

namespace {

const QString TextoCombo = QStringLiteral("Escolha aqui o site pretendido...");

// A local page of the application folder (found without regard to case), as an
// address.
QString PaginaLocal(const QString &nome)
{
    QString caminho = Ficheiros::encontra(PastaAplicacao(), nome);
    if (caminho.isEmpty())
        caminho = QDir(PastaAplicacao()).filePath(nome); // the engine shows its not-found page
    return QUrl::fromLocalFile(caminho).toString();
}

} // namespace

void frmBrowser::PreparaMotor()
{
    if (geteuid() != 0)
        return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--no-sandbox")) {
        flags = flags.isEmpty() ? QByteArray("--no-sandbox") : flags + " --no-sandbox";
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    }
}

frmBrowser::frmBrowser(QWidget *principal, std::function<BaseDados &()> ligacao)
    : QMainWindow(principal, Qt::Window), m_ligacao(std::move(ligacao))
{
    setObjectName(QStringLiteral("frmBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(twips(12000), twips(9000));

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    addToolBar(tbToolBar);
    struct Botao {
        const char *key;
        QString legenda, dica;
        QStyle::StandardPixmap icone;
    };
    const Botao botoes[] = {
        {"Back", {}, QStringLiteral("Anterior"), QStyle::SP_ArrowBack},
        {"Forward", {}, QStringLiteral("Seguinte"), QStyle::SP_ArrowForward},
        {"Sair", QStringLiteral("Fechar"), QStringLiteral("Parar"), QStyle::SP_DialogCloseButton},
        {"Refresh", {}, QStringLiteral("Actualizar"), QStyle::SP_BrowserReload},
        {"Home", {}, QStringLiteral("Principal"), QStyle::SP_DirHomeIcon},
        {"Sites", QStringLiteral("Meus Sites"), QStringLiteral("Vários Sites"),
         QStyle::SP_FileDialogDetailedView},
    };
    for (const Botao &b : botoes) {
        const QString key = QString::fromLatin1(b.key);
        QAction *a = tbToolBar->addAction(style()->standardIcon(b.icone), b.legenda);
        a->setObjectName(key);
        a->setToolTip(b.dica);
        connect(a, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }

    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("AreaCliente"));
    setCentralWidget(area);

    picAddress = new QWidget(area);
    picAddress->setObjectName(QStringLiteral("picAddress"));
    lblAddress = new QLabel(QStringLiteral("Endereço:"), picAddress);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);

    Combo1 = new QComboBox(area);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true); // a drop-down box: its text is a prompt until a site is chosen
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    PreparaMotor();
    QString erro;
    m_web = CriaVistaWeb(area, &erro);
    if (m_web) {
        brwWebBrowser = m_web->widget();
        m_web->aoComecar = [this] { m_ocupado = true; };
        m_web->aoAcabar = [this] {
            m_ocupado = false;
            setWindowTitle(LocationName()); // the download-complete event
        };
        // A title that arrives after the page finished loading is taken too.
        m_web->aoMudarTitulo = [this] {
            if (!m_ocupado)
                setWindowTitle(LocationName());
        };
        m_web->aoTransferir = [this](const QString &nome) { return OndeGuardar(nome); };
        m_web->aoTransferido = [this](const QString &ficheiro, bool completo,
                                      const QString &razao) {
            Transferido(ficheiro, completo, razao);
        };
    } else {
        auto *aviso = new QLabel(QStringLiteral("O navegador não está disponível nesta"
                                                " instalação (falta o módulo quorvel_web).\n\n")
                                     + erro,
                                 area);
        aviso->setWordWrap(true);
        aviso->setAlignment(Qt::AlignCenter);
        brwWebBrowser = aviso;
    }
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));

    timTimer.setInterval(5);
    connect(&timTimer, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);
}

frmBrowser::~frmBrowser()
{
    // The view outlives this body (children go with QWidget's destructor): it must not call
    // back into a window being destroyed.
    if (m_web) {
        m_web->aoComecar = m_web->aoAcabar = m_web->aoMudarTitulo = nullptr;
        m_web->aoTransferir = nullptr;
        m_web->aoTransferido = nullptr;
    }
}

QString frmBrowser::OndeGuardar(const QString &nomeSugerido)
{
    const QString nome = QFileInfo(nomeSugerido).fileName();
    return QFileDialog::getSaveFileName(
        this, QStringLiteral("Guardar o ficheiro"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation))
            .filePath(nome.isEmpty() ? QStringLiteral("transferencia") : nome));
}

void frmBrowser::Transferido(const QString &ficheiro, bool completo, const QString &razao)
{
    if (completo) {
        statusBar()->showMessage(QStringLiteral("Ficheiro guardado em ")
                                 + QDir::toNativeSeparators(ficheiro));
        return;
    }
    MsgBox(QStringLiteral("O ficheiro %1 não foi guardado.").arg(QDir::toNativeSeparators(ficheiro))
               + (razao.isEmpty() ? QString() : QStringLiteral("\r\r") + razao),
           QMessageBox::Ok, Icone::Exclamacao);
}

QUrl frmBrowser::LocationURL() const { return m_web ? m_web->endereco() : QUrl(); }

QString frmBrowser::LocationName() const
{
    const QString titulo = m_web ? m_web->titulo() : QString();
    return titulo.isEmpty() ? LocationURL().toString() : titulo;
}

void frmBrowser::Form_Load(const PedidoBrowser &pedido)
{
    StartingAddress.clear();
    bool escondeEndereco = false;
    if (pedido.PaginaFAQ) {
        StartingAddress = PaginaLocal(QStringLiteral("FAQ.htm"));
        escondeEndereco = true;
    }
    if (pedido.PaginaNovidades) {
        StartingAddress = PaginaLocal(QStringLiteral("Novidades.htm"));
        escondeEndereco = true;
    }
    if (!pedido.EnderecoBanco.trimmed().isEmpty()) {
        StartingAddress = pedido.EnderecoBanco.trimmed();
        escondeEndereco = true;
    }
    if (escondeEndereco) {
        cboAddress->hide();
        lblAddress->hide();
    }
    Dispoe();
    if (!StartingAddress.isEmpty()) {
        cboAddress->setEditText(StartingAddress);
        Navega(StartingAddress);
    }
    EnchimentoSites();
    Combo1->setEditText(TextoCombo);
    Combo1->hide();
}

void frmBrowser::EnchimentoSites()
{
    try {
        Registos r =
            m_ligacao().consulta(QStringLiteral("SELECT pesquisa FROM TabSites ORDER BY rowid"));
        if (r.vazio())
            return;
        Combo1->clear();
        for (r.primeiro(); !r.eof(); r.seguinte()) {
            const QString rotulo = r.texto(QStringLiteral("Pesquisa"));
            if (!rotulo.trimmed().isEmpty())
                Combo1->addItem(rotulo);
        }
    } catch (const ErroBaseDados &) {
        // The list is a convenience: without the table the browser still shows its
        // page.
    }
}

void frmBrowser::Combo1_Click()
{
    const QString rotulo = Combo1->currentText();
    try {
        // The label is a bound value: an apostrophe or a "%" in it is an ordinary
        // character.
        Registos r = m_ligacao().consulta(
            QStringLiteral("SELECT site FROM TabSites WHERE DOBRA(pesquisa) = DOBRA(?) "
                           "ORDER BY rowid LIMIT 1"),
            {rotulo});
        if (r.vazio())
            return;
        Endereco = r.texto(QStringLiteral("site")).trimmed();
    } catch (const ErroBaseDados &) {
        return;
    }
    cboAddress->setEditText(Endereco);
    Navega(Endereco);
    Combo1->hide();
}

void frmBrowser::Navega(const QString &endereco)
{
    timTimer.start();
    m_ocupado = true; // busy from the request on, before the engine reports the load
    if (m_web)
        m_web->abre(QUrl::fromUserInput(endereco));
    else
        m_ocupado = false;
}

void frmBrowser::tbToolBar_ButtonClick(const QString &Key)
{
    timTimer.start();
    if (Key == QLatin1String("Back")) {
        if (m_web)
            m_web->recua();
    } else if (Key == QLatin1String("Forward")) {
        if (m_web)
            m_web->avanca();
    } else if (Key == QLatin1String("Sair")) {
        timTimer.stop();
        if (m_web)
            m_web->para();
        close();
    } else if (Key == QLatin1String("SAIR")) {
        close();
    } else if (Key == QLatin1String("Refresh")) {
        if (m_web)
            m_web->recarrega();
    } else if (Key == QLatin1String("Home")) {
        // The engine has no home page of the system: home is the page this window
        // opened on.
        if (!StartingAddress.isEmpty())
            Navega(StartingAddress);
    } else if (Key == QLatin1String("Sites")) {
        Combo1->show();
        Combo1->raise();
        Combo1->setFocus();
    }
}

void frmBrowser::timTimer_Timer()
{
    if (m_ocupado) {
        const QString aguarde = QStringLiteral("A processar... aguarde...");
        if (windowTitle() != aguarde)
            setWindowTitle(aguarde);
        return;
    }
    timTimer.stop();
    setWindowTitle(LocationName());
}

void frmBrowser::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    Dispoe();
}

void frmBrowser::Dispoe()
{
    const QWidget *area = centralWidget();
    const int largura = area->width() - twips(100);
    picAddress->setGeometry(0, 0, area->width(), twips(420));
    lblAddress->setGeometry(twips(60), twips(60), twips(900), twips(300));
    cboAddress->setGeometry(twips(1000), twips(30), std::max(0, largura - twips(1000)), twips(360));
    Combo1->setGeometry(twips(60), twips(30), twips(6000), twips(360));
    const int topo = picAddress->y() + picAddress->height();
    brwWebBrowser->setGeometry(0, topo, std::max(0, largura),
                               std::max(0, area->height() - topo - twips(100)));
}
