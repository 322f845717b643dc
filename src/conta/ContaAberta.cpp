// The open account's choice, its rows as cells of the grid, their texts and colours.
#include "conta/ContaAberta.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Regional.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <stdexcept>

using namespace ColunasGrelha;

namespace {

// The grid's colours, given in the design as &HBBGGRR.
constexpr QRgb bgr(unsigned v) { return qRgb(int(v & 0xFF), int((v >> 8) & 0xFF), int(v >> 16)); }
constexpr QRgb CinzentoHoje = bgr(0xE0E0E0);
constexpr QRgb VermelhoAnulado = bgr(0x8080FF);
constexpr QRgb Vermelho = bgr(0x0000FF);

QString montante(qint64 centimos)
{
    return centimos == 0 ? QString() : Dinheiro::deCentimos(centimos).formata();
}

} // namespace

namespace {

// One step of the reading in the background: short enough that the grid scrolls and keys
// answer between steps.
constexpr int PassoMs = 8;
// The views hear of the rows read this often, not at every step: each time they lay out and
// paint the grid again, which would cost the reading about a third more.
constexpr int MostraMs = 100;

} // namespace

ContaAberta::ContaAberta(QObject *pai) : ModeloCelulas(pai)
{
    setObjectName(QStringLiteral("ContaAberta"));
    ajustaAlinhamentos(m_numColunas);
    m_passo.setSingleShot(true);
    m_passo.setInterval(0);
    connect(&m_passo, &QTimer::timeout, this, &ContaAberta::leMais);
}

ContaAberta::~ContaAberta() { largaLeitura(); }

// ---- the chosen account ----

void ContaAberta::escolhe(const QString &texto)
{
    if (texto == m_escolha)
        return;
    m_escolha = texto;
    m_escolhaNumerica = Regional::ehNumerico(texto);
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    m_numBanco = ok ? n : 0;
    emit contaMudou();
}

void ContaAberta::defineNome(const QString &nome)
{
    if (nome == m_nome)
        return;
    m_nome = nome;
    emit contaMudou();
}

void ContaAberta::defineAberta(bool aberta)
{
    if (aberta == m_aberta)
        return;
    m_aberta = aberta;
    emit contaMudou();
}

// ---- its movements ----

void ContaAberta::carrega(BaseDados &bd)
{
    // The rows shown go first, so a large account is never held twice: every edit is
    // written as it is made, so reading again loses nothing but cells the program wrote, which
    // a reading drops anyway. Should the reading fail, the account shows no rows.
    largaLeitura();
    beginResetModel(); // one reset: the views ask nothing until it ends
    m_linhas.limpa();
    m_lida = false;
    try {
        m_linhas.comeca(bd, m_numBanco);
        m_linhas.continua(PrimeirasLinhas);
    } catch (...) {
        m_linhas.limpa();
        mostraMovimentos();
        endResetModel();
        emit linhasMudaram();
        throw;
    }
    m_lida = true;
    m_hoje = LinhasConta::SemData;
    mostraMovimentos();
    endResetModel();
    if (m_linhas.aLer()) {
        m_bdLeitura = &bd;
        m_reservadas = false;
        m_proximaMostra.setRemainingTime(MostraMs); // the first rows were just shown
        bd.defineLeituraPendente([this] { acabaLeitura(); });
        m_passo.start();
    }
    emit linhasMudaram();
    if (!m_linhas.aLer())
        emit leituraAcabou();
}

bool ContaAberta::le(int maxLinhas, const QDeadlineTimer &ate, bool aosPoucos)
{
    bool mais = false;
    try {
        if (!m_reservadas) {
            // Counted on the side (the count is no reason to read the rest at once); its room
            // made before the bulk of the rows arrives.
            m_bdLeitura->defineLeituraPendente(nullptr);
            m_linhas.reservaTodas(*m_bdLeitura);
            m_bdLeitura->defineLeituraPendente([this] { acabaLeitura(); });
            m_reservadas = true;
        }
        mais = m_linhas.continua(maxLinhas, ate);
    } catch (const ErroBaseDados &erro) {
        falhouLeitura(erro);
        return false;
    }
    if (!mais || !aosPoucos || m_proximaMostra.hasExpired())
        mostraNovas();
    if (!mais) {
        largaLeitura();
        emit leituraAcabou();
    }
    return mais;
}

void ContaAberta::leMais()
{
    if (le(std::numeric_limits<int>::max(), QDeadlineTimer(PassoMs), true))
        m_passo.start();
}

void ContaAberta::acabaLeitura()
{
    if (!m_linhas.aLer())
        return;
    m_passo.stop();
    le(std::numeric_limits<int>::max());
}

void ContaAberta::preparaAte(int r)
{
    if (!m_linhas.aLer() || r < m_numLinhas)
        return;
    if (r <= m_linhas.total())
        mostraNovas(); // read already, not yet shown
    else
        le(r - m_linhas.total());
}

