// libFuzzer target of the listings' formula reader: any bytes, read as UTF-8 and as Latin-1,
// must give conditions or an ErroFormula, never a crash, a hang or a read out of bounds.
#include "reports/FormulaSeleccao.h"

#include <cstddef>
#include <cstdint>

namespace {

void experimenta(const QString &texto)
{
    try {
        const auto condicoes = FormulaSeleccao::interpreta(texto);
        for (const CondicaoSeleccao &c : condicoes)
            if (c.operador == Operador::Como)
                (void)FormulaSeleccao::padraoGlob(c.valor.toString());
    } catch (const ErroFormula &) {
    }
    try {
        (void)FormulaSeleccao::interpretaNomeada(texto);
    } catch (const ErroFormula &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const auto *c = reinterpret_cast<const char *>(dados);
    experimenta(QString::fromUtf8(c, qsizetype(tamanho)));
    experimenta(QString::fromLatin1(c, qsizetype(tamanho)));
    return 0;
}
