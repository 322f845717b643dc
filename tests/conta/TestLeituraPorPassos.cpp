// A large account read in steps: its first rows at once, the rest from the event loop, and
// nothing but the views ever sees it half read.
#include "ApoioConta.h"
#include "data/DadosDemonstracao.h"
#include "data/ErroBaseDados.h"
#include "data/Relogio.h"
#include "support/RegistoTestes.h"

#include <QFile>
#include <QSignalSpy>
#include <functional>

using namespace ColunasGrelha;
using namespace ApoioConta;

namespace {

constexpr int Movimentos = 2 * ContaAberta::PrimeirasLinhas + 500;

// Every event and 0-ms timer due, a few rounds over: a step of the reading would have run by
// then. What must not come later is checked after this, with no waiting on the clock.
void correEventos()
{
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

struct Razao : Ficheiro {
    QStringList ingenua;
    Razao()
    {
        Transaccao t(*bd);
        DadosDemonstracao::geraMovimentos(*bd, 1, Movimentos, QDate(2020, 1, 1), 11);
        DadosDemonstracao::geraMovimentos(*bd, 2, 20, QDate(2020, 1, 1), 12);
    }
    void abre(ContaAberta &c, int n = 1)
    {
        if (ingenua.isEmpty())
            ingenua = contaIngenua(*bd, 1);
        c.escolhe(n);
        c.carrega(*bd);
        c.calculaSaldos(Relogio::hoje()); // as the grid does at once, before the rest comes
    }
};

// The rows the views were told of, as one span each, in the order they came.
struct Insercoes {
    std::vector<std::pair<int, int>> spans;
    explicit Insercoes(ContaAberta &c)
    {
        QObject::connect(&c, &QAbstractItemModel::rowsInserted, &c,
                         [this](const QModelIndex &, int de, int ate) {
                             spans.emplace_back(de, ate);
                         });
    }
    // Where the spans end, each right after the one before from `primeira` on; -1 at a gap.
    int seguidasDe(int primeira) const
    {
        int seguinte = primeira;
        for (const auto &[de, ate] : spans) {
            if (de != seguinte)
                return -1;
            seguinte = ate + 1;
        }
        return seguinte;
    }
};

} // namespace

class TestLeituraPorPassos : public QObject
{
    Q_OBJECT

private slots:
    void primeirasLinhasAgoraORestoDepois()
    {
        Razao f;
        ContaAberta c;
        QSignalSpy acabou(&c, &ContaAberta::leituraAcabou);
        Insercoes insercoes(c);
        f.abre(c);
        QVERIFY(c.aLer());
        QCOMPARE(c.rowCount(), ContaAberta::PrimeirasLinhas);
        QCOMPARE(acabou.count(), 0);

        QTRY_VERIFY(!c.aLer());
        QCOMPARE(acabou.count(), 1);
        // The views heard of every later row once, in order, right after the ones they had.
        QCOMPARE(insercoes.seguidasDe(ContaAberta::PrimeirasLinhas), Movimentos);
        // The rows that came later have their balances summed on from the first ones.
        QCOMPARE(mostradas(c), f.ingenua);
    }

    void pedidaAntesDeMostradaEMostrada()
    {
        // Rows read in steps are shown to the views every so often, not at every step: a row
        // asked for meanwhile is there at once, read or not, and nothing is shown twice.
        constexpr int Muitos = 30000; // more than a step reads
        Ficheiro f;
        {
            Transaccao t(*f.bd);
            DadosDemonstracao::geraMovimentos(*f.bd, 1, Muitos, QDate(2020, 1, 1), 13);
        }
        const QStringList ingenua = contaIngenua(*f.bd, 1);
        ContaAberta c;
        Insercoes insercoes(c);
        c.escolhe(1);
        c.carrega(*f.bd);
        c.calculaSaldos(Relogio::hoje());
        QCoreApplication::processEvents(); // one step: rows read, not shown so soon after
        QVERIFY(c.aLer());
        for (const int mais : {1, 7, 300}) {
            const int r = c.rowCount() + mais; // grid row r is model row r - 1
            c.preparaAte(r);
            QVERIFY(c.rowCount() >= r);
            QCOMPARE(linhaMostrada(c, r), ingenua[r - 1]);
        }
        c.acabaLeitura();
        QCOMPARE(c.rowCount(), Muitos);
        QCOMPARE(insercoes.seguidasDe(ContaAberta::PrimeirasLinhas), Muitos);
        QCOMPARE(mostradas(c), ingenua);
    }

