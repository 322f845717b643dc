#include "ledger/LinhasMovimentos.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"
#include "ledger/ColunasGrelha.h"
#include "platform/FlexGrid.h"
#include "platform/Medidas.h"
#include "data/Texto.h"

#include <algorithm>
#include <stdexcept>

using namespace ColunasGrelha;

namespace {

QRgb rgb(unsigned bgr) { return corBgr(bgr).rgb() | 0xFF000000u; }

const QRgb CinzentoHoje = rgb(0xE0E0E0);
const QRgb VermelhoAnulado = rgb(0x8080FF);
const QRgb Vermelho = rgb(0x0000FF);

QString montante(qint64 centimos)
{
    return centimos == 0 ? QString() : Dinheiro::deCentimos(centimos).formata();
}

QString deUtf8(const std::string &textos, quint32 de, quint32 ate)
{
    return de == ate ? QString() : QString::fromUtf8(textos.data() + de, qsizetype(ate - de));
}

} // namespace

LinhasMovimentos::LinhasMovimentos(int numBanco)
    : m_numBanco(numBanco), m_numBancoTexto(QString::number(numBanco))
{
    m_marcas.push_back(0);
}

std::shared_ptr<LinhasMovimentos> LinhasMovimentos::le(BaseDados &bd, int numBanco)
{
    std::shared_ptr<LinhasMovimentos> l(new LinhasMovimentos(numBanco));
    Comando c = TabelaMovimentos::consultaConta(bd, numBanco);
    while (c.avanca()) {
        l->m_chaves.push_back(c.inteiro(0));
        l->m_datas.push_back(c.nulo(1) ? SemData : diaDe(c.utf8(1)));
        for (const int coluna : {2, 3}) {
            const std::string_view t = c.utf8(coluna);
            l->m_textos.append(t);
            if (l->m_textos.size() > std::numeric_limits<quint32>::max())
                throw std::length_error("LinhasMovimentos: textos demasiado longos");
            l->m_marcas.push_back(quint32(l->m_textos.size()));
        }
        l->m_situacoes.push_back(l->indiceSituacao(c.utf8(4)));
        l->m_debitos.push_back(c.inteiro(5)); // a NULL amount reads as 0
        l->m_creditos.push_back(c.inteiro(6));
    }
    return l;
}

qint32 LinhasMovimentos::diaDe(std::string_view iso)
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
    if (iso.size() == 10 && iso[4] == '-' && iso[7] == '-') {
        const int a = numero(0, 4), m = numero(5, 7), dia = numero(8, 10);
        if (a >= 0 && m >= 0 && dia >= 0)
            d = QDate(a, m, dia);
        else
            d = Regional::deIso(QString::fromUtf8(iso.data(), qsizetype(iso.size())));
    } else {
        d = Regional::deIso(QString::fromUtf8(iso.data(), qsizetype(iso.size())));
    }
    return d.isValid() ? qint32(d.toJulianDay()) : SemData;
}

