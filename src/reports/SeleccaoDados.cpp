#include "reports/SeleccaoDados.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"

#include <cmath>

namespace SeleccaoDados {

namespace {

enum class Tipo { Texto, Data, Inteiro, Dinheiro };

struct Campo {
    const char *tabela, *nome, *sql;
    Tipo tipo;
};

// The movements with their extras: one row per movement (the extras row is found by movement
// and account, as the editor writes it).
const Campo CamposMovimentos[] = {
    {"tabbancos1det", "numautomatico", "d.NumAutomatico", Tipo::Inteiro},
    {"tabbancos1det", "data", "d.Data", Tipo::Data},
    {"tabbancos1det", "numero", "ifnull(d.Numero, '')", Tipo::Texto},
    {"tabbancos1det", "descricao", "ifnull(d.Descricao, '')", Tipo::Texto},
    {"tabbancos1det", "s", "ifnull(d.S, '')", Tipo::Texto},
    {"tabbancos1det", "debito", "ifnull(d.Debito, 0)", Tipo::Dinheiro},
    {"tabbancos1det", "credito", "ifnull(d.Credito, 0)", Tipo::Dinheiro},
    {"tabbancos1det", "saldo", "ifnull(d.Saldo, 0)", Tipo::Dinheiro},
    {"tabbancos1det", "numbanco", "d.NumBanco", Tipo::Inteiro},
    {"tabbancosdetoutros", "categoria", "ifnull(o.Categoria, '')", Tipo::Texto},
    {"tabbancosdetoutros", "categoria1", "ifnull(o.Categoria1, '')", Tipo::Texto},
    {"tabbancosdetoutros", "observacoes", "ifnull(o.Observacoes, '')", Tipo::Texto},
};

const Campo CamposContas[] = {
    {"tabbancos", "numbanco", "c.NumBanco", Tipo::Inteiro},
    {"tabbancos", "banco", "ifnull(c.banco, '')", Tipo::Texto},
    {"tabbancos", "dependencia", "ifnull(c.dependencia, '')", Tipo::Texto},
    {"tabbancos", "numconta", "ifnull(c.numconta, '')", Tipo::Texto},
    {"tabbancos", "nib", "ifnull(c.nib, '')", Tipo::Texto},
    {"tabbancos", "gestor", "ifnull(c.gestor, '')", Tipo::Texto},
    {"tabbancos", "saldo", "ifnull(c.Saldo, 0)", Tipo::Dinheiro},
};

std::pair<const Campo *, const Campo *> campos(FonteDados fonte)
{
    if (fonte == FonteDados::Contas)
        return {std::begin(CamposContas), std::end(CamposContas)};
    return {std::begin(CamposMovimentos), std::end(CamposMovimentos)};
}

const Campo *procura(FonteDados fonte, const QString &tabela, const QString &nome)
{
    auto [i, fim] = campos(fonte);
    for (; i != fim; ++i)
        if ((tabela.isEmpty() || tabela.compare(QLatin1String(i->tabela), Qt::CaseInsensitive) == 0)
            && nome.compare(QLatin1String(i->nome), Qt::CaseInsensitive) == 0)
            return i;
    return nullptr;
}

// The value of a condition, as the column stores it.
QVariant valorPara(const Campo &c, const CondicaoSeleccao &cond)
{
    const QVariant &v = cond.valor;
    const auto campo = QStringLiteral("{%1.%2}").arg(cond.tabela, cond.coluna);
    switch (c.tipo) {
    case Tipo::Texto:
        if (v.typeId() == QMetaType::QString)
            return v;
        break;
    case Tipo::Data:
        if (v.typeId() == QMetaType::QDate)
            return Regional::paraIso(v.toDate());
        break;
    case Tipo::Inteiro:
        if (v.typeId() == QMetaType::LongLong)
            return v;
        break;
    case Tipo::Dinheiro:
        if (v.typeId() == QMetaType::LongLong) {
            const qint64 n = v.toLongLong();
            if (n > -Dinheiro::MAXIMO && n < Dinheiro::MAXIMO)
                return n * 100;
        } else if (v.typeId() == QMetaType::Double) {
            const double d = v.toDouble() * 100.0;
            if (std::isfinite(d) && std::fabs(d) < double(Dinheiro::MAXIMO))
                return qint64(std::llround(d));
        }
        break;
    }
    throw ErroFormula(
        QStringLiteral("O valor comparado com %1 não é do tipo do campo.").arg(campo));
}

} // namespace

QStringList camposDisponiveis(FonteDados fonte)
{
    QStringList r;
    auto [i, fim] = campos(fonte);
    for (; i != fim; ++i)
        r << QString::fromLatin1(i->nome);
    return r;
}

DadosRelatorio selecciona(BaseDados &bd, FonteDados fonte,
                          const std::vector<CondicaoSeleccao> &condicoes,
                          const QStringList &pedidos)
{
    DadosRelatorio dados;
    QStringList colunas;
    std::vector<Tipo> tipos;
    for (const QString &p : pedidos) {
        const Campo *c = procura(fonte, QString(), p);
        if (!c)
            throw ErroFormula(
                QStringLiteral("O modelo pede o campo \"%1\", que não existe.").arg(p));
        dados.campos << p.toLower();
        colunas << QString::fromLatin1(c->sql);
        tipos.push_back(c->tipo);
    }

    QStringList onde;
    QVariantList parametros;
    if (fonte == FonteDados::Contas)
        onde << QStringLiteral("trim(ifnull(c.banco, '')) <> ''");
    for (const CondicaoSeleccao &cond : condicoes) {
        const Campo *c = procura(fonte, cond.tabela, cond.coluna);
        if (!c)
            throw ErroFormula(QStringLiteral("O campo {%1.%2} não existe nesta listagem.")
                                  .arg(cond.tabela, cond.coluna));
        const QString sql = QString::fromLatin1(c->sql);
        const QVariant valor = valorPara(*c, cond);
        const bool texto = c->tipo == Tipo::Texto;
        switch (cond.operador) {
        case Operador::Como:
            if (!texto)
                throw ErroFormula(QStringLiteral("like só se aplica a campos de texto ({%1.%2}).")
                                      .arg(cond.tabela, cond.coluna));
            onde << QStringLiteral("DOBRA(%1) GLOB ?").arg(sql);
            parametros << FormulaSeleccao::padraoGlob(valor.toString());
            continue;
        case Operador::Igual:
            onde << (texto ? QStringLiteral("DOBRA(%1) = DOBRA(?)") : QStringLiteral("%1 = ?"))
                        .arg(sql);
            break;
        case Operador::MaiorOuIgual:
            onde << QStringLiteral("%1 >= ?").arg(sql);
            break;
        case Operador::MenorOuIgual:
            onde << QStringLiteral("%1 <= ?").arg(sql);
            break;
        }
        parametros << valor;
    }

    QString consulta = fonte == FonteDados::Contas
                           ? QStringLiteral("SELECT %1 FROM TabBancos c")
                           : QStringLiteral("SELECT %1 FROM TabBancos1Det d LEFT JOIN "
                                            "TabBancosDetOutros o ON o.NumAutoDet = "
                                            "d.NumAutomatico AND o.NumBanco = d.NumBanco");
    consulta = consulta.arg(colunas.isEmpty() ? QStringLiteral("1") : colunas.join(u','));
    if (!onde.isEmpty())
        consulta += QStringLiteral(" WHERE ") + onde.join(QLatin1String(" AND "));
    consulta += fonte == FonteDados::Contas ? QStringLiteral(" ORDER BY c.NumBanco")
                                            : QStringLiteral(" ORDER BY d.Data, d.NumAutomatico");

    Comando cmd = bd.prepara(consulta);
    cmd.ligaTodos(parametros);
    while (cmd.avanca()) {
        QVariantList linha;
        linha.reserve(qsizetype(tipos.size()));
        for (int i = 0; i < int(tipos.size()); ++i) {
            switch (tipos[size_t(i)]) {
            case Tipo::Texto: linha << cmd.texto(i); break;
            case Tipo::Data: linha << Regional::deIso(cmd.texto(i)); break;
            case Tipo::Inteiro:
            case Tipo::Dinheiro: linha << cmd.inteiro(i); break;
            }
        }
        dados.linhas.push_back(std::move(linha));
    }
    return dados;
}

} // namespace SeleccaoDados
