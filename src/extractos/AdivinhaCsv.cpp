#include "extractos/AdivinhaCsv.h"

#include <QHash>
#include <map>

#include "extractos/LeitorCampos.h"
#include "extractos/LeitorCsv.h"

namespace {

constexpr int Amostra = 300;

bool pareceValor(const LinhaTabela &l, int c)
{
    const QString t = l.celula(c).trimmed();
    if (t.isEmpty() || t.size() > 24)
        return false;
    if (l.numerica(c))
        return !LeitorCampos::dataSerial(t).isValid() || t.contains(u'.');
    return LeitorCampos::valor(t, u',', u'.') || LeitorCampos::valor(t, u'.', u',');
}

// An amount as banks write them: with a decimal mark and two decimals (or a spreadsheet number).
bool pareceMontante(const LinhaTabela &l, int c)
{
    if (!pareceValor(l, c))
        return false;
    if (l.numerica(c))
        return true;
    QString t = l.celula(c).trimmed();
    t.remove(QChar(0x20AC));
    t = t.trimmed();
    while (!t.isEmpty() && (t.back() == u'-' || t.back() == u')' || t.back() == u'+'))
        t.chop(1);
    t = t.trimmed();
    return t.size() >= 3 && (t[t.size() - 3] == u',' || t[t.size() - 3] == u'.');
}

bool pareceData(const LinhaTabela &l, int c)
{
    if (l.numerica(c))
        return LeitorCampos::dataSerial(l.celula(c)).isValid() && !l.celula(c).contains(u'.');
    return LeitorCampos::formaDe(l.celula(c)).has_value();
}

QString normaliza(const QString &t)
{
    QString r = t.normalized(QString::NormalizationForm_D).toLower().simplified();
    r.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return r;
}

enum Papel { Data, DataValor, Descricao, Numero, Debito, Credito, Valor, Saldo, Nenhum };

Papel papelDoTitulo(const QString &titulo)
{
    const QString t = normaliza(titulo);
    if (t.isEmpty())
        return Nenhum;
    auto tem = [&](std::initializer_list<const char *> ps) {
        for (const char *p : ps)
            if (t.contains(QLatin1String(p)))
                return true;
        return false;
    };
    if (tem({"data valor", "data-valor", "dt. valor", "dt valor", "value date", "valor data"}))
        return DataValor;
    if (tem({"data", "date", "dt."}))
        return Data;
    if (tem({"saldo", "balance"}))
        return Saldo;
    if (tem({"debito", "debit", "saida", "levantamento"}))
        return Debito;
    if (tem({"credito", "credit", "entrada", "deposito"}))
        return Credito;
    if (tem({"montante", "valor", "importancia", "amount", "quantia"}))
        return Valor;
    if (tem({"descri", "movimento", "historico", "designa", "detalhe", "texto", "operacao",
             "narrative", "memo"}))
        return Descricao;
    if (tem({"doc", "n.º", "n.o", "numero", "cheque", "refer"}))
        return Numero;
    return Nenhum;
}

int moda(const std::vector<LinhaTabela> &linhas, size_t de, size_t ate)
{
    std::map<int, int> contagem;
    for (size_t i = de; i < ate; ++i)
        if (AdivinhaCsv::pareceMovimento(linhas[i]))
            ++contagem[int(linhas[i].celulas.size())];
    int melhor = 0, vezes = 0;
    for (const auto &[n, v] : contagem)
        if (v > vezes)
            melhor = n, vezes = v;
    return melhor;
}

} // namespace

