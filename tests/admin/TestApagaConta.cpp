// Deleting an account from its settings frame: its movements and extras go for good, its row is
// blanked, and nothing of any other account, nor any soft-deleted movement, is touched.
#include "admin/Frm_GestaoBancos.h"
#include "app/Frm_bancos.h"
#include "data/BaseDados.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/FlexGrid.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Teclado.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString Pergunta =
    QStringLiteral("\r\nDeseja mesmo apagar a Conta/Banco e todos os seus movimentos?");
const QString Apagada = QStringLiteral("A conta e seus movimentos, foram apagados!");

qint64 conta(PastaTeste &p, const QString &sql, const QVariantList &parametros = {})
{
    return p.bd().consulta(sql, parametros).inteiro(QStringLiteral("n"));
}

qint64 movimentos(PastaTeste &p, int numBanco)
{
    return conta(p, QStringLiteral("SELECT count(*) AS n FROM TabBancos1Det WHERE NumBanco = ?"),
                 {numBanco});
}

qint64 extras(PastaTeste &p, int numBanco)
{
    return conta(p,
                 QStringLiteral("SELECT count(*) AS n FROM TabBancosDetOutros WHERE NumBanco = ?"),
                 {numBanco});
}

// Four accounts with two movements each (with extras), and for each account one movement
// the user deleted earlier (NumBanco -1, extras -1).
void preparaQuatroContas(PastaTeste &p)
{
    for (int n = 1; n <= 4; ++n) {
        p.nomeiaConta(n, QStringLiteral("Conta %1").arg(n));
        for (int i = 0; i < 2; ++i) {
            const qint64 id = p.insereMovimento(n, QStringLiteral("2024-0%1-10").arg(i + 1), 100 * n,
                                                0, {}, QStringLiteral("mov %1").arg(i));
            p.insereExtras(id, n, QStringLiteral("Renda"), {}, QStringLiteral("obs"));
        }
        const qint64 apagado = p.insereMovimento(-1, QStringLiteral("2023-12-01"), 1, 0);
        p.insereExtras(apagado, -1, {}, {}, QStringLiteral("antigo"));
    }
    p.bd().executa(QStringLiteral("UPDATE TabBancos SET gestor = 'Rui', nib = '123', "
                                  "ObservDiversas = '', Saldo = 9900, ultimo = 1, "
                                  "ultimavezreg = 7 WHERE NumBanco = 4"));
}

QPushButton *apagarTudo(Frm_bancos *j)
{
    return j->findChild<QPushButton *>(QStringLiteral("Cmd_ApagarTudo"));
}

} // namespace

class TestApagaConta : public QObject
{
    Q_OBJECT
private slots:
    void apagaSoAContaQuatro()
    {
        PastaTeste pasta;
        preparaQuatroContas(pasta);
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco[4]->trigger();
        QVERIFY(janela->MSHFlexGrid1->isVisible());
        janela->Mnu_GestBanco->trigger();
        QVERIFY(apagarTudo(janela.get())->isVisible());
        QTest::mouseClick(apagarTudo(janela.get()), Qt::LeftButton);

        QCOMPARE(caixas.textos(), (QStringList{Pergunta, Apagada}));
        QCOMPARE(caixas.caixas[0].titulo, QStringLiteral("Destruição de Movimentos"));
        QCOMPARE(caixas.caixas[0].botoes, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(caixas.caixas[1].titulo, QStringLiteral("Quorvel"));

        QCOMPARE(movimentos(pasta, 4), 0);
        QCOMPARE(extras(pasta, 4), 0);
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(movimentos(pasta, n), 2);
            QCOMPARE(extras(pasta, n), 2);
        }
        QCOMPARE(movimentos(pasta, -1), 4);
        QCOMPARE(extras(pasta, -1), 4);

        Registos r = pasta.bd().consulta(
            QStringLiteral("SELECT * FROM TabBancos WHERE NumBanco = 4"));
        for (const char *c : {"banco", "dependencia", "numconta", "nib", "gestor",
                              "ObservDiversas", "Observmemo"})
            QCOMPARE(r.texto(QString::fromLatin1(c)), QString());
        QCOMPARE(r.inteiro(QStringLiteral("Saldo")), 0);
        QCOMPARE(r.inteiro(QStringLiteral("ultimo")), 0);
        QCOMPARE(r.inteiro(QStringLiteral("ultimavezreg")), 0);

        QVERIFY(!janela->Mnu_Banco[4]->isVisible());
        QVERIFY(janela->Mnu_Banco[3]->isVisible());
        QVERIFY(!janela->Frm_GestaoBancos->isVisible());
        QVERIFY(!janela->MSHFlexGrid1->isVisible());
        QVERIFY(janela->Image1->isVisible());
        QVERIFY(!janela->Mnu_GestBanco->isVisible());

        // Closing the program afterwards writes nothing of the deleted account back.
        janela->close();
        QCOMPARE(movimentos(pasta, 4), 0);
        QCOMPARE(pasta.bd().consulta(QStringLiteral("SELECT ultimo FROM TabBancos WHERE "
                                                    "NumBanco = 4")).inteiro(QStringLiteral("ultimo")),
                 0);
    }

