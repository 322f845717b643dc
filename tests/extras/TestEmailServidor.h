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
#include <QThread>

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
        registo = {'de': envelope.mail_from, 'para': envelope.rcpt_tos,
                   'assunto': str(msg['Subject']), 'cabecalhoPara': str(msg['To']),
                   'partes': partes}
        caminho = os.path.join(os.environ['QUORVEL_TESTE_PASTA'], '%03d.json' % self.n)
        with open(caminho + '.tmp', 'w', encoding='utf-8') as f:
            json.dump(registo, f, ensure_ascii=False)
        os.replace(caminho + '.tmp', caminho)
        return '250 Mensagem aceite'
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
        m_processo.setProcessEnvironment(ambiente);
        m_processo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The server goes with the test even when the test dies half-way.
        m_processo.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_processo.start(QStringLiteral("/usr/bin/python3"),
                         {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                          QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(m_porta),
                          QStringLiteral("-c"), QStringLiteral("guarda_smtp.Guarda")});
        for (int i = 0; i < 200 && !aceitaLigacoes(m_porta); ++i) {
            if (m_processo.state() == QProcess::NotRunning)
                break;
            QThread::msleep(25);
        }
    }
    ~Smtp()
    {
        m_processo.kill();
        m_processo.waitForFinished(3000);
    }

    bool aEscutar() const { return aceitaLigacoes(m_porta); }
    QString url() const { return QStringLiteral("smtp://127.0.0.1:%1").arg(m_porta); }

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
