#include "extractos/LeitorTabela.h"

#include <QRegularExpression>

#include "extractos/ErroExtracto.h"
#include "extractos/LeitorCampos.h"

bool LinhaTabela::vazia() const
{
    for (const QString &c : celulas)
        for (const QChar ch : c)
            if (!ch.isSpace())
                return false;
    return true;
}

namespace {

QString curto(const QString &t)
{
    const QString s = t.simplified();
    return s.size() > 40 ? s.left(40) + QStringLiteral("…") : s;
}

QString nomeColuna(int c) { return QString::number(c + 1); }

QDate dataDe(const LinhaTabela &l, int col, const PresetCsv &p)
{
    if (l.numerica(col))
        return LeitorCampos::dataSerial(l.celula(col));
    const QString t = l.celula(col).trimmed();
    QDate d = LeitorCampos::data(t, p.formaData);
    // A spreadsheet's date cells arrive as yyyy-mm-dd whatever the preset says.
    if (!d.isValid() && t.size() >= 10 && t[4] == u'-')
        d = LeitorCampos::data(t, FormaData::AnoMesDia);
    return d.isValid() ? d : LeitorCampos::dataSerial(t);
}

std::optional<Dinheiro> valorDe(const LinhaTabela &l, int col, const PresetCsv &p)
{
    if (l.numerica(col))
        return LeitorCampos::decimalPonto(l.celula(col));
    return LeitorCampos::valor(l.celula(col), p.marcaDecimal, p.marcaMilhares);
}

[[noreturn]] void falha(const QString &nome, const LinhaTabela &l, const QString &motivo)
{
    throw ErroExtracto(nome, l.linhaFicheiro, motivo);
}

Dinheiro montante(const LinhaTabela &l, const PresetCsv &p, const QString &nome)
{
    auto le = [&](int col, const QString &qual) -> std::optional<Dinheiro> {
        if (l.celula(col).trimmed().isEmpty())
            return std::nullopt;
        const auto v = valorDe(l, col, p);
        if (!v)
            falha(nome, l, QStringLiteral("%1 ilegível «%2» na coluna %3.")
                               .arg(qual, curto(l.celula(col)), nomeColuna(col)));
        return v;
    };
    if (p.colValor >= 0) {
        const auto v = le(p.colValor, QStringLiteral("valor"));
        if (!v)
            falha(nome, l, QStringLiteral("falta o valor na coluna %1.").arg(nomeColuna(p.colValor)));
        return *v;
    }
    const auto debito = le(p.colDebito, QStringLiteral("débito"));
    const auto credito = le(p.colCredito, QStringLiteral("crédito"));
    const auto absoluto = [](Dinheiro d) { return d.negativo() ? Dinheiro() - d : d; };
    if (debito && credito && !debito->zero() && !credito->zero())
        falha(nome, l, QStringLiteral("tem valor a débito e a crédito."));
    if (debito && !debito->zero())
        return Dinheiro() - absoluto(*debito);
    if (credito)
        return absoluto(*credito);
    if (debito)
        return Dinheiro();
    falha(nome, l, QStringLiteral("não tem valor a débito nem a crédito."));
}

// Opening and closing balances from the balance after each line, whichever way the lines run.
void saldos(Extracto &e)
{
    const auto &ls = e.linhas;
    if (ls.empty())
        return;
    for (const LinhaExtracto &l : ls)
        if (!l.saldoApos)
            return;
    bool maisRecentePrimeiro = ls.front().data > ls.back().data;
    if (ls.front().data == ls.back().data && ls.size() > 1) {
        int crescente = 0, decrescente = 0;
        for (size_t i = 1; i < ls.size(); ++i) {
            crescente += *ls[i].saldoApos - *ls[i - 1].saldoApos == ls[i].valor;
            decrescente += *ls[i - 1].saldoApos - *ls[i].saldoApos == ls[i - 1].valor;
        }
        maisRecentePrimeiro = decrescente > crescente;
    }
    const LinhaExtracto &primeira = maisRecentePrimeiro ? ls.back() : ls.front();
    const LinhaExtracto &ultima = maisRecentePrimeiro ? ls.front() : ls.back();
    e.saldoInicial = SaldoExtracto{primeira.data.addDays(-1), *primeira.saldoApos - primeira.valor};
    e.saldoFinal = SaldoExtracto{ultima.data, *ultima.saldoApos};
}

} // namespace

