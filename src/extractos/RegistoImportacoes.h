#pragma once
// The record of statement imports: one row per confirmed import (file, hash, period, counts)
// and one per statement line it took in, with what it did to the ledger, so a later import
// skips what is already in and the last import of an account can be undone exactly.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <unordered_set>
#include <vector>

class BaseDados;

struct Importacao {
    qint64 numImportacao = 0;
    int numBanco = 0;
    QString ficheiro, hash, formato;
    QDateTime data;
    QDate inicio, fim;
    int novos = 0, conciliados = 0, jaImportados = 0, ignorados = 0, soNoRazao = 0;
};

enum class AccaoLinha { Criou = 1, Marcou = 2 };

struct LinhaImportada {
    QString chave, chaveValor;
    AccaoLinha accao = AccaoLinha::Criou;
    qint64 numAutomatico = 0;
    QString situacaoAntes; // Marcou: the movement's situation before it was marked "V"
    QString impressao;     // the movement as the import left it
};

namespace RegistoImportacoes {

// Both keys of every line the account's imports took in.
std::unordered_set<QString> chaves(BaseDados &bd, int numBanco);
// The account's imports, oldest first.
std::vector<Importacao> lista(BaseDados &bd, int numBanco);
std::optional<Importacao> ultima(BaseDados &bd, int numBanco);
std::vector<LinhaImportada> linhas(BaseDados &bd, qint64 numImportacao);

// Writes the record and its lines; the caller's transaction covers them. The new number.
qint64 regista(BaseDados &bd, const Importacao &i, const std::vector<LinhaImportada> &linhas);
// Forgets the import and its lines (the caller's transaction covers it).
void esquece(BaseDados &bd, qint64 numImportacao);

} // namespace RegistoImportacoes
