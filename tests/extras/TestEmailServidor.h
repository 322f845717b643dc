#pragma once
// Mail servers for the mail tests, on loopback and a free port: a real SMTP server (Debian's
// aiosmtpd, run by the system python, which has the module) that writes every message it
// accepts as a JSON file the test reads back, optionally refusing every recipient; and a
// server that takes the connection and never says a word.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ServidorTeste {

inline const char *const GuardaPy = R"PY(
import hashlib, json, os
from email import message_from_bytes, policy

class Guarda:
    def __init__(self):
        self.n = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        recusa = os.environ.get('QUORVEL_TESTE_RECUSA')
        if recusa:
            return recusa
        envelope.rcpt_tos.append(address)
        return '250 OK'

    async def handle_DATA(self, server, session, envelope):
        msg = message_from_bytes(envelope.content, policy=policy.default)
        partes = []
        for p in msg.walk():
            if p.is_multipart():
                continue
            dados = p.get_payload(decode=True) or b''
            texto = dados.decode('utf-8', 'replace') if p.get_content_maintype() == 'text' else ''
            partes.append({'tipo': p.get_content_type(), 'nome': p.get_filename() or '',
                           'texto': texto, 'md5': hashlib.md5(dados).hexdigest()})
        self.n += 1
        autenticado = getattr(session, 'auth_data', None)
        registo = {'de': envelope.mail_from, 'para': envelope.rcpt_tos,
                   'utilizador': autenticado.login.decode() if autenticado else '',
                   'assunto': str(msg['Subject']), 'cabecalhoPara': str(msg['To']),
                   'partes': partes}
        caminho = os.path.join(os.environ['QUORVEL_TESTE_PASTA'], '%03d.json' % self.n)
        with open(caminho + '.tmp', 'w', encoding='utf-8') as f:
            json.dump(registo, f, ensure_ascii=False)
        os.replace(caminho + '.tmp', caminho)
        return '250 Mensagem aceite'
)PY";

// A server that asks for a login, in clear (offering AUTH without TLS, which the program must
// not use), with STARTTLS or with TLS from the first byte. Every login it is given is written
// to logins.txt, so a test sees whether a password reached it.
inline const char *const SeguroPy = R"PY(
import os, ssl, threading
from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword
from guarda_smtp import Guarda

modo = os.environ['QUORVEL_TESTE_MODO']
utilizador = os.environ['QUORVEL_TESTE_UTILIZADOR'].encode()
password = os.environ['QUORVEL_TESTE_PASSWORD'].encode()

def autentica(server, session, envelope, mechanism, dados):
    if not isinstance(dados, LoginPassword):
        return AuthResult(success=False, handled=False)
    with open(os.path.join(os.environ['QUORVEL_TESTE_PASTA'], 'logins.txt'), 'ab') as f:
        f.write(dados.login + b':' + dados.password + b'\n')
    ok = dados.login == utilizador and dados.password == password
    return AuthResult(success=ok, handled=False, auth_data=dados if ok else None)

kw = dict(hostname='127.0.0.1', port=int(os.environ['QUORVEL_TESTE_PORTA']),
          authenticator=autentica, auth_required=True)
if modo == 'claro':
    kw['auth_require_tls'] = False
else:
    ctx = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    ctx.load_cert_chain(os.environ['QUORVEL_TESTE_CERT'], os.environ['QUORVEL_TESTE_CHAVE'])
    if modo == 'starttls':
        kw.update(tls_context=ctx, require_starttls=True)
    else:
        # Secure from the first byte; aiosmtpd only counts STARTTLS as secure.
        kw.update(ssl_context=ctx, auth_require_tls=False)
Controller(Guarda(), **kw).start()
threading.Event().wait()
)PY";

// A port nobody listens on right now.
inline int portaLivre()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a);
    socklen_t n = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr *>(&a), &n);
    ::close(s);
    return ntohs(a.sin_port);
}

