// The movement grid makes its texts and colours on demand: what a user sees, what the program
// reads and what is written back must be exactly what a grid filled cell by cell showed.
#include "ApoioLedger.h"
#include "GrelhaReferencia.h"
#include "app/Frm_bancos.h"
#include "ledger/Razao.h"
#include "data/BaseDados.h"
#include "data/DadosDemonstracao.h"
#include "conta/ColunasGrelha.h"
#include "conta/ContaAberta.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QLineEdit>
#include <QTest>
#include <random>

using namespace ColunasGrelha;

namespace {

// An account with every kind of row the grid treats apart: annulled ("A" exactly) and look-alike
// situations, undated and unreadable dates, rows of today, zero, NULL and large amounts that
// take the balance below zero, accented and over-long texts.
void geraRazaoVariado(BaseDados &bd, int quantos)
{
    std::mt19937 aleatorio(2024);
    auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(aleatorio); };
    const QStringList situacoes{"V", "", "A", "a", " A", "AB", "Á", "V"};
    const QStringList descricoes{"Renda", "Água e saneamento", "", QString(60, QChar(u'ç')),
                                 "Pagamento a fornecedor nº 12"};
    const QDate hoje = Relogio::hoje();
    Transaccao t(bd);
    for (int i = 0; i < quantos; ++i) {
        QVariant data;
        switch (entre(0, 9)) {
        case 0: break; // no date
        case 1: data = Regional::paraIso(hoje); break;
        case 2: data = QStringLiteral("2004-13-45"); break; // not a date
        case 3: data = QStringLiteral("2004-1-5"); break;
        default: data = Regional::paraIso(hoje.addDays(-entre(1, 4000)));
        }
        const int tipo = entre(0, 5);
        const qint64 valor = qint64(entre(0, 3)) * entre(0, 900000);
        const QVariant debito = tipo == 0 ? QVariant() : QVariant(tipo <= 2 ? valor * 3 : 0);
        const QVariant credito = tipo > 2 ? QVariant(valor) : QVariant(0);
        const QVariant situacao = entre(0, 20) == 0 ? QVariant() : QVariant(situacoes[entre(0, 7)]);
        bd.executa(QStringLiteral("INSERT INTO TabBancos1Det (Data, Numero, Descricao, S, Debito, "
                                  "Credito, NumBanco) VALUES (?, ?, ?, ?, ?, ?, 1)"),
                   {data, entre(0, 3) == 0 ? QStringLiteral("CH-0123456789") : QString(),
                    descricoes[entre(0, int(descricoes.size()) - 1)], situacao, debito, credito});
    }
}

QString celula(int r, int c)
{
    return QStringLiteral("linha %1 coluna %2").arg(r).arg(c);
}

} // namespace

class TestGrelhaPorPedido : public QObject
{
    Q_OBJECT

private slots:
    void igualAGrelhaPreenchidaCelulaACelula()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        geraRazaoVariado(pasta.bd(), 600);
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid &g = *janela->MSHFlexGrid1;
        FlexGrid referencia;
        const Dinheiro saldo = GrelhaReferencia::preenche(referencia, pasta.bd(), 1);