void ContaAberta::mostraNovas()
{
    // Nothing else changes the rows while they are read (all of it has the rest read first):
    // the movements' rows are the grid's rows, and the new ones go below those shown.
    m_proximaMostra.setRemainingTime(MostraMs);
    const int antes = m_numLinhas - 1, agora = m_linhas.total();
    if (agora == antes)
        return;
    beginInsertRows(QModelIndex(), antes, agora - 1);
    m_numLinhas = m_linhasMov = agora + 1;
    endInsertRows();
}

void ContaAberta::largaLeitura()
{
    m_passo.stop();
    if (m_bdLeitura)
        m_bdLeitura->defineLeituraPendente(nullptr);
    m_bdLeitura = nullptr;
    if (m_linhas.aLer())
        m_linhas.paraLeitura();
}

void ContaAberta::falhouLeitura(const ErroBaseDados &erro)
{
    largaLeitura();
    beginResetModel();
    m_linhas.limpa();
    m_lida = false;
    mostraMovimentos();
    endResetModel();
    emit linhasMudaram();
    emit leituraFalhou(erro);
}

void ContaAberta::mostraMovimentos()
{
    m_escritas.limpa();
    m_numLinhas = m_linhasMov = m_linhas.total() + 1;
    m_numColunas = m_colunasMov = NumColunas;
    ajustaAlinhamentos(m_numColunas);
}

void ContaAberta::esquece()
{
    largaLeitura();
    defineTamanho(1, m_numColunas);
    m_linhas.limpa();
    m_lida = false;
    emit linhasMudaram();
}

bool ContaAberta::completa() const
{
    precisaDeTodas();
    return m_lida && m_linhas.numBanco() == m_numBanco && m_linhasMov == m_linhas.total() + 1
           && m_numLinhas == m_linhasMov && m_colunasMov == NumColunas
           && m_numColunas == NumColunas;
}

Dinheiro ContaAberta::calculaSaldos(const QDate &hoje)
{
    m_hoje = hoje.isValid() ? qint32(hoje.toJulianDay()) : LinhasConta::SemData;
    const qint64 saldo = m_linhas.calculaSaldos();
    todasMudaram();
    return Dinheiro::deCentimos(saldo);
}

int ContaAberta::comoLidas() const
{
    return m_colunasMov >= NumColunas ? std::min(m_linhas.total(), m_linhasMov - 1) : 0;
}

std::vector<int> ContaAberta::linhasDaChave(qint64 chave, bool soAPrimeira) const
{
    precisaDeTodas();
    // Rows as read are compared by their raw key, without making its text; the few rows with
    // a written key cell by that text. Rows added by the program read empty otherwise.
    std::vector<int> linhas;
    const QString texto = QString::number(chave);
    for (const int r : m_escritas.linhasComTexto())
        if (const QString *escrito = m_escritas.texto(r, NumAutomatico); escrito && *escrito == texto)
            linhas.push_back(r);
    const int lidas = comoLidas();
    for (int i = 0; i < lidas; ++i)
        if (m_linhas.chave(i) == chave && !m_escritas.texto(i + 1, NumAutomatico))
            linhas.push_back(i + 1);
    std::sort(linhas.begin(), linhas.end());
    if (soAPrimeira && linhas.size() > 1)
        linhas.resize(1);
    return linhas;
}

int ContaAberta::linhaDaChave(qint64 chave) const
{
    const std::vector<int> r = linhasDaChave(chave, true);
    return r.empty() ? 0 : r.front();
}

int ContaAberta::linhaDaChave(qint64 chave, int perto) const
{
    precisaDeTodas();
    int melhor = 0;
    auto distancia = [&](int r) { return std::abs(r - perto); };
    auto considera = [&](int r) {
        if (melhor == 0 || distancia(r) < distancia(melhor)
            || (distancia(r) == distancia(melhor) && r < melhor))
            melhor = r;
    };
    const QString texto = QString::number(chave);
    for (const int r : m_escritas.linhasComTexto())
        if (const QString *escrito = m_escritas.texto(r, NumAutomatico); escrito && *escrito == texto)
            considera(r);
    // The rows as read, outward from `perto`, no farther than a written row already found.
    const int lidas = comoLidas();
    for (int d = 0; melhor == 0 || d <= distancia(melhor); ++d) {
        const int acima = perto - d, abaixo = perto + d;
        if (acima < 1 && abaixo > lidas)
            break;
        for (const int r : {acima, abaixo})
            if (r >= 1 && r <= lidas && m_linhas.chave(r - 1) == chave
                && !m_escritas.texto(r, NumAutomatico))
                considera(r);
    }
    return melhor;
}

