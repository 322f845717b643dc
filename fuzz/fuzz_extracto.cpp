// Any bytes as a statement file: the reader either hands on whole statements with valid dates
// and amounts within range, or throws ErroExtracto; never a crash.
#include "extractos/LeitorExtracto.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
    try {
        for (const Extracto &e : leExtracto(bytes, QStringLiteral("f")))
            for (const LinhaExtracto &l : e.linhas)
                if (!l.data.isValid() || l.valor.centimos() > Dinheiro::MAXIMO
                    || l.valor.centimos() < -Dinheiro::MAXIMO)
                    __builtin_trap();
    } catch (const ErroExtracto &) {
    }
    return 0;
}
