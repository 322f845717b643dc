// Any bytes as a QIF file, decoded and read line by line, and the same bytes taken as raw
// UTF-16 (lone surrogates included) through the date, amount and cut helpers.
#include "import/LeitorQif.h"
#include "import/LinhasQif.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
    LeitorQif leitor;
    for (const QString &linha : LinhasQif::linhasDe(bytes)) {
        leitor.trataLinha(linha);
        const MovimentoQif &m = leitor.movimento();
        if (m.beneficiario.size() > LeitorQif::LarguraCampo || m.categoria.size() > 40)
            __builtin_trap();
    }
    QString utf16(qsizetype(tamanho / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), dados, (tamanho / 2) * 2);
    LeitorQif outro;
    for (const QStringView v : QStringView(utf16).tokenize(u'\n')) {
        outro.trataLinha(v);
        LeitorQif::interpretaData(v);
        const auto valor = LeitorQif::interpretaValor(v);
        if (valor && (valor->centimos() > Dinheiro::MAXIMO
                      || valor->centimos() < -Dinheiro::MAXIMO))
            __builtin_trap();
        const QString cortado = LeitorQif::corta(v, 40);
        // Never more than 40 units, and never a surrogate pair split by the cut.
        if (cortado.size() > 40
            || (cortado.size() < v.size() && v[cortado.size()].isLowSurrogate()
                && !cortado.isEmpty() && cortado.back().isHighSurrogate()))
            __builtin_trap();
    }
    return 0;
}
