#pragma once
// The cells the program wrote into a grid whose other cells come from a FonteCelulas: a few
// edited or highlighted cells among many, kept by position. A written colour may be the
// default one (0), which still hides the source's colour.
#include <QRgb>
#include <QString>
#include <optional>
#include <set>
#include <unordered_map>

class CelulasEscritas
{
public:
    void limpa();
    // Drops every cell outside rows 0..linhas-1 and columns 0..colunas-1.
    void cortaFora(int linhas, int colunas);

    const QString *texto(int r, int c) const;
    void defineTexto(int r, int c, const QString &t);
    std::optional<QRgb> fundo(int r, int c) const;
    void defineFundo(int r, int c, QRgb cor);
    std::optional<QRgb> frente(int r, int c) const;
    void defineFrente(int r, int c, QRgb cor);

    // The rows with at least one written text, in order.
    const std::set<int> &linhasComTexto() const { return m_linhasComTexto; }
    bool temTexto(int r) const { return m_linhasComTexto.count(r) != 0; }

private:
    static quint64 chave(int r, int c) { return (quint64(quint32(r)) << 32) | quint32(c); }
    static int linhaDe(quint64 k) { return int(quint32(k >> 32)); }
    static int colunaDe(quint64 k) { return int(quint32(k)); }
    template <class Mapa>
    static void corta(Mapa &m, int linhas, int colunas);

    std::unordered_map<quint64, QString> m_textos;
    std::unordered_map<quint64, QRgb> m_fundos, m_frentes;
    std::set<int> m_linhasComTexto;
};
