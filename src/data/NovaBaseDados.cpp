#include "data/NovaBaseDados.h"
#include "data/BaseDados.h"
#include "data/DadosDemonstracao.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"

#include <QFile>
#include <QFileInfo>

namespace NovaBaseDados {

void cria(const QString &caminho, bool demonstracao)
{
    if (QFileInfo::exists(caminho))
        throw ErroBaseDados(QStringLiteral("o ficheiro já existe e não foi alterado: ") + caminho);
    try {
        auto bd = BaseDados::abre(caminho, Esquema::Chave, true);
        Transaccao t(*bd);
        Esquema::cria(*bd);
        Esquema::semeia(*bd);
        if (demonstracao)
            DadosDemonstracao::preenche(*bd);
    } catch (...) {
        QFile::remove(caminho);
        throw;
    }
}

} // namespace NovaBaseDados
