#pragma once
// Where mail goes: the server of the per-user settings (section "Email": "Servidor" is a URL
// such as smtps://mail.example.pt:465 or smtp://host:587, "Utilizador", "Password",
// "Remetente"), the environment variable QUORVEL_SMTP_URL above the settings' URL, and
// smtp://localhost:25 when neither names one.
#include <QString>

class QSettings;

struct ConfiguracaoEmail {
    QString url;
    QString utilizador;
    QString password; // handed to the server only; never shown or written anywhere
    QString remetente;

    // The per-user settings of the running program, with the environment variable applied.
    static ConfiguracaoEmail doUtilizador();
    // The same rules over given settings and a given value of the environment variable.
    static ConfiguracaoEmail de(const QSettings &definicoes, const QString &urlAmbiente);

    // Every message has a sender: the settings' address, else the server's user name, else
    // quorvel@localhost.
    QString remetenteEfectivo() const;
    // The server's URL as it may be shown to the user: any user name or password written into
    // it is left out.
    QString urlVisivel() const;
};

namespace ChavesEmail {
inline const QString Servidor = QStringLiteral("Email/Servidor");
inline const QString Utilizador = QStringLiteral("Email/Utilizador");
inline const QString Password = QStringLiteral("Email/Password");
inline const QString Remetente = QStringLiteral("Email/Remetente");
inline const char *const VariavelAmbiente = "QUORVEL_SMTP_URL";
inline const QString ServidorPorOmissao = QStringLiteral("smtp://localhost:25");
} // namespace ChavesEmail