inline bool aceitaLigacoes(int porta)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(quint16(porta));
    const bool ok = ::connect(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

class Smtp
{
public:
    // recusa: the reply given to every recipient ("550 ..."), or empty to accept them.
    explicit Smtp(const QString &recusa = {}) : m_porta(portaLivre())
    {
        QFile py(QDir(m_dir.path()).filePath(QStringLiteral("guarda_smtp.py")));
        py.open(QIODevice::WriteOnly);
        py.write(GuardaPy);
        py.close();
        QDir().mkpath(pastaMensagens());
        auto ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("PYTHONPATH"), m_dir.path());
        ambiente.insert(QStringLiteral("QUORVEL_TESTE_PASTA"), pastaMensagens());
        if (!recusa.isEmpty())
            ambiente.insert(QStringLiteral("QUORVEL_TESTE_RECUSA"), recusa);
        inicia(ambiente, {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                          QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(m_porta),
                          QStringLiteral("-c"), QStringLiteral("guarda_smtp.Guarda")});
    }
    ~Smtp()
    {
        m_processo.kill();
        m_processo.waitForFinished(3000);
    }

    // A server that asks for `utilizador` and `password`: modo "claro", "starttls" or "tls".
    // Its certificate (made now, for 127.0.0.1) is certificado(); the program is told to trust
    // it through QUORVEL_SMTP_CA.
    Smtp(const QString &modo, const QString &utilizador, const QString &password)
        : m_porta(portaLivre())
    {
        const QDir d(m_dir.path());
        escreveFicheiro(d.filePath(QStringLiteral("guarda_smtp.py")), GuardaPy);
        escreveFicheiro(d.filePath(QStringLiteral("seguro_smtp.py")), SeguroPy);
        QDir().mkpath(pastaMensagens());
        if (modo != QLatin1String("claro")) {
            QProcess openssl;
            openssl.start(QStringLiteral("openssl"),
                          {QStringLiteral("req"), QStringLiteral("-x509"),
                           QStringLiteral("-newkey"), QStringLiteral("ec"),
                           QStringLiteral("-pkeyopt"),
                           QStringLiteral("ec_paramgen_curve:prime256v1"),
                           QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"),
                           QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                           QStringLiteral("-addext"),
                           QStringLiteral("subjectAltName=IP:127.0.0.1"),
                           QStringLiteral("-keyout"), d.filePath(QStringLiteral("chave.pem")),
                           QStringLiteral("-out"), certificado()});
            openssl.waitForFinished(30000);
        }
        auto ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("PYTHONPATH"), m_dir.path());
        ambiente.insert(QStringLiteral("QUORVEL_TESTE_PASTA"), pastaMensagens());
        ambiente.insert(QStringLiteral("QUORVEL_TESTE_MODO"), modo);
        ambiente.insert(QStringLiteral("QUORVEL_TESTE_PORTA"), QString::number(m_porta));
        ambiente.insert(QStringLiteral("QUORVEL_TESTE_UTILIZADOR"), utilizador);
        ambiente.insert(QStringLiteral("QUORVEL_TESTE_PASSWORD"), password);
        ambiente.insert(QStringLiteral("QUORVEL_TESTE_CERT"), certificado());
        ambiente.insert(QStringLiteral("QUORVEL_TESTE_CHAVE"),
                        d.filePath(QStringLiteral("chave.pem")));
        inicia(ambiente, {d.filePath(QStringLiteral("seguro_smtp.py"))});
    }

    bool aEscutar() const { return aceitaLigacoes(m_porta); }
    int porta() const { return m_porta; }
    QString url() const { return QStringLiteral("smtp://127.0.0.1:%1").arg(m_porta); }
    QString certificado() const { return QDir(m_dir.path()).filePath(QStringLiteral("cert.pem")); }

    // Every "user:password" the server was given, one a line.
    QByteArray logins() const
    {
        QFile f(QDir(pastaMensagens()).filePath(QStringLiteral("logins.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The messages received so far, in the order they arrived.
    QList<QJsonObject> mensagens() const
    {
        QList<QJsonObject> lista;
        const QDir pasta(pastaMensagens());
        for (const QString &f : pasta.entryList({QStringLiteral("*.json")}, QDir::Files,
                                                QDir::Name)) {
            QFile ficheiro(pasta.filePath(f));
            ficheiro.open(QIODevice::ReadOnly);
            lista << QJsonDocument::fromJson(ficheiro.readAll()).object();
        }
        return lista;
    }

private:
    static void escreveFicheiro(const QString &caminho, const char *texto)
    {
        QFile f(caminho);
        f.open(QIODevice::WriteOnly);
        f.write(texto);
    }
    void inicia(QProcessEnvironment ambiente, const QStringList &argumentos)
    {
        ambiente.insert(QStringLiteral("PYTHONWARNINGS"), QStringLiteral("ignore"));
        m_processo.setProcessEnvironment(ambiente);
        m_processo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The server goes with the test even when the test dies half-way.
        m_processo.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_processo.start(QStringLiteral("/usr/bin/python3"), argumentos);
        // Until it takes connections, or has ended (the event loop tells the process's end);
        // the tests see which through aEscutar().
        static_cast<void>(QTest::qWaitFor(
            [this] {
                return m_processo.state() == QProcess::NotRunning || aceitaLigacoes(m_porta);
            },
            10000));
    }
    QString pastaMensagens() const
    {
        return QDir(m_dir.path()).filePath(QStringLiteral("recebidas"));
    }
    QTemporaryDir m_dir;
    int m_porta;
    QProcess m_processo;
};

// Takes connections (the system completes them) and never answers.
class Mudo
{
public:
    Mudo() : m_socket(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_socket, reinterpret_cast<sockaddr *>(&a), sizeof a);
        socklen_t n = sizeof a;
        ::getsockname(m_socket, reinterpret_cast<sockaddr *>(&a), &n);
        m_porta = ntohs(a.sin_port);
        ::listen(m_socket, 8);
    }
    ~Mudo() { ::close(m_socket); }
    QString url() const { return QStringLiteral("smtp://127.0.0.1:%1").arg(m_porta); }

private:
    int m_socket;
    int m_porta = 0;
};

} // namespace ServidorTeste
