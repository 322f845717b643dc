#pragma once
// The animated picture of the main window comes from one GIF file, cut into one
// small GIF per frame: the common header (everything before the first frame)
// followed by the bytes of the frame, from its graphic control extension to the
// start of the next one. The cut files pass through the folder "giftmp" of the
// application folder, which is gone when loading ends, whatever happened on the
// way.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace DivisorGif {

// Every frame is announced by a graphic control extension (0x21 0xF9) that
// follows the zero byte closing the previous block: these three bytes mark the
// frames.
inline const QByteArray MarcaQuadro = QByteArray::fromRawData("\x00\x21\xF9", 3);

struct Troco {
    qsizetype inicio, tamanho; // a slice of the file's bytes
};

struct Divisao {
    QByteArray cabecalho; // bytes before the first frame, ending in 0x00 0x21
    // Each frame's own bytes, from the 0xF9 of its marker through the 0x00 0x21
    // of the next one; its file is cabecalho followed by them. Slices, so a file
    // with a long header and many markers is never copied once per frame.
    std::vector<Troco> quadros;

    QByteArray ficheiro(const QByteArray &buf, size_t i) const
    {
        return cabecalho + buf.mid(quadros[i].inicio, quadros[i].tamanho);
    }
};

// Cuts the bytes of a GIF file. The data after the last marker is not a frame
// of its own (the files written carry no trailer), so n markers give n - 1
// frames; no marker gives none.
Divisao divide(const QByteArray &buf);

// What the cut files of one picture add up to (each carries the whole header).
qsizetype TotalAEscrever(const Divisao &d);
// How much one picture of tamanho bytes may make the splitter write: eight times its size, at
// least 1 MiB, at most 64 MiB. A normal animation stays far below; a crafted one (a long header
// and thousands of empty frames) would fill the disk, and is treated as an unreadable picture.
qsizetype LimiteEscrita(qsizetype tamanho);

enum class Estado { SemFicheiro, FormatoInvalido, Carregado };

struct Resultado {
    Estado estado = Estado::SemFicheiro;
    // GifSrc(1) .. GifSrc(k): one element per file written plus one more, which
    // has no file and so stays without picture (an element whose file did not
    // load is a null image too).
    std::vector<QImage> GifSrc;
    int GifFrameCount = 0; // files written
};

// lzFilename: the GIF file; pastaAplicacao: where giftmp is made.
Resultado LoadGif(const QString &lzFilename, const QString &pastaAplicacao);

QString PastaTemporaria(const QString &pastaAplicacao); // the application folder's "giftmp"

} // namespace DivisorGif
