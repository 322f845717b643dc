// How later imports know a statement's lines: the keys are stored with every import, so the
// text of each must stay exactly what earlier imports wrote, or a file imported again would
// come in twice. Repeats of one line are counted, ids are taken without the spaces around them.
#include "ApoioExtractos.h"
#include "extractos/Conciliacao.h"
#include "support/RegistoTestes.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestChavesLinhas : public QObject
{
    Q_OBJECT
private slots:
    void chavesGuardadas()
    {
        std::vector<LinhaExtracto> ls = {
            linhaExtracto(QStringLiteral("2026-03-05"), -250, QStringLiteral("Taxa"), {},
                          QStringLiteral(" FIT001 ")),
            linhaExtracto(QStringLiteral("2026-03-05"), -250, QStringLiteral("Taxa"), {},
                          QStringLiteral("FIT001")),
            linhaExtracto(QStringLiteral("2026-03-05"), -250, QStringLiteral("Taxa  DE conta")),
            linhaExtracto(QStringLiteral("2026-03-05"), -250, QStringLiteral("taxa de conta")),
            linhaExtracto(QStringLiteral("2026-03-06"), 123456789, QStringLiteral("Venda")),
            linhaExtracto(QStringLiteral("0999-01-02"), 0, QStringLiteral("Ano antigo")),
            linhaExtracto(QString(), -1, QStringLiteral("Sem data"), {}, QStringLiteral("X")),
            linhaExtracto(QStringLiteral("2026-03-07"), -990,
                          QStringLiteral("\tÁgua  e SANEAMENTO\r\n\u00A0Ñ 12€ ")),
            linhaExtracto(QStringLiteral("2026-03-07"), -990,
                          QStringLiteral(" \t TRF\x0B\x0C DE  Cliente\n")),
        };
        const std::vector<QString> chaves = {
            u"id:FIT001#1"_qs,           u"id:FIT001#2"_qs,
            u"imp:d40c47babf7829d9#1"_qs, u"imp:d40c47babf7829d9#2"_qs, // spaces, case alike
            u"imp:fa8d1d9e2fdc0d3d#1"_qs, u"imp:09887dcadf0ff2c9#1"_qs, u"id:X#1"_qs,
            u"imp:4605fe1999e00dac#1"_qs, u"imp:75b613b1646c9377#1"_qs}; // accents, odd spaces
        QCOMPARE(Conciliacao::chaves(ls), chaves);
        const std::vector<QString> valores = {
            u"vid:2026-03-05|-250#1"_qs,     u"vid:2026-03-05|-250#2"_qs,
            u"val:2026-03-05|-250#3"_qs,     u"val:2026-03-05|-250#4"_qs,
            u"val:2026-03-06|123456789#1"_qs, u"val:0999-01-02|0#1"_qs, u"vid:|-1#1"_qs,
            u"val:2026-03-07|-990#1"_qs,      u"val:2026-03-07|-990#2"_qs};
        QCOMPARE(Conciliacao::chavesValor(ls), valores);
    }
};

QUORVEL_TESTE(TestChavesLinhas)
#include "TestChavesLinhas.moc"
