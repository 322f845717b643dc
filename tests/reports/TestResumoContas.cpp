// The summary of all accounts: the supervisor password, the accounts and their total, and an
// engine that starts each listing from nothing.
#include "ApoioListagens.h"
#include "app/Frm_Password.h"
#include "data/BaseDados.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Teclado.h"
#include "ledger/ApoioLedger.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPushButton>

using namespace ApoioListagens;

class TestResumoContas : public QObject
{
    Q_OBJECT

    std::unique_ptr<MensagensGuionadas> m_caixas;
    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<PastaListagens> m_pdfs;

    void preparaContas()
    {
        m_pasta->nomeiaConta(1, QStringLiteral("Millennium - Empresa"));
        m_pasta->nomeiaConta(4, QStringLiteral("Caixa D'Ouro"));
        BaseDados &bd = m_pasta->bd();
        bd.executa(QStringLiteral("UPDATE TabBancos SET Saldo = 123456789, nib = '0033 1' WHERE NumBanco = 1"));
        bd.executa(QStringLiteral("UPDATE TabBancos SET Saldo = -1, dependencia = 'Sé' WHERE NumBanco = 4"));
    }

private slots:
    void init()
    {
        m_caixas = std::make_unique<MensagensGuionadas>();
        m_pasta = std::make_unique<PastaTeste>();
        m_pdfs = std::make_unique<PastaListagens>();
        preparaContas();
    }
    void cleanup()
    {
        m_pdfs.reset();
        m_pasta.reset();
        m_caixas.reset();
    }

    void password_data()
    {
        QTest::addColumn<QString>("guardada");
        QTest::addColumn<QString>("digitada"); // null: no prompt expected
        QTest::addColumn<bool>("imprime");
        QTest::newRow("sem password geral") << "" << QString() << true;
        QTest::newRow("noutra caixa") << "segredo" << "SEGREDO" << true;
        QTest::newRow("errada") << "segredo" << "segredx" << false;
        QTest::newRow("vazia quando há") << "SEGREDO" << "" << false;
        // The accent typed as a letter and a combining mark, as some keyboards and other
        // systems send it; stored composed and in capitals.
        QTest::newRow("acento decomposto") << "JOSÉ" << "Jose\u0301" << true;
        QTest::newRow("acento composto, minúsculas") << "Jose\u0301" << "josé" << true;
        QTest::newRow("sem o acento") << "JOSÉ" << "Jose" << false;
    }
    void password()
    {
        QFETCH(QString, guardada);
        QFETCH(QString, digitada);
        QFETCH(bool, imprime);
        m_pasta->definePasswordGeral(guardada);
        auto janela = m_pasta->iniciaPrograma();
        bool perguntou = false;
        if (!digitada.isNull())
            aoAbrir<Frm_Password>([&](Frm_Password *p) {
                perguntou = p != nullptr;
                escreve(p->Text1, digitada);
                QTest::mouseClick(p->Cmd_Entrar, Qt::LeftButton);
            });
        janela->Mnu_Listagem1->trigger();
        QCOMPARE(perguntou, !digitada.isNull());
        QCOMPARE(m_pdfs->existe(QStringLiteral("01_Bancos")), imprime);
        QCOMPARE(m_caixas->textos(),
                 imprime ? QStringList() : QStringList{"A password do supervisor incorrecta..."});
        if (!imprime)
            return;
        const QString pdf = m_pdfs->texto(QStringLiteral("01_Bancos"));
        QVERIFY2(pdf.contains(QStringLiteral("Resumo das contas existentes")), qPrintable(pdf));
        QVERIFY(pdf.contains(QStringLiteral("Millennium - Empresa")));
        QVERIFY(pdf.contains(QStringLiteral("Caixa D'Ouro")));
        QVERIFY(pdf.contains(QStringLiteral("1.234.567,89")));
        QVERIFY(pdf.contains(QStringLiteral("-0,01")));
        QVERIFY(pdf.contains(QRegularExpression(QStringLiteral("Total\\s+1\\.234\\.567,88"))));
        QVERIFY(!pdf.contains(QStringLiteral("Banco2"))); // slots without a name are left out
    }