namespace AdivinhaCsv {

bool pareceMovimento(const LinhaTabela &l)
{
    int datas = 0, valores = 0;
    for (int c = 0; c < l.celulas.size(); ++c) {
        if (pareceData(l, c))
            ++datas;
        else if (pareceValor(l, c))
            ++valores;
    }
    return datas >= 1 && valores >= 1;
}

QChar separador(const QString &texto)
{
    const QString amostra = texto.left(64 * 1024);
    QChar melhor = u';';
    int pontos = -1;
    for (const QChar s : {QChar(u';'), QChar(u'\t'), QChar(u',')}) {
        const auto linhas = LeitorCsv::primeiras(amostra, s, Amostra);
        int n = 0;
        for (const LinhaTabela &l : linhas)
            n += pareceMovimento(l) && l.celulas.size() >= 3;
        if (n > pontos)
            melhor = s, pontos = n;
    }
    return melhor;
}

void adivinha(const std::vector<LinhaTabela> &linhas, PresetCsv &p)
{
    const size_t total = linhas.size();
    const int colunas = moda(linhas, 0, std::min<size_t>(total, 5000));
    auto movimento = [&](size_t i) {
        return pareceMovimento(linhas[i]) && int(linhas[i].celulas.size()) == colunas;
    };
    size_t primeira = total, ultima = 0;
    for (size_t i = 0; i < total; ++i)
        if (movimento(i)) {
            primeira = i;
            break;
        }
    if (primeira == total) {
        p.linhasCabecalho = 0;
        p.linhasRodape = 0;
        return;
    }
    for (size_t i = total; i-- > primeira;)
        if (movimento(i)) {
            ultima = i;
            break;
        }
    p.linhasCabecalho = int(primeira);
    p.linhasRodape = int(total - 1 - ultima);

    // What each column holds over a sample of the movements; a few unreadable cells (which
    // the reading then reports by line) do not hide a column's kind.
    const size_t fimAmostra = std::min(ultima + 1, primeira + Amostra);
    struct Coluna { int cheias = 0, datas = 0, montantes = 0, inteiros = 0, textoTotal = 0; };
    std::vector<Coluna> cs(size_t(std::max(colunas, 0)));
    int linhasAmostra = 0;
    int votosVirgula = 0, votosPonto = 0, menosNoFim = 0;
    std::map<FormaData, int> formas;
    for (size_t i = primeira; i < fimAmostra; ++i) {
        const LinhaTabela &l = linhas[i];
        if (l.vazia())
            continue;
        ++linhasAmostra;
        for (int c = 0; c < colunas; ++c) {
            Coluna &k = cs[size_t(c)];
            const QString t = l.celula(c).trimmed();
            if (t.isEmpty())
                continue;
            ++k.cheias;
            if (pareceData(l, c)) {
                ++k.datas;
                if (const auto f = LeitorCampos::formaDe(t))
                    ++formas[*f];
            } else if (pareceMontante(l, c)) {
                ++k.montantes;
                if (!l.numerica(c)) {
                    const qsizetype v = t.lastIndexOf(u','), pt = t.lastIndexOf(u'.');
                    (v > pt ? votosVirgula : votosPonto)++;
                    menosNoFim += t.endsWith(u'-');
                }
            } else if (pareceValor(l, c) && !t.contains(u',') && !t.contains(u'.')) {
                ++k.inteiros;
            } else {
                k.textoTotal += int(t.size());
            }
        }
    }
    auto ehDatas = [&](int c) { return cs[size_t(c)].datas * 10 >= cs[size_t(c)].cheias * 6
                                       && cs[size_t(c)].cheias > 0; };
    auto ehMontantes = [&](int c) {
        const Coluna &k = cs[size_t(c)];
        return k.cheias > 0 && (k.montantes + k.inteiros) * 10 >= k.cheias * 6 && k.montantes > 0;
    };

    p.marcaDecimal = votosPonto > votosVirgula ? u'.' : u',';
    p.marcaMilhares = p.marcaDecimal == u',' ? u'.' : u',';
    if (!formas.empty()) {
        auto f = std::max_element(formas.begin(), formas.end(),
                                  [](auto &a, auto &b) { return a.second < b.second; });
        p.formaData = f->first;
    }
    p.colData = p.colDataValor = p.colDescricao = p.colNumero = -1;
    p.colDebito = p.colCredito = p.colValor = p.colSaldo = -1;

    // Titles first: the row just above the movements, when it holds words.
    std::vector<Papel> papeis(size_t(std::max(colunas, 0)), Nenhum);
    if (primeira > 0) {
        const LinhaTabela &titulos = linhas[primeira - 1];
        for (int c = 0; c < colunas; ++c) {
            const Papel q = papelDoTitulo(titulos.celula(c));
            const bool data = q == Data || q == DataValor;
            const bool dinheiro = q == Debito || q == Credito || q == Valor || q == Saldo;
            if ((data && !ehDatas(c)) || (dinheiro && !ehMontantes(c) && cs[size_t(c)].cheias))
                continue;
            if (std::find(papeis.begin(), papeis.end(), q) == papeis.end() || q == Nenhum)
                papeis[size_t(c)] = q;
        }
    }
    auto tem = [&](Papel q) { return std::find(papeis.begin(), papeis.end(), q) != papeis.end(); };
    // Then what the cells hold, for the columns the titles left open.
    for (int c = 0; c < colunas; ++c) {
        if (papeis[size_t(c)] != Nenhum || !ehDatas(c))
            continue;
        if (!tem(Data))
            papeis[size_t(c)] = Data;
        else if (!tem(DataValor))
            papeis[size_t(c)] = DataValor;
    }
    if (!tem(Valor) && !tem(Debito) && !tem(Credito)) {
        std::vector<int> montantes;
        for (int c = 0; c < colunas; ++c)
            if (papeis[size_t(c)] == Nenhum && ehMontantes(c))
                montantes.push_back(c);
        const bool temSaldo = tem(Saldo);
        // Two columns never filled on the same row are a debit and a credit.
        auto alternam = [&](int a, int b) {
            return cs[size_t(a)].cheias + cs[size_t(b)].cheias <= linhasAmostra + 1
                   && cs[size_t(a)].cheias < linhasAmostra;
        };
        if (montantes.size() >= 2 && alternam(montantes[0], montantes[1])) {
            papeis[size_t(montantes[0])] = Debito;
            papeis[size_t(montantes[1])] = Credito;
            if (montantes.size() >= 3 && !temSaldo)
                papeis[size_t(montantes[2])] = Saldo;
        } else if (!montantes.empty()) {
            papeis[size_t(montantes[0])] = Valor;
            if (montantes.size() >= 2 && !temSaldo)
                papeis[size_t(montantes.back())] = Saldo;
        }
    }
    if (!tem(Descricao)) {
        int melhor = -1, maior = 0;
        for (int c = 0; c < colunas; ++c)
            if (papeis[size_t(c)] == Nenhum && cs[size_t(c)].textoTotal > maior)
                melhor = c, maior = cs[size_t(c)].textoTotal;
        if (melhor >= 0)
            papeis[size_t(melhor)] = Descricao;
    }
    for (int c = 0; c < colunas; ++c) {
        switch (papeis[size_t(c)]) {
        case Data: p.colData = c; break;
        case DataValor: p.colDataValor = c; break;
        case Descricao: p.colDescricao = c; break;
        case Numero: p.colNumero = c; break;
        case Debito: p.colDebito = c; break;
        case Credito: p.colCredito = c; break;
        case Valor: p.colValor = c; break;
        case Saldo: p.colSaldo = c; break;
        case Nenhum: break;
        }
    }
    if (p.colValor >= 0)
        p.colDebito = p.colCredito = -1;
    p.formaDebito = p.colValor < 0 && (p.colDebito >= 0 || p.colCredito >= 0)
                        ? FormaDebito::ColunaDebito
                        : (menosNoFim > 0 ? FormaDebito::MenosNoFim : FormaDebito::SinalMenos);
}

QString forma(const std::vector<LinhaTabela> &linhas, const PresetCsv &p, const QString &prefixo)
{
    const size_t primeira = size_t(std::max(0, p.linhasCabecalho));
    if (primeira >= linhas.size())
        return {};
    const int colunas = int(linhas[primeira].celulas.size());
    QStringList partes;
    if (primeira > 0 && !linhas[primeira - 1].vazia()) {
        for (const QString &t : linhas[primeira - 1].celulas)
            partes << normaliza(t);
    } else {
        const LinhaTabela &l = linhas[primeira];
        for (int c = 0; c < colunas; ++c)
            partes << (l.celula(c).trimmed().isEmpty() ? QString()
                       : pareceData(l, c)                ? QStringLiteral("D")
                       : pareceValor(l, c)               ? QStringLiteral("V")
                                                         : QStringLiteral("T"));
    }
    return QStringLiteral("%1|%2|%3").arg(prefixo).arg(colunas).arg(partes.join(u'|'));
}

} // namespace AdivinhaCsv
