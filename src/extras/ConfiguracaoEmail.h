#pragma once
// Where mail goes. The per-user settings (section "Email") name the server, its port, the
// security of the connection, the user name and the sender; the password is in the desktop's
// secret store, or, where none runs, in the settings file, which is then readable by the user
// only. An older form of "Servidor", a URL such as smtps://mail.example.pt:465, is still read.
// The environment variable QUORVEL_SMTP_URL takes the place of the server; with neither, mail
// goes to smtp://localhost:25.
#include <QString>
#include <optional>

class CofreSenhas;
class QSettings;

enum class SegurancaEmail {
    StartTls,    // smtp://, the connection must turn secure before anything is sent
    Tls,         // smtps://, secure from the first byte
    Nenhuma,     // in clear, as the user chose (a password is still never sent in clear)
    Oportunista, // a URL smtp://: secure when the server offers it
};

struct ConfiguracaoEmail {
    QString url; // what libcurl is given
    SegurancaEmail seguranca = SegurancaEmail::Oportunista;
    QString servidor; // the server's name as the settings window shows it
    int porta = 25;
    QString utilizador;
    QString password; // handed to the server only; never shown or logged
    QString remetente;

    // The per-user settings of the running program, the environment variable applied and the
    // password read from wherever it was kept.
    static ConfiguracaoEmail doUtilizador();
    // The same rules over given settings and a given value of the environment variable; the
    // password only as the settings file holds it.
    static ConfiguracaoEmail de(const QSettings &definicoes, const QString &urlAmbiente);
    // The server as typed in the settings window.
    static ConfiguracaoEmail servidorEscolhido(const QString &servidor, int porta,
                                               SegurancaEmail seguranca);

    // What stops these settings from being used, as a sentence for the user; "" when none.
    QString verifica() const;

    // Writes server, port, security, user and sender, and the password into `cofre` (the
    // settings file when `cofre` is nullptr or refuses it; that file is then made readable
    // by its owner only). With `passwordNova` false the password the store already keeps is
    // left there; one still in the settings file is moved to the store. Returns "" or what
    // failed, in Portuguese.
    QString grava(QSettings &definicoes, CofreSenhas *cofre, bool passwordNova) const;
    // A password is kept (in the store or the file) for these settings.
    static bool temPassword(const QSettings &definicoes);

    // The sender of every message: the settings' address, else the user name when it is an
    // address, else quorvel@localhost.
    QString remetenteEfectivo() const;
    // The server's URL as it may be shown to the user: any user name or password written into
    // it is left out.
    QString urlVisivel() const;

    static int portaPorOmissao(SegurancaEmail seguranca);
    static QString nomeSeguranca(SegurancaEmail seguranca); // "STARTTLS", "TLS", "Nenhuma"
    static std::optional<SegurancaEmail> segurancaDeNome(const QString &nome);
};

namespace ChavesEmail {
inline const QString Servidor = QStringLiteral("Email/Servidor");
inline const QString Porta = QStringLiteral("Email/Porta");
inline const QString Seguranca = QStringLiteral("Email/Seguranca");
inline const QString Utilizador = QStringLiteral("Email/Utilizador");
inline const QString Password = QStringLiteral("Email/Password");
inline const QString PasswordNoCofre = QStringLiteral("Email/PasswordNoCofre");
inline const QString Remetente = QStringLiteral("Email/Remetente");
inline const QString ChaveCofre = QStringLiteral("Email");
inline const char *const VariavelAmbiente = "QUORVEL_SMTP_URL";
// A file of certificate authorities trusted instead of the system's (a company's own).
inline const char *const VariavelCertificados = "QUORVEL_SMTP_CA";
inline const QString ServidorPorOmissao = QStringLiteral("smtp://localhost:25");
} // namespace ChavesEmail
