#include "data/TabelaContas.h"
#include "data/Texto.h"
#include "data/BaseDados.h"

namespace TabelaContas {

namespace {

Conta daLinha(const Registos &r)
{
    Conta c;
    c.numBanco = int(r.inteiro(QStringLiteral("NumBanco")));
    c.banco = r.texto(QStringLiteral("banco"));
    c.dependencia = r.texto(QStringLiteral("dependencia"));
    c.numconta = r.texto(QStringLiteral("numconta"));
    c.nib = r.texto(QStringLiteral("nib"));
    c.gestor = r.texto(QStringLiteral("gestor"));
    c.password = r.texto(QStringLiteral("ObservDiversas"));
    c.observacoes = r.texto(QStringLiteral("Observmemo"));
    c.saldo = r.dinheiro(QStringLiteral("Saldo"));
    c.ultimo = r.booleano(QStringLiteral("ultimo"));
    c.ultimaVezReg = r.inteiro(QStringLiteral("ultimavezreg"));
    return c;
}

std::vector<Conta> lista(BaseDados &bd, const QString &sql, const QVariantList &p = {})
{
    std::vector<Conta> contas;
    for (Registos r = bd.consulta(sql, p); !r.eof(); r.seguinte())
        contas.push_back(daLinha(r));
    return contas;
}

} // namespace

std::vector<Conta> todas(BaseDados &bd)
{
    return lista(bd, QStringLiteral("SELECT * FROM TabBancos ORDER BY NumBanco"));
}

std::optional<Conta> le(BaseDados &bd, int numBanco)
{
    auto c = lista(bd, QStringLiteral("SELECT * FROM TabBancos WHERE NumBanco = ?"), {numBanco});
    return c.empty() ? std::nullopt : std::optional<Conta>(c.front());
}

std::optional<Conta> ultimaAberta(BaseDados &bd)
{
    auto c = lista(bd, QStringLiteral("SELECT * FROM TabBancos WHERE ultimo <> 0 "
                                      "ORDER BY NumBanco LIMIT 1"));
    return c.empty() ? std::nullopt : std::optional<Conta>(c.front());
}

bool gravaDados(BaseDados &bd, const Conta &d)
{
    const qint64 linhas = bd.executa(
        QStringLiteral("UPDATE TabBancos SET banco = ?, dependencia = ?, numconta = ?, nib = ?, "
                       "gestor = ?, ObservDiversas = ?, Observmemo = ? WHERE NumBanco = ?"),
        {Texto::corta(d.banco, LarguraBanco), Texto::corta(d.dependencia, LarguraDependencia),
         Texto::corta(d.numconta, LarguraNumConta), Texto::corta(d.nib, LarguraNib),
         Texto::corta(d.gestor, LarguraGestor), Texto::corta(d.password, LarguraPassword),
         d.observacoes, d.numBanco});
    return linhas > 0;
}

void apaga(BaseDados &bd, int numBanco)
{
    Transaccao t(bd);
    bd.executa(QStringLiteral("DELETE FROM TabBancos1Det WHERE NumBanco = ?"), {numBanco});
    bd.executa(QStringLiteral("DELETE FROM TabBancosDetOutros WHERE NumBanco = ?"), {numBanco});
    bd.executa(QStringLiteral("UPDATE TabBancos SET banco = '', dependencia = '', numconta = '', "
                              "nib = '', gestor = '', ObservDiversas = '', Observmemo = '', "
                              "Saldo = 0, ultimo = 0, ultimavezreg = 0 WHERE NumBanco = ?"),
               {numBanco});
}

void guardaEstado(BaseDados &bd, int numBanco, qint64 topRow, Dinheiro saldo)
{
    Transaccao t(bd);
    bd.executa(QStringLiteral("UPDATE TabBancos SET ultimo = 0 WHERE NumBanco <> ?"), {numBanco});
    bd.executa(QStringLiteral("UPDATE TabBancos SET ultimo = 1, ultimavezreg = ?, Saldo = ? "
                              "WHERE NumBanco = ?"),
               {topRow, saldo.centimos(), numBanco});
}

void gravaSaldo(BaseDados &bd, int numBanco, Dinheiro saldo)
{
    bd.executa(QStringLiteral("UPDATE TabBancos SET Saldo = ? WHERE NumBanco = ?"),
               {saldo.centimos(), numBanco});
}

} // namespace TabelaContas
