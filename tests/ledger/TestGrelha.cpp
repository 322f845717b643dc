// The movement grid: order, texts, running balance, colours and the final balance.
#include "app/Frm_bancos.h"
#include "data/BaseDados.h"
#include "data/Relogio.h"
#include "ledger/Razao.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/FlexGrid.h"
#include "platform/Medidas.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QLineEdit>
#include <QTest>

namespace {

const QColor Cinzento = corBgr(0xE0E0E0);
const QColor VermelhoClaro = corBgr(0x8080FF);
const QColor Vermelho = corBgr(0xFF);

QString hoje() { return Relogio::hoje().toString(Qt::ISODate); }

QStringList coluna(FlexGrid &g, int c)
{
    QStringList t;
    for (int r = 1; r < g.Rows(); ++r)
        t << g.TextMatrix(r, c);
    return t;
}

bool linhaComFundo(FlexGrid &g, int r, const QColor &cor)
{
    for (int c = 1; c < g.Cols(); ++c)
        if (g.CellBackColor(r, c) != cor)
            return false;
    return true;
}

} // namespace

class TestGrelha : public QObject
{
    Q_OBJECT

    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<Frm_bancos> m_janela;
    MensagensGuionadas *m_caixas = nullptr;

    FlexGrid &abre(int numBanco = 1)
    {
        m_janela = m_pasta->iniciaPrograma();
        m_janela->Mnu_Banco_Click(numBanco);
        return *m_janela->MSHFlexGrid1;
    }

private slots:
    void init()
    {
        m_caixas = new MensagensGuionadas;
        m_pasta = std::make_unique<PastaTeste>();
        m_pasta->nomeiaConta(1, QStringLiteral("Conta"));
        m_pasta->nomeiaConta(2, QStringLiteral("Outra"));
    }
    void cleanup()
    {
        QCOMPARE(m_caixas->caixas.size(), 0); // the grid never needs to tell the user anything
        m_janela.reset();
        m_pasta.reset();
        delete m_caixas;
    }

    void saldoCorridoSemAnulados()
    {
        m_pasta->insereMovimento(1, QStringLiteral("2004-01-06"), 0, 5000, QStringLiteral("A"));
        m_pasta->insereMovimento(1, QStringLiteral("2004-01-02"), 0, 10000, QStringLiteral("V"));
        m_pasta->insereMovimento(1, QStringLiteral("2004-01-05"), 3000, 0);
        FlexGrid &g = abre();
        QCOMPARE(g.Rows(), 4);
        QCOMPARE(coluna(g, 2), (QStringList{"02-01-2004", "05-01-2004", "06-01-2004"}));
        QCOMPARE(coluna(g, 6), (QStringList{"", "30,00", ""}));
        QCOMPARE(coluna(g, 7), (QStringList{"100,00", "", "50,00"}));
        QCOMPARE(coluna(g, 8), (QStringList{"100,00", "70,00", "70,00"}));
        QCOMPARE(m_janela->Txt_SaldoFinal->text(), QStringLiteral("70,00 €"));
        QVERIFY(linhaComFundo(g, 3, VermelhoClaro));
        QVERIFY(linhaComFundo(g, 1, QColor()));
        QVERIFY(linhaComFundo(g, 2, QColor()));
        QCOMPARE(m_janela->findChild<Razao *>()->SaldoFinal().centimos(), 7000);
    }

