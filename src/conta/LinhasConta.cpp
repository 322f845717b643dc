#include "conta/LinhasConta.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"
#include "data/Texto.h"

#include <algorithm>
#include <cstring>
#include <sqlite3.h>
#include <stdexcept>

namespace {

std::string_view utf8De(const QByteArray &b) { return {b.constData(), size_t(b.size())}; }

// A text the write-back would cut to its width.
bool maisLongo(std::string_view t, int largura)
{
    if (t.size() <= size_t(largura))
        return false; // n bytes hold at most n characters
    const QString q = QString::fromUtf8(t.data(), qsizetype(t.size()));
    return Texto::corta(q, largura) != q;
}

} // namespace

void LinhasConta::limpa()
{
    const quint64 geracao = m_geracaoSaldos;
    *this = LinhasConta();
    m_geracaoSaldos = geracao + 1; // other movements at the same indices
}

void LinhasConta::comeca(BaseDados &bd, int numBanco)
{
    limpa();
    m_numBanco = numBanco;
    reserva(1024); // the first rows; reservaTodas makes room for the rest
    m_leitura = std::make_unique<Comando>(TabelaMovimentos::consultaConta(bd, numBanco));
}

void LinhasConta::reservaTodas(BaseDados &bd)
{
    // Sized once from the count, so a large account is never held twice while it grows.
    reserva(size_t(std::max(0, TabelaMovimentos::conta(bd, m_numBanco))) + 64);
}

bool LinhasConta::continua(int maxLinhas, const QDeadlineTimer &ate)
{
    if (!m_leitura)
        return false;
    Comando &c = *m_leitura;
    qint64 saldo = saldoFinal();
    bool mais = true;
    for (int n = 0; n < maxLinhas; ++n) {
        // The clock is looked at every few hundred rows, not for each.
        if ((n & 255) == 255 && ate.hasExpired())
            break;
        if (!c.avanca()) {
            mais = false;
            break;
        }
        // The types first: reading a value as text converts it, and its type with it.
        int tipos[10];
        for (int k = 0; k < 10; ++k)
            tipos[k] = c.tipo(k);
        bool dataCanonica = true;
        const qint32 dia = tipos[1] == SQLITE_NULL ? SemData : diaDe(c.utf8(1), dataCanonica);
        const std::string_view numero = c.utf8(2), descricao = c.utf8(3), situacao = c.utf8(4);
        // What a write-back of the row would change besides its balance (the same tests the
        // write makes): a text stored as NULL or as another type, or longer than its width; a
        // NULL or non-integer amount; a date in another form; the changed mark left set.
        const bool porAcertar =
            (dia != SemData && !dataCanonica) || tipos[2] != SQLITE_TEXT
            || tipos[3] != SQLITE_TEXT || tipos[4] != SQLITE_TEXT
            || tipos[5] != SQLITE_INTEGER || tipos[6] != SQLITE_INTEGER
            || tipos[9] != SQLITE_INTEGER || c.inteiro(9) != 0
            || maisLongo(numero, TabelaMovimentos::LarguraNumero)
            || maisLongo(descricao, TabelaMovimentos::LarguraDescricao);
        const qint64 debito = c.inteiro(5), credito = c.inteiro(6);
        const quint32 s = indiceSituacao(situacao);
        // Rows come in the grid's order: the running balance is summed as they come.
        if (!m_foraSaldo[s])
            saldo += credito - debito;
        const bool saldoCerto = tipos[7] == SQLITE_INTEGER && c.inteiro(7) == saldo;
        acrescenta(c.inteiro(0), dia, debito, credito, s, guardaTextos(numero, descricao), saldo,
                   saldoCerto, porAcertar);
    }
    m_somadas = total(); // nothing changes while rows are read
    if (!mais)
        m_leitura.reset();
    return mais;
}

