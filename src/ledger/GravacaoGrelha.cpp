#include "ledger/GravacaoGrelha.h"
#include "data/Regional.h"
#include "ledger/ColunasGrelha.h"
#include "ledger/LinhasMovimentos.h"
#include "platform/FlexGrid.h"
#include "data/Texto.h"

#include <algorithm>
#include <optional>

using namespace ColunasGrelha;

namespace {

const QString Verdade = QStringLiteral("True");

// An amount cell: "" and anything that is not an amount count as 0, as the grid counts them.
Dinheiro montante(const QString &texto)
{
    return Dinheiro::interpreta(texto).value_or(Dinheiro());
}

// Row r read from its texts.
std::optional<TabelaMovimentos::AlteracaoMovimento>
deTextos(const FlexGrid &g, int r, bool todas, int numBancoActual, QStringList &datasInvalidas)
{
    bool chaveValida = false;
    const qint64 chave = g.TextMatrix(r, NumAutomatico).toLongLong(&chaveValida);
    if (!chaveValida)
        return std::nullopt; // not a movement's row
    TabelaMovimentos::AlteracaoMovimento a;
    a.numAutomatico = chave;
    a.numero = Texto::corta(g.TextMatrix(r, Numero), TabelaMovimentos::LarguraNumero);
    // An empty cell is a movement without a date, which stays without one.
    const QString data = g.TextMatrix(r, Data);
    if (const auto d = Regional::interpretaData(data))
        a.data = *d;
    else if (!data.trimmed().isEmpty())
        datasInvalidas << data;
    a.descricao = Texto::corta(g.TextMatrix(r, Descricao), TabelaMovimentos::LarguraDescricao);
    a.situacao = g.TextMatrix(r, S);
    a.debito = montante(g.TextMatrix(r, Debito));
    a.credito = montante(g.TextMatrix(r, Credito));
    if (todas)
        a.saldo = montante(g.TextMatrix(r, Saldo));
    bool contaValida = false;
    a.numBanco = g.TextMatrix(r, NumBanco).trimmed().toInt(&contaValida);
    if (!contaValida)
        a.numBanco = numBancoActual;
    return a;
}

} // namespace

namespace GravacaoGrelha {

std::vector<TabelaMovimentos::AlteracaoMovimento> linhas(const FlexGrid &g, bool todas,
                                                        int numBancoActual,
                                                        QStringList &datasInvalidas)
{
    const LinhasMovimentos *carregadas = LinhasMovimentos::daGrelha(g);
    const FlexGridModelo &modelo = *g.modelo();
    const CelulasEscritas &escritas = modelo.escritas();
    // Rows still made by the loaded values, every column of them.
    const int comoCarregadas = carregadas && modelo.colunasDaFonte() >= carregadas->colunas()
                                   ? std::min(carregadas->total(), modelo.linhasDaFonte() - 1)
                                   : 0;
    std::vector<TabelaMovimentos::AlteracaoMovimento> resultado;
    if (todas)
        resultado.reserve(size_t(g.Rows()));
    for (int r = 1; r < g.Rows(); ++r) {
        if (r <= comoCarregadas && !escritas.temTexto(r)) {
            // Untouched since loading: its Alterou cell reads "False", its values are the raw ones.
            if (todas)
                resultado.push_back(carregadas->alteracao(r, true));
            continue;
        }
        if (!todas && g.TextMatrix(r, Alterou).compare(Verdade, Qt::CaseInsensitive) != 0)
            continue;
        if (auto a = deTextos(g, r, todas, numBancoActual, datasInvalidas))
            resultado.push_back(std::move(*a));
    }
    return resultado;
}

} // namespace GravacaoGrelha
