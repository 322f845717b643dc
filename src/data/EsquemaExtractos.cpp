#include "data/EsquemaExtractos.h"
#include "data/BaseDados.h"
#include "data/Esquema.h"

#include <optional>

namespace EsquemaExtractos {

void actualiza(BaseDados &bd)
{
    std::optional<Transaccao> transaccao; // Esquema::cria runs inside the new file's own
    if (!bd.emTransaccao())
        transaccao.emplace(bd);
    // TabImportacoes: one row per confirmed import, removed when the import is undone.
    // TabImportacoesLinhas: each statement line the import took in. Chave names the line to
    // later imports (the bank's id, else a fingerprint of date, amount and text, each with its
    // repeat count in the file), ChaveValor by its day and amount alone (a later file of
    // another format names the same transaction with other texts and ids); Accao 1 = a
    // movement created, 2 = a movement marked "V";
    // SituacaoAntes is the matched movement's situation before the mark; Impressao is a
    // fingerprint of the movement as the import left it, so an undo can tell a later edit.
    // TabRegrasCategoria: "descrição contém Contem -> Categoria, Categoria1", per account.
    bd.executaScript(QStringLiteral(R"SQL(
CREATE TABLE IF NOT EXISTS TabImportacoes (
    NumImportacao INTEGER PRIMARY KEY AUTOINCREMENT,
    NumBanco INTEGER NOT NULL,
    Ficheiro TEXT, Hash TEXT, DataImportacao TEXT, Formato TEXT,
    Inicio TEXT, Fim TEXT,
    Novos INTEGER NOT NULL DEFAULT 0, Conciliados INTEGER NOT NULL DEFAULT 0,
    JaImportados INTEGER NOT NULL DEFAULT 0, Ignorados INTEGER NOT NULL DEFAULT 0,
    SoNoRazao INTEGER NOT NULL DEFAULT 0);
CREATE INDEX IF NOT EXISTS TabImportacoes_Conta ON TabImportacoes (NumBanco, NumImportacao);
CREATE TABLE IF NOT EXISTS TabImportacoesLinhas (
    NumImportacao INTEGER NOT NULL,
    NumBanco INTEGER NOT NULL,
    Chave TEXT NOT NULL,
    ChaveValor TEXT,
    Accao INTEGER NOT NULL,
    NumAutomatico INTEGER,
    SituacaoAntes TEXT,
    Impressao TEXT);
CREATE INDEX IF NOT EXISTS TabImportacoesLinhas_Importacao
    ON TabImportacoesLinhas (NumImportacao);
CREATE TABLE IF NOT EXISTS TabRegrasCategoria (
    NumRegra INTEGER PRIMARY KEY AUTOINCREMENT,
    NumBanco INTEGER NOT NULL,
    Contem TEXT NOT NULL, Categoria TEXT, Categoria1 TEXT);
CREATE INDEX IF NOT EXISTS TabRegrasCategoria_Conta ON TabRegrasCategoria (NumBanco, NumRegra);
)SQL"));
    if (Esquema::versao(bd) < Versao)
        bd.executa(QStringLiteral("UPDATE Meta SET valor = ? WHERE chave = 'versao'"), {Versao});
}

} // namespace EsquemaExtractos
