#pragma once
// Cells a flex grid makes on demand. A grid given a source keeps no text or colour per cell:
// it asks the source for the cells it paints and for every cell read through its interface,
// and keeps only the cells the program writes (CelulasEscritas), which win over the source.
// A large table then costs its raw values, not a ready-made text for every cell.
#include <QRgb>
#include <QString>

class FonteCelulas
{
public:
    virtual ~FonteCelulas() = default;

    // The rows and columns the source answers for, header row and fixed column included.
    virtual int linhas() const = 0;
    virtual int colunas() const = 0;

    // Only asked inside linhas() x colunas().
    virtual QString texto(int r, int c) const = 0;
    // 0 is the grid's default colour.
    virtual QRgb fundo(int r, int c) const = 0;
    virtual QRgb frente(int r, int c) const = 0;
};