    void resumoDepoisDeAlterarUmMovimento()
    {
        // The stored balance of account 1 is the last run's (1.234.567,89); its movements now
        // sum to 100,00 and the user changes one of them to 250,00 before printing.
        const qint64 m = m_pasta->insereMovimento(1, "2024-01-10", 0, 10000, "C", "Depósito", "1");
        m_pasta->insereMovimento(1, "2024-01-12", 0, 0, "A", "Anulado", "2");
        auto janela = m_pasta->iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        aoAbrir<Frm_Frame2>([](Frm_Frame2 *d) {
            d->TxtCampo[3]->selectAll();
            QTest::keyClicks(d->TxtCampo[3], QStringLiteral("250"));
            QTest::mouseClick(d->Cmd_Validar, Qt::LeftButton);
        });
        ApoioLedger::duploClique(janela->MSHFlexGrid1, 1);
        QCOMPARE(janela->Txt_SaldoFinal->text(), QStringLiteral("250,00 €"));
        QCOMPARE(m_pasta->bd().consulta(QStringLiteral("SELECT Credito FROM TabBancos1Det "
                                                       "WHERE NumAutomatico = ?"), {m})
                     .inteiro("Credito"),
                 25000);

        janela->Mnu_Listagem1->trigger();
        QCOMPARE(m_caixas->textos(), QStringList());
        const QString pdf = m_pdfs->texto(QStringLiteral("01_Bancos"));
        QVERIFY2(pdf.contains(QRegularExpression(QStringLiteral("Millennium - Empresa.*\\s250,00\\n"))),
                 qPrintable(pdf));
        QVERIFY(!pdf.contains(QStringLiteral("1.234.567,89")));
        QVERIFY2(pdf.contains(QRegularExpression(QStringLiteral("Total\\s+249,99"))), qPrintable(pdf));
        QCOMPARE(m_pasta->bd().consulta(QStringLiteral("SELECT Saldo FROM TabBancos WHERE NumBanco = 1"))
                     .inteiro("Saldo"),
                 25000);
        // An account chosen but not open keeps what it had.
        QCOMPARE(m_pasta->bd().consulta(QStringLiteral("SELECT Saldo FROM TabBancos WHERE NumBanco = 4"))
                     .inteiro("Saldo"),
                 -1);
    }

    void resumoDepoisDeExtractoNaoHerdaNada()
    {
        m_pasta->insereMovimento(1, "2024-01-10", 100, 0, "P", "Alfa", "1");
        auto janela = m_pasta->iniciaPrograma();
        janela->Mnu_Banco_Click(1);
        janela->Mnu_Listagem2->trigger();
        Frm_Pesquisas *f = frame(janela.get());
        f->Txt_PesquisaNumero->setText(QStringLiteral("1"));
        QTest::mouseClick(f->Cmd_Consultar, Qt::LeftButton);
        QVERIFY(m_pdfs->existe(QStringLiteral("02_Detalhes")));

        m_pdfs->limpa(QStringLiteral("02_Detalhes"));
        janela->Mnu_Listagem1->trigger();
        QCOMPARE(m_caixas->textos(), QStringList());
        Listagens *l = listagens(janela.get());
        QCOMPARE(l->CrystalReport1.SelectionFormula, QString());
        for (const QString &formula : l->CrystalReport1.Formulas)
            QCOMPARE(formula, QString());
        QCOMPARE(l->CrystalReport1.WindowTitle, QStringLiteral(" (01) Resumo das contas existentes "));
        const QString pdf = m_pdfs->texto(QStringLiteral("01_Bancos"));
        QVERIFY(pdf.contains(QStringLiteral("Caixa D'Ouro")));
        QVERIFY(!pdf.contains(QStringLiteral("Selecção")));
        QVERIFY(!pdf.contains(QStringLiteral("Extracto da conta")));

        // The frame is still open on the simple extract: "Consultar" prints it again.
        QVERIFY(f->isVisible());
        QTest::mouseClick(f->Cmd_Consultar, Qt::LeftButton);
        QVERIFY(m_pdfs->texto(QStringLiteral("02_Detalhes")).contains(QStringLiteral("Alfa")));
    }

