#include "extras/ConfiguracaoEmail.h"

#include <QSettings>
#include <QUrl>

ConfiguracaoEmail ConfiguracaoEmail::doUtilizador()
{
    const QSettings definicoes;
    return de(definicoes, qEnvironmentVariable(ChavesEmail::VariavelAmbiente));
}

ConfiguracaoEmail ConfiguracaoEmail::de(const QSettings &definicoes, const QString &urlAmbiente)
{
    ConfiguracaoEmail c;
    c.url = urlAmbiente.trimmed();
    if (c.url.isEmpty())
        c.url = definicoes.value(ChavesEmail::Servidor).toString().trimmed();
    if (c.url.isEmpty())
        c.url = ChavesEmail::ServidorPorOmissao;
    c.utilizador = definicoes.value(ChavesEmail::Utilizador).toString().trimmed();
    c.password = definicoes.value(ChavesEmail::Password).toString();
    c.remetente = definicoes.value(ChavesEmail::Remetente).toString().trimmed();
    return c;
}

QString ConfiguracaoEmail::remetenteEfectivo() const
{
    if (!remetente.isEmpty())
        return remetente;
    if (!utilizador.isEmpty())
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
