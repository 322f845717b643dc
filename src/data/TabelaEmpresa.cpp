#include "data/TabelaEmpresa.h"
#include "data/BaseDados.h"

namespace TabelaEmpresa {

QString lePasswordGeral(BaseDados &bd)
{
    Registos r = bd.consulta(QStringLiteral("SELECT * FROM Tabempresa WHERE numempresa = 1"));
    return r.vazio() ? QString() : r.texto(QStringLiteral("campo2"));
}

bool gravaPasswordGeral(BaseDados &bd, const QString &password)
{
    return bd.executa(QStringLiteral("UPDATE Tabempresa SET campo2 = ? WHERE numempresa = 1"),
                      {password})
           > 0;
}

} // namespace TabelaEmpresa
