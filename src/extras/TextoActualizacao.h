#pragma once
// The explanation shown before a new version is fetched. A portable copy (the program in a
// folder of its own) is told how to unpack the archive and, when it does not live in the
// default folder C:\QUORVEL, which folder to unpack into. An installed copy (the executable in
// /usr/bin, or in a prefix that holds ../share/quorvel) is told to install the new package.
// Lines are separated by a carriage return, as every message of the program.
#include <QString>
#include <functional>

class QSettings;

namespace TextoActualizacao {

inline const QString PastaPorOmissao = QStringLiteral("c:\\quorvel");
// The self-extracting archive of the latest version on the maker's site.
inline const QString EnderecoDownload =
    QStringLiteral("https://www.quorvel.pt/download/quorvel-actualizacao.exe");
// Where an installed copy finds the new package when the settings name none.
inline const QString PaginaPacotes = QStringLiteral("https://www.quorvel.pt/download/");
// The settings key of the package's own address ([Actualizacao] EnderecoDeb=https://...deb).
inline const QString ChaveEnderecoDeb = QStringLiteral("Actualizacao/EnderecoDeb");
inline const QString Titulo = QStringLiteral("Actualização do programa");

// The message for a portable copy that runs from `pastaPrograma`. A Windows folder (a drive
// letter) is compared without regard to case and shown in capitals, as that system names it;
// any other folder is shown exactly, since there case is part of the name.
QString constroi(const QString &pastaPrograma);
// The message for an installed copy in `pastaPrograma`; `enderecoDeb` is the package's address
// ("" when the settings give none) and `pastaDados` the folder with the user's data.
QString constroiInstalada(const QString &pastaPrograma, const QString &enderecoDeb,
                          const QString &pastaDados);

// True for an installed copy: the executable's folder is /usr/bin, or ../share/quorvel lies
// beside it.
bool instalada(const QString &pastaPrograma);
// The package's address from the settings, when it is an http(s) address; "" otherwise.
QString enderecoDeb(const QSettings &definicoes);
// What the desktop is handed: the archive, the package or the page of packages.
QString endereco(bool copiaInstalada, const QString &enderecoDeb);

// The folder of the running executable as the user knows it (native separators, no trailing
// separator except at a root). Tests put another folder in its place.
QString pastaPrograma();
void definePastaPrograma(std::function<QString()> leitor); // empty function: the real folder

} // namespace TextoActualizacao