void LinhasConta::acrescenta(qint64 chave, qint32 dia, qint64 debito, qint64 credito,
                             quint32 situacao, const Marca &m, qint64 saldo, bool saldoCerto,
                             bool porAcertar)
{
    if (m_chaves.size() >= std::numeric_limits<quint32>::max())
        throw std::length_error("LinhasConta: demasiados movimentos");
    // Full arrays grow by an eighth, not double: a movement created in a large account costs
    // a little room, never a second copy of the account.
    if (m_chaves.size() == m_chaves.capacity())
        reserva(m_chaves.size() + m_chaves.size() / 8 + 64);
    m_ordem.push_back(quint32(m_chaves.size()));
    m_chaves.push_back(chave);
    m_dias.push_back(dia);
    m_montantes.push_back(0);
    m_aCredito.push_back(false);
    m_temAmbos.push_back(false);
    defineMontantes(m_montantes.size() - 1, debito, credito); // a NULL amount reads as 0
    m_situacoes.push_back(quint16(situacao));
    m_marcas.push_back(m);
    m_saldos.push_back(saldo);
    m_saldoCerto.push_back(saldoCerto);
    m_porAcertar.push_back(porAcertar);
}

void LinhasConta::defineMontantes(size_t k, qint64 debito, qint64 credito)
{
    if (m_temAmbos[k])
        m_ambos.erase(quint32(k));
    m_temAmbos[k] = debito != 0 && credito != 0;
    if (m_temAmbos[k])
        m_ambos[quint32(k)] = {debito, credito};
    m_aCredito[k] = debito == 0;
    m_montantes[k] = debito != 0 ? debito : credito;
}

void LinhasConta::reserva(size_t n)
{
    for (auto *v : {&m_chaves, &m_montantes, &m_saldos})
        v->reserve(n);
    m_dias.reserve(n);
    m_situacoes.reserve(n);
    m_aCredito.reserve(n);
    m_temAmbos.reserve(n);
    m_marcas.reserve(n);
    m_ordem.reserve(n);
    m_porAcertar.reserve(n);
    m_saldoCerto.reserve(n);
}

LinhasConta::Marca LinhasConta::guardaTextos(std::string_view numero, std::string_view descricao)
{
    const size_t tamanho = numero.size() + descricao.size();
    if (tamanho > TamanhoBloco || numero.size() >= Longos || descricao.size() >= Longos) {
        m_longos.emplace_back(numero, descricao);
        return Marca{quint32(m_longos.size() - 1), Longos, 0};
    }
    if (tamanho == 0)
        return Marca{0, 0, 0};
    if (TamanhoBloco - m_usadosNoUltimo < tamanho) {
        if (m_blocos.size() >= std::numeric_limits<quint32>::max() / TamanhoBloco)
            throw ErroBaseDados(QStringLiteral("a conta tem demasiado texto para a memória"));
        m_blocos.emplace_back(new char[TamanhoBloco]);
        m_usadosNoUltimo = 0;
    }
    char *destino = m_blocos.back().get() + m_usadosNoUltimo;
    std::memcpy(destino, numero.data(), numero.size());
    std::memcpy(destino + numero.size(), descricao.data(), descricao.size());
    const Marca m{quint32(m_blocos.size() - 1) * TamanhoBloco + m_usadosNoUltimo,
                  quint16(numero.size()), quint16(descricao.size())};
    m_usadosNoUltimo += quint32(tamanho);
    return m;
}

std::string_view LinhasConta::textos(const Marca &m, bool descricao) const
{
    if (m.tamNumero == Longos) {
        const auto &[n, d] = m_longos[m.posicao];
        return descricao ? std::string_view(d) : std::string_view(n);
    }
    if ((descricao ? m.tamDescricao : m.tamNumero) == 0)
        return {};
    const char *p = m_blocos[m.posicao / TamanhoBloco].get() + m.posicao % TamanhoBloco;
    return descricao ? std::string_view(p + m.tamNumero, m.tamDescricao)
                     : std::string_view(p, m.tamNumero);
}

