#pragma once
// Help and presentation around the main window: the browser on the help pages
// and the banks' sites, the manual item, the tip of the day with its menu
// switch, and the animated picture.
#include "subsistemas/Subsistema.h"
#include "extras/ContadorQuadros.h"
#include "extras/frmBrowser.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <array>
#include <vector>

class EtiquetaClicavel;
class QAction;
class QLabel;

// The main window's controls this subsystem works on.
struct ControlosApresentacao {
    QAction *Mnu_FAQ, *Mnu_UltimasAltercoes, *Mnu_Manual, *Mnu_DicasEntrada;
    EtiquetaClicavel *Label3; // "Ultimas alterações"
    QLabel *GifView;          // the animated picture
    EtiquetaClicavel *Image1; // the start picture: the bank pictures sit on it
};

class Apresentacao : public Subsistema
{
    Q_OBJECT
public:
    Apresentacao(const ContextoJanela &contexto, const ControlosApresentacao &controlos,
                 QObject *pai = nullptr);
    ~Apresentacao() override;

    void CarregaIcones(const QString &pasta) override; // bank pictures; the animated picture
    void Activacao() override;                         // the tip of the day, once per run

    void Mnu_FAQ_Click();
    void Mnu_UltimasAltercoes_Click();
    void Mnu_Manual_Click();
    void Mnu_DicasEntrada_Click();
    void Banco_Click(int i); // i indexes Bancos()

    void LoadGif(const QString &lzFilename);
    void Timer2_Timer();

    struct Banco {
        const char *nome; // the picture's design name
        const char *ficheiro;
        const char *endereco;
    };
    static const std::array<Banco, 7> &Bancos();

    QTimer Timer2;
    std::vector<QPixmap> GifSrc; // GifSrc(1) is GifSrc[0]
    int GifFrameCount = 0;
    frmBrowser *Browser() const { return m_browser; }
    // The browser's request, kept for its next opening.
    const PedidoBrowser &Pedido() const { return m_pedido; }
    // The tip of the day has been shown, or the user used its menu item, in this run.
    bool DicasMostradas() const { return m_dicasMostradas; }

private:
    void MostraBrowser();
    ControlosApresentacao m_c;
    std::array<EtiquetaClicavel *, 7> m_bancos{};
    QPointer<frmBrowser> m_browser;
    PedidoBrowser m_pedido;
    bool m_dicasMostradas = false;
    ContadorQuadros m_contador;
    bool m_gifCarregado = false;
    bool m_aMostrarDica = false;
};
