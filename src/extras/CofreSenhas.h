#pragma once
// The desktop's secret store (GNOME keyring, KWallet, ... through QtKeychain), where the mail
// password is kept when one runs. Its calls are asynchronous over D-Bus; here each one waits in
// a local event loop for a bounded time, so a desktop without a store (or one that never
// answers) costs at most that time and the caller falls back to the settings file.
#include <QString>
#include <chrono>

class CofreSenhas
{
public:
    enum class Leitura { Lida, NaoExiste, Indisponivel };

    virtual ~CofreSenhas() = default;
    // True when the store has taken the secret.
    virtual bool guarda(const QString &chave, const QString &segredo) = 0;
    virtual Leitura le(const QString &chave, QString &segredo) = 0;
    virtual bool apaga(const QString &chave) = 0;

    // The store in use: the one a test put in place, else none when the environment variable
    // QUORVEL_COFRE_SENHAS is "nenhum", else the desktop's. nullptr means no store.
    static CofreSenhas *actual();
    // Tests put a store of their own in place; nullptr goes back to the desktop's.
    static void substitui(CofreSenhas *cofre);
};

namespace ChavesCofre {
inline const char *const VariavelAmbiente = "QUORVEL_COFRE_SENHAS";
inline const QString Servico = QStringLiteral("Quorvel");
inline constexpr std::chrono::milliseconds Limite{20000}; // the user may have to unlock it
} // namespace ChavesCofre
