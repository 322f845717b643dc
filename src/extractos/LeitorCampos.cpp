#include "extractos/LeitorCampos.h"

#include <QString>

namespace {

bool branco(QChar c) { return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F); }
bool digito(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

QStringView apara(QStringView t)
{
    while (!t.isEmpty() && branco(t.front()))
        t = t.mid(1);
    while (!t.isEmpty() && branco(t.back()))
        t.chop(1);
    return t;
}

// Digits with at most one decimal mark into cents; the sign is the caller's.
std::optional<qint64> centimos(QStringView t, QChar decimal, QChar milhares, bool exacto)
{
    qint64 inteiro = 0;
    int digitos = 0, decimais = 0;
    int d[3] = {0, 0, 0};
    bool naDecimal = false, sobra = false;
    for (const QChar c : t) {
        if (digito(c)) {
            const int v = c.unicode() - '0';
            if (naDecimal) {
                if (decimais < 2)
                    d[decimais] = v;
                else if (decimais == 2)
                    d[2] = v, sobra |= v != 0;
                else
                    sobra |= v != 0;
                ++decimais;
            } else {
                if (inteiro > Dinheiro::MAXIMO / 10)
                    return std::nullopt;
                inteiro = inteiro * 10 + v;
                ++digitos;
            }
        } else if (c == decimal && !naDecimal) {
            naDecimal = true;
        } else if (!milhares.isNull() && c == milhares && !naDecimal && digitos > 0) {
            continue;
        } else if (branco(c) && !naDecimal && digitos > 0) {
            continue; // "1 234,56"
        } else {
            return std::nullopt;
        }
    }
    if (digitos + decimais == 0 || (exacto && sobra))
        return std::nullopt;
    if (inteiro > Dinheiro::MAXIMO / 100)
        return std::nullopt;
    qint64 c = inteiro * 100 + d[0] * 10 + d[1];
    if (!exacto && d[2] >= 5)
        ++c;
    if (c > Dinheiro::MAXIMO)
        return std::nullopt;
    return c;
}

QStringView semMoeda(QStringView t)
{
    t = apara(t);
    for (const QStringView m : {QStringView(u"EUR"), QStringView(u"\u20AC")}) {
        if (t.endsWith(m))
            t = apara(t.chopped(m.size()));
        if (t.startsWith(m))
            t = apara(t.mid(m.size()));
    }
    return t;
}

int numero(QStringView t, bool *ok)
{
    // At most four digits: a longer run is no day, month, year or exponent (and cannot overflow).
    *ok = !t.isEmpty() && t.size() <= 4;
    if (!*ok)
        return 0;
    int v = 0;
    for (const QChar c : t) {
        if (!digito(c)) {
            *ok = false;
            return 0;
        }
        v = v * 10 + (c.unicode() - '0');
    }
    return v;
}

} // namespace

