// libFuzzer: any bytes through the GIF splitter, in memory and through its
// temporary folder. Checks that the cut frames are exact slices of the input
// and that giftmp never stays behind.
#include "extras/DivisorGif.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
QTemporaryDir &pasta()
{
    static QTemporaryDir dir;
    return dir;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QByteArray buf(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
    const DivisorGif::Divisao d = DivisorGif::divide(buf);
    for (size_t i = 0; i < d.quadros.size(); ++i) {
        const DivisorGif::Troco t = d.quadros[i];
        if (t.inicio < 0 || t.tamanho < 3 || t.inicio + t.tamanho > buf.size())
            std::abort();
        const QByteArray f = d.ficheiro(buf, i);
        if (!f.startsWith(d.cabecalho) || !f.endsWith(QByteArray("\x00\x21", 2))
            || f.at(d.cabecalho.size()) != '\xF9')
            std::abort();
    }

    // The whole loading, files and pictures included, now and then (it is
    // slower).
    if (tamanho > 0 && dados[0] == 'G') {
        const QString ficheiro = pasta().filePath(QStringLiteral("entrada.gif"));
        QFile f(ficheiro);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            f.write(buf);
            f.close();
            const DivisorGif::Resultado r = DivisorGif::LoadGif(ficheiro, pasta().path());
            if (r.estado == DivisorGif::Estado::Carregado
                && r.GifSrc.size() != size_t(r.GifFrameCount) + 1)
                std::abort();
            if (QDir(DivisorGif::PastaTemporaria(pasta().path())).exists())
                std::abort();
        }
    }
    return 0;
}
