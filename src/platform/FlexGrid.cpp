#include "platform/FlexGrid.h"
#include "data/Regional.h"
#include "platform/Medidas.h"

#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <limits>
#include <stdexcept>

// ---- model: flex row r >= 1 is model row r - 1; flex column c >= 1 is model column c - 1 ----

FlexGridModelo::FlexGridModelo(QObject *pai) : ModeloCelulas(pai)
{
    defineTamanho(2, 2);
}

void FlexGridModelo::defineTamanho(int linhas, int colunas)
{
    if (linhas == m_linhas && colunas == m_colunas)
        return;
    beginResetModel();
    std::vector<QString> textos(size_t(linhas) * size_t(colunas));
    const bool temFundos = !m_fundos.empty(), temFrentes = !m_frentes.empty();
    std::vector<QRgb> fundos(temFundos ? textos.size() : 0), frentes(temFrentes ? textos.size() : 0);
    for (int r = 0; r < std::min(linhas, m_linhas); ++r) {
        for (int c = 0; c < std::min(colunas, m_colunas); ++c) {
            const size_t novo = size_t(r) * size_t(colunas) + size_t(c);
            textos[novo] = std::move(m_textos[indice(r, c)]);
            if (temFundos)
                fundos[novo] = m_fundos[indice(r, c)];
            if (temFrentes)
                frentes[novo] = m_frentes[indice(r, c)];
        }
    }
    m_textos = std::move(textos);
    m_fundos = std::move(fundos);
    m_frentes = std::move(frentes);
    ajustaAlinhamentos(colunas);
    m_linhas = linhas;
    m_colunas = colunas;
    endResetModel();
}

void FlexGridModelo::defineTexto(int r, int c, const QString &t)
{
    QString &celula = m_textos.at(indice(r, c));
    if (celula == t)
        return;
    celula = t;
    celulaMudou(r, c);
}

QColor FlexGridModelo::fundo(int r, int c) const
{
    return descodifica(m_fundos.empty() ? 0 : m_fundos.at(indice(r, c)));
}

void FlexGridModelo::defineFundo(int r, int c, const QColor &cor)
{
    const QRgb v = codifica(cor);
    if (m_fundos.empty()) {
        if (!v)
            return;
        m_fundos.assign(m_textos.size(), 0);
    }
    m_fundos.at(indice(r, c)) = v;
    celulaMudou(r, c);
}

QColor FlexGridModelo::frente(int r, int c) const
{
    return descodifica(m_frentes.empty() ? 0 : m_frentes.at(indice(r, c)));
}

void FlexGridModelo::defineFrente(int r, int c, const QColor &cor)
{
    const QRgb v = codifica(cor);
    if (m_frentes.empty()) {
        if (!v)
            return;
        m_frentes.assign(m_textos.size(), 0);
    }
    m_frentes.at(indice(r, c)) = v;
    celulaMudou(r, c);
}

// ---- view ----