    void cabecalhoEColunasEscondidas()
    {
        const qint64 n = m_pasta->insereMovimento(1, QStringLiteral("2004-01-02"), 123450, 0,
                                                  QStringLiteral("V"), QStringLiteral("Renda"),
                                                  QStringLiteral("CH123"));
        FlexGrid &g = abre();
        QCOMPARE(g.Cols(), 11);
        QStringList cabecalho;
        for (int c = 1; c < g.Cols(); ++c)
            cabecalho << g.TextMatrix(0, c);
        QCOMPARE(cabecalho, (QStringList{"numautomatico", "DATA", "NUMERO", "DESCRICAO", "S", "DEBITO",
                                         "CREDITO", "SALDO", "NUMBANCO", "ALTEROU"}));
        QCOMPARE(g.TextMatrix(1, 1), QString::number(n));
        QCOMPARE(g.TextMatrix(1, 3), QStringLiteral("CH123"));
        QCOMPARE(g.TextMatrix(1, 4), QStringLiteral("Renda"));
        QCOMPARE(g.TextMatrix(1, 6), QStringLiteral("1.234,50"));
        QCOMPARE(g.TextMatrix(1, 8), QStringLiteral("-1.234,50"));
        QCOMPARE(g.TextMatrix(1, 9), QStringLiteral("1"));
        QCOMPARE(g.TextMatrix(1, 10), QStringLiteral("False"));
        for (int c : {1, 9, 10})
            QVERIFY(g.isColumnHidden(c - 1));
        for (int c = 2; c <= 8; ++c)
            QVERIFY(!g.isColumnHidden(c - 1));
        QVERIFY(g.ColWidth(2) >= 1000); // a wider screen font takes room from the description
        QCOMPARE(g.ColWidth(2) + g.ColWidth(4), 6000);
        QCOMPARE(g.ColAlignment(2), Alinhamento::Centro);
        QCOMPARE(g.ColAlignment(5), Alinhamento::Centro);
        QVERIFY(g.model()->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    }

    void zeroENegativos()
    {
        m_pasta->insereMovimento(1, QStringLiteral("2004-01-01"), 0, 1000);
        m_pasta->insereMovimento(1, QStringLiteral("2004-01-02"), 0, 0);
        m_pasta->insereMovimento(1, QStringLiteral("2004-01-03"), 1000, 0);
        m_pasta->insereMovimento(1, QStringLiteral("2004-01-04"), 1, 0);
        FlexGrid &g = abre();
        QCOMPARE(coluna(g, 6), (QStringList{"", "", "10,00", "0,01"}));
        QCOMPARE(coluna(g, 7), (QStringList{"10,00", "", "", ""}));
        QCOMPARE(coluna(g, 8), (QStringList{"10,00", "10,00", "", "-0,01"}));
        QCOMPARE(g.CellForeColor(3, 8), QColor()); // a zero balance keeps the usual black
        QCOMPARE(g.CellForeColor(1, 8), QColor());
        QCOMPARE(g.CellForeColor(4, 8), Vermelho);
        QCOMPARE(m_janela->Txt_SaldoFinal->text(), QStringLiteral("-0,01 €"));
        QCOMPARE(m_janela->Txt_SaldoFinal->palette().color(QPalette::Text), Vermelho);
    }

    void hojeSemDataEMinusculas()
    {
        m_pasta->insereMovimento(1, hoje(), 0, 2000);                       // grey
        m_pasta->insereMovimento(1, hoje(), 0, 999, QStringLiteral("A"));   // annulled wins
        m_pasta->insereMovimento(1, QStringLiteral("2004-01-01"), 0, 500, QStringLiteral("a"));
        m_pasta->insereMovimento(1, QString(), 0, 100);                     // undated comes first
        FlexGrid &g = abre();
        QCOMPARE(coluna(g, 2), (QStringList{"", "01-01-2004", Relogio::hoje().toString("dd-MM-yyyy"),
                                            Relogio::hoje().toString("dd-MM-yyyy")}));
        QCOMPARE(coluna(g, 8), (QStringList{"1,00", "6,00", "26,00", "26,00"}));
        QVERIFY(linhaComFundo(g, 1, QColor()));
        QVERIFY(linhaComFundo(g, 2, QColor())); // lower-case "a" neither annuls nor colours
        QVERIFY(linhaComFundo(g, 3, Cinzento));
        QVERIFY(linhaComFundo(g, 4, VermelhoClaro));
        QCOMPARE(m_janela->Txt_SaldoFinal->palette().color(QPalette::Text), QColor(Qt::black));
    }

    void soMovimentosDaConta()
    {
        m_pasta->insereMovimento(1, QStringLiteral("2004-01-01"), 0, 100, QStringLiteral("A"));
        m_pasta->insereMovimento(-1, QStringLiteral("2004-01-02"), 0, 70000);
        m_pasta->insereMovimento(2, QStringLiteral("2004-01-03"), 0, 300);
        m_pasta->insereMovimento(2, QStringLiteral("2004-01-03"), 200, 0);
        FlexGrid &g = abre(1);
        QCOMPARE(g.Rows(), 2);
        QVERIFY(linhaComFundo(g, 1, VermelhoClaro));
        // Another account replaces every cell and colour: nothing of the first one is left.
        m_janela->Mnu_Banco_Click(2);
        QCOMPARE(g.Rows(), 3);
        QCOMPARE(coluna(g, 7), (QStringList{"3,00", ""})); // same date: creation order
        QCOMPARE(coluna(g, 8), (QStringList{"3,00", "1,00"}));
        QVERIFY(linhaComFundo(g, 1, QColor()));
        QCOMPARE(m_janela->Lbl_NomeDoBanco->text(), QStringLiteral("Outra"));
    }

    void montantesNulosContamZero()
    {
        const qint64 n = m_pasta->insereMovimento(1, QStringLiteral("2004-01-01"), 0, 4200);
        m_pasta->bd().executa(QStringLiteral("UPDATE TabBancos1Det SET Debito = NULL WHERE NumAutomatico = ?"), {n});
        FlexGrid &g = abre();
        QCOMPARE(g.TextMatrix(1, 6), QString());
        QCOMPARE(g.TextMatrix(1, 8), QStringLiteral("42,00"));
    }
};

QUORVEL_TESTE(TestGrelha)
#include "TestGrelha.moc"