qint32 LinhasConta::diaDe(std::string_view iso, bool &canonica)
{
    // "yyyy-MM-dd" read straight from the engine's bytes; any other form as Regional reads it.
    auto numero = [&](size_t de, size_t ate) {
        int n = 0;
        for (size_t i = de; i < ate; ++i) {
            if (iso[i] < '0' || iso[i] > '9')
                return -1;
            n = n * 10 + (iso[i] - '0');
        }
        return n;
    };
    QDate d;
    canonica = false;
    if (iso.size() == 10 && iso[4] == '-' && iso[7] == '-') {
        const int a = numero(0, 4), m = numero(5, 7), dia = numero(8, 10);
        if (a >= 0 && m >= 0 && dia >= 0) {
            d = QDate(a, m, dia);
            canonica = d.isValid();
        }
    }
    if (!canonica)
        d = Regional::deIso(QString::fromUtf8(iso.data(), qsizetype(iso.size())));
    return d.isValid() ? qint32(d.toJulianDay()) : SemData;
}

quint32 LinhasConta::indiceSituacao(std::string_view s)
{
    // Situations repeat: most rows take the previous row's without a look-up.
    if (!m_textosSituacao.empty() && s == m_ultimaSituacao)
        return m_ultimoIndice;
    const std::string chave(s);
    auto [i, nova] = m_indicesSituacao.try_emplace(chave, quint32(m_textosSituacao.size()));
    if (nova && m_textosSituacao.size() > std::numeric_limits<quint16>::max()) {
        // Kept in 16 bits: a ledger uses a handful; this many is a damaged file.
        m_indicesSituacao.erase(i);
        throw ErroBaseDados(QStringLiteral("a conta tem mais de 65536 situações diferentes"));
    }
    if (nova) {
        // "" as the null text, as the engine's other readers give it.
        const QString texto =
            s.empty() ? QString() : QString::fromUtf8(s.data(), qsizetype(s.size()));
        m_textosSituacao.push_back(texto);
        m_anulada.push_back(texto == QLatin1String("A"));
        m_foraSaldo.push_back(texto.left(1).trimmed() == QLatin1String("A"));
    }
    m_ultimaSituacao = chave;
    m_ultimoIndice = i->second;
    return m_ultimoIndice;
}

quint32 LinhasConta::indiceSituacao(const QString &s)
{
    return indiceSituacao(utf8De(s.toUtf8()));
}

