#include "extractos/CodificacaoTexto.h"

#include <algorithm>
#include <cstring>

namespace {

// Windows-1252 0x80..0x9F; 0 marks the five bytes it leaves undefined (kept as C1 controls).
constexpr char16_t Windows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t iso885915(unsigned char b)
{
    switch (b) {
    case 0xA4: return 0x20AC;
    case 0xA6: return 0x0160;
    case 0xA8: return 0x0161;
    case 0xB4: return 0x017D;
    case 0xB8: return 0x017E;
    case 0xBC: return 0x0152;
    case 0xBD: return 0x0153;
    case 0xBE: return 0x0178;
    default: return b;
    }
}

bool comeca(const QByteArray &b, const char *bom, int n)
{
    return b.size() >= n && std::equal(bom, bom + n, b.constData());
}

QString utf16(const QByteArray &bytes, bool bigEndian)
{
    const qsizetype n = bytes.size() / 2;
    QString r(n, Qt::Uninitialized);
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned a = p[2 * i], b = p[2 * i + 1];
        r[i] = QChar(char16_t(bigEndian ? (a << 8 | b) : (b << 8 | a)));
    }
    if (r.startsWith(QChar(0xFEFF)))
        r.remove(0, 1);
    return r;
}

} // namespace

namespace CodificacaoTextos {

bool utf8Valido(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned c = p[i];
        int seguintes = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            seguintes = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            seguintes = 2;
        } else if (c >= 0xF0 && c <= 0xF4) {
            seguintes = 3;
        } else {
            return false;
        }
        if (i + seguintes >= n)
            return false;
        for (int k = 1; k <= seguintes; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += seguintes + 1;
    }
    return true;
}

CodificacaoTexto detecta(const QByteArray &bytes)
{
    if (comeca(bytes, "\xEF\xBB\xBF", 3))
        return CodificacaoTexto::Utf8;
    if (comeca(bytes, "\xFF\xFE", 2))
        return CodificacaoTexto::Utf16Le;
    if (comeca(bytes, "\xFE\xFF", 2))
        return CodificacaoTexto::Utf16Be;
    // UTF-16 without a BOM: mostly ASCII text leaves every other byte zero.
    const qsizetype amostra = std::min<qsizetype>(bytes.size(), 4096) & ~qsizetype(1);
    qsizetype zerosPares = 0, zerosImpares = 0;
    for (qsizetype i = 0; i < amostra; ++i)
        if (bytes[i] == '\0')
            ++(i % 2 ? zerosImpares : zerosPares);
    if (amostra >= 8) {
        if (zerosImpares * 10 > amostra * 4 && zerosPares * 20 < amostra)
            return CodificacaoTexto::Utf16Le;
        if (zerosPares * 10 > amostra * 4 && zerosImpares * 20 < amostra)
            return CodificacaoTexto::Utf16Be;
    }
    // Plain ASCII, eight bytes at a time: taken as Windows-1252, as the bytes below would.
    const char *p = bytes.constData();
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        quint64 w;
        std::memcpy(&w, p + i, 8);
        if (w & 0x8080808080808080ull)
            break;
    }
    bool altos = false, c1 = false, a4 = false;
    for (const char ch : QByteArrayView(bytes).sliced(i)) {
        const auto b = static_cast<unsigned char>(ch);
        altos |= b >= 0x80;
        c1 |= b >= 0x80 && b <= 0x9F;
        a4 |= b == 0xA4;
    }
    if (altos && utf8Valido(bytes))
        return CodificacaoTexto::Utf8;
    if (a4 && !c1)
        return CodificacaoTexto::Iso8859_15;
    return CodificacaoTexto::Windows1252;
}

QString descodifica(const QByteArray &bytes, CodificacaoTexto codificacao)
{
    switch (codificacao) {
    case CodificacaoTexto::Utf8: {
        const QByteArray semBom = comeca(bytes, "\xEF\xBB\xBF", 3) ? bytes.mid(3) : bytes;
        return QString::fromUtf8(semBom);
    }
    case CodificacaoTexto::Utf16Le:
        return utf16(bytes, false);
    case CodificacaoTexto::Utf16Be:
        return utf16(bytes, true);
    case CodificacaoTexto::Windows1252:
    case CodificacaoTexto::Iso8859_15: {
        const bool w = codificacao == CodificacaoTexto::Windows1252;
        QString r(bytes.size(), Qt::Uninitialized);
        QChar *d = r.data();
        for (const char ch : bytes) {
            const auto b = static_cast<unsigned char>(ch);
            char16_t u = b;
            if (w && b >= 0x80 && b <= 0x9F && Windows1252[b - 0x80])
                u = Windows1252[b - 0x80];
            else if (!w)
                u = iso885915(b);
            *d++ = QChar(u);
        }
        return r;
    }
    }
    return {};
}

QString nome(CodificacaoTexto codificacao)
{
    switch (codificacao) {
    case CodificacaoTexto::Utf8: return QStringLiteral("UTF-8");
    case CodificacaoTexto::Utf16Le: return QStringLiteral("UTF-16 LE");
    case CodificacaoTexto::Utf16Be: return QStringLiteral("UTF-16 BE");
    case CodificacaoTexto::Windows1252: return QStringLiteral("Windows-1252");
    case CodificacaoTexto::Iso8859_15: return QStringLiteral("ISO-8859-15");
    }
    return {};
}

} // namespace CodificacaoTextos
