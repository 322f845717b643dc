#include "graficos/FigurasConta.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"

#include <QHash>
#include <algorithm>
#include <string>
#include <unordered_map>

namespace CalculoFiguras {

namespace {

// The grid leaves a movement out of the balance when its situation's first character is "A".
bool anulado(std::string_view situacao) { return !situacao.empty() && situacao.front() == 'A'; }

int digitos(std::string_view s, size_t de, size_t n)
{
    int v = 0;
    for (size_t i = de; i < de + n; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

// "yyyy-MM-dd" (anything after the day is ignored); invalid otherwise.
QDate dataIso(std::string_view s)
{
    if (s.size() < 10 || s[4] != '-' || s[7] != '-')
        return {};
    return QDate(digitos(s, 0, 4), digitos(s, 5, 2), digitos(s, 8, 2));
}

// The spellings of the categories met, each read and folded once.
struct Grafia {
    QString texto;
    int grupo = 0;
    int movimentos = 0;
};

struct Grupo {
    QString chave;
    qint64 saidas = 0, entradas = 0;
    int movimentosSaidas = 0, movimentosEntradas = 0;
};

class Categorias
{
public:
    int grafia(std::string_view cru)
    {
        if (m_ultima >= 0 && cru == m_ultimoCru)
            return m_ultima;
        m_ultimoCru.assign(cru);
        auto [i, nova] = m_porCru.try_emplace(m_ultimoCru, int(m_grafias.size()));
        if (nova) {
            Grafia g;
            g.texto = QString::fromUtf8(cru.data(), qsizetype(cru.size())).trimmed();
            const QString chave = chaveCategoria(g.texto);
            auto j = m_porChave.constFind(chave);
            if (j == m_porChave.constEnd()) {
                j = m_porChave.insert(chave, int(m_grupos.size()));
                m_grupos.push_back({chave});
            }
            g.grupo = j.value();
            m_grafias.push_back(std::move(g));
        }
        m_ultima = i->second;
        return m_ultima;
    }

    void soma(int grafia, qint64 debito, qint64 credito)
    {
        Grafia &g = m_grafias[size_t(grafia)];
        ++g.movimentos;
        Grupo &grupo = m_grupos[size_t(g.grupo)];
        if (debito != 0) {
            grupo.saidas += debito;
            ++grupo.movimentosSaidas;
        }
        if (credito != 0) {
            grupo.entradas += credito;
            ++grupo.movimentosEntradas;
        }
    }

    // The largest categories first, those beyond the first ten as "Outras".
    std::vector<CategoriaFiguras> lista(bool saidas) const
    {
        std::vector<CategoriaFiguras> r;
        for (size_t i = 0; i < m_grupos.size(); ++i) {
            const Grupo &g = m_grupos[i];
            const qint64 total = saidas ? g.saidas : g.entradas;
            if (total == 0)
                continue;
            CategoriaFiguras c;
            c.total = total;
            c.movimentos = saidas ? g.movimentosSaidas : g.movimentosEntradas;
            if (g.chave.isEmpty()) {
                c.tipo = CategoriaFiguras::Tipo::SemCategoria;
                c.nome = QStringLiteral("Sem categoria");
            } else {
                c.nome = nomeDoGrupo(int(i));
            }
            r.push_back(std::move(c));
        }
        std::sort(r.begin(), r.end(), [](const CategoriaFiguras &a, const CategoriaFiguras &b) {
            if (a.total != b.total)
                return a.total > b.total;
            return a.nome < b.nome;
        });
        if (r.size() > size_t(FigurasConta::MaximoCategorias)) {
            CategoriaFiguras outras;
            outras.tipo = CategoriaFiguras::Tipo::Outras;
            outras.nome = QStringLiteral("Outras");
            for (size_t i = FigurasConta::MaximoCategorias; i < r.size(); ++i) {
                outras.total += r[i].total;
                outras.movimentos += r[i].movimentos;
            }
            r.resize(FigurasConta::MaximoCategorias);
            r.push_back(std::move(outras));
        }
        return r;
    }

private:
    // A category written in several ways shows as the spelling most movements use.
    QString nomeDoGrupo(int grupo) const
    {
        const Grafia *melhor = nullptr;
        for (const Grafia &g : m_grafias)
            if (g.grupo == grupo
                && (!melhor || g.movimentos > melhor->movimentos
                    || (g.movimentos == melhor->movimentos && g.texto < melhor->texto)))
                melhor = &g;
        return melhor ? melhor->texto : QString();
    }

    std::unordered_map<std::string, int> m_porCru;
    QHash<QString, int> m_porChave;
    std::vector<Grafia> m_grafias;
    std::vector<Grupo> m_grupos;
    std::string m_ultimoCru;
    int m_ultima = -1;
};

qint64 somaAntes(BaseDados &bd, int numBanco, const QString &desdeIso)
{
    // Two ranges of the account's (NumBanco, Data) index: the undated movements (first in the
    // grid) and those dated before the period.
    static const QString soma = QStringLiteral(
        "SELECT ifnull(sum(ifnull(Credito, 0) - ifnull(Debito, 0)), 0) FROM TabBancos1Det "
        "WHERE NumBanco = ? AND %1 AND substr(ifnull(S, ''), 1, 1) <> 'A'");
    Comando semData = bd.prepara(soma.arg(QStringLiteral("Data IS NULL")));
    semData.liga(1, numBanco);
    semData.avanca();
    Comando antes = bd.prepara(soma.arg(QStringLiteral("Data < ?")));
    antes.liga(1, numBanco);
    antes.liga(2, desdeIso);
    antes.avanca();
    return semData.inteiro(0) + antes.inteiro(0);
}

} // namespace

QString chaveCategoria(const QString &nome)
{
    return nome.trimmed().toCaseFolded();
}

FigurasConta calcula(BaseDados &bd, int numBanco, const PeriodoGrafico &periodo)
{
    FigurasConta f;
    f.periodo = periodo;
    {
        Comando existe = bd.prepara(
            QStringLiteral("SELECT EXISTS (SELECT 1 FROM TabBancos1Det WHERE NumBanco = ?)"));
        existe.liga(1, numBanco);
        f.contaSemMovimentos = !existe.avanca() || existe.inteiro(0) == 0;
    }
    if (!periodo.valido())
        return f;
    f.saldoInicial = somaAntes(bd, numBanco, Regional::paraIso(periodo.desde));

    const qsizetype dias = periodo.dias();
    std::vector<qint64> liquidoDia(size_t(dias), 0);
    for (QDate m(periodo.desde.year(), periodo.desde.month(), 1); m <= periodo.ate;
         m = m.addMonths(1))
        f.meses.push_back({std::max(m, periodo.desde),
                           std::min(m.addMonths(1).addDays(-1), periodo.ate)});
    const int mes0 = periodo.desde.year() * 12 + periodo.desde.month() - 1;
    Categorias categorias;

    // Each movement's category, from the first extras row stored for it (as the editor reads
    // it), by movement key. One scan of the extras beats a lookup per movement many times over.
    std::vector<int> grafiaDe;
    {
        Comando maior = bd.prepara(QStringLiteral(
            "SELECT ifnull(max(NumAutomatico), 0) FROM TabBancos1Det WHERE NumBanco = ?"));
        maior.liga(1, numBanco);
        maior.avanca();
        grafiaDe.assign(size_t(std::max<qint64>(0, maior.inteiro(0))) + 1, -1);
        Comando extras = bd.prepara(QStringLiteral(
            "SELECT NumAutoDet, Categoria FROM TabBancosDetOutros WHERE NumBanco = ? "
            "ORDER BY rowid"));
        extras.liga(1, numBanco);
        while (extras.avanca()) {
            const qint64 n = extras.inteiro(0);
            if (n >= 0 && n < qint64(grafiaDe.size()) && grafiaDe[size_t(n)] < 0)
                grafiaDe[size_t(n)] = categorias.grafia(extras.utf8(1));
        }
    }
    const int semExtras = categorias.grafia(std::string_view());

    // The period's movements, read from the (NumBanco, Data, S, Debito, Credito) index alone.
    Comando c = bd.prepara(QStringLiteral(
        "SELECT NumAutomatico, Data, S, ifnull(Debito, 0), ifnull(Credito, 0) "
        "FROM TabBancos1Det WHERE NumBanco = ? AND Data >= ? AND Data <= ?"));
    c.liga(1, numBanco);
    c.liga(2, Regional::paraIso(periodo.desde));
    c.liga(3, Regional::paraIso(periodo.ate));
    std::string ultimaData;
    qsizetype dia = -1;
    size_t mes = 0;
    while (c.avanca()) {
        if (anulado(c.utf8(2)))
            continue;
        const std::string_view data = c.utf8(1);
        if (dia < 0 || data != ultimaData) {
            const QDate d = dataIso(data);
            if (!d.isValid() || d < periodo.desde || d > periodo.ate)
                continue; // not a day of the period: text the program never writes
            ultimaData.assign(data);
            dia = periodo.desde.daysTo(d);
            mes = size_t(d.year() * 12 + d.month() - 1 - mes0);
        }
        const qint64 debito = c.inteiro(3), credito = c.inteiro(4);
        ++f.movimentos;
        liquidoDia[size_t(dia)] += credito - debito;
        f.meses[mes].entradas += credito;
        f.meses[mes].saidas += debito;
        const qint64 n = c.inteiro(0);
        const int g = n >= 0 && n < qint64(grafiaDe.size()) ? grafiaDe[size_t(n)] : -1;
        categorias.soma(g < 0 ? semExtras : g, debito, credito);
    }

    f.saldosDiarios.resize(size_t(dias));
    qint64 saldo = f.saldoInicial;
    for (qsizetype i = 0; i < dias; ++i) {
        saldo += liquidoDia[size_t(i)];
        f.saldosDiarios[size_t(i)] = saldo;
        if (i == 0 || saldo < f.minimo.saldo)
            f.minimo = {f.dia(i), saldo};
        if (i == 0 || saldo > f.maximo.saldo)
            f.maximo = {f.dia(i), saldo};
    }
    f.categoriasSaidas = categorias.lista(true);
    f.categoriasEntradas = categorias.lista(false);
    return f;
}

} // namespace CalculoFiguras