QString LinhasConta::numero(int i) const
{
    const std::string_view t = textos(m_marcas[s(i)], false);
    return t.empty() ? QString() : QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QString LinhasConta::descricao(int i) const
{
    const std::string_view t = textos(m_marcas[s(i)], true);
    return t.empty() ? QString() : QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QDate LinhasConta::data(int i) const
{
    const qint32 d = dia(i);
    return d == SemData ? QDate() : QDate::fromJulianDay(d);
}

qint64 LinhasConta::calculaSaldos(int desde)
{
    desde = std::clamp(std::min(desde, m_somadas), 0, total());
    qint64 saldo = desde > 0 ? m_saldos[s(desde - 1)] : 0;
    bool mudou = false;
    // The hot loop of an edit in a large account: the few situations' marks as bytes, and the
    // look-up of both amounts only when an older file has any.
    const std::vector<char> fora(m_foraSaldo.begin(), m_foraSaldo.end());
    const bool comAmbos = !m_ambos.empty();
    for (size_t i = size_t(desde); i < m_ordem.size(); ++i) {
        const size_t k = m_ordem[i];
        if (!fora[m_situacoes[k]]) {
            if (comAmbos && m_temAmbos[k]) {
                const auto [debito, credito] = m_ambos.at(quint32(k));
                saldo += credito - debito;
            } else {
                saldo += m_aCredito[k] ? m_montantes[k] : -m_montantes[k];
            }
        }
        if (m_saldos[k] != saldo) {
            m_saldos[k] = saldo;
            m_saldoCerto[k] = false; // what is stored is the balance it had
            mudou = true;
        }
    }
    m_geracaoSaldos += mudou;
    m_somadas = total();
    m_comSaldos = true;
    return saldo;
}

TabelaMovimentos::AlteracaoMovimento LinhasConta::alteracao(int i, bool comSaldo) const
{
    TabelaMovimentos::AlteracaoMovimento a;
    a.numAutomatico = chave(i);
    if (dia(i) != SemData)
        a.data = data(i); // an undated movement stays without a date
    a.numero = Texto::corta(numero(i), TabelaMovimentos::LarguraNumero);
    a.descricao = Texto::corta(descricao(i), TabelaMovimentos::LarguraDescricao);
    a.situacao = situacao(i);
    a.debito = Dinheiro::deCentimos(debito(i));
    a.credito = Dinheiro::deCentimos(credito(i));
    if (comSaldo)
        a.saldo = Dinheiro::deCentimos(saldo(i));
    a.numBanco = m_numBanco;
    return a;
}

void LinhasConta::gravada(int i, std::optional<qint64> saldo, bool comoMostra)
{
    m_porAcertar[s(i)] = !comoMostra;
    if (saldo)
        m_saldoCerto[s(i)] = *saldo == m_saldos[s(i)];
}

int LinhasConta::linhaDaGuardada(quint32 k, int perto) const
{
    const int n = total();
    perto = std::clamp(perto, 0, std::max(n - 1, 0));
    for (int d = 0; perto - d >= 0 || perto + d < n; ++d) {
        if (perto + d < n && m_ordem[size_t(perto + d)] == k)
            return perto + d;
        if (perto - d >= 0 && m_ordem[size_t(perto - d)] == k)
            return perto - d;
    }
    return -1;
}

int LinhasConta::posicaoOrdenada(qint32 dia, qint64 chave) const
{
    const auto i = std::partition_point(m_ordem.begin(), m_ordem.end(), [&](quint32 k) {
        return m_dias[k] < dia || (m_dias[k] == dia && m_chaves[k] < chave);
    });
    return int(i - m_ordem.begin());
}

int LinhasConta::move(int i, int &desde)
{
    const quint32 k = m_ordem[size_t(i)];
    m_ordem.erase(m_ordem.begin() + i);
    const int destino = posicaoOrdenada(m_dias[k], m_chaves[k]);
    m_ordem.insert(m_ordem.begin() + destino, k);
    desde = std::min(i, destino);
    m_somadas = std::min(m_somadas, desde);
    return destino;
}

int LinhasConta::substitui(int i, const TabelaMovimentos::AlteracaoMovimento &a, int &desde)
{
    if (a.numBanco != m_numBanco) {
        remove(i, desde);
        return -1;
    }
    const size_t k = s(i);
    if (a.data)
        m_dias[k] = a.data->isValid() ? qint32(a.data->toJulianDay()) : SemData;
    if (this->numero(i) != a.numero || this->descricao(i) != a.descricao)
        m_marcas[k] = guardaTextos(utf8De(a.numero.toUtf8()), utf8De(a.descricao.toUtf8()));
    m_situacoes[k] = quint16(indiceSituacao(a.situacao));
    defineMontantes(k, a.debito.centimos(), a.credito.centimos());
    m_porAcertar[k] = false;
    if (a.saldo) {
        m_saldoCerto[k] = a.saldo->centimos() == m_saldos[k];
        ++m_geracaoSaldos; // another balance than one sent before may now be stored
    }
    return move(i, desde);
}

int LinhasConta::insere(const Movimento &m, int &desde)
{
    const QByteArray numero = m.numero.toUtf8(), descricao = m.descricao.toUtf8();
    // Stored as given, its balance the column's default, 0 (its running balance until the
    // balances are summed again from its place).
    const bool porAcertar = maisLongo(utf8De(numero), TabelaMovimentos::LarguraNumero)
                            || maisLongo(utf8De(descricao), TabelaMovimentos::LarguraDescricao);
    acrescenta(m.numAutomatico, m.data.isValid() ? qint32(m.data.toJulianDay()) : SemData,
               m.debito.centimos(), m.credito.centimos(), indiceSituacao(m.situacao),
               guardaTextos(utf8De(numero), utf8De(descricao)), 0, true, porAcertar);
    return move(total() - 1, desde);
}

void LinhasConta::remove(int i, int &desde)
{
    // The stored values stay behind, unreachable, until the account is read again.
    m_ordem.erase(m_ordem.begin() + i);
    desde = i;
    m_somadas = std::min(m_somadas, desde);
}
