#include "reports/FormulaSeleccao.h"

namespace FormulaSeleccao {

namespace {

// A cursor over the formula text; every read checks the end first.
class Leitor
{
public:
    explicit Leitor(const QString &t) : m_t(t) {}

    bool fim() const { return m_i >= m_t.size(); }
    QChar actual() const { return fim() ? QChar() : m_t.at(m_i); }
    qsizetype posicao() const { return m_i; }
    void avanca() { ++m_i; }
    void saltaBrancos()
    {
        while (!fim() && actual().isSpace())
            ++m_i;
    }
    bool aceita(QLatin1StringView s)
    {
        if (m_t.mid(m_i, s.size()).compare(s, Qt::CaseInsensitive) != 0)
            return false;
        m_i += s.size();
        return true;
    }
    // A keyword is followed by something that cannot continue a word.
    bool aceitaPalavra(QLatin1StringView s)
    {
        const qsizetype depois = m_i + s.size();
        if (m_t.mid(m_i, s.size()).compare(s, Qt::CaseInsensitive) != 0)
            return false;
        if (depois < m_t.size() && (m_t.at(depois).isLetterOrNumber() || m_t.at(depois) == u'_'))
            return false;
        m_i = depois;
        return true;
    }

    [[noreturn]] void falha(const QString &oQue) const
    {
        throw ErroFormula(QStringLiteral("%1 (posição %2).").arg(oQue).arg(m_i + 1));
    }

    QString texto(QChar aspa)
    {
        avanca(); // the opening quote
        QString r;
        for (;;) {
            if (fim())
                falha(QStringLiteral("Falta fechar um texto entre aspas"));
            const QChar c = actual();
            avanca();
            if (c == aspa) {
                if (actual() == aspa) { // a doubled quote is one quote
                    r += c;
                    avanca();
                    continue;
                }
                return r;
            }
            r += c;
        }
    }

    QString identificador()
    {
        const qsizetype inicio = m_i;
        while (!fim() && (actual().isLetterOrNumber() || actual() == u'_'))
            avanca();
        return m_t.mid(inicio, m_i - inicio);
    }

    QDate data()
    {
        avanca(); // '#'
        const qsizetype inicio = m_i;
        while (!fim() && actual() != u'#')
            avanca();
        if (fim())
            falha(QStringLiteral("Falta fechar uma data com #"));
        const QString texto = m_t.mid(inicio, m_i - inicio).trimmed();
        avanca();
        // month-day-year, separated by "-" or "/"
        QString normalizado = texto;
        normalizado.replace(u'/', u'-');
        const QStringList partes = normalizado.split(u'-');
        QDate d;
        if (partes.size() == 3) {
            bool okM = false, okD = false, okA = false;
            const int m = partes[0].toInt(&okM), dia = partes[1].toInt(&okD),
                      a = partes[2].toInt(&okA);
            if (okM && okD && okA && partes[2].size() == 4)
                d = QDate(a, m, dia);
        }
        if (!d.isValid())
            throw ErroFormula(QStringLiteral("A data #%1# não é uma data válida (mês-dia-ano).")
                                  .arg(texto));
        return d;
    }

    QVariant numero()
    {
        const qsizetype inicio = m_i;
        if (actual() == u'-' || actual() == u'+')
            avanca();
        while (!fim() && (actual().isDigit() || actual() == u'.'))
            avanca();
        const QString t = m_t.mid(inicio, m_i - inicio);
        bool ok = false;
        if (!t.contains(u'.')) {
            const qint64 n = t.toLongLong(&ok);
            if (ok)
                return n;
        } else {
            const double d = t.toDouble(&ok);
            if (ok)
                return d;
        }
        m_i = inicio;
        falha(QStringLiteral("Número inválido \"%1\"").arg(t));
    }

private:
    const QString &m_t;
    qsizetype m_i = 0;
};

} // namespace

QString padraoGlob(const QString &como)
{
    QString r;
    r.reserve(como.size() + 4);
    for (const QChar c : como.toCaseFolded()) {
        if (c == u'[')
            r += QLatin1String("[[]");
        else
            r += c;
    }
    return r;
}

QString entreAspas(const QString &texto)
{
    QString r = texto;
    r.replace(QLatin1Char('\''), QLatin1String("''"));
    return r;
}

std::vector<CondicaoSeleccao> interpreta(const QString &formula)
{
    std::vector<CondicaoSeleccao> condicoes;
    Leitor l(formula);
    l.saltaBrancos();
    if (l.fim())
        return condicoes;
    for (;;) {
        CondicaoSeleccao c;
        l.saltaBrancos();
        if (!l.aceita(QLatin1StringView("{")))
            l.falha(QStringLiteral("Esperava-se um campo {tabela.coluna}"));
        c.tabela = l.identificador();
        if (c.tabela.isEmpty() || !l.aceita(QLatin1StringView(".")))
            l.falha(QStringLiteral("Esperava-se um campo {tabela.coluna}"));
        c.coluna = l.identificador();
        if (c.coluna.isEmpty() || !l.aceita(QLatin1StringView("}")))
            l.falha(QStringLiteral("Esperava-se um campo {tabela.coluna}"));
        l.saltaBrancos();
        if (l.aceita(QLatin1StringView(">=")))
            c.operador = Operador::MaiorOuIgual;
        else if (l.aceita(QLatin1StringView("<=")))
            c.operador = Operador::MenorOuIgual;
        else if (l.aceita(QLatin1StringView("=")))
            c.operador = Operador::Igual;
        else if (l.aceitaPalavra(QLatin1StringView("like")))
            c.operador = Operador::Como;
        else
            l.falha(QStringLiteral("Esperava-se =, >=, <= ou like"));
        l.saltaBrancos();
        const QChar v = l.actual();
        if (v == u'\'' || v == u'"')
            c.valor = l.texto(v);
        else if (v == u'#')
            c.valor = l.data();
        else if (v.isDigit() || v == u'-' || v == u'+' || v == u'.')
            c.valor = l.numero();
        else
            l.falha(QStringLiteral("Esperava-se um texto, um número ou uma data"));
        if (c.operador == Operador::Como && c.valor.typeId() != QMetaType::QString)
            l.falha(QStringLiteral("like compara apenas com um texto"));
        condicoes.push_back(std::move(c));
        l.saltaBrancos();
        if (l.fim())
            return condicoes;
        if (!l.aceitaPalavra(QLatin1StringView("and")))
            l.falha(QStringLiteral("Esperava-se \"and\" entre as condições"));
    }
}

FormulaNomeada interpretaNomeada(const QString &formula)
{
    Leitor l(formula);
    l.saltaBrancos();
    FormulaNomeada f;
    f.nome = l.identificador();
    if (f.nome.isEmpty())
        l.falha(QStringLiteral("Esperava-se o nome da fórmula"));
    l.saltaBrancos();
    if (!l.aceita(QLatin1StringView("=")))
        l.falha(QStringLiteral("Esperava-se = depois do nome da fórmula"));
    l.saltaBrancos();
    const QChar aspa = l.actual();
    if (aspa != u'\'' && aspa != u'"')
        l.falha(QStringLiteral("Esperava-se um texto entre aspas"));
    f.texto = l.texto(aspa);
    l.saltaBrancos();
    if (!l.fim())
        l.falha(QStringLiteral("Texto a mais depois da fórmula"));
    return f;
}

} // namespace FormulaSeleccao
