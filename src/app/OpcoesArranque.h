#pragma once
// The command line: --pasta DIR, --help and --version, with Portuguese texts.
#include <QString>
#include <QStringList>

struct OpcoesArranque {
    QString pasta;   // --pasta DIR; "" when not given
    bool ajuda = false;
    bool versao = false;
    QString erro;    // a Portuguese description of a bad command line; "" when fine
};

// Reads the arguments (program name first, Qt's own options already removed).
OpcoesArranque InterpretaOpcoes(const QStringList &argumentos);

// True when the arguments ask only for the help or the version: answered before any window
// system is needed, so `quorvel --version` works without a display.
bool PedeSoTexto(const QStringList &argumentos);

QString TextoAjuda();
QString TextoVersao();
