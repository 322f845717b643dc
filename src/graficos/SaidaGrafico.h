#pragma once
// A chart outside its window: a PNG picture, a PDF page, a printed page. A page is drawn as a
// 1000-pixel-wide chart scaled to the device, so print and PDF look like the screen.
#include <QImage>
#include <QPageLayout>
#include <QString>

class Grafico;
class QPagedPaintDevice;

namespace SaidaGrafico {

inline constexpr int LarguraPagina = 1000; // logical pixels across a page

QImage imagem(const Grafico &g, const QSize &tamanho);
// The picture's size when saved as PNG.
inline const QSize TamanhoPng{1200, 700};
// The page set-up of a printed or PDF chart: A4 landscape.
QPageLayout pagina();

// False when the file cannot be written.
bool gravaPng(const Grafico &g, const QString &caminho);
bool gravaPdf(const Grafico &g, const QString &caminho);
// Draws the chart on the page of a device already set up (a printer, a PDF writer). False
// when the device cannot be painted.
bool desenhaPagina(const Grafico &g, QPagedPaintDevice &dispositivo);

} // namespace SaidaGrafico
