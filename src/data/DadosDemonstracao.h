#pragma once
// Realistic demonstration ledgers, generated from a fixed seed so every demo folder is alike.
#include <QDate>
#include <QString>

class BaseDados;

namespace DadosDemonstracao {

// The password of the protected demo account (account 2).
inline const QString PasswordConta2 = QStringLiteral("segredo");

// The last days no bank statement has covered yet: nothing in them is verified.
inline constexpr int DiasPorVerificar = 28;

// Three named accounts with about two years of movements each, ending today; the movements of
// the last DiasPorVerificar days are not verified yet.
void preenche(BaseDados &bd);

// Fills account n with `quantos` movements from `inicio` on, a few a day, with
// categories and observations on some; runs in the caller's transaction if there is one.
void geraMovimentos(BaseDados &bd, int numBanco, int quantos, const QDate &inicio,
                    unsigned semente);

} // namespace DadosDemonstracao
