#pragma once
// The three writers of ExportacaoExtracto, each to a file of its own path (a temporary one
// beside the chosen name); each throws ErroRelatorio with the reason.
#include <QByteArray>
#include <QString>

class QuadroListagem;

namespace EscritasFolha {

QByteArray csv(const QuadroListagem &quadro);
void xlsx(const QuadroListagem &quadro, const QString &caminho);
void ods(const QuadroListagem &quadro, const QString &caminho);

// "-1234.56" from cents: the exact decimal, without grouping, with the separator given.
QByteArray decimal(qint64 centimos, char separador);

} // namespace EscritasFolha
