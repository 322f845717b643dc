#pragma once
// The command line: --pasta DIR, --help and --version, with Portuguese texts.
#include <QString>
#include <QStringList>

struct OpcoesArranque {
    QString pasta; // --pasta DIR; "" when not given
    QString erro;  // a Portuguese description of a bad command line; "" when fine
};

// Reads the arguments (program name first, Qt's own options already removed).
OpcoesArranque InterpretaOpcoes(const QStringList &argumentos);

// The help (which wins) or the version when the arguments ask for either, else "": answered before
// any window system is needed, so `quorvel --version` works without a display.
QString TextoPedido(const QStringList &argumentos);

QString TextoAjuda();
QString TextoVersao();
