#include "extras/ConfiguracaoEmail.h"
#include "extras/CofreSenhas.h"
#include "extras/MensagemEmail.h"

#include <QFile>
#include <QSettings>
#include <QUrl>

namespace {

// A URL (the older settings' form, or the environment variable) as the settings window shows
// it; how it is sent stays exactly what the URL says.
ConfiguracaoEmail deUrl(const QString &url)
{
    ConfiguracaoEmail c;
    c.url = url;
    const QUrl u(url);
    const bool tls = u.scheme().compare(QLatin1String("smtps"), Qt::CaseInsensitive) == 0;
    c.seguranca = tls ? SegurancaEmail::Tls : SegurancaEmail::Oportunista;
    c.servidor = u.host();
    c.porta = u.port(tls ? 465 : 25);
    return c;
}

void tornaPrivado(const QSettings &definicoes)
{
    QFile::setPermissions(definicoes.fileName(), QFile::ReadOwner | QFile::WriteOwner);
}

// The file read back holds what was written ("" then), else the failure in Portuguese. The
// settings' own status also reports troubles of the read-only fallback files, so the file
// itself is asked.
QString escritas(const QSettings &definicoes, const QString &servidor)
{
    const QSettings lidas(definicoes.fileName(), QSettings::IniFormat);
    if (lidas.value(ChavesEmail::Servidor).toString() == servidor)
        return QString();
    return QStringLiteral("não foi possível escrever as definições em ") + definicoes.fileName();
}

} // namespace

ConfiguracaoEmail ConfiguracaoEmail::doUtilizador()
{
    const QSettings definicoes;
    ConfiguracaoEmail c = de(definicoes, qEnvironmentVariable(ChavesEmail::VariavelAmbiente));
    if (c.password.isEmpty() && definicoes.value(ChavesEmail::PasswordNoCofre).toBool()) {
        if (CofreSenhas *cofre = CofreSenhas::actual())
            cofre->le(ChavesEmail::ChaveCofre, c.password);
    } else if (!c.password.isEmpty()) {
        tornaPrivado(definicoes); // a password an older version left in the file
    }
    return c;
}

ConfiguracaoEmail ConfiguracaoEmail::de(const QSettings &definicoes, const QString &urlAmbiente)
{
    ConfiguracaoEmail c;
    const QString servidor = definicoes.value(ChavesEmail::Servidor).toString().trimmed();
    if (!urlAmbiente.trimmed().isEmpty()) {
        c = deUrl(urlAmbiente.trimmed());
    } else if (servidor.contains(QLatin1String("://"))) {
        c = deUrl(servidor);
    } else if (!servidor.isEmpty()) {
        const auto seguranca =
            segurancaDeNome(definicoes.value(ChavesEmail::Seguranca).toString());
        const SegurancaEmail s = seguranca.value_or(SegurancaEmail::StartTls);
        bool ok = false;
        const int porta = definicoes.value(ChavesEmail::Porta).toInt(&ok);
        c = servidorEscolhido(servidor, ok && porta > 0 && porta < 65536 ? porta
                                                                         : portaPorOmissao(s),
                              s);
    } else {
        c = deUrl(ChavesEmail::ServidorPorOmissao);
    }
    c.utilizador = definicoes.value(ChavesEmail::Utilizador).toString().trimmed();
    c.password = definicoes.value(ChavesEmail::Password).toString();
    c.remetente = definicoes.value(ChavesEmail::Remetente).toString().trimmed();
    return c;
}

ConfiguracaoEmail ConfiguracaoEmail::servidorEscolhido(const QString &servidor, int porta,
                                                       SegurancaEmail seguranca)
{
    ConfiguracaoEmail c;
    c.servidor = servidor.trimmed();
    c.porta = porta;
    c.seguranca = seguranca;
    // An IPv6 address goes between brackets in a URL.
    const QString anfitriao =
        c.servidor.contains(QLatin1Char(':')) ? QLatin1Char('[') + c.servidor + QLatin1Char(']')
                                              : c.servidor;
    c.url = (seguranca == SegurancaEmail::Tls ? QStringLiteral("smtps://")
                                              : QStringLiteral("smtp://"))
            + anfitriao + QLatin1Char(':') + QString::number(porta);
    return c;
}