FlexGrid::FlexGrid(QWidget *pai)
    : QTableView(pai), m_proprio(new FlexGridModelo(this)), m_modelo(nullptr)
{
    usaModelo(nullptr);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setRowHeightMin(280);
    horizontalHeader()->setHighlightSections(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setTabKeyNavigation(false);
    connect(this, &QAbstractItemView::clicked, this, [this] { emit Click(); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { emit DblClick(); });
    m_larguras.resize(size_t(Cols()), 960);
}

void FlexGrid::usaModelo(ModeloCelulas *modelo)
{
    ModeloCelulas *novo = modelo ? modelo : m_proprio;
    if (novo == m_modelo)
        return;
    if (m_modelo)
        disconnect(m_modelo, nullptr, this, nullptr);
    m_modelo = novo;
    setModel(novo);
    connect(novo, &QAbstractItemModel::modelReset, this, &FlexGrid::modeloReposto);
    // Rows a model adds as it reads them: the scroll range follows at once (the view would
    // lay out only later), so a key or a jump to the end reaches the true end.
    connect(novo, &QAbstractItemModel::rowsInserted, this, [this] { updateGeometries(); });
    modeloReposto();
}

void FlexGrid::modeloReposto()
{
    // Hidden columns are the view's: they outlive a reset of the cells.
    m_larguras.resize(size_t(Cols()), 960);
    for (int c = 1; c < Cols(); ++c)
        setColumnHidden(c - 1, m_larguras[size_t(c)] <= 15);
    m_row = std::min(m_row, m_modelo->linhasProntas() - 1);
    m_col = std::min(m_col, Cols() - 1);
}

void FlexGrid::setRowHeightMin(int twipsAltura)
{
    const int px = (twipsAltura + 14) / 15;
    // Setting the same height again still walks every row of the header: a million of them
    // each time the grid is formatted.
    QHeaderView &h = *verticalHeader();
    if (h.minimumSectionSize() == px && h.defaultSectionSize() == px)
        return;
    h.setMinimumSectionSize(px);
    h.setDefaultSectionSize(px);
}

void FlexGrid::setColWidth(int c, int larguraTwips)
{
    if (c < 0 || c >= Cols())
        return;
    m_larguras[size_t(c)] = larguraTwips;
    if (c == 0)
        return; // the fixed column is not drawn
    const bool escondida = larguraTwips <= 15;
    setColumnHidden(c - 1, escondida);
    if (!escondida)
        setColumnWidth(c - 1, twips(larguraTwips));
}

int FlexGrid::primeiraColunaVisivel() const
{
    for (int c = 0; c < m_modelo->columnCount(); ++c)
        if (!isColumnHidden(c))
            return c;
    return 0;
}

void FlexGrid::setRow(int r)
{
    m_row = std::clamp(r, 0, Rows() - 1);
    if (m_row >= FixedRows) {
        const int colunaGuardada = m_col;
        const int vista = m_col >= FixedCols && !isColumnHidden(m_col - 1) ? m_col - 1
                                                                         : primeiraColunaVisivel();
        m_aMover = true;
        setCurrentIndex(m_modelo->index(m_row - 1, vista));
        m_aMover = false;
        m_col = colunaGuardada;
    }
}

void FlexGrid::currentChanged(const QModelIndex &actual, const QModelIndex &anterior)
{
    QTableView::currentChanged(actual, anterior);
    if (actual.isValid() && !m_aMover) {
        m_row = actual.row() + 1;
        m_col = actual.column() + 1;
    }
}

int FlexGrid::TopRow() const
{
    const int r = rowAt(0);
    return r < 0 ? FixedRows : r + 1;
}

int FlexGrid::linhasPorPagina() const
{
    const int altura = std::max(1, verticalHeader()->defaultSectionSize());
    return std::max(1, viewport()->height() / altura) + 1;
}

void FlexGrid::setTopRow(int r)
{
    // Only the rows shown from r on are needed, not the whole of a model still reading.
    m_modelo->preparaAte(int(std::min<qint64>(qint64(r) + linhasPorPagina(),
                                               std::numeric_limits<int>::max())));
    if (r < FixedRows || r >= m_modelo->linhasProntas())
        return;
    doItemsLayout();
    updateGeometries();
    verticalScrollBar()->setValue(r - 1);
}

void FlexGrid::setRedraw(bool ligado)
{
    setUpdatesEnabled(ligado);
    m_modelo->suspende(!ligado);
}

void FlexGrid::setSelecaoPorCelula(bool porCelula)
{
    setSelectionBehavior(porCelula ? QAbstractItemView::SelectItems
                                   : QAbstractItemView::SelectRows);
}

void FlexGrid::keyPressEvent(QKeyEvent *e)
{
    // The window hears the key before the grid moves its current row.
    emit KeyDown(e->key(), e->modifiers());
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    // A key that goes down goes as far as the model's whole rows, read or not yet.
    if (e->key() == Qt::Key_End && (e->modifiers() & Qt::ControlModifier))
        m_modelo->preparaAte(std::numeric_limits<int>::max());
    else if (e->key() == Qt::Key_PageDown || e->key() == Qt::Key_Down)
        m_modelo->preparaAte(m_row + 2 * linhasPorPagina());
    QTableView::keyPressEvent(e);
}
