#include "import/LeitorQif.h"
#include "data/Texto.h"

namespace {

// A cursor over the text being read; every read checks its bounds.
struct Cursor {
    QStringView t;
    qsizetype i = 0;

    bool fim() const { return i >= t.size(); }
    QChar actual() const { return fim() ? QChar() : t[i]; }
    bool digito() const { return !fim() && t[i] >= u'0' && t[i] <= u'9'; }
    void saltaBrancos()
    {
        while (!fim() && t[i] == u' ')
            ++i;
    }
    bool consome(char16_t c)
    {
        if (fim() || t[i] != c)
            return false;
        ++i;
        return true;
    }
    // Up to `maximo` digits (blanks around them skipped); the count read goes to `lidos`.
    int numero(int maximo, int &lidos)
    {
        saltaBrancos();
        int valor = 0;
        lidos = 0;
        while (digito() && lidos < maximo) {
            valor = valor * 10 + (t[i].unicode() - u'0');
            ++i;
            ++lidos;
        }
        saltaBrancos();
        return valor;
    }
};

} // namespace

QString LeitorQif::corta(QStringView texto, int n)
{
    return Texto::corta(texto.toString(), n);
}

std::optional<QDate> LeitorQif::interpretaData(QStringView texto)
{
    Cursor c{texto.trimmed()};
    int lidos = 0;
    const int mes = c.numero(2, lidos);
    if (lidos == 0 || !c.consome(u'/'))
        return std::nullopt;
    const int dia = c.numero(2, lidos);
    if (lidos == 0 || !(c.consome(u'\'') || c.consome(u'/')))
        return std::nullopt;
    int ano = c.numero(4, lidos);
    if (!c.fim() || lidos == 0 || lidos == 3)
        return std::nullopt;
    if (lidos <= 2)
        ano += ano < 30 ? 2000 : 1900;
    const QDate data(ano, mes, dia);
    return data.isValid() ? std::optional<QDate>(data) : std::nullopt;
}

std::optional<Dinheiro> LeitorQif::interpretaValor(QStringView texto)
{
    Cursor c{texto.trimmed()};
    const bool negativo = c.consome(u'-');
    if (!negativo)
        c.consome(u'+');
    constexpr qint64 maximoInteiro = Dinheiro::MAXIMO / 100;
    qint64 inteiro = 0;
    int digitos = 0;       // in the whole part
    int grupo = 0;         // digits since the last comma
    bool comVirgulas = false;
    for (; !c.fim(); ++c.i) {
        if (c.digito()) {
            inteiro = inteiro * 10 + (c.actual().unicode() - u'0');
            if (inteiro > maximoInteiro)
                return std::nullopt;
            ++digitos;
            ++grupo;
        } else if (c.actual() == u',') {
            // Thousands commas: 1 to 3 digits before the first, exactly 3 after each.
            if (grupo == 0 || grupo > 3 || (comVirgulas && grupo != 3))
                return std::nullopt;
            comVirgulas = true;
            grupo = 0;
        } else {
            break;
        }
    }
    if (comVirgulas && grupo != 3)
        return std::nullopt;
    qint64 centimos = 0;
    int decimais = 0;
    if (c.consome(u'.')) {
        while (c.digito()) {
            if (++decimais > 2)
                return std::nullopt;
            centimos = centimos * 10 + (c.actual().unicode() - u'0');
            ++c.i;
        }
        if (decimais == 1)
            centimos *= 10;
    }
    if (!c.fim() || (digitos == 0 && decimais == 0))
        return std::nullopt;
    const qint64 total = inteiro * 100 + centimos;
    if (total > Dinheiro::MAXIMO)
        return std::nullopt;
    return Dinheiro::deCentimos(negativo ? -total : total);
}

void LeitorQif::LimpaMovimentoImportado()
{
    const QDate data = m_movimento.data;
    m_movimento = MovimentoQif();
    m_movimento.data = data;
}

LeitorQif::Resultado LeitorQif::trataLinha(QStringView linha)
{
    if (linha.isEmpty())
        return Resultado::Ignorada;
    const QStringView resto = linha.sliced(1);
    switch (linha.front().unicode()) {
    case u'D': {
        const auto data = interpretaData(resto);
        if (!data)
            return Resultado::DataInvalida;
        m_movimento.data = *data;
        LimpaMovimentoImportado();
        return Resultado::Lida;
    }
    case u'P':
        m_movimento.beneficiario = corta(resto, LarguraCampo);
        return Resultado::Lida;
    case u'T': {
        const auto valor = interpretaValor(resto);
        if (!valor)
            return Resultado::ValorInvalido;
        m_movimento.valor = *valor;
        return Resultado::Lida;
    }
    case u'N':
        m_movimento.numero = corta(resto, LarguraCampo);
        return Resultado::Lida;
    case u'M':
        m_movimento.memo = corta(resto, LarguraCampo);
        return Resultado::Lida;
    case u'L':
        m_movimento.categoria = corta(resto, LarguraCampo);
        return Resultado::Movimento;
    default:
        return Resultado::Ignorada;
    }
}