namespace LeitorCampos {

std::optional<Dinheiro> valor(QStringView texto, QChar decimal, QChar milhares)
{
    QStringView t = semMoeda(texto);
    bool negativo = false;
    if (t.size() >= 2 && t.front() == u'(' && t.back() == u')') {
        negativo = true;
        t = semMoeda(t.mid(1).chopped(1));
    }
    if (!t.isEmpty() && (t.front() == u'-' || t.front() == u'+' || t.front() == QChar(0x2212))) {
        negativo = t.front() != u'+';
        t = semMoeda(t.mid(1));
    } else if (!t.isEmpty() && (t.back() == u'-' || t.back() == QChar(0x2212))) {
        negativo = true;
        t = semMoeda(t.chopped(1));
    } else if (!t.isEmpty() && t.back() == u'+') {
        t = semMoeda(t.chopped(1));
    }
    if (decimal == milhares)
        return std::nullopt;
    const auto c = centimos(t, decimal, milhares, true);
    if (!c)
        return std::nullopt;
    return Dinheiro::deCentimos(negativo ? -*c : *c);
}

std::optional<Dinheiro> decimalPonto(QStringView texto)
{
    QStringView t = apara(texto);
    bool negativo = false;
    if (!t.isEmpty() && (t.front() == u'-' || t.front() == u'+')) {
        negativo = t.front() == u'-';
        t = t.mid(1);
    }
    int expoente = 0;
    const qsizetype e = std::max(t.indexOf(u'e'), t.indexOf(u'E'));
    if (e >= 0) {
        QStringView ex = t.mid(e + 1);
        t = t.left(e);
        bool neg = false;
        if (!ex.isEmpty() && (ex.front() == u'-' || ex.front() == u'+')) {
            neg = ex.front() == u'-';
            ex = ex.mid(1);
        }
        bool ok = false;
        expoente = numero(ex, &ok);
        if (!ok || expoente > 30)
            return std::nullopt;
        if (neg)
            expoente = -expoente;
    }
    // Digits and the place of the point, shifted by the exponent.
    QString digitos;
    qsizetype ponto = -1;
    for (const QChar c : t) {
        if (digito(c))
            digitos += c;
        else if (c == u'.' && ponto < 0)
            ponto = digitos.size();
        else
            return std::nullopt;
    }
    if (digitos.isEmpty() || digitos.size() > 40)
        return std::nullopt;
    if (ponto < 0)
        ponto = digitos.size();
    ponto += expoente;
    while (ponto < 0) {
        digitos.prepend(u'0');
        ++ponto;
    }
    while (digitos.size() < ponto + 3)
        digitos += u'0';
    // Cents are the digits up to two past the point; the third decides the rounding.
    qint64 c = 0;
    for (qsizetype i = 0; i < ponto + 2; ++i) {
        if (c > Dinheiro::MAXIMO)
            return std::nullopt;
        c = c * 10 + (digitos[i].unicode() - '0');
    }
    if (digitos[ponto + 2].unicode() >= '5')
        ++c;
    if (c > Dinheiro::MAXIMO)
        return std::nullopt;
    return Dinheiro::deCentimos(negativo ? -c : c);
}

std::optional<Dinheiro> decimalVirgula(QStringView texto)
{
    const QStringView t = apara(texto);
    if (t.isEmpty() || !digito(t.front()))
        return std::nullopt;
    const auto c = centimos(t, u',', QChar(), true);
    if (!c)
        return std::nullopt;
    return Dinheiro::deCentimos(*c);
}

QDate data(QStringView texto, FormaData forma)
{
    QStringView t = apara(texto);
    const qsizetype corte = t.indexOf(u' ');
    if (corte > 0)
        t = t.left(corte);
    const qsizetype tt = t.indexOf(u'T');
    if (tt > 0)
        t = t.left(tt);
    if (forma == FormaData::AnoMesDia && t.size() == 8) {
        const QDate d = dataCompacta(t);
        if (d.isValid())
            return d;
    }
    int partes[3] = {0, 0, 0};
    int tamanhos[3] = {0, 0, 0};
    int n = 0;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i <= t.size(); ++i) {
        if (i == t.size() || t[i] == u'-' || t[i] == u'/' || t[i] == u'.') {
            if (n == 3)
                return {};
            bool ok = false;
            partes[n] = numero(t.mid(inicio, i - inicio), &ok);
            tamanhos[n] = int(i - inicio);
            if (!ok)
                return {};
            ++n;
            inicio = i + 1;
        }
    }
    if (n != 3)
        return {};
    int a, m, d, ta;
    if (forma == FormaData::AnoMesDia) {
        a = partes[0], m = partes[1], d = partes[2], ta = tamanhos[0];
        if (tamanhos[1] > 2 || tamanhos[2] > 2)
            return {};
    } else {
        d = partes[0], m = partes[1], a = partes[2], ta = tamanhos[2];
        if (tamanhos[0] > 2 || tamanhos[1] > 2)
            return {};
    }
    if (ta == 2)
        a += 2000;
    else if (ta != 4)
        return {};
    return QDate(a, m, d);
}

QDate dataSerial(QStringView texto)
{
    const auto v = decimalPonto(texto);
    if (!v)
        return {};
    const qint64 dias = v->centimos() / 100;
    // 1990-01-01 is day 32874, 2100-12-31 is 73415.
    if (v->negativo() || dias < 32874 || dias > 73415)
        return {};
    return QDate(1899, 12, 30).addDays(dias);
}

QDate dataCompacta(QStringView texto)
{
    const QStringView t = apara(texto);
    if (t.size() < 8)
        return {};
    for (int i = 0; i < 8; ++i)
        if (!digito(t[i]))
            return {};
    if (t.size() > 8 && digito(t[8]) && t.size() < 10)
        return {};
    bool ok = false;
    const int a = numero(t.left(4), &ok);
    const int m = numero(t.mid(4, 2), &ok);
    const int d = numero(t.mid(6, 2), &ok);
    return QDate(a, m, d);
}

std::optional<FormaData> formaDe(QStringView texto)
{
    const QStringView t = apara(texto);
    if (t.size() < 6 || t.size() > 25)
        return std::nullopt;
    if (data(t, FormaData::AnoMesDia).isValid() && !digito(t.size() > 4 ? t[4] : u'x'))
        return FormaData::AnoMesDia;
    if (data(t, FormaData::DiaMesAnoHifen).isValid()) {
        const qsizetype barra = t.indexOf(u'/');
        const qsizetype hifen = t.indexOf(u'-');
        if (barra >= 0 && (hifen < 0 || barra < hifen))
            return FormaData::DiaMesAnoBarra;
        return FormaData::DiaMesAnoHifen;
    }
    return std::nullopt;
}

} // namespace LeitorCampos
