#pragma once
// The cells of a flex grid as a table model: what the grid's design-named API (TextMatrix,
// Rows, Cols, cell colours, column alignment, redraw off/on) reads and writes, in the grid's
// own coordinates. Row 0 is the fixed header row and column 0 the fixed column, as in the
// windows' design; neither is a model cell, so flex cell (r, c) is model index (r - 1, c - 1).
// The grid view (platform/FlexGrid) is a thin adapter over any ModeloCelulas: a plain one that
// keeps every cell (FlexGridModelo), or one that makes its cells from its own data
// (conta/ContaAberta).
#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <vector>

enum class Alinhamento { Geral = 0, Esquerda = 1, Centro = 4, Direita = 7 };

class ModeloCelulas : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ModeloCelulas(QObject *pai = nullptr) : QAbstractTableModel(pai) {}

    virtual int linhas() const = 0;
    virtual int colunas() const = 0;
    // The rows the views show: all of them, but for a model still reading its rows, which
    // counts those read so far (linhas() waits for the rest). Views ask nothing beyond them.
    virtual int linhasProntas() const { return linhas(); }
    // Rows up to r are wanted soon (a scroll or a key going there): a model still reading
    // reads that far now.
    virtual void preparaAte(int r) { (void)r; }
    // Rows beyond the old size are empty; the model is reset.
    virtual void defineTamanho(int linhas, int colunas) = 0;

    virtual QString texto(int r, int c) const = 0;
    virtual void defineTexto(int r, int c, const QString &t) = 0;
    // An invalid colour is the grid's default one.
    virtual QColor fundo(int r, int c) const = 0;
    virtual void defineFundo(int r, int c, const QColor &cor) = 0;
    virtual QColor frente(int r, int c) const = 0;
    virtual void defineFrente(int r, int c, const QColor &cor) = 0;

    Alinhamento alinhamento(int c) const;
    void defineAlinhamento(int c, Alinhamento a);

    // While suspended (the grid's redraw off), changes send no signals; resuming repaints.
    void suspende(bool suspenso);
    bool suspenso() const { return m_suspenso; }

    int rowCount(const QModelIndex &pai = {}) const final;
    int columnCount(const QModelIndex &pai = {}) const final;
    QVariant data(const QModelIndex &indice, int papel) const final;
    QVariant headerData(int seccao, Qt::Orientation o, int papel) const final;

protected:
    // Roles beyond display, colours and alignment, for models with raw values.
    virtual QVariant outroPapel(int r, int c, int papel) const;
    void celulaMudou(int r, int c);  // one cell: repainted now, or when drawing resumes
    void todasMudaram();             // every cell
    void ajustaAlinhamentos(int colunas) { m_alinhamentos.resize(size_t(colunas), Alinhamento::Geral); }
    static QRgb codifica(const QColor &cor) { return cor.isValid() ? (cor.rgb() | 0xFF000000u) : 0; }
    static QColor descodifica(QRgb v) { return v ? QColor::fromRgb(v) : QColor(); }

private:
    std::vector<Alinhamento> m_alinhamentos;
    bool m_suspenso = false;
    bool m_pendente = false;
};
