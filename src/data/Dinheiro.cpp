#include "data/Dinheiro.h"

namespace {

bool ehBranco(QChar c) { return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F); }

} // namespace

std::optional<Dinheiro> Dinheiro::interpreta(const QString &texto)
{
    QString t = texto;
    while (!t.isEmpty() && ehBranco(t.back()))
        t.chop(1);
    if (t.endsWith(QChar(0x20AC)))
        t.chop(1);
    t = t.trimmed();
    while (!t.isEmpty() && ehBranco(t.back()))
        t.chop(1);
    while (!t.isEmpty() && ehBranco(t.front()))
        t.remove(0, 1);

    bool negativo = false;
    int i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        negativo = t[i] == QLatin1Char('-');
        ++i;
    }
    qint64 inteiro = 0;
    int digitosInteiros = 0, digitosDecimais = 0;
    int decimais[3] = {0, 0, 0}; // two kept, the third decides the rounding
    bool naParteDecimal = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128) {
            const int d = c.unicode() - '0';
            if (naParteDecimal) {
                if (digitosDecimais < 3)
                    decimais[digitosDecimais] = d;
                ++digitosDecimais;
            } else {
                if (inteiro > MAXIMO / 100)
                    return std::nullopt;
                inteiro = inteiro * 10 + d;
                ++digitosInteiros;
            }
        } else if (c == QLatin1Char('.') && !naParteDecimal) {
            continue; // grouping separator
        } else if (c == QLatin1Char(',') && !naParteDecimal) {
            naParteDecimal = true;
        } else {
            return std::nullopt;
        }
    }
    if (digitosInteiros + digitosDecimais == 0)
        return std::nullopt;
    qint64 centimos = inteiro * 100 + decimais[0] * 10 + decimais[1];
    if (decimais[2] >= 5)
        ++centimos; // half away from zero: the sign is applied afterwards
    if (centimos > MAXIMO)
        return std::nullopt;
    return Dinheiro(negativo ? -centimos : centimos);
}

QString Dinheiro::formata() const
{
    // Written right to left into a small buffer: the grid formats hundreds of thousands of
    // amounts on each load.
    char16_t texto[32];
    int i = 32;
    qint64 absoluto = m_centimos < 0 ? -m_centimos : m_centimos;
    texto[--i] = char16_t(u'0' + absoluto % 10);
    absoluto /= 10;
    texto[--i] = char16_t(u'0' + absoluto % 10);
    absoluto /= 10;
    texto[--i] = u',';
    int digitos = 0;
    do {
        if (digitos > 0 && digitos % 3 == 0)
            texto[--i] = u'.';
        texto[--i] = char16_t(u'0' + absoluto % 10);
        absoluto /= 10;
        ++digitos;
    } while (absoluto > 0);
    if (m_centimos < 0)
        texto[--i] = u'-';
    return QString(reinterpret_cast<const QChar *>(texto + i), 32 - i);
}

QString Dinheiro::formataMoeda() const { return formata() + QStringLiteral(" €"); }

QString Dinheiro::textoSimples() const
{
    const qint64 absoluto = m_centimos < 0 ? -m_centimos : m_centimos;
    QString s = QString::number(absoluto / 100);
    const qint64 resto = absoluto % 100;
    if (resto != 0) {
        QString dec = QStringLiteral("%1").arg(resto, 2, 10, QLatin1Char('0'));
        if (dec.endsWith(QLatin1Char('0')))
            dec.chop(1);
        s += QLatin1Char(',') + dec;
    }
    return m_centimos < 0 ? QLatin1Char('-') + s : s;
}
