#pragma once
// The sample statements of the demo folder: what the bank of the demo account "Millennium -
// Empresa" (account 2) sends for the days the ledger has not verified yet, drawn from the demo
// ledger itself so that they fit it, whatever day the demo folder was made.
#include <QByteArray>
#include <QString>
#include <vector>

#include "extractos/Extracto.h"

class BaseDados;

namespace ExemplosExtractos {

inline constexpr int Conta = 2;
// The lines the bank has and the ledger not yet.
inline constexpr int LinhasNovas = 4;

struct Ficheiro {
    QString nome;
    QByteArray bytes;
};

// The statement of the demo account. It covers the days after the last movement verified by
// hand, at most DadosDemonstracao::DiasPorVerificar days up to the day of the account's last
// movement: every dated movement of those days but the annulled ones and those an import made
// (so the statement stays the same once it is imported), and LinhasNovas lines the ledger
// lacks. Its opening balance is the ledger's at the end of the day before its first line, its
// closing balance the opening one plus its lines. Throws ErroBaseDados.
Extracto extracto(BaseDados &bd);

// That statement in every format and encoding the readers take, each with its file name.
std::vector<Ficheiro> ficheiros(BaseDados &bd);

} // namespace ExemplosExtractos
