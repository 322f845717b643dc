#include "extras/Apresentacao.h"
#include "extras/DefinicaoDicas.h"
#include "extras/DivisorGif.h"
#include "extras/frmBrowser.h"
#include "extras/frmTip.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/Ficheiros.h"
#include "platform/Imagens.h"
#include "platform/Mensagens.h"

#include <QAction>
#include <QDir>
#include <QLabel>

namespace {

// A bank picture lies on the start picture, which opens the account when
// clicked: the picture's own click must stop with it.
class ImagemBanco : public EtiquetaClicavel
{
public:
    using EtiquetaClicavel::EtiquetaClicavel;

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        EtiquetaClicavel::mousePressEvent(e);
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        EtiquetaClicavel::mouseReleaseEvent(e);
        e->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent *e) override
    {
        EtiquetaClicavel::mouseDoubleClickEvent(e);
        e->accept();
    }
};

} // namespace

const std::array<Apresentacao::Banco, 7> &Apresentacao::Bancos()
{
    // The banks' own online-banking entrances. Totta is now part of Santander and
    // BES of Novo Banco: their pictures lead to the banks that carry their
    // customers today.
    static const std::array<Banco, 7> bancos{{
        {"Bpi", "LogoBpi.gif", "https://www.bancobpi.pt"},
        {"Santander", "LogoSantander.gif", "https://www.santander.pt"},
        {"Millenium", "LogoMillenium.gif", "https://ind.millenniumbcp.pt"},
        {"Montepio", "LogoMontepio.gif", "https://www.bancomontepio.pt"},
        {"Totta", "LogoTotta.gif", "https://www.santander.pt"},
        {"bbva", "LogoBbva.gif", "https://www.bbva.pt"},
        {"Bes", "LogoBes.gif", "https://www.novobanco.pt"},
    }};
    return bancos;
}

Apresentacao::Apresentacao(const ContextoJanela &contexto, const ControlosApresentacao &c,
                           QObject *pai)
    : Subsistema(contexto, pai), m_c(c)
{
    connect(c.Mnu_FAQ, &QAction::triggered, this, &Apresentacao::Mnu_FAQ_Click);
    connect(c.Mnu_UltimasAltercoes, &QAction::triggered, this,
            &Apresentacao::Mnu_UltimasAltercoes_Click);
    connect(c.Mnu_Manual, &QAction::triggered, this, &Apresentacao::Mnu_Manual_Click);
    connect(c.Mnu_DicasEntrada, &QAction::triggered, this, &Apresentacao::Mnu_DicasEntrada_Click);

    c.Label3->setText(QStringLiteral("Ultimas alterações"));
    c.Label3->setToolTip(QStringLiteral("Consulte as ultimas alterações do programa..."));
    c.Label3->setStyleSheet(QStringLiteral("color: #0000ff; text-decoration: underline;"));
    c.Label3->setCursor(Qt::PointingHandCursor);
    c.Label3->setFocusPolicy(Qt::TabFocus);
    connect(c.Label3, &EtiquetaClicavel::clicked, this, &Apresentacao::Mnu_UltimasAltercoes_Click);

    // The bank pictures lie in a row along the top of the start picture, so they
    // show with it and are covered, like it, by an open account's grid.
    constexpr int largura = 96, altura = 32, intervalo = 8;
    const int total = int(Bancos().size()) * (largura + intervalo) - intervalo;
    int x = (c.Image1->width() - total) / 2;
    for (size_t i = 0; i < Bancos().size(); ++i) {
        auto *imagem = new ImagemBanco(c.Image1);
        imagem->setObjectName(QString::fromLatin1(Bancos()[i].nome));
        imagem->setGeometry(x, 10, largura, altura);
        imagem->setCursor(Qt::PointingHandCursor);
        imagem->setFocusPolicy(Qt::TabFocus);
        imagem->setToolTip(QString::fromLatin1(Bancos()[i].endereco));
        connect(imagem, &EtiquetaClicavel::clicked, this, [this, i] { Banco_Click(int(i)); });
        m_bancos[i] = imagem;
        x += largura + intervalo;
    }

    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setInterval(150);
    connect(&Timer2, &QTimer::timeout, this, &Apresentacao::Timer2_Timer);
}

