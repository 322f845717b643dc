#include "data/Esquema.h"
#include "data/BaseDados.h"
#include "data/EsquemaExtractos.h"

namespace Esquema {

void cria(BaseDados &bd)
{
    bd.executaScript(QStringLiteral(R"SQL(
CREATE TABLE Meta (chave TEXT PRIMARY KEY, valor TEXT);
CREATE TABLE TabBancos (
    NumBanco INTEGER PRIMARY KEY,
    banco TEXT, dependencia TEXT, numconta TEXT, nib TEXT, gestor TEXT,
    ObservDiversas TEXT, Observmemo TEXT,
    Saldo INTEGER NOT NULL DEFAULT 0,
    ultimo INTEGER NOT NULL DEFAULT 0,
    ultimavezreg INTEGER NOT NULL DEFAULT 0);
CREATE TABLE TabBancos1Det (
    NumAutomatico INTEGER PRIMARY KEY AUTOINCREMENT,
    Data TEXT, Numero TEXT, Descricao TEXT, S TEXT,
    Debito INTEGER DEFAULT 0, Credito INTEGER DEFAULT 0, Saldo INTEGER DEFAULT 0,
    NumBanco INTEGER,
    Alterou INTEGER NOT NULL DEFAULT 0);
CREATE INDEX TabBancos1Det_Conta ON TabBancos1Det (NumBanco, Data, NumAutomatico);
CREATE TABLE TabBancosDetOutros (
    NumAutoDet INTEGER, NumBanco INTEGER,
    Categoria TEXT, Categoria1 TEXT, Observacoes TEXT);
CREATE INDEX TabBancosDetOutros_Movimento ON TabBancosDetOutros (NumAutoDet, NumBanco);
CREATE TABLE TabCategoria (
    NumAutomatico INTEGER PRIMARY KEY AUTOINCREMENT,
    Descricao TEXT, Valor INTEGER DEFAULT 0);
CREATE TABLE Tabempresa (
    numempresa INTEGER PRIMARY KEY,
    campo2 TEXT, ultimobackup TEXT, localidade TEXT, contribuinte TEXT);
CREATE TABLE TabSites (pesquisa TEXT, site TEXT);
)SQL"));
    bd.executa(QStringLiteral("INSERT INTO Meta (chave, valor) VALUES ('versao', ?)"), {Versao});
    EsquemaExtractos::actualiza(bd);
    actualiza(bd);
}

void actualiza(BaseDados &bd)
{
    // The charts read a period's amounts from this index alone, never from the wide rows
    // (descriptions, numbers): a million movements in about a fifth of the time.
    bd.executaScript(QStringLiteral(
        "CREATE INDEX IF NOT EXISTS TabBancos1Det_Valores "
        "ON TabBancos1Det (NumBanco, Data, S, Debito, Credito);"));
}

void semeia(BaseDados &bd)
{
    for (int n = 1; n <= NumeroContas; ++n)
        bd.executa(QStringLiteral("INSERT INTO TabBancos (NumBanco, banco) VALUES (?, '')"), {n});
    bd.executa(QStringLiteral("INSERT INTO Tabempresa (numempresa, campo2, ultimobackup, "
                              "localidade, contribuinte) VALUES (1, '', NULL, '', '')"));

    struct Categoria { const char *nome; qint64 centimos; };
    static const Categoria categorias[] = {
        {"Água", 0},           {"Electricidade", 0},          {"Telefone e Internet", 4599},
        {"Renda", 75000},      {"Salários", 0},               {"Segurança Social", 0},
        {"Impostos", 0},       {"Vendas", 0},                 {"Combustíveis", 6000},
        {"Seguros", 0},        {"Comissões bancárias", 250},  {"Juros", 0},
        {"Fornecedores", 0},   {"Material de escritório", 0}, {"Transferências", 0},
        {"Levantamentos", 0},  {"Depósitos", 0},
    };
    for (const auto &c : categorias)
        bd.executa(QStringLiteral("INSERT INTO TabCategoria (Descricao, Valor) VALUES (?, ?)"),
                   {QString::fromUtf8(c.nome), c.centimos});

    struct Site { const char *nome; const char *endereco; };
    static const Site sites[] = {
        {"Caixa Geral de Depósitos", "https://www.cgd.pt"},
        {"Millennium bcp", "https://www.millenniumbcp.pt"},
        {"Novo Banco", "https://www.novobanco.pt"},
        {"Santander", "https://www.santander.pt"},
        {"BPI", "https://www.bancobpi.pt"},
        {"Banco Montepio", "https://www.bancomontepio.pt"},
        {"Crédito Agrícola", "https://www.creditoagricola.pt"},
    };
    for (const auto &s : sites)
        bd.executa(QStringLiteral("INSERT INTO TabSites (pesquisa, site) VALUES (?, ?)"),
                   {QString::fromUtf8(s.nome), QString::fromUtf8(s.endereco)});
}

int versao(BaseDados &bd)
{
    if (bd.consulta(QStringLiteral("SELECT name FROM sqlite_master WHERE name = 'Meta'")).vazio())
        return 0;
    Registos r = bd.consulta(QStringLiteral("SELECT valor FROM Meta WHERE chave = 'versao'"));
    return r.vazio() ? 0 : int(r.inteiro(QStringLiteral("valor")));
}

} // namespace Esquema
