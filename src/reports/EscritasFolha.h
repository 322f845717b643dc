#pragma once
// The three writers of ExportacaoExtracto: the bytes of a .csv or .ods, or the .xlsx written to
// a path (a temporary one beside the chosen name); each throws ErroRelatorio with the reason.
#include <QByteArray>
#include <QString>

class QuadroListagem;

namespace EscritasFolha {

QByteArray csv(const QuadroListagem &quadro);
void xlsx(const QuadroListagem &quadro, const QString &caminho);
QByteArray ods(const QuadroListagem &quadro);

// "-1234.56" from cents: the exact decimal, without grouping, with the separator given.
QByteArray decimal(qint64 centimos, char separador);

} // namespace EscritasFolha