    void semPastaDeListagensMostraOVisor()
    {
        m_pdfs.reset(); // QUORVEL_LISTAGENS unset: the preview window instead of a file
        auto janela = m_pasta->iniciaPrograma();
        janela->Mnu_Listagem1->trigger();
        QPrintPreviewDialog *visor = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *v = qobject_cast<QPrintPreviewDialog *>(w); v && v->isVisible())
                visor = v;
        QVERIFY(visor);
        QCOMPARE(visor->windowTitle(), QStringLiteral(" (01) Resumo das contas existentes "));
        QVERIFY(!visor->isModal()); // the main window stays usable
        auto *guardar = visor->findChild<QAction *>(QStringLiteral("GuardaPdf"));
        QVERIFY(guardar);
        QCOMPARE(guardar->text(), QStringLiteral("Guardar como PDF"));
        QPointer<QPrintPreviewDialog> aberto(visor);
        visor->close();
        QTRY_VERIFY(!aberto); // closed and gone, with whatever its closing said
        QCOMPARE(m_caixas->textos(), QStringList());
    }

    void formulaQueOMotorNaoLe_data()
    {
        QTest::addColumn<QString>("seleccao");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("aspa por dobrar") << "{TabBancos1Det.numero} like 'O'Neil*'" << ""
                                         << "A fórmula de selecção não pode ser lida";
        QTest::newRow("campo de outra tabela") << "{TabBancos.password} = 'x'" << ""
                                               << "O campo {TabBancos.password} não existe";
        QTest::newRow("data impossível") << "{TabBancos1Det.data}>= #-01/02/2006-# " << ""
                                         << "#-01/02/2006-# não é uma data válida";
        QTest::newRow("texto comparado com número") << "{TabBancos1Det.numbanco} = '1'" << ""
                                                    << "não é do tipo do campo";
        QTest::newRow("fórmula nomeada sem aspas") << "" << "Titulo = Extracto"
                                                   << "A fórmula 1 não pode ser lida";
    }
    void formulaQueOMotorNaoLe()
    {
        QFETCH(QString, seleccao);
        QFETCH(QString, formula);
        QFETCH(QString, mensagem);
        CrystalReport1 motor;
        QString aviso;
        motor.avisa = [&](const QString &m) { aviso = m; };
        motor.Password = QStringLiteral("\nrk58");
        motor.ReportFileName = m_pasta->caminho(QStringLiteral("02_Detalhes.rpt"));
        motor.DataFiles[0] = m_pasta->caminhoBase();
        motor.SelectionFormula = seleccao;
        motor.Formulas[1] = formula;
        QVERIFY(!motor.setAction(1));
        QVERIFY2(aviso.contains(mensagem), qPrintable(aviso));
        QVERIFY(!m_pdfs->existe(QStringLiteral("02_Detalhes")));
    }

    void ficheiroDeDadosNoutraPastaComPassword()
    {
        // The engine opens a data file that is not the program's own with its password.
        CrystalReport1 motor;
        QString aviso;
        motor.avisa = [&](const QString &m) { aviso = m; };
        motor.Password = QStringLiteral("\nrk58");
        motor.ReportFileName = m_pasta->caminho(QStringLiteral("01_Bancos.rpt"));
        motor.DataFiles[0] = m_pasta->caminhoBase();
        QVERIFY2(motor.setAction(1), qPrintable(aviso));
        motor.Password = QStringLiteral("\nerrada");
        QVERIFY(!motor.setAction(1));
        QVERIFY2(aviso.contains(QStringLiteral("não pode ser aberto")), qPrintable(aviso));
    }
};

QUORVEL_TESTE(TestResumoContas)
#include "TestResumoContas.moc"