namespace LeitorTabela {

void procuraConta(const std::vector<LinhaTabela> &linhas, Extracto &extracto)
{
    static const QRegularExpression iban(QStringLiteral("\\b([A-Z]{2}\\d{2}(?: ?[A-Z0-9]){11,30})\\b"));
    static const QRegularExpression nib(QStringLiteral("\\bNIB\\b\\D{0,5}((?:\\d ?){21})"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression moeda(
        QStringLiteral("\\bmoeda\\b\\W{0,3}([A-Z]{3})\\b"), QRegularExpression::CaseInsensitiveOption);
    for (const LinhaTabela &l : linhas) {
        const QString texto = l.celulas.join(u' ');
        if (extracto.iban.isEmpty()) {
            const auto m = iban.match(texto);
            if (m.hasMatch() && m.captured(1).at(4).isDigit()) {
                extracto.iban = m.captured(1).remove(u' ');
            } else {
                const auto n = nib.match(texto);
                if (n.hasMatch())
                    extracto.iban = QStringLiteral("PT50") + n.captured(1).remove(u' ');
            }
        }
        if (extracto.moeda.isEmpty()) {
            const auto m = moeda.match(texto);
            if (m.hasMatch())
                extracto.moeda = m.captured(1).toUpper();
            else if (texto.contains(QChar(0x20AC)))
                extracto.moeda = QStringLiteral("EUR");
        }
    }
}

Extracto le(const std::vector<LinhaTabela> &linhas, const PresetCsv &p, FormatoExtracto formato,
            const QString &nome)
{
    if (!p.completo())
        throw ErroExtracto(nome, 0, QStringLiteral("a disposição das colunas está incompleta: %1")
                                        .arg(p.falta()));
    Extracto e;
    e.formato = formato;
    const qsizetype total = qsizetype(linhas.size());
    const qsizetype inicio = std::clamp<qsizetype>(p.linhasCabecalho, 0, total);
    const qsizetype fim = std::max(inicio, total - std::max(0, p.linhasRodape));
    e.linhas.reserve(size_t(fim - inicio));
    for (qsizetype i = inicio; i < fim; ++i) {
        const LinhaTabela &l = linhas[size_t(i)];
        if (l.vazia())
            continue;
        LinhaExtracto m;
        m.linhaFicheiro = l.linhaFicheiro;
        m.data = dataDe(l, p.colData, p);
        if (!m.data.isValid())
            falha(nome, l, l.celula(p.colData).trimmed().isEmpty()
                               ? QStringLiteral("falta a data na coluna %1.").arg(nomeColuna(p.colData))
                               : QStringLiteral("data ilegível «%1» na coluna %2.")
                                     .arg(curto(l.celula(p.colData)), nomeColuna(p.colData)));
        if (!l.celula(p.colDataValor).trimmed().isEmpty()) {
            m.dataValor = dataDe(l, p.colDataValor, p);
            if (!m.dataValor.isValid())
                falha(nome, l, QStringLiteral("data-valor ilegível «%1» na coluna %2.")
                                   .arg(curto(l.celula(p.colDataValor)), nomeColuna(p.colDataValor)));
        }
        m.valor = montante(l, p, nome);
        m.descricao = l.celula(p.colDescricao).simplified();
        m.numero = l.celula(p.colNumero).trimmed();
        if (!l.celula(p.colSaldo).trimmed().isEmpty()) {
            m.saldoApos = valorDe(l, p.colSaldo, p);
            if (!m.saldoApos)
                falha(nome, l, QStringLiteral("saldo ilegível «%1» na coluna %2.")
                                   .arg(curto(l.celula(p.colSaldo)), nomeColuna(p.colSaldo)));
        }
        e.linhas.push_back(std::move(m));
    }
    if (e.linhas.empty())
        throw ErroExtracto(nome, 0, QStringLiteral("não há movimentos entre as %1 linhas de "
                                                   "cabeçalho e as %2 de rodapé.")
                                        .arg(p.linhasCabecalho).arg(p.linhasRodape));
    std::vector<LinhaTabela> margens(linhas.begin(), linhas.begin() + inicio);
    margens.insert(margens.end(), linhas.begin() + fim, linhas.end());
    procuraConta(margens, e);
    saldos(e);
    return e;
}

} // namespace LeitorTabela