std::optional<qint64> ContaAberta::chave(int r) const
{
    precisaDe(r);
    if (r < 1 || r >= m_numLinhas)
        return std::nullopt;
    if (r <= comoLidas() && !m_escritas.texto(r, NumAutomatico))
        return m_linhas.chave(r - 1);
    bool ok = false;
    const qint64 n = texto(r, NumAutomatico).trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

bool ContaAberta::alterada(int r) const
{
    return texto(r, Alterou).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

void ContaAberta::marcaAlterada(int r) { defineTexto(r, Alterou, QStringLiteral("True")); }

void ContaAberta::marcaApagada(int r) { defineTexto(r, NumBanco, QStringLiteral("-1")); }

// ---- cells ----

void ContaAberta::defineTamanho(int linhas, int colunas)
{
    precisaDeTodas();
    if (linhas == m_numLinhas && colunas == m_numColunas)
        return;
    beginResetModel();
    // Rows and columns beyond the movements', or once cut, read as empty cells.
    m_escritas.cortaFora(linhas, colunas);
    m_linhasMov = std::min(m_linhasMov, linhas);
    m_colunasMov = std::min(m_colunasMov, colunas);
    ajustaAlinhamentos(colunas);
    m_numLinhas = linhas;
    m_numColunas = colunas;
    endResetModel();
}

QString ContaAberta::texto(int r, int c) const
{
    precisaDe(r);
    if (const QString *escrito = m_escritas.texto(r, c))
        return *escrito;
    return dosMovimentos(r, c) ? textoDoMovimento(r, c) : QString();
}

void ContaAberta::defineTexto(int r, int c, const QString &t)
{
    precisaDeTodas();
    if (!dentro(r, c))
        throw std::out_of_range("ContaAberta::defineTexto");
    // Kept even when it equals the movement's text: a written cell keeps what was written.
    const bool igual = texto(r, c) == t;
    m_escritas.defineTexto(r, c, t);
    if (!igual)
        celulaMudou(r, c);
}

QColor ContaAberta::fundo(int r, int c) const
{
    precisaDe(r);
    if (const auto escrito = m_escritas.fundo(r, c))
        return descodifica(*escrito);
    return descodifica(dosMovimentos(r, c) ? fundoDoMovimento(r, c) : 0);
}

void ContaAberta::defineFundo(int r, int c, const QColor &cor)
{
    precisaDeTodas();
    if (!dentro(r, c))
        throw std::out_of_range("ContaAberta::defineFundo");
    m_escritas.defineFundo(r, c, codifica(cor));
    celulaMudou(r, c);
}

QColor ContaAberta::frente(int r, int c) const
{
    precisaDe(r);
    if (const auto escrito = m_escritas.frente(r, c))
        return descodifica(*escrito);
    return descodifica(dosMovimentos(r, c) ? frenteDoMovimento(r, c) : 0);
}

void ContaAberta::defineFrente(int r, int c, const QColor &cor)
{
    precisaDeTodas();
    if (!dentro(r, c))
        throw std::out_of_range("ContaAberta::defineFrente");
    m_escritas.defineFrente(r, c, codifica(cor));
    celulaMudou(r, c);
}

QString ContaAberta::textoDoMovimento(int r, int c) const
{
    if (c == 0)
        return QString();
    if (r == 0)
        return TabelaMovimentos::Colunas.at(c - 1);
    const int i = r - 1;
    switch (c) {
    case NumAutomatico: return QString::number(m_linhas.chave(i));
    case Data: return Regional::formataData(m_linhas.data(i));
    case Numero: return m_linhas.numero(i);
    case Descricao: return m_linhas.descricao(i);
    case S: return m_linhas.situacao(i);
    case Debito: return montante(m_linhas.debito(i));
    case Credito: return montante(m_linhas.credito(i));
    case Saldo: return m_linhas.temSaldos() ? montante(m_linhas.saldo(i)) : QString();
    case NumBanco: return QString::number(m_linhas.numBanco());
    case Alterou: return QStringLiteral("False");
    default: return QString();
    }
}

QRgb ContaAberta::fundoDoMovimento(int r, int c) const
{
    if (!m_linhas.temSaldos() || r < 1 || c < 1)
        return 0;
    const int i = r - 1;
    if (m_linhas.anulada(i))
        return VermelhoAnulado | 0xFF000000u; // wins over the grey of today
    const qint32 d = m_linhas.dia(i);
    return d != LinhasConta::SemData && d == m_hoje ? CinzentoHoje | 0xFF000000u : 0;
}

QRgb ContaAberta::frenteDoMovimento(int r, int c) const
{
    if (!m_linhas.temSaldos() || r < 1 || c != Saldo)
        return 0;
    return m_linhas.saldo(r - 1) < 0 ? Vermelho | 0xFF000000u : 0;
}

QVariant ContaAberta::outroPapel(int r, int c, int papel) const
{
    if (papel != PapelValor || r < 1 || !dosMovimentos(r, c) || m_escritas.texto(r, c))
        return {};
    const int i = r - 1;
    switch (c) {
    case NumAutomatico: return m_linhas.chave(i);
    case Data: return m_linhas.data(i);
    case Debito: return m_linhas.debito(i);
    case Credito: return m_linhas.credito(i);
    case Saldo: return m_linhas.saldo(i);
    default: return {};
    }
}