QString ConfiguracaoEmail::verifica() const
{
    if (servidor.trimmed().isEmpty())
        return QStringLiteral("Indique o servidor de email.");
    for (const QChar c : servidor.trimmed())
        if (c.isSpace() || c.category() == QChar::Other_Control || c == QLatin1Char('/')
            || c == QLatin1Char('@'))
            return QStringLiteral("O servidor \"%1\" não é um nome de servidor válido.")
                .arg(servidor.trimmed());
    if (porta < 1 || porta > 65535)
        return QStringLiteral("A porta tem que ser um número de 1 a 65535.");
    for (const QChar c : utilizador)
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("O utilizador não pode ter mudanças de linha.");
    if (!remetente.trimmed().isEmpty() && !enderecoValido(remetente.trimmed()))
        return QStringLiteral("O remetente não é um endereço de email válido "
                              "(por exemplo loja@exemplo.pt).");
    return QString();
}

bool ConfiguracaoEmail::temPassword(const QSettings &definicoes)
{
    return !definicoes.value(ChavesEmail::Password).toString().isEmpty()
           || definicoes.value(ChavesEmail::PasswordNoCofre).toBool();
}

QString ConfiguracaoEmail::grava(QSettings &definicoes, CofreSenhas *cofre,
                                 bool passwordNova) const
{
    const SegurancaEmail s =
        seguranca == SegurancaEmail::Oportunista ? SegurancaEmail::StartTls : seguranca;
    definicoes.setValue(ChavesEmail::Servidor, servidor.trimmed());
    definicoes.setValue(ChavesEmail::Porta, porta);
    definicoes.setValue(ChavesEmail::Seguranca, nomeSeguranca(s));
    definicoes.setValue(ChavesEmail::Utilizador, utilizador.trimmed());
    definicoes.setValue(ChavesEmail::Remetente, remetente.trimmed());

    // Without a user name no password is sent, so none is kept.
    const QString segredo = utilizador.trimmed().isEmpty() ? QString() : password;
    const bool estavaNoCofre = definicoes.value(ChavesEmail::PasswordNoCofre).toBool();
    if (!passwordNova && estavaNoCofre && !utilizador.trimmed().isEmpty()) {
        definicoes.remove(ChavesEmail::Password);
        definicoes.sync();
        return escritas(definicoes, servidor.trimmed());
    }
    bool noCofre = false;
    if (!segredo.isEmpty() && cofre)
        noCofre = cofre->guarda(ChavesEmail::ChaveCofre, segredo);
    else if (segredo.isEmpty() && estavaNoCofre && cofre)
        cofre->apaga(ChavesEmail::ChaveCofre);

    if (segredo.isEmpty() || noCofre) {
        definicoes.remove(ChavesEmail::Password);
        if (noCofre)
            definicoes.setValue(ChavesEmail::PasswordNoCofre, true);
        else
            definicoes.remove(ChavesEmail::PasswordNoCofre);
        definicoes.sync();
    } else {
        // The file is made private before the password is written into it, and again after
        // (the settings are written through a new file put in place of the old one).
        definicoes.remove(ChavesEmail::PasswordNoCofre);
        definicoes.sync();
        tornaPrivado(definicoes);
        definicoes.setValue(ChavesEmail::Password, segredo);
        definicoes.sync();
        tornaPrivado(definicoes);
    }
    return escritas(definicoes, servidor.trimmed());
}

QString ConfiguracaoEmail::remetenteEfectivo() const
{
    if (!remetente.isEmpty())
        return remetente;
    if (enderecoValido(utilizador))
        return utilizador;
    return QStringLiteral("quorvel@localhost");
}

QString ConfiguracaoEmail::urlVisivel() const
{
    const QUrl u(url);
    if (!u.isValid())
        return QStringLiteral("(endereço inválido)");
    return u.adjusted(QUrl::RemoveUserInfo).toString();
}

int ConfiguracaoEmail::portaPorOmissao(SegurancaEmail seguranca)
{
    switch (seguranca) {
    case SegurancaEmail::StartTls:
        return 587;
    case SegurancaEmail::Tls:
        return 465;
    case SegurancaEmail::Nenhuma:
    case SegurancaEmail::Oportunista:
        break;
    }
    return 25;
}

QString ConfiguracaoEmail::nomeSeguranca(SegurancaEmail seguranca)
{
    switch (seguranca) {
    case SegurancaEmail::Tls:
        return QStringLiteral("TLS");
    case SegurancaEmail::Nenhuma:
        return QStringLiteral("Nenhuma");
    case SegurancaEmail::StartTls:
    case SegurancaEmail::Oportunista:
        break;
    }
    return QStringLiteral("STARTTLS");
}

std::optional<SegurancaEmail> ConfiguracaoEmail::segurancaDeNome(const QString &nome)
{
    for (SegurancaEmail s :
         {SegurancaEmail::StartTls, SegurancaEmail::Tls, SegurancaEmail::Nenhuma})
        if (nome.trimmed().compare(nomeSeguranca(s), Qt::CaseInsensitive) == 0)
            return s;
    return std::nullopt;
}
