// Any bytes as a QIF file, decoded and read line by line, and the same bytes taken as raw
// UTF-16 (lone surrogates included) through the date, amount and cut helpers; a cut text is a
// prefix of at most its width in characters as the user sees them, never ending inside one.
#include "import/LeitorQif.h"
#include "import/LinhasQif.h"

#include <QTextBoundaryFinder>
#include <cstdint>
#include <cstring>

namespace {

// Characters as the user sees them (grapheme clusters), as every column is cut.
qsizetype caracteres(const QString &texto)
{
    QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, texto);
    qsizetype n = 0;
    while (limites.toNextBoundary() >= 0)
        ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(dados), qsizetype(tamanho));
    LeitorQif leitor;
    for (const QString &linha : LinhasQif::linhasDe(bytes)) {
        leitor.trataLinha(linha);
        const MovimentoQif &m = leitor.movimento();
        if (caracteres(m.beneficiario) > LeitorQif::LarguraCampo
            || caracteres(m.categoria) > LeitorQif::LarguraCampo)
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
        // A prefix of at most 40 characters, ending where a character ends.
        const QString inteiro = v.toString();
        QTextBoundaryFinder limites(QTextBoundaryFinder::Grapheme, inteiro);
        limites.setPosition(cortado.size());
        const bool meio = !cortado.isEmpty() && cortado.size() < inteiro.size();
        if (!inteiro.startsWith(cortado) || caracteres(cortado) > 40
            || (meio && !limites.isAtBoundary()))
            __builtin_trap();
    }
    return 0;
}
