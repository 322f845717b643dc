// Writing grid rows back into TabBancos1Det. A row is written only where it differs from what
// is stored, so a pass over a whole account costs what it really changes: a long pass reads
// the stored rows in one scan and compares them here; where only the balance differs, a narrow
// statement writes the balance alone; anything this comparison cannot be sure of is left to
// the full statements, whose own conditions decide.
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"
#include "data/TabelaMovimentos.h"

#include <QVariant>
#include <algorithm>
#include <numeric>
#include <optional>
#include <sqlite3.h>

namespace TabelaMovimentos {

namespace {

// Below this many rows each statement finds out for itself whether its row differs.
constexpr size_t PassagemLonga = 64;

enum class Escrita : quint8 { Nenhuma, SoSaldo, Completa };

// The two full statements of a row: the plain columns, and the indexed ones (Data, NumBanco)
// only when they change, each written only where it differs. COALESCE keeps the stored value
// where the pass has none to give.
struct Instrucoes {
    explicit Instrucoes(BaseDados &bd)
        : valores(bd.prepara(QStringLiteral(
              "UPDATE TabBancos1Det SET Numero = ?1, Descricao = ?2, S = ?3, Debito = ?4, "
              "Credito = ?5, Saldo = COALESCE(?6, Saldo), Alterou = 0 WHERE NumAutomatico = ?7 "
              "AND (Numero IS NOT ?1 OR Descricao IS NOT ?2 OR S IS NOT ?3 OR Debito IS NOT ?4 "
              "OR Credito IS NOT ?5 OR Saldo IS NOT COALESCE(?6, Saldo) OR Alterou IS NOT 0)"))),
          chaves(bd.prepara(QStringLiteral(
              "UPDATE TabBancos1Det SET Data = COALESCE(?1, Data), NumBanco = ?2 "
              "WHERE NumAutomatico = ?3 "
              "AND (Data IS NOT COALESCE(?1, Data) OR NumBanco IS NOT ?2)")))
    {
    }
    void escreveValores(const AlteracaoMovimento &l)
    {
        valores.liga(1, l.numero);
        valores.liga(2, l.descricao);
        valores.liga(3, l.situacao);
        valores.liga(4, l.debito.centimos());
        valores.liga(5, l.credito.centimos());
        valores.liga(6, l.saldo ? QVariant(l.saldo->centimos()) : QVariant());
        valores.liga(7, l.numAutomatico);
        executa(valores);
    }
    void escreveChaves(const AlteracaoMovimento &l)
    {
        const QString data = l.data ? Regional::paraIso(*l.data) : QString();
        chaves.liga(1, data.isNull() ? QVariant() : QVariant(data));
        chaves.liga(2, l.numBanco);
        chaves.liga(3, l.numAutomatico);
        executa(chaves);
    }
    static void executa(Comando &c)
    {
        while (c.avanca()) {
        }
        c.reinicia();
    }
    Comando valores, chaves;
};

// The same text, stored as UTF-8, as the statement would bind it. Sure answers only: a NULL on
// either side or a value stored as another type is "not the same".
bool mesmoTexto(const Comando &c, int coluna, const QString &t)
{
    if (c.tipo(coluna) != SQLITE_TEXT || QVariant(t).isNull())
        return false;
    const std::string_view b = c.utf8(coluna);
    if (size_t(t.size()) == b.size()) {
        // Up to the first non-ASCII byte, bytes and UTF-16 units line up one to one.
        size_t i = 0;
        for (; i < b.size() && uchar(b[i]) < 0x80; ++i)
            if (t[qsizetype(i)].unicode() != uchar(b[i]))
                return false;
        if (i == b.size())
            return true;
    }
    // Compared as the bytes the statement would bind, so that even stored bytes that are not
    // valid UTF-8 are told apart.
    const QByteArray utf8 = t.toUtf8();
    return size_t(utf8.size()) == b.size() && std::equal(b.begin(), b.end(), utf8.constData());
}

bool mesmoInteiro(const Comando &c, int coluna, qint64 v)
{
    return c.tipo(coluna) == SQLITE_INTEGER && c.inteiro(coluna) == v;
}

bool mesmaData(const Comando &c, int coluna, const std::optional<QDate> &d)
{
    if (!d)
        return true; // the stored date stays
    if (c.tipo(coluna) != SQLITE_TEXT)
        return false;
    // A stored "yyyy-MM-dd" of this very day is what paraIso would write.
    const std::string_view b = c.utf8(coluna);
    if (b.size() != 10 || b[4] != '-' || b[7] != '-')
        return false;
    int partes[3] = {0, 0, 0};
    const int inicio[3] = {0, 5, 8}, fim[3] = {4, 7, 10};
    for (int p = 0; p < 3; ++p)
        for (int i = inicio[p]; i < fim[p]; ++i) {
            if (b[size_t(i)] < '0' || b[size_t(i)] > '9')
                return false;
            partes[p] = partes[p] * 10 + (b[size_t(i)] - '0');
        }
    return QDate(partes[0], partes[1], partes[2]) == *d;
}

// What row `l` needs, against the stored row the scan stands on (columns of consultaConta).
Escrita compara(const Comando &c, const AlteracaoMovimento &l)
{
    const bool resto = mesmoTexto(c, 2, l.numero) && mesmoTexto(c, 3, l.descricao)
                       && mesmoTexto(c, 4, l.situacao) && mesmoInteiro(c, 5, l.debito.centimos())
                       && mesmoInteiro(c, 6, l.credito.centimos()) && mesmoInteiro(c, 9, 0)
                       && mesmaData(c, 1, l.data) && mesmoInteiro(c, 8, l.numBanco);
    if (!resto)
        return Escrita::Completa;
    if (!l.saldo || mesmoInteiro(c, 7, l.saldo->centimos()))
        return Escrita::Nenhuma;
    return Escrita::SoSaldo;
}

// For a long pass: what each row needs, from one scan of the stored rows in key order. Rows
// whose key is not stored need nothing; a key given twice is left to the full statements.
std::vector<Escrita> decide(BaseDados &bd, const std::vector<AlteracaoMovimento> &linhas)
{
    std::vector<quint32> ordem(linhas.size());
    std::iota(ordem.begin(), ordem.end(), 0u);
    std::stable_sort(ordem.begin(), ordem.end(), [&](quint32 a, quint32 b) {
        return linhas[a].numAutomatico < linhas[b].numAutomatico;
    });
    std::vector<Escrita> escrita(linhas.size(), Escrita::Nenhuma);
    Comando c = bd.prepara(QStringLiteral(
        "SELECT NumAutomatico, Data, Numero, Descricao, S, Debito, Credito, Saldo, NumBanco, "
        "Alterou FROM TabBancos1Det WHERE NumAutomatico BETWEEN ? AND ? ORDER BY NumAutomatico"));
    c.liga(1, linhas[ordem.front()].numAutomatico);
    c.liga(2, linhas[ordem.back()].numAutomatico);
    size_t k = 0;
    while (k < ordem.size() && c.avanca()) {
        const qint64 chave = c.inteiro(0);
        while (k < ordem.size() && linhas[ordem[k]].numAutomatico < chave)
            ++k;
        size_t fim = k;
        while (fim < ordem.size() && linhas[ordem[fim]].numAutomatico == chave)
            ++fim;
        for (size_t j = k; j < fim; ++j)
            escrita[ordem[j]] = fim - k == 1 ? compara(c, linhas[ordem[j]]) : Escrita::Completa;
        k = fim;
    }
    return escrita;
}

} // namespace

void actualiza(BaseDados &bd, const std::vector<AlteracaoMovimento> &linhas)
{
    if (linhas.empty())
        return;
    std::optional<Transaccao> transaccao; // a caller's own transaction already covers the pass
    if (!bd.emTransaccao())
        transaccao.emplace(bd);
    Instrucoes instrucoes(bd);
    if (linhas.size() <= PassagemLonga) {
        for (const AlteracaoMovimento &l : linhas) {
            instrucoes.escreveValores(l);
            instrucoes.escreveChaves(l);
        }
        return;
    }
    // Decided in full before the first write: the scan never sees a row it changed.
    const std::vector<Escrita> escrita = decide(bd, linhas);
    Comando saldo = bd.prepara(
        QStringLiteral("UPDATE TabBancos1Det SET Saldo = ? WHERE NumAutomatico = ?"));
    for (size_t i = 0; i < linhas.size(); ++i) {
        const AlteracaoMovimento &l = linhas[i];
        switch (escrita[i]) {
        case Escrita::Nenhuma:
            break;
        case Escrita::SoSaldo:
            saldo.liga(1, l.saldo->centimos());
            saldo.liga(2, l.numAutomatico);
            Instrucoes::executa(saldo);
            break;
        case Escrita::Completa:
            instrucoes.escreveValores(l);
            instrucoes.escreveChaves(l);
            break;
        }
    }
}

void actualizaSaldos(BaseDados &bd, const std::vector<std::pair<qint64, qint64>> &saldos)
{
    if (saldos.empty())
        return;
    std::optional<Transaccao> transaccao;
    if (!bd.emTransaccao())
        transaccao.emplace(bd);
    Comando saldo = bd.prepara(
        QStringLiteral("UPDATE TabBancos1Det SET Saldo = ? WHERE NumAutomatico = ?"));
    for (const auto &[chave, centimos] : saldos) {
        saldo.liga(1, centimos);
        saldo.liga(2, chave);
        Instrucoes::executa(saldo);
    }
}

} // namespace TabelaMovimentos
