#include "platform/FlexGrid.h"
#include "data/Regional.h"
#include "platform/Medidas.h"

#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <stdexcept>

// ---- model: flex row r >= 1 is model row r - 1; flex column c >= 1 is model column c - 1 ----

FlexGridModelo::FlexGridModelo(QObject *pai) : QAbstractTableModel(pai)
{
    defineTamanho(2, 2);
}

void FlexGridModelo::defineTamanho(int linhas, int colunas)
{
    if (linhas == m_linhas && colunas == m_colunas)
        return;
    beginResetModel();
    if (m_fonte) {
        // Rows and columns beyond the source's, or once cut, read as empty cells.
        m_escritas.cortaFora(linhas, colunas);
        m_linhasFonte = std::min(m_linhasFonte, linhas);
        m_colunasFonte = std::min(m_colunasFonte, colunas);
        m_alinhamentos.resize(size_t(colunas), Alinhamento::Geral);
        m_linhas = linhas;
        m_colunas = colunas;
        endResetModel();
        return;
    }
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
    m_alinhamentos.resize(size_t(colunas), Alinhamento::Geral);
    m_linhas = linhas;
    m_colunas = colunas;
    endResetModel();
}

void FlexGridModelo::alterada(int r, int c)
{
    if (m_suspenso) {
        m_pendente = true;
        return;
    }
    if (r == 0)
        emit headerDataChanged(Qt::Horizontal, c - 1, c - 1);
    else if (c >= 1)
        emit dataChanged(index(r - 1, c - 1), index(r - 1, c - 1));
}

void FlexGridModelo::defineFonte(std::shared_ptr<FonteCelulas> fonte)
{
    beginResetModel();
    m_fonte = std::move(fonte);
    m_escritas.limpa();
    if (m_fonte) {
        std::vector<QString>().swap(m_textos);
        std::vector<QRgb>().swap(m_fundos);
        std::vector<QRgb>().swap(m_frentes);
        m_linhas = m_linhasFonte = m_fonte->linhas();
        m_colunas = m_colunasFonte = m_fonte->colunas();
    } else {
        m_textos.assign(size_t(m_linhas) * size_t(m_colunas), QString());
        m_fundos.clear();
        m_frentes.clear();
    }
    m_alinhamentos.resize(size_t(m_colunas), Alinhamento::Geral);
    endResetModel();
}

void FlexGridModelo::fonteMudou()
{
    if (m_suspenso) {
        m_pendente = true;
        return;
    }
    if (m_colunas > 1) {
        emit headerDataChanged(Qt::Horizontal, 0, m_colunas - 2);
        if (m_linhas > 1)
            emit dataChanged(index(0, 0), index(m_linhas - 2, m_colunas - 2));
    }
}

QString FlexGridModelo::texto(int r, int c) const
{
    if (!m_fonte)
        return m_textos[indice(r, c)];
    if (const QString *escrito = m_escritas.texto(r, c))
        return *escrito;
    return daFonte(r, c) ? m_fonte->texto(r, c) : QString();
}

QRgb FlexGridModelo::fundoVirtual(int r, int c) const
{
    if (const auto escrito = m_escritas.fundo(r, c))
        return *escrito;
    return daFonte(r, c) ? m_fonte->fundo(r, c) : 0;
}

QRgb FlexGridModelo::frenteVirtual(int r, int c) const
{
    if (const auto escrito = m_escritas.frente(r, c))
        return *escrito;
    return daFonte(r, c) ? m_fonte->frente(r, c) : 0;
}

void FlexGridModelo::defineTexto(int r, int c, const QString &t)
{
    if (m_fonte) {
        if (!dentro(r, c))
            throw std::out_of_range("FlexGridModelo::defineTexto");
        // Kept even when it equals the source's text: a written cell keeps what was written.
        const bool igual = texto(r, c) == t;
        m_escritas.defineTexto(r, c, t);
        if (!igual)
            alterada(r, c);
        return;
    }
    QString &celula = m_textos.at(indice(r, c));
    if (celula == t)
        return;
    celula = t;
    alterada(r, c);
}

QColor FlexGridModelo::fundo(int r, int c) const
{
    const QRgb v = m_fonte ? fundoVirtual(r, c) : m_fundos.empty() ? 0 : m_fundos.at(indice(r, c));
    return v ? QColor::fromRgb(v) : QColor();
}

