// Any bytes as a statement file: the reader either hands on whole statements with valid dates
// and amounts within range, or throws ErroExtracto; never a crash.
#include "extractos/LeitorExtracto.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
    // The guess, the shape and the reading under the guessed preset, as an import runs them.
    const PresetCsv p = adivinhaPresetCsv(bytes);
    formaFicheiroCsv(bytes);
    try {
        leExtracto(bytes, QStringLiteral("f"), &p);
    } catch (const ErroExtracto &) {
    }
    return 0;
}
