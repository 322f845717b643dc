#pragma once
// The flex grid: a QTableView over a compact model that keeps each cell's text and colours,
// with the properties the windows use (Rows, Cols, TextMatrix, Row, Col, TopRow, ColWidth,
// ColAlignment, cell colours, redraw off/on). Row 0 is the fixed header row and column 0 the
// fixed column, as in the windows' design; neither is a model cell. No widget or item object
// per cell, so 100,000 rows open and scroll smoothly. Given a FonteCelulas, the model keeps no
// cell at all but those the program writes, and makes the others on demand.
#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>
#include <memory>
#include <vector>

#include "platform/CelulasEscritas.h"
#include "platform/FonteCelulas.h"

enum class Alinhamento { Geral = 0, Esquerda = 1, Centro = 4, Direita = 7 };

class FlexGridModelo final : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit FlexGridModelo(QObject *pai = nullptr);

    int linhas() const { return m_linhas; }
    int colunas() const { return m_colunas; }
    void defineTamanho(int linhas, int colunas); // resets the model; new cells are empty

    QString texto(int r, int c) const;
    void defineTexto(int r, int c, const QString &t);
    QColor fundo(int r, int c) const;
    void defineFundo(int r, int c, const QColor &cor); // an invalid colour restores the default
    QColor frente(int r, int c) const;
    void defineFrente(int r, int c, const QColor &cor);
    Alinhamento alinhamento(int c) const { return m_alinhamentos[size_t(c)]; }
    void defineAlinhamento(int c, Alinhamento a);

    // Cells made on demand by `fonte`, the model taking its size; what the program writes
    // afterwards is kept over it. nullptr: every cell kept by the model again, all empty.
    void defineFonte(std::shared_ptr<FonteCelulas> fonte);
    FonteCelulas *fonte() const { return m_fonte.get(); }
    // The rows and columns still made by the source: a cut keeps its cells empty even when the
    // grid grows again, as in a grid that keeps every cell.
    int linhasDaFonte() const { return m_fonte ? m_linhasFonte : 0; }
    int colunasDaFonte() const { return m_fonte ? m_colunasFonte : 0; }
    const CelulasEscritas &escritas() const { return m_escritas; }
    void fonteMudou(); // the source's cells changed: repainted now, or when drawing resumes

    void suspende(bool suspenso); // while suspended, changes send no signals
    bool suspenso() const { return m_suspenso; }

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &indice, int papel) const override;
    QVariant headerData(int seccao, Qt::Orientation o, int papel) const override;

private:
    size_t indice(int r, int c) const { return size_t(r) * size_t(m_colunas) + size_t(c); }
    void alterada(int r, int c);
    static QRgb codifica(const QColor &cor) { return cor.isValid() ? (cor.rgb() | 0xFF000000u) : 0; }
    bool dentro(int r, int c) const { return r >= 0 && c >= 0 && r < m_linhas && c < m_colunas; }
    bool daFonte(int r, int c) const
    {
        return dentro(r, c) && r < m_linhasFonte && c < m_colunasFonte;
    }
    QRgb fundoVirtual(int r, int c) const;
    QRgb frenteVirtual(int r, int c) const;

    int m_linhas = 0, m_colunas = 0;
    std::vector<QString> m_textos;
    std::vector<QRgb> m_fundos, m_frentes; // 0 = default colour; allocated on first use
    std::vector<Alinhamento> m_alinhamentos;
    std::shared_ptr<FonteCelulas> m_fonte; // with a source, the vectors above stay empty
    int m_linhasFonte = 0, m_colunasFonte = 0;
    CelulasEscritas m_escritas;            // with a source, the cells the program wrote
    bool m_suspenso = false;
    bool m_pendente = false;
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

    FlexGridModelo *modelo() const { return m_modelo; }

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
    FlexGridModelo *m_modelo;
    std::vector<int> m_larguras;
    int m_row = 0, m_col = 0;
    bool m_aMover = false;
};
