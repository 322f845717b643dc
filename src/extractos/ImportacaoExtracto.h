#pragma once
// A bank statement into an account, without windows (the import window and quorvel-extracto
// share it): the checks that refuse a file, the plan of what each line will do, the one
// transaction that writes it, and the undo of an account's last import.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

#include "data/TabelaContas.h"
#include "extractos/Conciliacao.h"
#include "extractos/Extracto.h"
#include "extractos/RegistoImportacoes.h"

class BaseDados;

// A file or an undo refused, with the Portuguese sentence the user is shown; nothing written.
class ImportacaoRecusada : public std::runtime_error
{
public:
    explicit ImportacaoRecusada(const QString &mensagem)
        : std::runtime_error(mensagem.toStdString()), m_mensagem(mensagem)
    {
    }
    const QString &mensagem() const { return m_mensagem; }

private:
    QString m_mensagem;
};

struct ImportacaoPreparada {
    QString ficheiro;    // the file's name, without its folder
    QString hash;        // SHA-256 of its bytes, in hex
    Extracto extracto;   // every statement of the file as one
    Conta conta;
    PlanoConciliacao plano;
    QStringList avisos;  // the same file seen before, a period that overlaps an earlier import
};

struct ResultadoImportacao {
    qint64 numImportacao = 0; // 0: nothing to write, nothing recorded
    int novos = 0, conciliados = 0, jaImportados = 0, ignorados = 0;
};

struct ResultadoAnulacao {
    Importacao importacao;
    int removidos = 0, repostos = 0;
};

namespace ImportacaoExtracto {

// The statements of one file as one: lines one after the other, the earliest opening and the
// latest closing balance.
Extracto junta(const std::vector<Extracto> &extractos);

// Whether the file's account identifier is the account's NIB or account number, comparing
// digits only ("PT50 0002 0123..." and "0002.0123..." alike). True when either is unknown.
bool mesmaConta(const QString &iban, const Conta &conta);
// The named account whose NIB or number is the file's; 0 when none is (or the file names none).
int contaDoIban(const std::vector<Conta> &contas, const QString &iban);

// Reads the account's ledger, earlier imports and rules and plans the file's lines. Refuses
// (ImportacaoRecusada, naming the file) a statement in another currency than the euro, one
// for another account, and a file without statements. Throws ErroBaseDados.
ImportacaoPreparada prepara(BaseDados &bd, int numBanco, const std::vector<Extracto> &extractos,
                            const QString &nomeFicheiro, const QByteArray &bytes);

// After the user changed the account's rules: the new lines get their categories again.
void reaplicaRegras(BaseDados &bd, ImportacaoPreparada &p);

// Writes the plan in one transaction: the new movements (situation "V") with their extras, the
// "V" marks, the record of the import. A matched movement changed since the plan was made
// stops it all (ImportacaoRecusada). Throws ErroBaseDados; either way nothing is written.
ResultadoImportacao confirma(BaseDados &bd, const ImportacaoPreparada &p);

// Undoes the account's last import: its new movements and their extras removed, its "V" marks
// put back as they were, its record forgotten (so the file can come in again). Refused with
// nothing changed when there is none, or when a movement it touched was changed since.
ResultadoAnulacao anulaUltima(BaseDados &bd, int numBanco);

// What the import window writes and what an undo checks: a fingerprint of the movement row
// (and, for a movement the import created, its extras). Empty when the movement is gone.
QString impressaoActual(BaseDados &bd, qint64 numAutomatico, int numBanco, bool comExtras);

// Whether a typed password opens an account, as opening it from the menu decides: without
// regard to case or how accents were composed; the general password opens every account.
bool passwordAbre(const QString &daConta, const QString &digitada, const QString &geral);

} // namespace ImportacaoExtracto
