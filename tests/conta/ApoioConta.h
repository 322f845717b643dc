#pragma once
// A ledger file of a test's own, and the account as a naive reading of it gives it: the rows in
// date order and their running balance summed one by one, annulled movements left out.
#include "conta/ContaAberta.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"
#include "data/Regional.h"
#include "data/TabelaMovimentos.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace ApoioConta {

struct Ficheiro {
    QTemporaryDir dir;
    std::unique_ptr<BaseDados> bd;
    Ficheiro()
    {
        const QString caminho = dir.filePath(Esquema::NomeFicheiro);
        NovaBaseDados::cria(caminho, false);
        bd = BaseDados::abre(caminho, Esquema::Chave);
    }
    qint64 insere(int conta, const QString &data, qint64 debito, qint64 credito,
                  const QString &s = QString(), const QString &descricao = QStringLiteral("x"))
    {
        Movimento m;
        m.data = Regional::deIso(data);
        m.descricao = descricao;
        m.situacao = s;
        m.debito = Dinheiro::deCentimos(debito);
        m.credito = Dinheiro::deCentimos(credito);
        m.numBanco = conta;
        return TabelaMovimentos::insere(*bd, m);
    }
};

// One row as the grid shows it: key, date, number, description, situation, amounts, balance.
inline QString linhaMostrada(const ContaAberta &c, int r)
{
    using namespace ColunasGrelha;
    QStringList t;
    for (int col : {NumAutomatico, Data, Numero, Descricao, S, Debito, Credito, Saldo, NumBanco})
        t << c.texto(r, col);
    return t.join(QLatin1Char('|'));
}

// The account read naively from the file: what every row must show, its balance included.
inline QStringList contaIngenua(BaseDados &bd, int numBanco)
{
    QStringList linhas;
    Comando c = TabelaMovimentos::consultaConta(bd, numBanco);
    qint64 saldo = 0;
    auto montante = [](qint64 v) { return v ? Dinheiro::deCentimos(v).formata() : QString(); };
    while (c.avanca()) {
        const QString s = c.texto(4);
        if (!s.left(1).trimmed().startsWith(QLatin1Char('A')))
            saldo += c.inteiro(6) - c.inteiro(5);
        linhas << QStringList{QString::number(c.inteiro(0)),
                              c.nulo(1) ? QString() : Regional::formataData(Regional::deIso(c.texto(1))),
                              c.texto(2), c.texto(3), s, montante(c.inteiro(5)),
                              montante(c.inteiro(6)), montante(saldo), QString::number(numBanco)}
                      .join(QLatin1Char('|'));
    }
    return linhas;
}

inline QStringList mostradas(const ContaAberta &c)
{
    QStringList l;
    for (int r = 1; r < c.linhas(); ++r)
        l << linhaMostrada(c, r);
    return l;
}

// Each stored row's balance against the naive running balance; the differing keys.
inline QStringList saldosErrados(BaseDados &bd, int numBanco)
{
    QStringList errados;
    Comando c = TabelaMovimentos::consultaConta(bd, numBanco);
    qint64 saldo = 0;
    while (c.avanca()) {
        if (!c.texto(4).left(1).trimmed().startsWith(QLatin1Char('A')))
            saldo += c.inteiro(6) - c.inteiro(5);
        if (c.inteiro(7) != saldo)
            errados << QString::number(c.inteiro(0));
    }
    return errados;
}

// What the grid's write-back does: the rows, then the balances, in one transaction.
inline void grava(BaseDados &bd, const ContaAberta &c, const ContaAberta::Gravacao &g)
{
    Transaccao t(bd);
    TabelaMovimentos::actualiza(bd, g.linhas);
    c.gravaSaldos(bd, g);
}

} // namespace ApoioConta
