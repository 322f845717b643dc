#pragma once
// Money as exact integer cents, parsed and formatted with Portugal's regional rules:
// decimal ",", grouping ".", "###,##0.00" -> "1.234,50", currency -> "1.234,50 €".
#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

class Dinheiro
{
public:
    // Largest amount a field accepts (99.999.999.999,99 €): a hundred thousand of these still
    // add up inside 64 bits, so a running balance can never overflow.
    static constexpr qint64 MAXIMO = 9'999'999'999'999;

    constexpr Dinheiro() = default;
    static constexpr Dinheiro deCentimos(qint64 c) { return Dinheiro(c); }
    constexpr qint64 centimos() const { return m_centimos; }
    constexpr bool zero() const { return m_centimos == 0; }
    constexpr bool negativo() const { return m_centimos < 0; }

    // Reads "1.234,50", "1234,5", "-12", ",5", "1.234,50 €". Dots are grouping and are skipped;
    // more than two decimals round half away from zero. Empty, malformed or beyond MAXIMO: nullopt.
    static std::optional<Dinheiro> interpreta(const QString &texto);

    QString formata() const;      // "###,##0.00": "1.234,50", "-0,01", "0,00"
    QString formataMoeda() const; // "1.234,50 €"
    QString textoSimples() const; // no grouping, no trailing zeros: "1234,5", "12", "0,05"

    constexpr Dinheiro operator+(Dinheiro o) const { return Dinheiro(m_centimos + o.m_centimos); }
    constexpr Dinheiro operator-(Dinheiro o) const { return Dinheiro(m_centimos - o.m_centimos); }
    constexpr Dinheiro &operator+=(Dinheiro o) { m_centimos += o.m_centimos; return *this; }
    constexpr auto operator<=>(const Dinheiro &) const = default;

private:
    constexpr explicit Dinheiro(qint64 c) : m_centimos(c) {}
    qint64 m_centimos = 0;
};
