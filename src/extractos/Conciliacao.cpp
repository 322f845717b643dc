#include "extractos/Conciliacao.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <unordered_map>

namespace {

constexpr qint64 SemData = std::numeric_limits<qint64>::min();

qint64 diaDe(const QDate &d) { return d.isValid() ? d.toJulianDay() : SemData; }

// The words of a text that say something (three letters or more), case folded.
QStringList palavras(const QString &texto)
{
    const QString t = texto.toCaseFolded();
    QStringList r;
    qsizetype inicio = -1;
    for (qsizetype i = 0; i <= t.size(); ++i) {
        const bool letra = i < t.size() && t[i].isLetterOrNumber();
        if (letra && inicio < 0)
            inicio = i;
        else if (!letra && inicio >= 0) {
            if (i - inicio >= 3)
                r << t.mid(inicio, i - inicio);
            inicio = -1;
        }
    }
    return r;
}

QString semZerosAEsquerda(const QString &numero)
{
    QString n = numero.trimmed();
    while (n.size() > 1 && n.front() == QLatin1Char('0'))
        n.remove(0, 1);
    return n;
}

// How alike a line and a movement are, to choose between movements of the same amount and
// distance: the same document number counts most, then the words they share.
int semelhanca(const LinhaExtracto &l, const Movimento &m)
{
    int pontos = 0;
    const QString numero = semZerosAEsquerda(l.numero);
    if (!numero.isEmpty() && numero == semZerosAEsquerda(m.numero))
        pontos += 1000;
    const QStringList daLinha = palavras(l.descricao);
    if (!daLinha.isEmpty()) {
        const QStringList doMovimento = palavras(m.descricao + QLatin1Char(' ') + m.numero);
        for (const QString &p : daLinha)
            if (doMovimento.contains(p))
                ++pontos;
    }
    return pontos;
}

bool jaImportada(const std::unordered_set<QString> &importadas, const LinhaPlano &l)
{
    if (importadas.count(l.chave))
        return true;
    const QString valor = l.chaveValor.mid(4);
    return importadas.count(QStringLiteral("val:") + valor)
           || (l.chaveValor.startsWith(QLatin1String("val:"))
               && importadas.count(QStringLiteral("vid:") + valor));
}

struct Par {
    qint64 distancia;
    int semelhanca;
    size_t linha, movimento;
};

// Appends without a text of its own: a key is made for every line.
void acrescentaNumero(QString &s, qint64 v)
{
    char16_t b[24];
    int i = 24;
    const bool negativo = v < 0;
    quint64 u = negativo ? 0 - quint64(v) : quint64(v);
    do {
        b[--i] = char16_t(u'0' + u % 10);
        u /= 10;
    } while (u);
    if (negativo)
        b[--i] = u'-';
    s.append(QStringView(b + i, 24 - i));
}

void acrescentaIso(QString &s, const QDate &d)
{
    int ano = 0, mes = 0, dia = 0;
    if (d.isValid())
        d.getDate(&ano, &mes, &dia);
    if (!d.isValid() || ano < 0 || ano > 9999) {
        s += Conciliacao::iso(d);
        return;
    }
    const char16_t t[10] = {char16_t(u'0' + ano / 1000), char16_t(u'0' + ano / 100 % 10),
                            char16_t(u'0' + ano / 10 % 10), char16_t(u'0' + ano % 10), u'-',
                            char16_t(u'0' + mes / 10), char16_t(u'0' + mes % 10), u'-',
                            char16_t(u'0' + dia / 10), char16_t(u'0' + dia % 10)};
    s.append(QStringView(t, 10));
}

// Counts the repeats of keys in one flat table (open addressing), sized once for all the
// lines: a hash map's node a line, made and freed, cost more than the keys themselves.
template <class Chave, class Dispersao>
class Repeticoes
{
public:
    explicit Repeticoes(size_t quantas)
    {
        size_t t = 16;
        while (t < 2 * quantas)
            t <<= 1;
        m_casas.resize(t);
        m_mascara = t - 1;
    }
    // How many times `k` was seen, this one included.
    int conta(const Chave &k)
    {
        for (size_t i = Dispersao()(k) & m_mascara;; i = (i + 1) & m_mascara) {
            Casa &c = m_casas[i];
            if (c.vezes == 0) {
                c.chave = k;
                return c.vezes = 1;
            }
            if (c.chave == k)
                return ++c.vezes;
        }
    }

private:
    struct Casa {
        Chave chave{};
        int vezes = 0;
    };
    std::vector<Casa> m_casas;
    size_t m_mascara = 0;
};

struct DispersaoVista {
    size_t operator()(QStringView v) const { return qHash(v); }
};

// Day and amount of a line.
struct DiaValor {
    qint64 dia = 0, centimos = 0;
    bool operator==(const DiaValor &) const = default;
};

struct DispersaoDiaValor {
    size_t operator()(const DiaValor &c) const
    {
        quint64 h = quint64(c.dia) * 0x9E3779B97F4A7C15ull ^ quint64(c.centimos);
        h ^= h >> 31;
        h *= 0xBF58476D1CE4E5B9ull;
        return size_t(h ^ (h >> 29));
    }
};

// FNV-1a, 64 bits, over UTF-8 bytes fed as they come: a short key that is the same on every
// run and every machine (qHash is seeded per process), made without a text of its own.
class Fnv
{
public:
    void byte(quint8 b)
    {
        m_h ^= b;
        m_h *= 1099511628211ull;
    }
    void ascii(QLatin1StringView t)
    {
        for (const char c : t)
            byte(quint8(c));
    }
    void texto(QStringView t)
    {
        qsizetype i = 0;
        while (i < t.size() && t[i].unicode() < 0x80)
            byte(quint8(t[i++].unicode()));
        if (i < t.size())
            for (const char c : t.sliced(i).toUtf8())
                byte(quint8(c));
    }
    quint64 valor() const { return m_h; }

private:
    quint64 m_h = 14695981039346656037ull;
};

bool espacoAscii(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// The fingerprint of a line without the bank's id: its ISO day, amount and text with the spaces
// simplified and case folded, each after a "|". An ASCII text is simplified and folded here
// as QString::simplified and toCaseFolded do it (the same bytes); any other goes through them.
quint64 impressaoLinha(const LinhaExtracto &l)
{
    Fnv f;
    char b[24];
    QString dia;
    acrescentaIso(dia, l.data);
    f.texto(dia);
    f.byte('|');
    const auto r = std::to_chars(b, b + sizeof b, l.valor.centimos());
    f.ascii(QLatin1StringView(b, r.ptr - b));
    f.byte('|');
    const QStringView d(l.descricao);
    if (!std::all_of(d.begin(), d.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        f.texto(l.descricao.simplified().toCaseFolded());
        return f.valor();
    }
    bool espaco = false, algum = false;
    for (const QChar q : d) {
        const char16_t c = q.unicode();
        if (espacoAscii(c)) {
            espaco = algum;
            continue;
        }
        if (espaco)
            f.byte(' ');
        espaco = false;
        algum = true;
        f.byte(quint8(c >= u'A' && c <= u'Z' ? c + 32 : c));
    }
    return f.valor();
}

void acrescentaHex(QString &s, quint64 v)
{
    char16_t t[16];
    for (int i = 15; i >= 0; --i, v >>= 4)
        t[i] = char16_t(u"0123456789abcdef"[v & 15]);
    s.append(QStringView(t, 16));
}

} // namespace

int PlanoConciliacao::conta(DecisaoLinha d) const
{
    return int(std::count_if(linhas.begin(), linhas.end(),
                             [d](const LinhaPlano &l) { return l.decisao == d; }));
}

namespace Conciliacao {

Dinheiro valorDe(const Movimento &m) { return m.credito - m.debito; }

QString iso(const QDate &d)
{
    if (!d.isValid())
        return {};
    int ano = 0, mes = 0, dia = 0;
    d.getDate(&ano, &mes, &dia);
    if (ano < 0 || ano > 9999)
        return d.toString(Qt::ISODate);
    const char16_t t[10] = {char16_t(u'0' + ano / 1000), char16_t(u'0' + ano / 100 % 10),
                            char16_t(u'0' + ano / 10 % 10), char16_t(u'0' + ano % 10), u'-',
                            char16_t(u'0' + mes / 10), char16_t(u'0' + mes % 10), u'-',
                            char16_t(u'0' + dia / 10), char16_t(u'0' + dia % 10)};
    return QString(reinterpret_cast<const QChar *>(t), 10);
}

// Both read the text in place: they run for every movement of the account.
bool anulada(const QString &situacao) { return situacao.startsWith(QLatin1Char('A')); }

bool porVerificar(const Movimento &m)
{
    return QStringView(m.situacao).trimmed().compare(u"V", Qt::CaseInsensitive) != 0
           && !anulada(m.situacao);
}

std::vector<QString> chaves(const std::vector<LinhaExtracto> &linhas)
{
    std::vector<QString> r;
    r.reserve(linhas.size());
    // The repeats counted on the bank's id as the line holds it (a view, no copy), or on the
    // fingerprint's text; each key then written once.
    Repeticoes<QStringView, DispersaoVista> porId(linhas.size());
    Repeticoes<quint64, std::hash<quint64>> porImpressao(linhas.size());
    for (const LinhaExtracto &l : linhas) {
        QString k;
        int n = 0;
        if (const QStringView id = QStringView(l.idBanco).trimmed(); !id.isEmpty()) {
            n = porId.conta(id);
            k.reserve(id.size() + 12);
            k += QLatin1String("id:");
            k += id;
        } else {
            const quint64 h = impressaoLinha(l);
            n = porImpressao.conta(h);
            k.reserve(28);
            k += QLatin1String("imp:");
            acrescentaHex(k, h);
        }
        k += QLatin1Char('#');
        acrescentaNumero(k, n);
        r.push_back(std::move(k));
    }
    return r;
}

std::vector<QString> chavesValor(const std::vector<LinhaExtracto> &linhas)
{
    std::vector<QString> r;
    r.reserve(linhas.size());
    Repeticoes<DiaValor, DispersaoDiaValor> vistas(linhas.size());
    for (const LinhaExtracto &l : linhas) {
        const int n = vistas.conta(DiaValor{diaDe(l.data), l.valor.centimos()});
        QString k;
        k.reserve(48);
        k += QStringView(l.idBanco).trimmed().isEmpty() ? QLatin1String("val:")
                                                         : QLatin1String("vid:");
        acrescentaIso(k, l.data);
        k += QLatin1Char('|');
        acrescentaNumero(k, l.valor.centimos());
        k += QLatin1Char('#');
        acrescentaNumero(k, n);
        r.push_back(std::move(k));
    }
    return r;
}

void aplicaRegras(PlanoConciliacao &plano, const std::vector<RegraCategoria> &regras)
{
    const RegrasCategoria::Dobradas dobradas(regras);
    for (LinhaPlano &l : plano.linhas) {
        if (regras.empty()) {
            l.categoria.clear();
            l.categoria1.clear();
            continue;
        }
        const RegraCategoria *r = dobradas.aplica(l.linha.descricao);
        l.categoria = r ? r->categoria : QString();
        l.categoria1 = r ? r->categoria1 : QString();
    }
}

PlanoConciliacao planeia(const Entrada &e)
{
    PlanoConciliacao plano;
    plano.numBanco = e.numBanco;
    const std::vector<LinhaExtracto> &doFicheiro = e.extracto->linhas;

    // Lines by date; a file written newest first keeps the bank's order within a day.
    const std::vector<QString> chavesLinhas = chaves(doFicheiro);
    const std::vector<QString> chavesValores = chavesValor(doFicheiro);
    std::vector<size_t> ordem(doFicheiro.size());
    for (size_t i = 0; i < ordem.size(); ++i)
        ordem[i] = i;
    if (ordem.size() > 1 && doFicheiro.front().data > doFicheiro.back().data)
        std::reverse(ordem.begin(), ordem.end());
    std::stable_sort(ordem.begin(), ordem.end(), [&](size_t a, size_t b) {
        return diaDe(doFicheiro[a].data) < diaDe(doFicheiro[b].data);
    });
    plano.linhas.reserve(doFicheiro.size());
    for (const size_t i : ordem)
        plano.linhas.push_back({doFicheiro[i], chavesLinhas[i], chavesValores[i],
                                DecisaoLinha::Novo, 0, {}, {}});

    // The ledger: what may be matched, and what the running balance counts.
    plano.saldosRazao.reserve(e.movimentos->size());
    plano.porVerificar.reserve(size_t(std::count_if(
        e.movimentos->begin(), e.movimentos->end(),
        [](const Movimento &m) { return porVerificar(m) && m.data.isValid(); })));
    for (Movimento &m : *e.movimentos) {
        if (!anulada(m.situacao))
            plano.saldosRazao.emplace_back(diaDe(m.data), valorDe(m).centimos());
        if (porVerificar(m) && m.data.isValid())
            plano.porVerificar.push_back(std::move(m));
    }
    e.movimentos->clear();
    const auto porDia = [](const auto &a, const auto &b) { return a.first < b.first; };
    if (!std::is_sorted(plano.saldosRazao.begin(), plano.saldosRazao.end(), porDia))
        std::stable_sort(plano.saldosRazao.begin(), plano.saldosRazao.end(), porDia);
    plano.acumulados.reserve(plano.saldosRazao.size());
    qint64 soma = 0;
    for (const auto &s : plano.saldosRazao)
        plano.acumulados.push_back(soma += s.second);
    const auto porData = [](const Movimento &a, const Movimento &b) { return a.data < b.data; };
    if (!std::is_sorted(plano.porVerificar.begin(), plano.porVerificar.end(), porData))
        std::stable_sort(plano.porVerificar.begin(), plano.porVerificar.end(), porData);
    plano.indicePorChave.reserve(plano.porVerificar.size());
    for (size_t j = 0; j < plano.porVerificar.size(); ++j)
        plano.indicePorChave.emplace_back(plano.porVerificar[j].numAutomatico, j);
    if (!std::is_sorted(plano.indicePorChave.begin(), plano.indicePorChave.end()))
        std::sort(plano.indicePorChave.begin(), plano.indicePorChave.end());

    // Movements to verify by amount, then by date (their order in porVerificar): one sorted
    // array, no list per amount.
    struct PorValor {
        qint64 centimos, dia;
        size_t j;
    };
    std::vector<PorValor> porValor;
    porValor.reserve(plano.porVerificar.size());
    for (size_t j = 0; j < plano.porVerificar.size(); ++j)
        porValor.push_back({valorDe(plano.porVerificar[j]).centimos(),
                            plano.porVerificar[j].data.toJulianDay(), j});
    std::sort(porValor.begin(), porValor.end(), [](const PorValor &a, const PorValor &b) {
        return a.centimos != b.centimos ? a.centimos < b.centimos : a.j < b.j;
    });

    std::vector<Par> pares;
    for (size_t i = 0; i < plano.linhas.size(); ++i) {
        LinhaPlano &l = plano.linhas[i];
        if (e.importadas && !e.importadas->empty() && jaImportada(*e.importadas, l)) {
            l.decisao = DecisaoLinha::JaImportado;
            continue;
        }
        if (!l.linha.data.isValid())
            continue;
        const qint64 centimos = l.linha.valor.centimos();
        const qint64 dia = l.linha.data.toJulianDay();
        auto j = std::lower_bound(porValor.begin(), porValor.end(), dia - DiasTolerancia,
                                  [&](const PorValor &k, qint64 d) {
                                      return k.centimos != centimos ? k.centimos < centimos
                                                                    : k.dia < d;
                                  });
        for (; j != porValor.end() && j->centimos == centimos; ++j) {
            const qint64 distancia = j->dia - dia;
            if (distancia > DiasTolerancia)
                break;
            pares.push_back({std::abs(distancia), 0, i, j->j});
        }
    }
    // Likeness matters only where a line or a movement has a choice.
    {
        std::vector<quint32> porLinha(plano.linhas.size()), porMovimento(plano.porVerificar.size());
        for (const Par &p : pares) {
            ++porLinha[p.linha];
            ++porMovimento[p.movimento];
        }
        for (Par &p : pares)
            if (porLinha[p.linha] > 1 || porMovimento[p.movimento] > 1)
                p.semelhanca =
                    semelhanca(plano.linhas[p.linha].linha, plano.porVerificar[p.movimento]);
    }
    // Nearest first, then the most alike; ties in date order, so the result never depends on
    // the hash table.
    std::sort(pares.begin(), pares.end(), [](const Par &a, const Par &b) {
        if (a.distancia != b.distancia)
            return a.distancia < b.distancia;
        if (a.semelhanca != b.semelhanca)
            return a.semelhanca > b.semelhanca;
        if (a.linha != b.linha)
            return a.linha < b.linha;
        return a.movimento < b.movimento;
    });
    std::vector<bool> linhaUsada(plano.linhas.size()), movimentoUsado(plano.porVerificar.size());
    for (const Par &p : pares) {
        if (linhaUsada[p.linha] || movimentoUsado[p.movimento])
            continue;
        linhaUsada[p.linha] = movimentoUsado[p.movimento] = true;
        plano.linhas[p.linha].decisao = DecisaoLinha::Conciliado;
        plano.linhas[p.linha].movimento = plano.porVerificar[p.movimento].numAutomatico;
    }
    if (e.regras)
        aplicaRegras(plano, *e.regras);
    recalcula(plano, *e.extracto);
    return plano;
}

void recalcula(PlanoConciliacao &plano, const Extracto &extracto)
{
    plano.inicio = plano.fim = QDate();
    for (const LinhaPlano &l : plano.linhas) {
        if (!l.linha.data.isValid())
            continue;
        if (!plano.inicio.isValid() || l.linha.data < plano.inicio)
            plano.inicio = l.linha.data;
        if (!plano.fim.isValid() || l.linha.data > plano.fim)
            plano.fim = l.linha.data;
    }
    // The balances' days belong to the period too: a month's statement covers the month.
    if (extracto.saldoInicial && extracto.saldoInicial->data.isValid()) {
        const QDate d = extracto.saldoInicial->data.addDays(1);
        if (!plano.inicio.isValid() || d < plano.inicio)
            plano.inicio = d;
    }
    if (extracto.saldoFinal && extracto.saldoFinal->data.isValid()) {
        const QDate d = extracto.saldoFinal->data;
        if (!plano.fim.isValid() || d > plano.fim)
            plano.fim = d;
        if (!plano.inicio.isValid())
            plano.inicio = d;
    }

    std::unordered_set<qint64> conciliados;
    for (const LinhaPlano &l : plano.linhas)
        if (l.decisao == DecisaoLinha::Conciliado)
            conciliados.insert(l.movimento);
    plano.soNoRazao.clear();
    for (size_t j = 0; plano.inicio.isValid() && j < plano.porVerificar.size(); ++j) {
        const Movimento &m = plano.porVerificar[j];
        if (m.data >= plano.inicio && m.data <= plano.fim && !conciliados.count(m.numAutomatico))
            plano.soNoRazao.push_back(j);
    }

    // The ledger's balance at the end of a day as the import leaves it, with the new lines of
    // the plan in it: a difference is then what confirming will not mend.
    const auto saldoEm = [&](const QDate &d, const Dinheiro &doExtracto) {
        const qint64 dia = d.toJulianDay();
        const auto fim = std::upper_bound(
            plano.saldosRazao.begin(), plano.saldosRazao.end(), dia,
            [](qint64 v, const std::pair<qint64, qint64> &s) { return v < s.first; });
        qint64 c = fim == plano.saldosRazao.begin()
                       ? 0
                       : plano.acumulados[size_t(fim - plano.saldosRazao.begin()) - 1];
        int novos = 0;
        for (const LinhaPlano &l : plano.linhas)
            if (l.decisao == DecisaoLinha::Novo && l.linha.data.isValid()
                && l.linha.data.toJulianDay() <= dia) {
                c += l.linha.valor.centimos();
                ++novos;
            }
        return ComparacaoSaldo{d, doExtracto, Dinheiro::deCentimos(c), novos};
    };
    plano.saldoInicial.reset();
    plano.saldoFinal.reset();
    if (extracto.saldoInicial) {
        QDate d = extracto.saldoInicial->data;
        if (!d.isValid())
            d = plano.inicio.addDays(-1);
        plano.saldoInicial = saldoEm(d, extracto.saldoInicial->valor);
    }
    if (extracto.saldoFinal) {
        QDate d = extracto.saldoFinal->data;
        if (!d.isValid())
            d = plano.fim;
        plano.saldoFinal = saldoEm(d, extracto.saldoFinal->valor);
    }
    plano.movimentosEmFalta = plano.saldoInicial && plano.saldoInicial->difere();
}

std::vector<size_t> alternativas(const PlanoConciliacao &plano, size_t i)
{
    const LinhaPlano &l = plano.linhas.at(i);
    std::unordered_set<qint64> usados;
    for (size_t k = 0; k < plano.linhas.size(); ++k)
        if (k != i && plano.linhas[k].decisao == DecisaoLinha::Conciliado)
            usados.insert(plano.linhas[k].movimento);
    std::vector<size_t> r;
    if (!l.linha.data.isValid())
        return r;
    for (size_t j = 0; j < plano.porVerificar.size(); ++j) {
        const Movimento &m = plano.porVerificar[j];
        if (valorDe(m) == l.linha.valor && !usados.count(m.numAutomatico)
            && std::abs(m.data.toJulianDay() - l.linha.data.toJulianDay()) <= DiasTolerancia)
            r.push_back(j);
    }
    const qint64 dia = l.linha.data.toJulianDay();
    std::stable_sort(r.begin(), r.end(), [&](size_t a, size_t b) {
        return std::abs(plano.porVerificar[a].data.toJulianDay() - dia)
               < std::abs(plano.porVerificar[b].data.toJulianDay() - dia);
    });
    return r;
}

const Movimento *movimento(const PlanoConciliacao &plano, qint64 numAutomatico)
{
    const auto &ix = plano.indicePorChave;
    const auto i = std::lower_bound(ix.begin(), ix.end(), std::make_pair(numAutomatico, size_t(0)));
    return i == ix.end() || i->first != numAutomatico ? nullptr : &plano.porVerificar[i->second];
}

} // namespace Conciliacao
