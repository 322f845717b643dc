#include "extras/EnvioEmail.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QUuid>
#include <atomic>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace {

std::atomic<long long> limiteMs{EnvioEmail::LimitePorOmissao.count()};

// Owners of libcurl's handles, freed on every path out.
struct Libertador {
    void operator()(CURL *c) const { curl_easy_cleanup(c); }
    void operator()(curl_mime *m) const { curl_mime_free(m); }
    void operator()(curl_slist *l) const { curl_slist_free_all(l); }
};
template <class T>
using Pega = std::unique_ptr<T, Libertador>;

void acrescenta(Pega<curl_slist> &lista, const QByteArray &linha)
{
    curl_slist *nova = curl_slist_append(lista.get(), linha.constData());
    if (nova) {
        (void)lista.release();
        lista.reset(nova);
    }
}

// What the server said. Only its replies are kept (never what we sent: the login carries the
// password); the last reply of class 4 or 5 is the reason of a refusal, the last reply of all
// the answer to a message taken.
struct Dialogo {
    QString ultimaRecusa;
    QString ultimaResposta;
};

int observa(CURL *, curl_infotype tipo, char *dados, size_t tamanho, void *contexto)
{
    if (tipo != CURLINFO_HEADER_IN)
        return 0;
    const QString linha = QString::fromUtf8(dados, qsizetype(tamanho)).trimmed();
    auto *d = static_cast<Dialogo *>(contexto);
    if (!linha.isEmpty())
        d->ultimaResposta = linha;
    if (!linha.isEmpty()
        && (linha.front() == QLatin1Char('4') || linha.front() == QLatin1Char('5')))
        d->ultimaRecusa = linha;
    return 0;
}

// An address as it may be shown: line breaks and other control characters as blanks.
QString visivel(const QString &endereco)
{
    QString v = endereco;
    for (QChar &c : v)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return v;
}

long nivelTls(const ConfiguracaoEmail &c)
{
    // A password never crosses the network in clear: smtp:// must then upgrade with STARTTLS or
    // fail, whatever security was chosen.
    if (!c.utilizador.isEmpty())
        return long(CURLUSESSL_ALL);
    switch (c.seguranca) {
    case SegurancaEmail::StartTls:
    case SegurancaEmail::Tls:
        return long(CURLUSESSL_ALL);
    case SegurancaEmail::Nenhuma:
        return long(CURLUSESSL_NONE);
    case SegurancaEmail::Oportunista:
        break;
    }
    return long(CURLUSESSL_TRY);
}

// Subject as an encoded word: accents survive, and so does the final blank, which a plain
// header line would lose at the receiving end.
QByteArray cabecalhoAssunto(const QString &assunto)
{
    QString limpo = assunto;
    limpo.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return "Subject: =?UTF-8?B?" + limpo.toUtf8().toBase64() + "?=";
}

QString segundos(long long ms)
{
    const long long s = (ms + 999) / 1000;
    return QString::number(s) + (s == 1 ? QStringLiteral(" segundo") : QStringLiteral(" segundos"));
}

QString falha(const QString &porque)
{
    return QStringLiteral("O email não foi enviado: ") + porque;
}

} // namespace