        QCOMPARE(g.Rows(), referencia.Rows());
        QCOMPARE(g.Cols(), referencia.Cols());
        int anuladas = 0, deHoje = 0, vermelhas = 0;
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.Cols(); ++c) {
                QVERIFY2(g.TextMatrix(r, c) == referencia.TextMatrix(r, c),
                         qPrintable(celula(r, c) + ": " + g.TextMatrix(r, c) + " / "
                                    + referencia.TextMatrix(r, c)));
                QVERIFY2(g.CellBackColor(r, c) == referencia.CellBackColor(r, c),
                         qPrintable(celula(r, c)));
                QVERIFY2(g.CellForeColor(r, c) == referencia.CellForeColor(r, c),
                         qPrintable(celula(r, c)));
                anuladas += c == 1 && referencia.CellBackColor(r, c) == corBgr(0x8080FF);
                deHoje += c == 1 && referencia.CellBackColor(r, c) == corBgr(0xE0E0E0);
                vermelhas += referencia.CellForeColor(r, c).isValid();
            }
        // The generated account really holds the rows the grid treats apart.
        QVERIFY(anuladas > 5 && deHoje > 5 && vermelhas > 5);

        // What the view paints is what the program reads.
        const QAbstractItemModel *m = g.model(), *mr = referencia.model();
        for (int r = 0; r < m->rowCount(); ++r)
            for (int c = 0; c < m->columnCount(); ++c)
                for (int papel : {int(Qt::DisplayRole), int(Qt::BackgroundRole),
                                  int(Qt::ForegroundRole), int(Qt::TextAlignmentRole)})
                    QVERIFY2(m->data(m->index(r, c), papel) == mr->data(mr->index(r, c), papel),
                             qPrintable(celula(r + 1, c + 1) + " papel "
                                        + QString::number(papel)));
        QCOMPARE(janela->findChild<Razao *>()->SaldoFinal(), saldo);
        QCOMPARE(janela->Txt_SaldoFinal->text(), saldo.formataMoeda());
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void gravaTodasLinhasComoAntes()
    {
        // Untouched rows are written from their raw values, edited ones from their texts: the
        // database must end as the texts on screen say, as when every row was read back.
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        geraRazaoVariado(pasta.bd(), 300);
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid &g = *janela->MSHFlexGrid1;
        g.setTextMatrix(7, Descricao, QStringLiteral("Alterada à mão"));
        g.setTextMatrix(7, Debito, QStringLiteral("12,34"));
        g.setTextMatrix(7, Credito, QString());
        g.setTextMatrix(9, Data, QStringLiteral("31-12-2003"));
        g.setTextMatrix(11, NumBanco, QStringLiteral("-1"));
        janela->GravaTodasLinhas();

        for (int r = 1; r < g.Rows(); ++r) {
            const qint64 chave = g.TextMatrix(r, NumAutomatico).toLongLong();
            const Registos guardado = pasta.bd().consulta(
                QStringLiteral("SELECT Data, Numero, Descricao, S, Debito, Credito, Saldo, "
                               "NumBanco, Alterou FROM TabBancos1Det WHERE NumAutomatico = ?"),
                {chave});
            auto valor = [&](int c) {
                return Dinheiro::interpreta(g.TextMatrix(r, c)).value_or(Dinheiro()).centimos();
            };
            const auto data = Regional::interpretaData(g.TextMatrix(r, Data));
            if (data)
                QCOMPARE(guardado.texto(QStringLiteral("Data")), Regional::paraIso(*data));
            QCOMPARE(guardado.texto(QStringLiteral("Numero")), g.TextMatrix(r, Numero).left(10));
            QCOMPARE(guardado.texto(QStringLiteral("Descricao")),
                     g.TextMatrix(r, Descricao).left(50));
            QCOMPARE(guardado.texto(QStringLiteral("S")), g.TextMatrix(r, S));
            QCOMPARE(guardado.inteiro(QStringLiteral("Debito")), valor(Debito));
            QCOMPARE(guardado.inteiro(QStringLiteral("Credito")), valor(Credito));
            QCOMPARE(guardado.inteiro(QStringLiteral("Saldo")), valor(Saldo));
            QCOMPARE(guardado.inteiro(QStringLiteral("NumBanco")),
                     g.TextMatrix(r, NumBanco).toLongLong());
            QCOMPARE(guardado.inteiro(QStringLiteral("Alterou")), 0);
        }
        QCOMPARE(ApoioLedger::movimento(pasta.bd(), g.TextMatrix(7, NumAutomatico).toLongLong())
                     .section(QLatin1Char('|'), 2, 5),
                 QStringLiteral("Alterada à mão|%1|1234|0").arg(g.TextMatrix(7, S)));
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void celulaEscritaLidaDeVolta_data()
    {
        QTest::addColumn<int>("coluna");
        QTest::addColumn<QString>("texto");
        QTest::newRow("descrição") << int(Descricao) << QStringLiteral("Escrita pelo programa");
        QTest::newRow("saldo vazio") << int(Saldo) << QString();
        QTest::newRow("conta apagada") << int(NumBanco) << QStringLiteral("-1");
        QTest::newRow("alterada") << int(Alterou) << QStringLiteral("True");
        QTest::newRow("data") << int(Data) << QStringLiteral("29-02-2024");
        QTest::newRow("o mesmo texto") << int(Debito) << QStringLiteral("SAME");
    }
    void celulaEscritaLidaDeVolta()
    {
        QFETCH(int, coluna);
        QFETCH(QString, texto);
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        for (int i = 0; i < 5; ++i)
            pasta.insereMovimento(1, QStringLiteral("2024-01-0%1").arg(i + 1), 0, 1000 * (i + 1),
                                  i == 2 ? QStringLiteral("A") : QString());
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid &g = *janela->MSHFlexGrid1;
        if (texto == QLatin1String("SAME"))
            texto = g.TextMatrix(3, coluna); // a written text equal to the shown one stays put
        const QString vizinha = g.TextMatrix(4, coluna);

        g.setTextMatrix(3, coluna, texto);
        QCOMPARE(g.TextMatrix(3, coluna), texto);
        QCOMPARE(g.model()->data(g.model()->index(2, coluna - 1)).toString(), texto);
        QCOMPARE(g.TextMatrix(4, coluna), vizinha);
        // The written text outlives a repaint and a change of the row's colours.
        g.viewport()->repaint();
        g.setCellBackColor(3, coluna, QColor()); // the annulled row's colour, back to the default
        QCOMPARE(g.CellBackColor(3, coluna), QColor());
        QCOMPARE(g.CellBackColor(3, 1 + coluna % 10), corBgr(0x8080FF));
        QCOMPARE(g.TextMatrix(3, coluna), texto);
        // Rows added by the program are empty; rows cut off lose what was written in them.
        g.setRows(g.Rows() + 1);
        QCOMPARE(g.TextMatrix(g.Rows() - 1, coluna), QString());
        g.setRows(3);
        g.setRows(6);
        QCOMPARE(g.TextMatrix(3, coluna), QString());
        QCOMPARE(g.TextMatrix(2, NumBanco), QStringLiteral("1"));
        // Reloading the account brings the stored values back.
        janela->Mnu_Banco_Click(1);
        QCOMPARE(g.TextMatrix(4, coluna), vizinha);
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void linhaDaChaveLeTextosEscritos()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta"));
        std::vector<qint64> k;
        for (int i = 0; i < 5; ++i)
            k.push_back(pasta.insereMovimento(1, QStringLiteral("2024-02-0%1").arg(5 - i), 0, 100));
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid &g = *janela->MSHFlexGrid1;
        QCOMPARE(qobject_cast<ContaAberta *>(g.modelo())->linhaDaChave(k[0]), 5); // by date, not by creation
        QCOMPARE(qobject_cast<ContaAberta *>(g.modelo())->linhaDaChave(k[3]), 2);
        QCOMPARE(qobject_cast<ContaAberta *>(g.modelo())->linhaDaChave(999999), 0);
        QCOMPARE(qobject_cast<ContaAberta *>(g.modelo())->linhaDaChave(k[0], 1), 5); // looked for from afar
        QCOMPARE(qobject_cast<ContaAberta *>(g.modelo())->linhaDaChave(999999, 3), 0);
        g.setTextMatrix(4, NumAutomatico, QString::number(k[3]));
        QCOMPARE(qobject_cast<ContaAberta *>(g.modelo())->linhaDaChave(k[3]), 2); // the first row that reads it
        QCOMPARE(qobject_cast<ContaAberta *>(g.modelo())->linhaDaChave(k[3], 5), 4); // the nearest
        QCOMPARE(qobject_cast<ContaAberta *>(g.modelo())->linhaDaChave(k[3], 3), 2); // the lower of two
        g.setTextMatrix(2, NumAutomatico, QStringLiteral("x"));
        QCOMPARE(qobject_cast<ContaAberta *>(g.modelo())->linhaDaChave(k[3]), 4);
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void ultimaLinhaDeCemMil()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Conta grande"));
        {
            Transaccao t(pasta.bd());
            DadosDemonstracao::geraMovimentos(pasta.bd(), 1, 100000,
                                              Relogio::hoje().addYears(-10), 7);
        }
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        FlexGrid &g = *janela->MSHFlexGrid1;
        // The first rows show at once, the final balance once the rest is read.
        QCOMPARE(g.model()->rowCount(), ContaAberta::PrimeirasLinhas);
        QCOMPARE(janela->Txt_SaldoFinal->text(), QString());

        // Ctrl+End, as a user goes to the end before the rest came: the last movement is
        // current and on screen.
        g.setFocus();
        QTest::keyClick(&g, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(g.Rows(), 100001);
        QCOMPARE(g.Row(), 100000);
        QCOMPARE(janela->Txt_SaldoFinal->text(),
                 janela->findChild<Razao *>()->SaldoFinal().formataMoeda());
        QVERIFY(!janela->Txt_SaldoFinal->text().isEmpty());
        const QModelIndex ultima = g.model()->index(99999, Descricao - 1);
        QVERIFY(g.viewport()->rect().intersects(g.visualRect(ultima)));
        QVERIFY(g.TopRow() > 99900);
        g.viewport()->repaint();

        const Registos esperado = pasta.bd().consulta(QStringLiteral(
            "SELECT NumAutomatico, Descricao FROM TabBancos1Det WHERE NumBanco = 1 "
            "ORDER BY Data DESC, NumAutomatico DESC LIMIT 1"));
        QCOMPARE(g.TextMatrix(100000, NumAutomatico),
                 QString::number(esperado.inteiro(QStringLiteral("NumAutomatico"))));
        QCOMPARE(ultima.data().toString(), esperado.texto(QStringLiteral("Descricao")));
        QCOMPARE(g.TextMatrix(100000, Saldo), janela->findChild<Razao *>()->SaldoFinal().zero()
                                                   ? QString()
                                                   : janela->findChild<Razao *>()->SaldoFinal().formata());
        // A click on it chooses it, as on any other row.
        ApoioLedger::clica(&g, 100000);
        QCOMPARE(janela->Frame2->Txt_NumAuto->text(), g.TextMatrix(100000, NumAutomatico));
        // And the grid can be put back at any row from the top.
        g.setTopRow(50000);
        QCOMPARE(g.TopRow(), 50000);

        // Opened again and left alone: the rest comes from the event loop, the balance with it.
        const QString saldo = janela->Txt_SaldoFinal->text();
        janela->Mnu_Banco_Click(1);
        QCOMPARE(janela->Txt_SaldoFinal->text(), QString());
        QTRY_COMPARE(janela->Txt_SaldoFinal->text(), saldo);
        QCOMPARE(g.model()->rowCount(), 100000);
        QCOMPARE(caixas.caixas.size(), 0);
    }
};

QUORVEL_TESTE(TestGrelhaPorPedido)
#include "TestGrelhaPorPedido.moc"
