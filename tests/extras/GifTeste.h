#pragma once
// Small GIF files built byte by byte: a 1x1 picture per frame, frame i painted
// with colour i of a 32-colour table, so a test can tell from one pixel which
// frame is on show.
#include <QByteArray>
#include <QColor>

namespace GifTeste {

inline QColor cor(int i)
{
    return QColor(10 + 7 * i, 200, 0);
}

inline QByteArray gif(int quadros, bool comFim = true)
{
    QByteArray b("GIF89a");
    b += QByteArray("\x01\x00\x01\x00\x84\x00\x00",
                    7); // 1x1, global table of 32 colours
    for (int i = 0; i < 32; ++i)
        b.append(char(cor(i).red())).append(char(cor(i).green())).append(char(cor(i).blue()));
    for (int q = 1; q <= quadros; ++q) {
        b += QByteArray("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);          // graphic control
        b += QByteArray("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10); // 1x1 image
        // LZW, minimum code size 5 (6-bit codes): clear (32), the pixel q, end
        // (33).
        const quint32 codigos = 32u | (quint32(q) << 6) | (33u << 12);
        b.append('\x05').append('\x03').append(char(codigos & 0xFF));
        b.append(char((codigos >> 8) & 0xFF)).append(char((codigos >> 16) & 0xFF)).append('\x00');
    }
    if (comFim)
        b += '\x3B';
    return b;
}

} // namespace GifTeste
