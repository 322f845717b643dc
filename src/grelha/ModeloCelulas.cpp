#include "grelha/ModeloCelulas.h"
#include "data/Regional.h"

#include <QFont>

Alinhamento ModeloCelulas::alinhamento(int c) const
{
    return c >= 0 && size_t(c) < m_alinhamentos.size() ? m_alinhamentos[size_t(c)]
                                                        : Alinhamento::Geral;
}

void ModeloCelulas::defineAlinhamento(int c, Alinhamento a)
{
    m_alinhamentos.at(size_t(c)) = a;
    if (!m_suspenso && linhasProntas() > 1 && c >= 1)
        emit dataChanged(index(0, c - 1), index(linhasProntas() - 2, c - 1));
}

void ModeloCelulas::celulaMudou(int r, int c)
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

void ModeloCelulas::todasMudaram()
{
    if (m_suspenso) {
        m_pendente = true;
        return;
    }
    if (colunas() > 1) {
        emit headerDataChanged(Qt::Horizontal, 0, colunas() - 2);
        if (linhasProntas() > 1)
            emit dataChanged(index(0, 0), index(linhasProntas() - 2, colunas() - 2));
    }
}

void ModeloCelulas::suspende(bool suspenso)
{
    m_suspenso = suspenso;
    if (!suspenso && m_pendente) {
        m_pendente = false;
        todasMudaram();
    }
}

int ModeloCelulas::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : linhasProntas() - 1;
}

int ModeloCelulas::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : colunas() - 1;
}

QVariant ModeloCelulas::outroPapel(int, int, int) const { return {}; }

QVariant ModeloCelulas::data(const QModelIndex &i, int papel) const
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
        return outroPapel(r, c, papel);
    }
}

QVariant ModeloCelulas::headerData(int seccao, Qt::Orientation o, int papel) const
{
    if (o != Qt::Horizontal || seccao + 1 >= colunas())
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
