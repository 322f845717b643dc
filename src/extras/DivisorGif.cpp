#include "extras/DivisorGif.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace DivisorGif {

Divisao divide(const QByteArray &buf)
{
    Divisao d;
    // Positions are 0-based here: `a` is where the first marker starts.
    const qsizetype a = buf.indexOf(MarcaQuadro);
    if (a < 0) {
        d.cabecalho = buf.left(1); // no frame at all: nothing but a header that is never used
        return d;
    }
    d.cabecalho = buf.left(a + 2); // through the marker's 0x00 0x21
    qsizetype j = a + 2;           // the 0xF9 of the current marker
    for (;;) {
        const qsizetype proxima = buf.indexOf(MarcaQuadro, j + 1);
        if (proxima < 0)
            break;
        // From this marker's 0xF9 through the next marker's 0x00 0x21.
        d.quadros.push_back({j, proxima + 2 - j});
        j = proxima + 2;
    }
    return d;
}

qsizetype TotalAEscrever(const Divisao &d)
{
    qsizetype total = 0;
    for (const Troco &t : d.quadros)
        total += d.cabecalho.size() + t.tamanho;
    return total;
}

qsizetype LimiteEscrita(qsizetype tamanho)
{
    constexpr qsizetype MiB = 1024 * 1024;
    return std::clamp(8 * tamanho, MiB, 64 * MiB);
}

QString PastaTemporaria(const QString &pastaAplicacao)
{
    return QDir(pastaAplicacao).filePath(QStringLiteral("giftmp"));
}

namespace {

// Removes what this loading wrote into giftmp, and the folder when that leaves
// it empty (a folder holding anything else is left alone), on every way out.
class LimpezaTemporaria
{
public:
    explicit LimpezaTemporaria(QString pasta) : m_pasta(std::move(pasta)) {}
    ~LimpezaTemporaria()
    {
        for (const QString &f : m_ficheiros)
            QFile::remove(f);
        if (m_criada || QFileInfo(m_pasta).isDir())
            QDir().rmdir(m_pasta);
    }
    void criada() { m_criada = true; }
    void escrito(const QString &f) { m_ficheiros.push_back(f); }
    void apagado(const QString &f) { m_ficheiros.removeAll(f); }

private:
    QString m_pasta;
    QStringList m_ficheiros;
    bool m_criada = false;
};

} // namespace

Resultado LoadGif(const QString &lzFilename, const QString &pastaAplicacao)
{
    Resultado r;
    QFile ficheiro(lzFilename);
    if (!QFileInfo(lzFilename).isFile() || !ficheiro.open(QIODevice::ReadOnly))
        return r;
    const QByteArray buf = ficheiro.readAll();
    ficheiro.close();
    if (!buf.startsWith("GIF")) {
        r.estado = Estado::FormatoInvalido;
        return r;
    }
    const Divisao d = divide(buf);
    if (TotalAEscrever(d) > LimiteEscrita(buf.size())) {
        r.estado = Estado::FormatoInvalido; // nothing written
        return r;
    }
    r.estado = Estado::Carregado;
    const QString pasta = PastaTemporaria(pastaAplicacao);
    LimpezaTemporaria limpeza(pasta);
    const auto nome = [&](size_t k) {
        return QDir(pasta).filePath(QString::number(k) + QStringLiteral(".gif"));
    };
    size_t escritos = 0;
    for (size_t i = 0; i < d.quadros.size(); ++i) {
        if (!QFileInfo(pasta).isDir()) {
            if (!QDir().mkpath(pasta))
                break; // nothing can be written: the frames so far are all there is
            limpeza.criada();
        }
        const QByteArray quadro = d.ficheiro(buf, i);
        QFile f(nome(escritos + 1));
        limpeza.escrito(f.fileName());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(quadro) != quadro.size())
            break;
        ++escritos;
    }

    // One element more than the files written; a file that failed to load leaves
    // a null image.
    for (size_t i = 1; i <= escritos + 1; ++i) {
        QImage imagem;
        if (i <= escritos) {
            imagem.load(nome(i), "GIF");
            QFile::remove(nome(i));
            limpeza.apagado(nome(i));
        }
        r.GifSrc.push_back(std::move(imagem));
    }
    r.GifFrameCount = int(escritos);
    return r;
}

} // namespace DivisorGif