    // Whatever is not a view sees the whole account: each of these has the rest read first,
    // and nothing is read twice or out of order.
    void oQueNaoEVistaVeTudo_data()
    {
        QTest::addColumn<std::function<void(ContaAberta &, BaseDados &)>>("accao");
        using A = std::function<void(ContaAberta &, BaseDados &)>;
        QTest::newRow("quantas linhas (Rows)") << A([](ContaAberta &c, BaseDados &) {
            QCOMPARE(c.linhas(), Movimentos + 1);
        });
        QTest::newRow("célula de uma linha por ler") << A([](ContaAberta &c, BaseDados &) {
            QVERIFY(!c.texto(Movimentos, NumAutomatico).isEmpty());
        });
        QTest::newRow("saldo final") << A([](ContaAberta &c, BaseDados &bd) {
            QCOMPARE(c.saldoFinal().formata(),
                     contaIngenua(bd, 1).constLast().section(QLatin1Char('|'), 7, 7));
        });
        QTest::newRow("o que gravar") << A([](ContaAberta &c, BaseDados &) {
            QCOMPARE(int(c.porGravar(true).saldos.size()), Movimentos); // none stored yet
        });
        QTest::newRow("linha da última chave") << A([](ContaAberta &c, BaseDados &bd) {
            const qint64 ultima = bd.consulta(QStringLiteral(
                "SELECT max(NumAutomatico) AS k FROM TabBancos1Det WHERE NumBanco = 1"))
                                      .inteiro(QStringLiteral("k"));
            QVERIFY(c.linhaDaChave(ultima) > ContaAberta::PrimeirasLinhas);
        });
        QTest::newRow("outra consulta na ligação") << A([](ContaAberta &, BaseDados &bd) {
            bd.consulta(QStringLiteral("SELECT 1"));
        });
        QTest::newRow("escrita noutra conta") << A([](ContaAberta &, BaseDados &bd) {
            Transaccao t(bd);
            bd.executa(QStringLiteral("UPDATE TabBancos1Det SET S = 'V' WHERE NumBanco = 2"));
        });
        QTest::newRow("a ligação do motor (cópia de segurança)")
            << A([](ContaAberta &, BaseDados &bd) { QVERIFY(bd.ligacaoNativa()); });
        QTest::newRow("o programa escreve uma célula") << A([](ContaAberta &c, BaseDados &) {
            c.defineTexto(1, Alterou, QStringLiteral("False"));
        });
    }

    void oQueNaoEVistaVeTudo()
    {
        QFETCH(std::function<void(ContaAberta &, BaseDados &)>, accao);
        Razao f;
        ContaAberta c;
        f.abre(c);
        QVERIFY(c.aLer());
        accao(c, *f.bd);
        QVERIFY(!c.aLer());
        QCOMPARE(c.linhasProntas(), Movimentos + 1);
        QCOMPARE(mostradas(c), f.ingenua);
    }

    void ligacaoFechadaAMeio()
    {
        // A backup or a restore closes the connection: the rest is read before it goes, and
        // nothing is left to step on a closed file.
        Razao f;
        ContaAberta c;
        f.abre(c);
        QVERIFY(c.aLer());
        f.bd.reset();
        QVERIFY(!c.aLer());
        QCOMPARE(c.linhasProntas(), Movimentos + 1);
        correEventos();
        f.bd = BaseDados::abre(f.dir.filePath(Esquema::NomeFicheiro), Esquema::Chave);
        QCOMPARE(mostradas(c), f.ingenua);
    }

    void outraContaLargaALeitura()
    {
        Razao f;
        ContaAberta c;
        f.abre(c);
        QVERIFY(c.aLer());
        f.abre(c, 2);
        QVERIFY(!c.aLer());
        QCOMPARE(c.rowCount(), 20);
        // Nothing of the account left comes later, nor is the connection held for it.
        correEventos();
        QCOMPARE(c.rowCount(), 20);
        QCOMPARE(mostradas(c), contaIngenua(*f.bd, 2));
        f.bd->consulta(QStringLiteral("SELECT 1"));
        QCOMPARE(c.rowCount(), 20);
    }

    void ficheiroEstragadoAMeio()
    {
        // The file damaged under the program while it reads: the account empties and says
        // why, nothing crashes, and nothing half read can be written back.
        Razao f;
        const QString caminho = f.dir.filePath(Esquema::NomeFicheiro);
        f.ingenua = contaIngenua(*f.bd, 1);
        f.bd = BaseDados::abre(caminho, Esquema::Chave); // no page of it in memory yet
        ContaAberta c;
        QSignalSpy falhou(&c, &ContaAberta::leituraFalhou);
        f.abre(c);
        QVERIFY(c.aLer());
        QFile ficheiro(caminho);
        QVERIFY(ficheiro.open(QIODevice::ReadWrite));
        QVERIFY(ficheiro.resize(ficheiro.size() / 2));
        ficheiro.close();

        QTRY_VERIFY(!c.aLer());
        QCOMPARE(falhou.count(), 1);
        QCOMPARE(c.rowCount(), 0);
        QVERIFY(c.porGravar(true).vazia());
    }
};

QUORVEL_TESTE(TestLeituraPorPassos)
#include "TestLeituraPorPassos.moc"
