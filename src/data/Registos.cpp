#include "data/Registos.h"
#include "data/Comando.h"
#include "data/ErroBaseDados.h"

Registos::Registos(Comando &comando)
{
    const int n = comando.colunas();
    for (int i = 0; i < n; ++i)
        m_colunas << comando.nomeColuna(i);
    while (comando.avanca()) {
        for (int i = 0; i < n; ++i)
            m_valores.push_back(comando.valor(i));
        ++m_linhas;
    }
}

int Registos::indiceColuna(const QString &nome) const
{
    for (int i = 0; i < m_colunas.size(); ++i)
        if (m_colunas.at(i).compare(nome, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const QVariant &Registos::celula(const QString &coluna) const
{
    const int c = indiceColuna(coluna);
    if (c < 0)
        throw ErroBaseDados(QStringLiteral("coluna desconhecida: ") + coluna);
    if (eof())
        throw ErroBaseDados(QStringLiteral("leitura sem registo actual"));
    return m_valores[size_t(m_posicao) * size_t(m_colunas.size()) + size_t(c)];
}

QVariant Registos::valor(const QString &coluna) const { return celula(coluna); }

bool Registos::nulo(const QString &coluna) const { return celula(coluna).isNull(); }

QString Registos::texto(const QString &coluna) const
{
    const QVariant &v = celula(coluna);
    return v.isNull() ? QString() : v.toString();
}

qint64 Registos::inteiro(const QString &coluna) const { return celula(coluna).toLongLong(); }

Dinheiro Registos::dinheiro(const QString &coluna) const
{
    return Dinheiro::deCentimos(celula(coluna).toLongLong());
}

bool Registos::booleano(const QString &coluna) const { return celula(coluna).toLongLong() != 0; }
