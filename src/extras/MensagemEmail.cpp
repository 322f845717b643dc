#include "extras/MensagemEmail.h"

namespace {
const QString TipoEndereco = QStringLiteral("smtp:");
}

MensagemEmail MensagemEmail::compoe(const QString &endereco, const QString &assunto,
                                    const QString &texto, const QString &anexo)
{
    MensagemEmail m;
    m.destinatario = TipoEndereco + endereco.trimmed();
    m.assunto = assunto.trimmed() + QLatin1Char(' ');
    m.texto = texto + QLatin1Char(' ');
    m.anexo = anexo;
    return m;
}

QString MensagemEmail::enderecoEnvelope() const
{
    QString e = destinatario.trimmed();
    if (e.startsWith(TipoEndereco, Qt::CaseInsensitive))
        e = e.mid(TipoEndereco.size()).trimmed();
    return e;
}

bool enderecoValido(const QString &endereco)
{
    for (const QChar c : endereco)
        if (c.isSpace() || c.category() == QChar::Other_Control || c == QLatin1Char('<')
            || c == QLatin1Char('>'))
            return false;
    const qsizetype arroba = endereco.indexOf(QLatin1Char('@'));
    if (arroba <= 0 || arroba != endereco.lastIndexOf(QLatin1Char('@')))
        return false;
    // The domain has a dot between two names.
    const QString dominio = endereco.mid(arroba + 1);
    return dominio.contains(QLatin1Char('.')) && !dominio.startsWith(QLatin1Char('.'))
           && !dominio.endsWith(QLatin1Char('.')) && !dominio.contains(QLatin1String(".."));
}
