#pragma once
// The flex grid: a QTableView with the properties the windows use (Rows, Cols, TextMatrix, Row,
// Col, TopRow, ColWidth, ColAlignment, cell colours, redraw off/on), a thin adapter over a
// ModeloCelulas. By default it keeps its cells itself (FlexGridModelo: each cell's text and
// colours, compactly); given another model (usaModelo), it shows and edits that one's cells. No
// widget or item object per cell, so 100,000 rows open and scroll smoothly.
#include <QTableView>
#include <vector>

#include "grelha/ModeloCelulas.h"

// Every cell kept: text, background and foreground, the colours allocated on first use.
class FlexGridModelo final : public ModeloCelulas
{
    Q_OBJECT
public:
    explicit FlexGridModelo(QObject *pai = nullptr);

    int linhas() const override { return m_linhas; }
    int colunas() const override { return m_colunas; }
    void defineTamanho(int linhas, int colunas) override; // resets the model

    QString texto(int r, int c) const override { return m_textos[indice(r, c)]; }
    void defineTexto(int r, int c, const QString &t) override;
    QColor fundo(int r, int c) const override;
    void defineFundo(int r, int c, const QColor &cor) override;
    QColor frente(int r, int c) const override;
    void defineFrente(int r, int c, const QColor &cor) override;

private:
    size_t indice(int r, int c) const { return size_t(r) * size_t(m_colunas) + size_t(c); }

    int m_linhas = 0, m_colunas = 0;
    std::vector<QString> m_textos;
    std::vector<QRgb> m_fundos, m_frentes; // 0 = default colour; allocated on first use
};

class FlexGrid : public QTableView
{
    Q_OBJECT
public:
    static constexpr int FixedRows = 1;
    static constexpr int FixedCols = 1;

    explicit FlexGrid(QWidget *pai = nullptr);

    int Rows() const { return m_modelo->linhas(); }
    int Cols() const { return m_modelo->colunas(); }
    void setRows(int n) { m_modelo->defineTamanho(std::max(n, FixedRows), Cols()); }
    void setCols(int n) { m_modelo->defineTamanho(Rows(), std::max(n, FixedCols)); }
    void setTamanho(int rows, int cols) { m_modelo->defineTamanho(rows, cols); }

    QString TextMatrix(int r, int c) const { return m_modelo->texto(r, c); }
    void setTextMatrix(int r, int c, const QString &t) { m_modelo->defineTexto(r, c, t); }
    QString Text() const { return TextMatrix(m_row, m_col); }
    void setText(const QString &t) { setTextMatrix(m_row, m_col, t); }

    int Row() const { return m_row; }
    int Col() const { return m_col; }
    void setRow(int r);          // also selects that row in the view
    void setCol(int c) { m_col = std::clamp(c, 0, Cols() - 1); }

    int TopRow() const;
    void setTopRow(int r);       // a row the grid cannot show at the top leaves it where it is

    int ColWidth(int c) const { return m_larguras.at(size_t(c)); }
    void setColWidth(int c, int larguraTwips); // 1 twip hides a column, as in the design
    Alinhamento ColAlignment(int c) const { return m_modelo->alinhamento(c); }
    void setColAlignment(int c, Alinhamento a) { m_modelo->defineAlinhamento(c, a); }
    void setRowHeightMin(int twipsAltura);

    QColor CellBackColor(int r, int c) const { return m_modelo->fundo(r, c); }
    void setCellBackColor(int r, int c, const QColor &cor) { m_modelo->defineFundo(r, c, cor); }
    QColor CellForeColor(int r, int c) const { return m_modelo->frente(r, c); }
    void setCellForeColor(int r, int c, const QColor &cor) { m_modelo->defineFrente(r, c, cor); }

    bool Redraw() const { return !m_modelo->suspenso(); }
    void setRedraw(bool ligado);

    ModeloCelulas *modelo() const { return m_modelo; }
    // Shows and edits `modelo`'s cells (not owned); nullptr: the grid's own cells again.
    void usaModelo(ModeloCelulas *modelo);

    // Cell-by-cell selection (the category table) instead of whole rows (the ledger).
    void setSelecaoPorCelula(bool porCelula);

signals:
    void Click();
    void DblClick();
    void KeyDown(int tecla, Qt::KeyboardModifiers modificadores);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void currentChanged(const QModelIndex &actual, const QModelIndex &anterior) override;

private:
    int primeiraColunaVisivel() const;
    int linhasPorPagina() const;
    void modeloReposto();
    FlexGridModelo *m_proprio;
    ModeloCelulas *m_modelo;
    std::vector<int> m_larguras;
    int m_row = 0, m_col = 0;
    bool m_aMover = false;
};