void FlexGridModelo::defineFundo(int r, int c, const QColor &cor)
{
    const QRgb v = codifica(cor);
    if (m_fonte) {
        if (!dentro(r, c))
            throw std::out_of_range("FlexGridModelo::defineFundo");
        m_escritas.defineFundo(r, c, v);
        alterada(r, c);
        return;
    }
    if (m_fundos.empty()) {
        if (!v)
            return;
        m_fundos.assign(m_textos.size(), 0);
    }
    m_fundos.at(indice(r, c)) = v;
    alterada(r, c);
}

QColor FlexGridModelo::frente(int r, int c) const
{
    const QRgb v = m_fonte ? frenteVirtual(r, c)
                           : m_frentes.empty() ? 0 : m_frentes.at(indice(r, c));
    return v ? QColor::fromRgb(v) : QColor();
}

void FlexGridModelo::defineFrente(int r, int c, const QColor &cor)
{
    const QRgb v = codifica(cor);
    if (m_fonte) {
        if (!dentro(r, c))
            throw std::out_of_range("FlexGridModelo::defineFrente");
        m_escritas.defineFrente(r, c, v);
        alterada(r, c);
        return;
    }
    if (m_frentes.empty()) {
        if (!v)
            return;
        m_frentes.assign(m_textos.size(), 0);
    }
    m_frentes.at(indice(r, c)) = v;
    alterada(r, c);
}

void FlexGridModelo::defineAlinhamento(int c, Alinhamento a)
{
    m_alinhamentos.at(size_t(c)) = a;
    if (!m_suspenso && m_linhas > 1 && c >= 1)
        emit dataChanged(index(0, c - 1), index(m_linhas - 2, c - 1));
}

void FlexGridModelo::suspende(bool suspenso)
{
    m_suspenso = suspenso;
    if (!suspenso && m_pendente) {
        m_pendente = false;
        if (m_colunas > 1) {
            emit headerDataChanged(Qt::Horizontal, 0, m_colunas - 2);
            if (m_linhas > 1)
                emit dataChanged(index(0, 0), index(m_linhas - 2, m_colunas - 2));
        }
    }
}

int FlexGridModelo::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : m_linhas - 1;
}

int FlexGridModelo::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : m_colunas - 1;
}

QVariant FlexGridModelo::data(const QModelIndex &i, int papel) const
{
    const int r = i.row() + 1, c = i.column() + 1;
    switch (papel) {
    case Qt::DisplayRole:
        return texto(r, c);
    case Qt::BackgroundRole:
        if (const QColor f = fundo(r, c); f.isValid())
            return f;
        return {};
    case Qt::ForegroundRole:
        if (const QColor f = frente(r, c); f.isValid())
            return f;
        return {};
    case Qt::TextAlignmentRole:
        switch (alinhamento(c)) {
        case Alinhamento::Centro: return int(Qt::AlignCenter);
        case Alinhamento::Esquerda: return int(Qt::AlignLeft | Qt::AlignVCenter);
        case Alinhamento::Direita: return int(Qt::AlignRight | Qt::AlignVCenter);
        case Alinhamento::Geral:
            // Numbers to the right, words to the left.
            return int((Regional::ehNumerico(texto(r, c)) ? Qt::AlignRight : Qt::AlignLeft)
                       | Qt::AlignVCenter);
        }
        return {};
    default:
        return {};
    }
}

QVariant FlexGridModelo::headerData(int seccao, Qt::Orientation o, int papel) const
{
    if (o != Qt::Horizontal || seccao + 1 >= m_colunas)
        return {};
    if (papel == Qt::DisplayRole)
        return texto(0, seccao + 1);
    if (papel == Qt::FontRole) {
        QFont f;
        f.setBold(true);
        return f;
    }
    return {};
}

// ---- view ----

FlexGrid::FlexGrid(QWidget *pai) : QTableView(pai), m_modelo(new FlexGridModelo(this))
{
    setModel(m_modelo);
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
    connect(m_modelo, &QAbstractItemModel::modelReset, this, [this] {
        m_larguras.resize(size_t(Cols()), 960);
        for (int c = 1; c < Cols(); ++c)
            setColumnHidden(c - 1, m_larguras[size_t(c)] <= 15);
        m_row = std::min(m_row, Rows() - 1);
        m_col = std::min(m_col, Cols() - 1);
    });
    m_larguras.resize(size_t(Cols()), 960);
}

void FlexGrid::setRowHeightMin(int twipsAltura)
{
    const int px = (twipsAltura + 14) / 15;
    verticalHeader()->setMinimumSectionSize(px);
    verticalHeader()->setDefaultSectionSize(px);
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

void FlexGrid::setTopRow(int r)
{
    if (r < FixedRows || r >= Rows())
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
    QTableView::keyPressEvent(e);
}
