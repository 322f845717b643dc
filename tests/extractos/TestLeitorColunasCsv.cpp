// The column window: a file whose guess is wrong is corrected by hand, saved as a preset, and
// the next file of the same shape opens with that preset already chosen and read right.
#include "extractos/Frm_ColunasCsv.h"
#include "extractos/LeitorExtracto.h"
#include "support/RegistoTestes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

// Two amount columns the guess reads as amount and balance, while the bank meant the second as
// the amount and the first as the balance.
QByteArray ficheiro(const QString &conta, const QStringList &linhas)
{
    QString t = QStringLiteral("Conta;%1;\r\nData;Saldo após;Montante;Descrição\r\n").arg(conta);
    for (const QString &l : linhas)
        t += l + QStringLiteral("\r\n");
    return t.toUtf8();
}

template <typename T> T *controlo(QWidget &janela, const char *nome)
{
    T *c = janela.findChild<T *>(QLatin1String(nome));
    if (!c)
        qFatal("falta o controlo %s", nome);
    return c;
}

} // namespace

class TestLeitorColunasCsv : public QObject
{
    Q_OBJECT
private slots:
    void init() { QSettings().remove(QStringLiteral("ExtractosCsv")); }
    void cleanup() { QSettings().remove(QStringLiteral("ExtractosCsv")); }

    void corrigeGuardaEReconhece()
    {
        const QByteArray primeiro = ficheiro(QStringLiteral("111"),
            {u"02-01-2026;1.000,00;-12,50;Compra"_qs, u"03-01-2026;1.100,00;100,00;Venda"_qs});
        {
            Frm_ColunasCsv janela(primeiro, QStringLiteral("janeiro.csv"));
            janela.show();
            QCOMPARE(controlo<QSpinBox>(janela, "Txt_LinhasCabecalho")->value(), 2);
            QCOMPARE(controlo<QTableWidget>(janela, "Grd_Previsao")->rowCount(), 4);
            // The user says the amount is column 3 and the balance column 2.
            controlo<QComboBox>(janela, "Cmb_ColValor")->setCurrentIndex(3);
            controlo<QComboBox>(janela, "Cmb_ColSaldo")->setCurrentIndex(2);
            QCOMPARE(janela.preset().colValor, 2);
            QCOMPARE(janela.preset().colSaldo, 1);
            QVERIFY2(controlo<QLabel>(janela, "Lbl_Estado")->text().startsWith(u"2 movimentos"),
                     qPrintable(controlo<QLabel>(janela, "Lbl_Estado")->text()));
            QTest::keyClicks(controlo<QLineEdit>(janela, "Txt_NomePreset"), u"Banco Teste"_qs);
            QTest::mouseClick(controlo<QPushButton>(janela, "Cmd_GuardarPreset"), Qt::LeftButton);
            QVERIFY(controlo<QLabel>(janela, "Lbl_Estado")->text().contains(u"guardado"));
        }
        // A later export of the same bank: other account, other lines, same columns.
        const QByteArray segundo = ficheiro(QStringLiteral("111"),
            {u"01-02-2026;900,00;-7,42;Comissão"_qs, u"02-02-2026;950,00;50,00;Juros"_qs,
             u"03-02-2026;1.950,00;1.000,00;Transferência"_qs});
        Frm_ColunasCsv janela(segundo, QStringLiteral("fevereiro.csv"));
        QCOMPARE(controlo<QComboBox>(janela, "Cmb_Preset")->currentText(), u"Banco Teste"_qs);
        QCOMPARE(janela.preset().colValor, 2);
        QCOMPARE(controlo<QComboBox>(janela, "Cmb_ColValor")->currentIndex(), 3);
        // The reading without the window takes the saved preset as well.
        const auto es = leExtracto(segundo, QStringLiteral("fevereiro.csv"));
        QCOMPARE(es.front().linhas.size(), size_t(3));
        QCOMPARE(es.front().linhas.at(0).valor.centimos(), -742);
        QCOMPARE(es.front().linhas.at(2).saldoApos->centimos(), 195000);
        // A file of another shape is not given that preset.
        const QByteArray outro = QByteArrayLiteral("Data;Montante\r\n01-02-2026;1,00\r\n");
        QVERIFY(!presetGuardadoPara(outro));
    }

    void ficheiroIlegivelNaoDeixaConfirmar()
    {
        const QByteArray bytes = ficheiro(QStringLiteral("1"), {u"02-01-2026;1.000,00;-12,50;A"_qs,
                                                                u"32-01-2026;1,00;2,00;B"_qs});
        Frm_ColunasCsv janela(bytes, QStringLiteral("mau.csv"));
        controlo<QSpinBox>(janela, "Txt_LinhasRodape")->setValue(0);
        QVERIFY(!controlo<QPushButton>(janela, "Cmd_Ok")->isEnabled());
        QVERIFY2(controlo<QLabel>(janela, "Lbl_Estado")->text().contains(u"linha 4"),
                 qPrintable(controlo<QLabel>(janela, "Lbl_Estado")->text()));
    }
};

QUORVEL_TESTE(TestLeitorColunasCsv)
#include "TestLeitorColunasCsv.moc"