Apresentacao::~Apresentacao()
{
    delete m_browser; // a browser still open goes with the main window
}

void Apresentacao::CarregaIcones(const QString &pasta)
{
    for (size_t i = 0; i < Bancos().size(); ++i)
        m_bancos[i]->setPixmap(Imagens::carrega(pasta, QString::fromLatin1(Bancos()[i].ficheiro)));
    if (m_gifCarregado)
        return; // the animated picture is loaded once per run
    m_gifCarregado = true;
    LoadGif(QDir(pasta).filePath(QStringLiteral("texto01.gif")));
    Timer2.start();
}

void Apresentacao::LoadGif(const QString &lzFilename)
{
    // Names compare without regard to case: Texto01.gif answers to texto01.gif.
    const QFileInfo pedido(lzFilename);
    QString caminho = Ficheiros::encontra(pedido.absolutePath(), pedido.fileName());
    if (caminho.isEmpty())
        caminho = lzFilename;
    const DivisorGif::Resultado r = DivisorGif::LoadGif(caminho, pedido.absolutePath());
    if (r.estado == DivisorGif::Estado::FormatoInvalido) {
        MsgBox(QStringLiteral("Inviald Gif Format"), QMessageBox::Ok, Icone::Critico,
               QStringLiteral("Error"));
        return;
    }
    if (r.estado != DivisorGif::Estado::Carregado)
        return;
    GifSrc.clear();
    for (const QImage &imagem : r.GifSrc)
        GifSrc.push_back(QPixmap::fromImage(imagem));
    // The first picture is the start picture's, until the first tick.
    const QPixmap inicio = m_c.Image1->pixmap();
    m_c.GifView->setPixmap(inicio.isNull() ? QPixmap()
                                           : inicio.scaled(m_c.GifView->size(), Qt::KeepAspectRatio,
                                                           Qt::SmoothTransformation));
    GifFrameCount = r.GifFrameCount;
}

void Apresentacao::Timer2_Timer()
{
    const std::optional<int> quadro = m_contador.tique(GifFrameCount);
    if (!quadro || *quadro < 1 || size_t(*quadro) > GifSrc.size())
        return;
    m_c.GifView->setPixmap(GifSrc[size_t(*quadro - 1)]);
}

void Apresentacao::MostraBrowser()
{
    if (m_browser) { // already open: brought to the front, its page unchanged
        m_browser->show();
        m_browser->raise();
        m_browser->activateWindow();
        return;
    }
    m_browser = new frmBrowser(contexto().janela, contexto().ligacao);
    m_browser->Form_Load(m_pedido);
    m_browser->show();
}

void Apresentacao::Mnu_FAQ_Click()
{
    m_pedido.PaginaFAQ = true;
    m_pedido.PaginaNovidades = false;
    m_pedido.EnderecoBanco.clear();
    MostraBrowser();
}

void Apresentacao::Mnu_UltimasAltercoes_Click()
{
    m_pedido.PaginaNovidades = true;
    m_pedido.EnderecoBanco.clear();
    MostraBrowser();
}

void Apresentacao::Banco_Click(int i)
{
    m_pedido.EnderecoBanco = QString::fromLatin1(Bancos()[size_t(i)].endereco);
    MostraBrowser();
}

void Apresentacao::Mnu_Manual_Click()
{
    MsgBox(QStringLiteral("Manual ainda não disponível!..."));
}

void Apresentacao::Mnu_DicasEntrada_Click()
{
    // The item has already changed its check mark when this runs: the new mark is
    // the switch.
    m_dicasMostradas = true;
    DefinicaoDicas::defineMostraDicas(m_c.Mnu_DicasEntrada->isChecked());
}

void Apresentacao::Activacao()
{
    if (m_dicasMostradas || m_aMostrarDica)
        return;
    m_aMostrarDica = true; // the main window activates again while the tip is open
    const bool mostrada = frmTip::Mostra(contexto().janela, m_c.Mnu_DicasEntrada);
    m_aMostrarDica = false;
    if (mostrada) {
        m_dicasMostradas = true;
        // The mark shows the switch as saved: the user may have just turned tips
        // off.
        m_c.Mnu_DicasEntrada->setChecked(DefinicaoDicas::mostraDicas());
    } else {
        m_c.Mnu_DicasEntrada->setChecked(false);
    }
}
