#pragma once
// Sends one message over SMTP with libcurl's MIME API: the text as the first part, the picture
// as the second. Sending never waits without end (a time limit, 30 s unless a test shortens it)
// and every failure comes back as a Portuguese sentence with the server's own reason when it
// gave one. The password goes to the server only: nothing here logs or shows it.
#include "extras/ConfiguracaoEmail.h"
#include "extras/MensagemEmail.h"

#include <QString>
#include <chrono>

struct ResultadoEnvio {
    bool enviado = false;
    QString erro;     // ready to show when not sent
    QString resposta; // the server's last reply ("250 ..." when the message was taken)
    // The server could not be reached, did not answer or refused the login: a further message
    // would fare no better.
    bool servidorIndisponivel = false;
};

namespace EnvioEmail {

// Sends in the calling thread, which waits up to the time limit.
ResultadoEnvio envia(const MensagemEmail &mensagem, const ConfiguracaoEmail &configuracao);

// Sends in a worker thread while the calling (window) thread keeps painting and running its
// timers; clicks and keys wait until the sending ends.
ResultadoEnvio enviaSemBloquear(const MensagemEmail &mensagem,
                                const ConfiguracaoEmail &configuracao);

std::chrono::milliseconds limite();
void defineLimite(std::chrono::milliseconds novo); // tests shorten it
inline constexpr std::chrono::milliseconds LimitePorOmissao{30000};

} // namespace EnvioEmail