namespace EnvioEmail {

std::chrono::milliseconds limite()
{
    return std::chrono::milliseconds(limiteMs.load());
}

void defineLimite(std::chrono::milliseconds novo)
{
    limiteMs.store(novo.count());
}

ResultadoEnvio envia(const MensagemEmail &mensagem, const ConfiguracaoEmail &configuracao)
{
    static std::once_flag iniciada;
    std::call_once(iniciada, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    ResultadoEnvio r;
    const QString endereco = mensagem.enderecoEnvelope();
    if (!enderecoValido(endereco)) {
        r.erro = falha(QStringLiteral("o endereço \"%1\" não é um endereço de email válido.")
                           .arg(visivel(endereco)));
        return r;
    }
    // The sender goes into the dialogue and a header line as the settings give it: a line
    // break in it would add headers of its own.
    if (!configuracao.remetente.isEmpty() && !enderecoValido(configuracao.remetente)) {
        r.erro = falha(QStringLiteral("o remetente \"%1\" não é um endereço de email válido "
                                      "(Opções, Configurar correio...).")
                           .arg(visivel(configuracao.remetente)));
        return r;
    }
    const QFileInfo anexo(mensagem.anexo);
    if (!mensagem.anexo.isEmpty() && (!anexo.isFile() || !anexo.isReadable())) {
        r.erro = falha(QStringLiteral("o ficheiro a anexar não existe ou não pode ser lido:\r")
                       + QDir::toNativeSeparators(mensagem.anexo));
        return r;
    }
    const QString remetente = configuracao.remetenteEfectivo();
    const long long ms = limiteMs.load();

    Pega<CURL> curl(curl_easy_init());
    if (!curl) {
        r.erro = falha(QStringLiteral("não foi possível preparar o envio."));
        return r;
    }
    CURL *c = curl.get();
    const QByteArray url = configuracao.url.toUtf8();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, long(ms));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(ms));
    const QByteArray utilizador = configuracao.utilizador.toUtf8();
    const QByteArray password = configuracao.password.toUtf8();
    if (!configuracao.utilizador.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, utilizador.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(c, CURLOPT_USE_SSL, nivelTls(configuracao));
    const QByteArray autoridades = qgetenv(ChavesEmail::VariavelCertificados);
    if (!autoridades.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, autoridades.constData());

    const QByteArray de = remetente.toUtf8();
    const QByteArray para = endereco.toUtf8();
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, de.constData());
    Pega<curl_slist> destinatarios;
    acrescenta(destinatarios, para);
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, destinatarios.get());

    Pega<curl_slist> cabecalhos;
    acrescenta(cabecalhos,
               "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1());
    acrescenta(cabecalhos, "To: <" + para + ">");
    acrescenta(cabecalhos, "From: <" + de + ">");
    acrescenta(cabecalhos, cabecalhoAssunto(mensagem.assunto));
    acrescenta(cabecalhos, "Message-ID: <" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces)
                               + "@quorvel>");
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, cabecalhos.get());

    Pega<curl_mime> mime(curl_mime_init(c));
    QString texto = mensagem.texto;
    texto.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QByteArray corpo = texto.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toUtf8();
    curl_mimepart *parte = curl_mime_addpart(mime.get());
    curl_mime_data(parte, corpo.constData(), size_t(corpo.size()));
    curl_mime_type(parte, "text/plain; charset=UTF-8");
    curl_mime_encoder(parte, "quoted-printable");
    const QByteArray caminho = QFile::encodeName(anexo.absoluteFilePath());
    const QByteArray nome = anexo.fileName().toUtf8();
    if (!mensagem.anexo.isEmpty()) {
        curl_mimepart *imagem = curl_mime_addpart(mime.get());
        curl_mime_filedata(imagem, caminho.constData());
        curl_mime_filename(imagem, nome.constData());
        curl_mime_type(imagem, "image/bmp");
        curl_mime_encoder(imagem, "base64");
    }
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());

    Dialogo dialogo;
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, observa);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &dialogo);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    char detalhe[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, detalhe);

    const CURLcode codigo = curl_easy_perform(c);
    // The farewell is said when the handle is freed, after `dialogo` is gone.
    curl_easy_setopt(c, CURLOPT_VERBOSE, 0L);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, nullptr);
    r.resposta = dialogo.ultimaResposta;
    if (codigo == CURLE_OK) {
        r.enviado = true;
        return r;
    }
    const QString servidor = configuracao.urlVisivel();
    const QString razao = dialogo.ultimaRecusa.isEmpty()
                              ? QString()
                              : QStringLiteral("\r\rResposta do servidor: ") + dialogo.ultimaRecusa;
    const QString tecnico = QString::fromUtf8(detalhe[0] ? detalhe : curl_easy_strerror(codigo));
    r.servidorIndisponivel = dialogo.ultimaRecusa.isEmpty() || codigo == CURLE_LOGIN_DENIED;
    switch (codigo) {
    case CURLE_OPERATION_TIMEDOUT:
        r.erro = falha(QStringLiteral("o servidor de email %1 não respondeu em %2.")
                           .arg(servidor, segundos(ms)));
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        r.erro = falha(QStringLiteral("não foi possível ligar ao servidor de email %1.\r\r%2")
                           .arg(servidor, tecnico));
        break;
    case CURLE_LOGIN_DENIED:
        r.erro = falha(QStringLiteral("o servidor de email %1 não aceitou o utilizador ou a "
                                      "password.")
                           .arg(servidor)
                       + razao);
        break;
    case CURLE_USE_SSL_FAILED:
        r.erro = falha(
            configuracao.utilizador.isEmpty()
                ? QStringLiteral("o servidor de email %1 não oferece uma ligação segura "
                                 "(STARTTLS), a segurança escolhida.")
                      .arg(servidor)
                : QStringLiteral("o servidor de email %1 não oferece uma ligação segura, "
                                 "necessária para enviar a password.")
                      .arg(servidor));
        break;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
        r.erro = falha(QStringLiteral("não foi possível estabelecer uma ligação segura com o "
                                      "servidor de email %1.\r\r%2")
                           .arg(servidor, tecnico));
        break;
    default:
        if (!dialogo.ultimaRecusa.isEmpty())
            r.erro = falha(
                QStringLiteral("o servidor de email %1 recusou a mensagem.").arg(servidor) + razao);
        else
            r.erro = falha(QStringLiteral("erro na comunicação com o servidor de email %1.\r\r%2")
                               .arg(servidor, tecnico));
    }
    return r;
}

ResultadoEnvio enviaSemBloquear(const MensagemEmail &mensagem,
                                const ConfiguracaoEmail &configuracao)
{
    ResultadoEnvio r;
    QEventLoop espera;
    std::unique_ptr<QThread> trabalho(
        QThread::create([&] { r = envia(mensagem, configuracao); }));
    QObject::connect(trabalho.get(), &QThread::finished, &espera, &QEventLoop::quit,
                     Qt::QueuedConnection);
    trabalho->start();
    espera.exec(QEventLoop::ExcludeUserInputEvents);
    trabalho->wait();
    return r;
}

} // namespace EnvioEmail