quint32 LinhasMovimentos::indiceSituacao(std::string_view s)
{
    // Situations repeat: most rows take the previous row's without a look-up.
    if (!m_textosSituacao.empty() && s == m_ultimaSituacao)
        return m_ultimoIndice;
    const std::string chave(s);
    auto [i, nova] = m_indicesSituacao.try_emplace(chave, quint32(m_textosSituacao.size()));
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

void LinhasMovimentos::mostra(FlexGrid &g, std::shared_ptr<LinhasMovimentos> linhas)
{
    g.modelo()->defineFonte(std::move(linhas));
}

LinhasMovimentos *LinhasMovimentos::daGrelha(const FlexGrid &g)
{
    return dynamic_cast<LinhasMovimentos *>(g.modelo()->fonte());
}

int LinhasMovimentos::linhaDaChave(const FlexGrid &g, qint64 chave)
{
    const LinhasMovimentos *l = daGrelha(g);
    const FlexGridModelo &m = *g.modelo();
    const int comoCarregadas = l && m.colunasDaFonte() > NumAutomatico
                                   ? std::min(l->total(), m.linhasDaFonte() - 1)
                                   : 0;
    const QString texto = QString::number(chave);
    for (int r = 1; r < g.Rows(); ++r) {
        if (r <= comoCarregadas && !m.escritas().temTexto(r)) {
            if (l->m_chaves[size_t(r - 1)] == chave)
                return r;
        } else if (g.TextMatrix(r, NumAutomatico) == texto) {
            return r;
        }
    }
    return 0;
}

Dinheiro LinhasMovimentos::calculaSaldos(const QDate &hoje)
{
    m_saldos.resize(m_chaves.size());
    qint64 saldo = 0;
    for (size_t i = 0; i < m_chaves.size(); ++i) {
        if (!m_foraSaldo[m_situacoes[i]])
            saldo += m_creditos[i] - m_debitos[i];
        m_saldos[i] = saldo;
    }
    m_hoje = hoje.isValid() ? qint32(hoje.toJulianDay()) : SemData;
    return Dinheiro::deCentimos(saldo);
}

QString LinhasMovimentos::numero(size_t i) const
{
    return deUtf8(m_textos, m_marcas[2 * i], m_marcas[2 * i + 1]);
}

QString LinhasMovimentos::descricao(size_t i) const
{
    return deUtf8(m_textos, m_marcas[2 * i + 1], m_marcas[2 * i + 2]);
}

QDate LinhasMovimentos::data(size_t i) const
{
    return m_datas[i] == SemData ? QDate() : QDate::fromJulianDay(m_datas[i]);
}

TabelaMovimentos::AlteracaoMovimento LinhasMovimentos::alteracao(int r, bool comSaldo) const
{
    const size_t i = size_t(r - 1);
    TabelaMovimentos::AlteracaoMovimento a;
    a.numAutomatico = m_chaves[i];
    if (m_datas[i] != SemData)
        a.data = data(i); // an undated movement stays without a date
    a.numero = Texto::corta(numero(i), TabelaMovimentos::LarguraNumero);
    a.descricao = Texto::corta(descricao(i), TabelaMovimentos::LarguraDescricao);
    a.situacao = m_textosSituacao[m_situacoes[i]];
    a.debito = Dinheiro::deCentimos(m_debitos[i]);
    a.credito = Dinheiro::deCentimos(m_creditos[i]);
    if (comSaldo)
        a.saldo = Dinheiro::deCentimos(m_saldos.empty() ? 0 : m_saldos[i]);
    a.numBanco = m_numBanco;
    return a;
}

int LinhasMovimentos::colunas() const { return NumColunas; }

QString LinhasMovimentos::texto(int r, int c) const
{
    if (c == 0)
        return QString();
    if (r == 0)
        return TabelaMovimentos::Colunas.at(c - 1);
    const size_t i = size_t(r - 1);
    switch (c) {
    case NumAutomatico: return QString::number(m_chaves[i]);
    case Data: return Regional::formataData(data(i));
    case Numero: return numero(i);
    case Descricao: return descricao(i);
    case S: return m_textosSituacao[m_situacoes[i]];
    case Debito: return montante(m_debitos[i]);
    case Credito: return montante(m_creditos[i]);
    case Saldo: return m_saldos.empty() ? QString() : montante(m_saldos[i]);
    case NumBanco: return m_numBancoTexto;
    case Alterou: {
        static const QString falso = QStringLiteral("False");
        return falso;
    }
    default: return QString();
    }
}

QRgb LinhasMovimentos::fundo(int r, int c) const
{
    if (m_saldos.empty() || r < 1 || c < 1)
        return 0;
    const size_t i = size_t(r - 1);
    if (m_anulada[m_situacoes[i]])
        return VermelhoAnulado; // wins over the grey of today
    return m_datas[i] != SemData && m_datas[i] == m_hoje ? CinzentoHoje : 0;
}

QRgb LinhasMovimentos::frente(int r, int c) const
{
    if (m_saldos.empty() || r < 1 || c != Saldo)
        return 0;
    return m_saldos[size_t(r - 1)] < 0 ? Vermelho : 0;
}
