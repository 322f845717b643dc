#include "data/TabelaEmpresa.h"
#include "data/BaseDados.h"
#include "data/Regional.h"

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

std::optional<QDate> leUltimoBackup(BaseDados &bd)
{
    Registos r = bd.consulta(QStringLiteral("SELECT ultimobackup FROM Tabempresa "
                                            "WHERE numempresa = 1"));
    if (r.vazio())
        return std::nullopt;
    return Regional::deIso(r.texto(QStringLiteral("ultimobackup")));
}

bool gravaUltimoBackup(BaseDados &bd, const QDate &dia)
{
    return bd.executa(QStringLiteral("UPDATE Tabempresa SET ultimobackup = ? WHERE numempresa = 1"),
                      {Regional::paraIso(dia)})
           > 0;
}

} // namespace TabelaEmpresa
