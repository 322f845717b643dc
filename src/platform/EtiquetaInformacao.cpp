#include "platform/EtiquetaInformacao.h"
#include "platform/Imagens.h"

namespace {
constexpr int LadoIcone = 32;
constexpr int Margem = 4;
} // namespace

EtiquetaInformacao::EtiquetaInformacao(const QString &texto, QWidget *pai)
    : QLabel(texto, pai), m_icone(new QLabel(this))
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(p);
    m_icone->setGeometry(Margem, Margem, LadoIcone, LadoIcone);
    m_icone->hide();
}

void EtiquetaInformacao::carregaIcone(const QString &pasta)
{
    const QPixmap imagem = Imagens::carrega(pasta, QStringLiteral("inf.ico"));
    if (imagem.isNull())
        return;
    m_icone->setPixmap(imagem.scaled(LadoIcone, LadoIcone, Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation));
    m_icone->show();
    setContentsMargins(LadoIcone + 2 * Margem, 0, Margem, 0);
}
