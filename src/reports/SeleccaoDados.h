#pragma once
// The records a listing prints: the conditions of its selection formula applied with bound
// parameters to the accounts, or to the movements left-joined to their extras. Only the fields
// below can be named; anything else is a fault of the formula, never SQL text.
//   movements: {TabBancos1Det.numautomatico|data|numero|descricao|s|debito|credito|saldo|numbanco}
//              {TabBancosDetOutros.categoria|categoria1|observacoes}
//   accounts:  {TabBancos.numbanco|banco|dependencia|numconta|nib|gestor|saldo}
// Texts compare without regard to case; "like" takes '*' for any run and '?' for one character.
// A Null text reads as an empty one, so like '*' matches a movement without a document number.
#include <QStringList>
#include <QVariantList>
#include <vector>

#include "reports/FormulaSeleccao.h"
#include "reports/ModeloRelatorio.h"

class BaseDados;

struct DadosRelatorio {
    QStringList campos;               // lower-case field names, in the order of each row
    std::vector<QVariantList> linhas; // texts as QString, dates as QDate, money as qint64 cents
    int indice(const QString &campo) const { return int(campos.indexOf(campo.toLower())); }
};

namespace SeleccaoDados {

// Fields a template may show, for one source.
QStringList camposDisponiveis(FonteDados fonte);

// Reads the records of `fonte` that meet every condition, in the listing's order (accounts by
// number, movements by date then creation). Accounts without a name are left out. Unknown
// fields or values of the wrong kind throw ErroFormula; engine faults throw ErroBaseDados.
DadosRelatorio selecciona(BaseDados &bd, FonteDados fonte,
                          const std::vector<CondicaoSeleccao> &condicoes,
                          const QStringList &campos);

} // namespace SeleccaoDados
