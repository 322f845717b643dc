#include "reports/TextosListagem.h"
#include "data/Regional.h"
#include "data/TabelaContas.h"
#include "reports/FormulaSeleccao.h"

namespace TextosListagem {

QString ConverteData(const QString &texto)
{
    QString partes[3];
    int tracos = 0;
    for (const QChar c : texto) {
        if (c == u'-') {
            ++tracos;
            continue;
        }
        if (c == u' ' || tracos > 2) // a blank trims to nothing
            continue;
        partes[tracos] += c;
    }
    return partes[1] + QLatin1Char('-') + partes[0] + QLatin1Char('-') + partes[2];
}

QString formulaSeleccao(const CriteriosPesquisa &c)
{
    using FormulaSeleccao::entreAspas;
    QString f = QStringLiteral("{TabBancos1Det.numbanco} = ") + QString::number(c.numBanco);
    f += QStringLiteral(" and {TabBancos1Det.numero} like '") + entreAspas(c.numero)
         + QStringLiteral("*'");
    if (!c.descricao.isEmpty())
        f += QStringLiteral(" and {TabBancos1Det.descricao} like '") + entreAspas(c.descricao)
             + QStringLiteral("*'");
    if (!c.situacao.isEmpty())
        f += QStringLiteral(" and {TabBancos1Det.s} like '") + entreAspas(c.situacao)
             + QStringLiteral("*'");
    if (!c.categoria.isEmpty())
        f += QStringLiteral(" and {TabBancosDetOutros.categoria} like '")
             + entreAspas(c.categoria) + QStringLiteral("*'");
    if (c.comDatas) {
        const QString d1 = ConverteData(Regional::formataData(c.desde));
        const QString d2 = ConverteData(Regional::formataData(c.ate));
        f += QStringLiteral(" and {TabBancos1Det.data}>= #") + d1 + QStringLiteral("# ");
        f += QStringLiteral(" and {TabBancos1Det.data}<= #") + d2 + QStringLiteral("# ");
    }
    return f;
}

QString textoSeleccao(const CriteriosPesquisa &c)
{
    QString t = QStringLiteral("Selecção: ");
    if (!c.numero.isEmpty())
        t += QStringLiteral("  Nº de Doc.: ") + c.numero;
    if (!c.categoria.isEmpty())
        t += QStringLiteral("  Categoria: ") + c.categoria;
    if (!c.descricao.isEmpty())
        t += QStringLiteral("  Descrição: ") + c.descricao;
    if (!c.situacao.isEmpty())
        t += QStringLiteral("  Situação: ") + c.situacao;
    if (c.comDatas)
        t += QStringLiteral("    Da Data: ") + Regional::formataData(c.desde)
             + QStringLiteral(" até: ") + Regional::formataData(c.ate);
    if (c.numero.isEmpty() && c.categoria.isEmpty() && c.descricao.isEmpty()
        && c.situacao.isEmpty() && !c.comDatas)
        t += QStringLiteral("TODOS");
    return t;
}

QString cabecalhoConta(const Conta &conta)
{
    QString r;
    const std::pair<const QString &, const char *> pares[] = {
        {conta.dependencia, "     Dependencia: "},
        {conta.numconta, "     Nº de Conta: "},
        {conta.nib, "     NIB: "},
        {conta.gestor, "     Gestor: "},
    };
    for (const auto &[valor, rotulo] : pares)
        if (!valor.trimmed().isEmpty())
            r += QString::fromUtf8(rotulo) + valor;
    return r;
}

QString formulaTexto(const QString &nome, const QString &texto)
{
    return nome + QStringLiteral(" = '") + FormulaSeleccao::entreAspas(texto)
           + QLatin1Char('\'');
}

} // namespace TextosListagem
