#pragma once
// The explanation shown before a new version is fetched: how to unpack the archive, and, when
// the program does not live in the default folder C:\QUORVEL, which folder to unpack into.
// Lines are separated by a carriage return, as every message of the program.
#include <QString>
#include <functional>

namespace TextoActualizacao {

inline const QString PastaPorOmissao = QStringLiteral("c:\\quorvel");
// The self-extracting archive of the latest version on the maker's site.
inline const QString EnderecoDownload =
    QStringLiteral("https://www.quorvel.pt/download/quorvel-actualizacao.exe");
inline const QString Titulo = QStringLiteral("Actualização do programa");

// The message for a program that runs from `pastaPrograma` (compared without regard to case).
QString constroi(const QString &pastaPrograma);

// The folder of the running executable as the user knows it (native separators, no trailing
// separator except at a root). Tests put another folder in its place.
QString pastaPrograma();
void definePastaPrograma(std::function<QString()> leitor); // empty function: the real folder

} // namespace TextoActualizacao
