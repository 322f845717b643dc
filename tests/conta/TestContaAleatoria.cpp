// A ledger of a few thousand movements put through a few hundred random edits, creations,
// deletions, annulments and write-backs, as the ledger drives them: after each, the grid shows
// what a naive reading of the file gives, and after a write-back every stored balance is the
// naive running balance.
#include "ApoioConta.h"
#include "data/Relogio.h"
#include "support/RegistoTestes.h"

#include <QRandomGenerator>

using namespace ColunasGrelha;
using namespace ApoioConta;

class TestContaAleatoria : public QObject
{
    Q_OBJECT

private slots:
    void edicoesAoAcasoComoLeituraIngenua()
    {
        Ficheiro f;
        QRandomGenerator acaso(20261208);
        const QDate inicio(2023, 1, 1);
        auto diaAoAcaso = [&] { return inicio.addDays(acaso.bounded(700)); };
        auto situacaoAoAcaso = [&] {
            static const QString s[] = {QString(), QStringLiteral("V"), QStringLiteral("A"),
                                        QStringLiteral(" A")};
            return s[acaso.bounded(4)];
        };
        {
            Transaccao t(*f.bd);
            for (int i = 0; i < 3000; ++i)
                f.insere(1, acaso.bounded(50) == 0 ? QString() : Regional::paraIso(diaAoAcaso()),
                         acaso.bounded(2) ? acaso.bounded(100000) : 0,
                         acaso.bounded(2) ? acaso.bounded(100000) : 0, situacaoAoAcaso(),
                         QStringLiteral("Movimento %1").arg(i));
            f.insere(2, QStringLiteral("2023-05-05"), 0, 100); // another account's
        }
        ContaAberta c;
        c.escolhe(1);
        c.carrega(*f.bd);
        c.calculaSaldos(Relogio::hoje());

        int noLugar = 0, relidas = 0;
        for (int passo = 0; passo < 300; ++passo) {
            const int r = 1 + int(acaso.bounded(quint32(c.linhas() - 1)));
            const int accao = int(acaso.bounded(6));
            QString feito;
            if (accao <= 3) {
                // An edit (3 in 4 of them also a date), an annulment, a deletion.
                if (accao == 0 || accao == 1) {
                    c.defineTexto(r, Descricao, QStringLiteral("Editado %1").arg(passo));
                    c.defineTexto(r, Debito, Dinheiro::deCentimos(acaso.bounded(90000)).formata());
                    if (acaso.bounded(4) != 0)
                        c.defineTexto(r, Data, Regional::formataData(diaAoAcaso()));
                    feito = QStringLiteral("edição");
                } else if (accao == 2) {
                    c.defineTexto(r, S, situacaoAoAcaso());
                    feito = QStringLiteral("situação");
                } else {
                    c.marcaApagada(r);
                    feito = QStringLiteral("apagado");
                }
                c.marcaAlterada(r);
                const ContaAberta::Gravacao g = c.porGravar(false);
                grava(*f.bd, c, g);
                if (c.mostraGravado(g)) {
                    ++noLugar;
                } else {
                    ++relidas;
                    c.carrega(*f.bd);
                    c.calculaSaldos(Relogio::hoje());
                }
            } else if (accao == 4) {
                Movimento m;
                m.data = acaso.bounded(10) == 0 ? QDate() : diaAoAcaso();
                m.descricao = QStringLiteral("Novo %1").arg(passo);
                m.credito = Dinheiro::deCentimos(acaso.bounded(50000));
                m.numBanco = 1;
                m.numAutomatico = TabelaMovimentos::insere(*f.bd, m);
                QVERIFY(c.mostraCriado(m));
                ++noLugar;
                feito = QStringLiteral("criado");
            } else {
                const ContaAberta::Gravacao g = c.porGravar(true);
                grava(*f.bd, c, g);
                c.gravou(g);
                QCOMPARE(saldosErrados(*f.bd, 1), QStringList());
                QVERIFY(c.porGravar(true).vazia());
                feito = QStringLiteral("gravadas todas");
            }
            const QStringList esperado = contaIngenua(*f.bd, 1);
            const QStringList visto = mostradas(c);
            if (visto != esperado) {
                for (int i = 0; i < std::min(visto.size(), esperado.size()); ++i)
                    if (visto[i] != esperado[i])
                        QFAIL(qPrintable(QStringLiteral("passo %1 (%2), linha %3:\n %4\n %5")
                                             .arg(passo).arg(feito).arg(i + 1)
                                             .arg(visto[i], esperado[i])));
                QCOMPARE(visto.size(), esperado.size());
            }
        }
        QVERIFY(noLugar > 200); // the edits were shown in place, not by reading again
        QCOMPARE(relidas, 0);
        // The other account was never touched.
        QCOMPARE(contaIngenua(*f.bd, 2).size(), 1);
    }
};

QUORVEL_TESTE(TestContaAleatoria)
#include "TestContaAleatoria.moc"