    void naoApagaSemConfirmacao()
    {
        PastaTeste pasta;
        preparaQuatroContas(pasta);
        MensagensGuionadas caixas;
        caixas.respostas.push_back(QMessageBox::No);
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco[4]->trigger();
        janela->Mnu_GestBanco->trigger();
        QTest::mouseClick(apagarTudo(janela.get()), Qt::LeftButton);

        QCOMPARE(caixas.textos(),
                 (QStringList{Pergunta, QStringLiteral("Os movimentos, não foram destruidos!")}));
        QCOMPARE(movimentos(pasta, 4), 2);
        QCOMPARE(extras(pasta, 4), 2);
        QCOMPARE(pasta.bd().consulta(QStringLiteral("SELECT banco FROM TabBancos WHERE "
                                                    "NumBanco = 4")).texto(QStringLiteral("banco")),
                 QStringLiteral("Conta 4"));
        QVERIFY(janela->Mnu_Banco[4]->isVisible());
        QVERIFY(janela->MSHFlexGrid1->isVisible());
    }

    void tudoOuNada()
    {
        // The blanking of the row fails: the movements already deleted in the same pass come
        // back, and the user is told.
        PastaTeste pasta;
        preparaQuatroContas(pasta);
        pasta.bd().executaScript(QStringLiteral(
            "CREATE TRIGGER falha BEFORE UPDATE OF banco ON TabBancos WHEN NEW.banco = '' "
            "BEGIN SELECT RAISE(ABORT, 'disco cheio'); END;"));
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        janela->Mnu_Banco[4]->trigger();
        janela->Mnu_GestBanco->trigger();
        QTest::mouseClick(apagarTudo(janela.get()), Qt::LeftButton);

        QCOMPARE(caixas.caixas.size(), 2);
        QVERIFY(caixas.caixas[1].texto.contains(QStringLiteral("disco cheio")));
        QCOMPARE(caixas.caixas[1].icone, Icone::Critico);
        QCOMPARE(movimentos(pasta, 4), 2);
        QCOMPARE(extras(pasta, 4), 2);
        QVERIFY(janela->Mnu_Banco[4]->isVisible());
    }

    void lugarLibertadoSemPassword()
    {
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Caixa"));
        pasta.nomeiaConta(2, QStringLiteral("BPI"), QStringLiteral("segredo"));
        pasta.nomeiaConta(3, QStringLiteral("Novo Banco"));
        pasta.insereMovimento(2, QStringLiteral("2024-01-05"), 0, 100);
        MensagensGuionadas caixas;
        auto janela = pasta.iniciaPrograma();
        // Slot 2 opened through its settings: the name label's double click after choosing it.
        janela->Txt_NumBanco->setText(QStringLiteral("2"));
        janela->MostraDadosConta();
        QCOMPARE(janela->findChild<QLineEdit *>(QStringLiteral("TxtCampo(10)"))->text(),
                 QStringLiteral("segredo"));
        QTest::mouseClick(apagarTudo(janela.get()), Qt::LeftButton);
        QCOMPARE(caixas.textos().last(), Apagada);

        janela->Mnu_NovaConta->trigger();
        QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("2"));
        QCOMPARE(janela->findChild<QLineEdit *>(QStringLiteral("TxtCampo(5)"))->text(), QString());
        QCOMPARE(janela->findChild<QLineEdit *>(QStringLiteral("TxtCampo(10)"))->text(), QString());
        escreve(janela->findChild<QLineEdit *>(QStringLiteral("TxtCampo(5)")),
                         QStringLiteral("Millennium"));
        QTest::mouseClick(janela->findChild<QPushButton *>(QStringLiteral("Cmd_Fechar1")),
                          Qt::LeftButton);
        Registos r = pasta.bd().consulta(QStringLiteral("SELECT * FROM TabBancos WHERE NumBanco = 2"));
        QCOMPARE(r.texto(QStringLiteral("banco")), QStringLiteral("Millennium"));
        QCOMPARE(r.texto(QStringLiteral("ObservDiversas")), QString());
        QCOMPARE(movimentos(pasta, 2), 0);
    }
};

QUORVEL_TESTE(TestApagaConta)
#include "TestApagaConta.moc"
