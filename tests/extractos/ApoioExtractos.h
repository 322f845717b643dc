#pragma once
// Statements and ledgers built in a test: a line is date, amount in cents and text; a dump of
// the movement tables tells whether anything at all was written.
#include "data/BaseDados.h"
#include "extractos/Extracto.h"
#include "support/PastaTeste.h"

#include <QStringList>

inline LinhaExtracto linhaExtracto(const QString &dataIso, qint64 centimos,
                                   const QString &descricao, const QString &numero = {},
                                   const QString &idBanco = {})
{
    LinhaExtracto l;
    l.data = QDate::fromString(dataIso, Qt::ISODate);
    l.valor = Dinheiro::deCentimos(centimos);
    l.descricao = descricao;
    l.numero = numero;
    l.idBanco = idBanco;
    return l;
}

inline Extracto extractoDe(std::vector<LinhaExtracto> linhas, const QString &iban = {},
                           const QString &moeda = QStringLiteral("EUR"))
{
    Extracto e;
    e.formato = FormatoExtracto::Ofx2;
    e.iban = iban;
    e.moeda = moeda;
    e.linhas = std::move(linhas);
    return e;
}

// Every row of the movements and their extras, in key order.
inline QStringList despejoRazao(BaseDados &bd)
{
    QStringList r;
    for (const char *sql : {"SELECT * FROM TabBancos1Det ORDER BY NumAutomatico",
                            "SELECT * FROM TabBancosDetOutros ORDER BY rowid"})
        for (Registos t = bd.consulta(QString::fromLatin1(sql)); !t.eof(); t.seguinte()) {
            QStringList campos;
            for (const QString &c : t.nomesColunas())
                campos << (t.nulo(c) ? QStringLiteral("NULL") : t.texto(c));
            r << campos.join(u'|');
        }
    return r;
}

inline qint64 contaLinhas(BaseDados &bd, const QString &sql, const QVariantList &p = {})
{
    return bd.consulta(sql, p).inteiro(QStringLiteral("n"));
}
