#pragma once
// A static result set: every row read at once, an exact row count, a cursor, and fields read by
// column name without regard to case. A Null text reads as "" (the readers' old rule).
#include <QStringList>
#include <QVariant>
#include <vector>

#include "data/Dinheiro.h"

class Comando;

class Registos
{
public:
    Registos() = default;
    explicit Registos(Comando &comando); // steps the command to its end

    int contagem() const { return m_linhas; }
    bool vazio() const { return m_linhas == 0; }
    bool eof() const { return m_posicao >= m_linhas; }
    void primeiro() { m_posicao = 0; }
    void seguinte() { ++m_posicao; }
    int posicao() const { return m_posicao; }

    const QStringList &nomesColunas() const { return m_colunas; }
    int indiceColuna(const QString &nome) const; // -1 when absent

    QVariant valor(const QString &coluna) const;
    bool nulo(const QString &coluna) const;
    QString texto(const QString &coluna) const;
    qint64 inteiro(const QString &coluna) const;
    Dinheiro dinheiro(const QString &coluna) const; // stored as integer cents; Null is 0
    bool booleano(const QString &coluna) const;

private:
    const QVariant &celula(const QString &coluna) const;
    QStringList m_colunas;
    std::vector<QVariant> m_valores;
    int m_linhas = 0;
    int m_posicao = 0;
};
