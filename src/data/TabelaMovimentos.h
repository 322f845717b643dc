#pragma once
// The movements table TabBancos1Det. NumBanco -1 marks a movement the user deleted; no account
// reads it again.
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "data/Dinheiro.h"

class BaseDados;

struct Movimento {
    qint64 numAutomatico = 0;
    QDate data; // invalid when the movement has no date
    QString numero, descricao, situacao;
    Dinheiro debito, credito, saldo;
    int numBanco = 0;
    bool alterou = false;
};

namespace TabelaMovimentos {

// The grid's header texts, in the grid's column order 1 to 10.
inline const QStringList Colunas = {
    QStringLiteral("numautomatico"), QStringLiteral("DATA"),   QStringLiteral("NUMERO"),
    QStringLiteral("DESCRICAO"),     QStringLiteral("S"),      QStringLiteral("DEBITO"),
    QStringLiteral("CREDITO"),       QStringLiteral("SALDO"),  QStringLiteral("NUMBANCO"),
    QStringLiteral("ALTEROU")};

// An account's movements by date (undated first), then by creation.
std::vector<Movimento> daConta(BaseDados &bd, int numBanco);

} // namespace TabelaMovimentos
