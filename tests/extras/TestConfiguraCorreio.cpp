// The mail settings window: a test message to a real server on loopback (in clear, with a
// login over STARTTLS or TLS, and a server that would take a password in clear), where the
// password is kept (a desktop store, or the settings file readable by the user only), that it
// never shows, and the sender checked before it reaches a header.
#include "TestEmailServidor.h"
#include "app/Frm_bancos.h"
#include "extras/CofreSenhas.h"
#include "extras/ConfiguracaoEmail.h"
#include "extras/EnvioEmail.h"
#include "extras/Frm_ConfiguraCorreio.h"
#include "extras/MensagemEmail.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Teclado.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

namespace {

const QString Utilizador = QStringLiteral("joao@exemplo.pt");
const QString Segredo = QStringLiteral("Segr€do#1");

// A desktop store that lives in memory, or one that refuses everything.
class CofreFalso final : public CofreSenhas
{
public:
    explicit CofreFalso(bool funciona) : m_funciona(funciona) { substitui(this); }
    ~CofreFalso() override { substitui(nullptr); }
    bool guarda(const QString &chave, const QString &segredo) override
    {
        if (m_funciona)
            guardados[chave] = segredo;
        return m_funciona;
    }
    Leitura le(const QString &chave, QString &segredo) override
    {
        if (!m_funciona)
            return Leitura::Indisponivel;
        if (!guardados.contains(chave))
            return Leitura::NaoExiste;
        segredo = guardados[chave];
        return Leitura::Lida;
    }
    bool apaga(const QString &chave) override
    {
        guardados.remove(chave);
        return m_funciona;
    }
    QMap<QString, QString> guardados;

private:
    bool m_funciona;
};

struct Campos {
    QString servidor, porta, seguranca, utilizador, password, remetente;
};

void preenche(Frm_ConfiguraCorreio *f, const Campos &c)
{
    for (const auto &[caixa, texto] :
         {std::pair{f->Txt_Servidor, c.servidor}, std::pair{f->Txt_Porta, c.porta},
          std::pair{f->Txt_Utilizador, c.utilizador}, std::pair{f->Txt_Password, c.password},
          std::pair{f->Txt_Remetente, c.remetente}}) {
        caixa->clear();
        escreve(caixa, texto);
    }
    f->Cmb_Seguranca->setCurrentIndex(f->Cmb_Seguranca->findText(c.seguranca));
}

// Opens the window from its menu item, runs `accao` in it and makes sure it closes.
void naJanela(Frm_bancos *janela, std::function<void(Frm_ConfiguraCorreio *)> accao)
{
    bool abriu = false;
    aoAbrir<Frm_ConfiguraCorreio>([&](Frm_ConfiguraCorreio *f) {
        abriu = true;
        accao(f);
        if (f->isVisible())
            f->reject();
    });
    janela->Mnu_ConfigurarCorreio->trigger();
    QVERIFY(abriu);
}

QByteArray ficheiroDefinicoes()
{
    QFile f(QSettings().fileName());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool soODonoLe(const QString &caminho)
{
    const auto p = QFile::permissions(caminho);
    const auto outros = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                        | QFile::WriteOther | QFile::ExeOther;
    return (p & QFile::ReadOwner) && !(p & outros);
}

} // namespace

class TestConfiguraCorreio : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QSettings().remove(QStringLiteral("Email"));
        qunsetenv(ChavesEmail::VariavelAmbiente);
        qputenv(ChavesCofre::VariavelAmbiente, "nenhum");
        EnvioEmail::defineLimite(std::chrono::milliseconds(10000));
    }
    void cleanup()
    {
        QSettings().remove(QStringLiteral("Email"));
        qunsetenv(ChavesEmail::VariavelCertificados);
        qunsetenv(ChavesCofre::VariavelAmbiente);
        EnvioEmail::defineLimite(EnvioEmail::LimitePorOmissao);
    }

    // The test message reports what the server said, and a password only ever travels over a
    // secure connection.
    void mensagemDeTeste_data()
    {
        QTest::addColumn<QString>("modo"); // "" = plain server without login
        QTest::addColumn<QString>("seguranca");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("aceite");
        QTest::addColumn<QString>("resposta");
        QTest::newRow("sem autenticação") << "" << "Nenhuma" << "" << true
                                          << "Resposta do servidor: 250 Mensagem aceite";
        QTest::newRow("autenticação por STARTTLS")
            << "starttls" << "STARTTLS" << Segredo << true
            << "Resposta do servidor: 250 Mensagem aceite";
        QTest::newRow("autenticação por TLS")
            << "tls" << "TLS" << Segredo << true << "Resposta do servidor: 250 Mensagem aceite";
        QTest::newRow("password errada")
            << "starttls" << "STARTTLS" << "errada" << false
            << "não aceitou o utilizador ou a password.\r\rResposta do servidor: 535";
        QTest::newRow("servidor sem ligação segura não recebe a password")
            << "claro" << "Nenhuma" << Segredo << false << "não oferece uma ligação segura";
        QTest::newRow("STARTTLS escolhido e o servidor não o oferece")
            << "" << "STARTTLS" << "" << false << "não oferece uma ligação segura (STARTTLS)";
    }
    void mensagemDeTeste()
    {
        QFETCH(QString, modo);
        QFETCH(QString, seguranca);
        QFETCH(QString, password);
        QFETCH(bool, aceite);
        QFETCH(QString, resposta);
        std::unique_ptr<ServidorTeste::Smtp> servidor =
            modo.isEmpty() ? std::make_unique<ServidorTeste::Smtp>()
                           : std::make_unique<ServidorTeste::Smtp>(modo, Utilizador, Segredo);
        QVERIFY(servidor->aEscutar());
        if (!modo.isEmpty() && modo != QLatin1String("claro"))
            qputenv(ChavesEmail::VariavelCertificados, QFile::encodeName(servidor->certificado()));
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        naJanela(janela.get(), [&](Frm_ConfiguraCorreio *f) {
            preenche(f, {QStringLiteral("127.0.0.1"), QString::number(servidor->porta()),
                         seguranca, modo.isEmpty() ? QString() : Utilizador, password,
                         QStringLiteral("loja@exemplo.pt")});
            QTest::mouseClick(f->Cmd_EnviarTeste, Qt::LeftButton);
            QVERIFY(f->isVisible()); // the window stays open to correct or save
        });
        QCOMPARE(caixas.caixas.size(), 1);
        const CaixaMostrada &c = caixas.caixas[0];
        QVERIFY2(c.texto.contains(resposta), qPrintable(c.texto));
        QCOMPARE(c.icone, aceite ? Icone::Informacao : Icone::Critico);
        QVERIFY2(!c.texto.contains(Segredo), qPrintable(c.texto));
        const auto recebidas = servidor->mensagens();
        QCOMPARE(recebidas.size(), aceite ? 1 : 0);
        if (aceite) {
            QVERIFY(c.texto.startsWith(
                QStringLiteral("O servidor aceitou a mensagem de teste para loja@exemplo.pt.")));
            QCOMPARE(recebidas[0][QStringLiteral("para")].toArray(),
                     QJsonArray{QStringLiteral("loja@exemplo.pt")});
            QCOMPARE(recebidas[0][QStringLiteral("utilizador")].toString(),
                     modo.isEmpty() ? QString() : Utilizador);
        }
        if (modo == QLatin1String("claro"))
            QCOMPARE(servidor->logins(), QByteArray()); // never a login in clear
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!QSettings().contains(ChavesEmail::Servidor)); // nothing saved by a test
    }

    // Where "Guardar" keeps the password: in the store when it takes it (never in the file),
    // else in the file, readable by its owner only. Either way the window never shows it and
    // the sender reads it back.
    void passwordGuardada_data()
    {
        QTest::addColumn<QString>("cofre");
        QTest::addColumn<bool>("noFicheiro");
        QTest::newRow("cofre do ambiente de trabalho") << "funciona" << false;
        QTest::newRow("cofre que recusa") << "recusa" << true;
        QTest::newRow("sem cofre") << "nenhum" << true;
        // QtKeychain itself, on a machine without a session bus: it must give up at once.
        QTest::newRow("cofre do sistema sem sessão D-Bus") << "sistema" << true;
    }
    void passwordGuardada()
    {
        QFETCH(QString, cofre);
        QFETCH(bool, noFicheiro);
        std::unique_ptr<CofreFalso> falso;
        if (cofre == QLatin1String("sistema")) {
            if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
                QSKIP("a session bus may hold a real store, which a test must not write into");
            qunsetenv(ChavesCofre::VariavelAmbiente);
        } else if (cofre != QLatin1String("nenhum")) {
            falso = std::make_unique<CofreFalso>(cofre == QLatin1String("funciona"));
        }
        QElapsedTimer relogio;
        relogio.start();
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        naJanela(janela.get(), [&](Frm_ConfiguraCorreio *f) {
            QCOMPARE(f->Txt_Password->echoMode(), QLineEdit::Password);
            preenche(f, {QStringLiteral("mail.exemplo.pt"), QStringLiteral("587"),
                         QStringLiteral("STARTTLS"), Utilizador, Segredo,
                         QStringLiteral("loja@exemplo.pt")});
            QTest::mouseClick(f->Cmd_Guardar, Qt::LeftButton);
            QVERIFY(!f->isVisible());
        });
        QVERIFY2(caixas.caixas.isEmpty(), qPrintable(caixas.textos().join(QLatin1Char('|'))));
        const QByteArray ficheiro = ficheiroDefinicoes();
        QVERIFY(ficheiro.contains("mail.exemplo.pt"));
        QCOMPARE(ficheiro.contains(Segredo.toUtf8()), noFicheiro);
        if (noFicheiro)
            QVERIFY(soODonoLe(QSettings().fileName()));
        else
            QCOMPARE(falso->guardados.value(ChavesEmail::ChaveCofre), Segredo);

        const ConfiguracaoEmail lida = ConfiguracaoEmail::doUtilizador();
        QCOMPARE(lida.url, QStringLiteral("smtp://mail.exemplo.pt:587"));
        QCOMPARE(lida.seguranca, SegurancaEmail::StartTls);
        QCOMPARE(lida.password, Segredo);
        QCOMPARE(lida.remetenteEfectivo(), QStringLiteral("loja@exemplo.pt"));

        // Opened again: the password box is empty and says one is kept; saving without typing
        // one keeps it.
        naJanela(janela.get(), [&](Frm_ConfiguraCorreio *f) {
            QCOMPARE(f->Txt_Servidor->text(), QStringLiteral("mail.exemplo.pt"));
            QCOMPARE(f->Txt_Porta->text(), QStringLiteral("587"));
            QCOMPARE(f->Cmb_Seguranca->currentText(), QStringLiteral("STARTTLS"));
            QCOMPARE(f->Txt_Password->text(), QString());
            QCOMPARE(f->Txt_Password->placeholderText(), QStringLiteral("(password guardada)"));
            f->Txt_Remetente->clear();
            escreve(f->Txt_Remetente, QStringLiteral("contas@exemplo.pt"));
            QTest::mouseClick(f->Cmd_Guardar, Qt::LeftButton);
        });
        QCOMPARE(ConfiguracaoEmail::doUtilizador().password, Segredo);
        QCOMPARE(ConfiguracaoEmail::doUtilizador().remetente, QStringLiteral("contas@exemplo.pt"));
        QCOMPARE(ficheiroDefinicoes().contains(Segredo.toUtf8()), noFicheiro);
        QVERIFY2(relogio.elapsed() < 10000, "the store held the window up");
    }

    // A password an older version left in the file moves to the store at the next "Guardar",
    // and the older server URL shows as server, port and security.
    void definicoesAntigas()
    {
        CofreFalso cofre(true);
        {
            QSettings s;
            s.setValue(ChavesEmail::Servidor, QStringLiteral("smtps://mail.exemplo.pt:465"));
            s.setValue(ChavesEmail::Utilizador, Utilizador);
            s.setValue(ChavesEmail::Password, Segredo);
        }
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        naJanela(janela.get(), [&](Frm_ConfiguraCorreio *f) {
            QCOMPARE(f->Txt_Servidor->text(), QStringLiteral("mail.exemplo.pt"));
            QCOMPARE(f->Txt_Porta->text(), QStringLiteral("465"));
            QCOMPARE(f->Cmb_Seguranca->currentText(), QStringLiteral("TLS"));
            QCOMPARE(f->Txt_Password->text(), QString());
            QTest::mouseClick(f->Cmd_Guardar, Qt::LeftButton);
        });
        QVERIFY(!ficheiroDefinicoes().contains(Segredo.toUtf8()));
        QCOMPARE(cofre.guardados.value(ChavesEmail::ChaveCofre), Segredo);
        QCOMPARE(ConfiguracaoEmail::doUtilizador().url,
                 QStringLiteral("smtps://mail.exemplo.pt:465"));
    }

    // What "Guardar" refuses, with the reason, leaving the settings as they were.
    void recusaAoGuardar_data()
    {
        QTest::addColumn<QString>("servidor");
        QTest::addColumn<QString>("porta");
        QTest::addColumn<QString>("remetente");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("sem servidor") << "" << "587" << "loja@exemplo.pt"
                                      << "Indique o servidor de email.";
        QTest::newRow("endereço em vez de servidor")
            << "smtp://mail.exemplo.pt" << "587" << "" << "não é um nome de servidor válido";
        QTest::newRow("porta zero") << "mail.exemplo.pt" << "0" << ""
                                    << "A porta tem que ser um número de 1 a 65535.";
        QTest::newRow("remetente sem domínio") << "mail.exemplo.pt" << "587" << "loja@exemplo"
                                               << "O remetente não é um endereço de email válido";
        QTest::newRow("remetente com espaço") << "mail.exemplo.pt" << "587" << "lo ja@exemplo.pt"
                                              << "O remetente não é um endereço de email válido";
        QTest::newRow("remetente entre <>") << "mail.exemplo.pt" << "587" << "<loja@exemplo.pt>"
                                            << "O remetente não é um endereço de email válido";
    }
    void recusaAoGuardar()
    {
        QFETCH(QString, servidor);
        QFETCH(QString, porta);
        QFETCH(QString, remetente);
        QFETCH(QString, mensagem);
        PastaTeste pasta;
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        naJanela(janela.get(), [&](Frm_ConfiguraCorreio *f) {
            preenche(f, {servidor, porta, QStringLiteral("STARTTLS"), {}, {}, remetente});
            QTest::mouseClick(f->Cmd_Guardar, Qt::LeftButton);
            QVERIFY(f->isVisible());
        });
        QCOMPARE(caixas.caixas.size(), 1);
        QVERIFY2(caixas.caixas[0].texto.contains(mensagem), qPrintable(caixas.caixas[0].texto));
        QVERIFY(!QSettings().contains(ChavesEmail::Servidor));
    }

    // The addresses that may go into the dialogue and a header line.
    void enderecos_data()
    {
        QTest::addColumn<QString>("endereco");
        QTest::addColumn<bool>("valido");
        QTest::newRow("simples") << "loja@exemplo.pt" << true;
        QTest::newRow("subdomínio") << "ana.sa@mail.exemplo.pt" << true;
        QTest::newRow("mudança de linha e cabeçalho")
            << "loja@exemplo.pt\r\nBcc: todos@exemplo.pt" << false;
        QTest::newRow("só LF") << "loja@exemplo.pt\nX: y" << false;
        QTest::newRow("dois @") << "loja@@exemplo.pt" << false;
        QTest::newRow("domínio sem ponto") << "loja@localhost" << false;
        QTest::newRow("domínio a começar em ponto") << "loja@.pt" << false;
        QTest::newRow("domínio a acabar em ponto") << "loja@exemplo." << false;
        QTest::newRow("sem nome") << "@exemplo.pt" << false;
        QTest::newRow("com >") << "loja@exemplo.pt>" << false;
    }
    void enderecos()
    {
        QFETCH(QString, endereco);
        QFETCH(bool, valido);
        QCOMPARE(enderecoValido(endereco), valido);
    }
};

QUORVEL_TESTE(TestConfiguraCorreio)
#include "TestConfiguraCorreio.moc"
