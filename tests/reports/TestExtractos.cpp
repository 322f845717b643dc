// The account extracts as the user gets them: criteria typed in the search frame, "Consultar",
// and the listing read back from its PDF.
#include "ApoioListagens.h"
#include "data/BaseDados.h"
#include "data/Dinheiro.h"
#include "data/Relogio.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Teclado.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace ApoioListagens;

class TestExtractos : public QObject, private ArranqueListagens
{
    Q_OBJECT

    // Account 1 with six movements, one without a document number.
    static void preparaConta(PastaTeste &p)
    {
        p.nomeiaConta(1, QStringLiteral("Caixa D'Ouro"));
        const auto m1 = p.insereMovimento(1, "2024-01-10", 100000, 0, "P", "Alfa", "12");
        const auto m2 = p.insereMovimento(1, "2024-01-15", 0, 200050, "C", "Bravo", "120");
        const auto m3 = p.insereMovimento(1, "2024-02-01", 35001, 0, "P", "Charlie", "12A");
        p.insereMovimento(1, "2024-02-20", 0, 99, "C", "Delta", "312");
        p.bd().executa(QStringLiteral("INSERT INTO TabBancos1Det (Data, Numero, Descricao, S, "
                                      "Debito, Credito, NumBanco) VALUES ('2024-03-05', NULL, "
                                      "'Eco', NULL, 1, 0, 1)"));
        const auto m6 = p.insereMovimento(1, "2024-03-31", 25000, 0, "P", "Loja O'Neil", "7");
        p.insereExtras(m1, 1, "Renda", "", "");
        p.insereExtras(m2, 1, "reparações", "", "");
        p.insereExtras(m3, 1, "Água", "", "");
        p.insereExtras(m6, 1, "Renda", "Loja", "paga em dinheiro");
        p.insereMovimento(2, "2024-01-10", 5, 0, "P", "OutraConta", "12");
    }

private slots:
    void init() { inicia(preparaConta); }
    void cleanup() { termina(); }

    void criterios_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("categoria");
        QTest::addColumn<QString>("situacao");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<QString>("datas"); // "" or "desde..ate" in ISO
        QTest::addColumn<QStringList>("listados");
        QTest::addColumn<QString>("seleccao");
        const QStringList todos{"Alfa", "Bravo", "Charlie", "Delta", "Eco", "Loja O'Neil"};
        QTest::newRow("sem critérios, número Null incluído")
            << "" << "" << "" << "" << "" << todos << "Selecção: TODOS";
        QTest::newRow("número 12 é prefixo") << "12" << "" << "" << "" << ""
                                             << QStringList{"Alfa", "Bravo", "Charlie"}
                                             << "Selecção:   Nº de Doc.: 12";
        QTest::newRow("? é um carácter") << "1?0" << "" << "" << "" << ""
                                         << QStringList{"Bravo"} << "Selecção:   Nº de Doc.: 1?0";
        QTest::newRow("* no início") << "" << "" << "" << "*rav" << ""
                                     << QStringList{"Bravo"} << "Selecção:   Descrição: *rav";
        QTest::newRow("apóstrofo e maiúsculas") << "" << "" << "" << "loja o'n" << ""
                                                << QStringList{"Loja O'Neil"}
                                                << "Selecção:   Descrição: loja o'n";
        QTest::newRow("categoria") << "" << "Ren" << "" << "" << ""
                                   << QStringList{"Alfa", "Loja O'Neil"}
                                   << "Selecção:   Categoria: Ren";
        QTest::newRow("situação") << "" << "" << "C" << "" << "" << QStringList{"Bravo", "Delta"}
                                  << "Selecção:   Situação: C";
        QTest::newRow("datas inclusivas") << "" << "" << "" << "" << "2024-01-15..2024-02-20"
                                          << QStringList{"Bravo", "Charlie", "Delta"}
                                          << "Selecção:     Da Data: 15-01-2024 até: 20-02-2024";
        QTest::newRow("datas trocadas: vazio") << "" << "" << "" << "" << "2024-03-01..2024-01-01"
                                               << QStringList{}
                                               << "Selecção:     Da Data: 01-03-2024 até: 01-01-2024";
    }
    void criterios()
    {
        QFETCH(QString, numero);
        QFETCH(QString, categoria);
        QFETCH(QString, situacao);
        QFETCH(QString, descricao);
        QFETCH(QString, datas);
        QFETCH(QStringList, listados);
        QFETCH(QString, seleccao);

        Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem2);
        QVERIFY(f && f->isVisible());
        escreve(f->Txt_PesquisaNumero, numero);
        f->Cmb_CategoriaConsulta->setEditText(categoria);
        escreve(f->Txt_PesquisaSituacao, situacao);
        escreve(f->Txt_PesquisaDescricao, descricao);
        escolheDatas(f, datas);
        QTest::mouseClick(f->Cmd_Consultar, Qt::LeftButton);
        QCOMPARE(m_caixas->textos(), QStringList());
        QVERIFY(f->isVisible()); // the frame stays open for the next listing

        const QString pdf = m_pdfs->texto(QStringLiteral("02_Detalhes"));
        QVERIFY2(pdf.contains(QStringLiteral("Extracto da conta: Caixa D'Ouro")), qPrintable(pdf));
        QVERIFY2(simplifica(pdf).contains(simplifica(seleccao)), qPrintable(pdf));
        for (const QString d : {"Alfa", "Bravo", "Charlie", "Delta", "Eco", "Loja O'Neil", "OutraConta"})
            QVERIFY2(pdf.contains(d) == listados.contains(d), qPrintable(d + "\n" + pdf));
        QVERIFY(pdf.contains(QStringLiteral("Página 1 de 1")));
    }

    void detalhadoMostraCategoriaEObservacoes()
    {
        m_pasta->bd().executa(QStringLiteral("UPDATE TabBancos SET dependencia = '', numconta = '', "
                                             "nib = '0033 0000 4567', gestor = ' ' WHERE NumBanco = 1"));
        Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem3);
        QCOMPARE(f->Label18->text(), QStringLiteral("Consulta de Movimentos  (extracto detalhado)"));
        escreve(f->Txt_PesquisaNumero, QStringLiteral("7"));
        QTest::mouseClick(f->Cmd_Consultar, Qt::LeftButton);
        const QString pdf = m_pdfs->texto(QStringLiteral("03_DetalhesDet"));
        QVERIFY2(pdf.contains(QStringLiteral("paga em dinheiro")), qPrintable(pdf));
        QVERIFY(temPalavra(pdf, QStringLiteral("Renda")));
        QVERIFY(pdf.contains(QStringLiteral("Sub-categoria")));
        // The footer holds only what is filled in: the NIB.
        QVERIFY2(pdf.contains(QRegularExpression(QStringLiteral("\\n\\s*NIB: 0033 0000 4567\\s*\\n"))),
                 qPrintable(pdf));
        QVERIFY(!pdf.contains(QStringLiteral("Dependencia")));
        QVERIFY(!pdf.contains(QStringLiteral("Gestor:")));
    }

    void tresPaginasComTotaisDaBaseDeDados()
    {
        // 150 more movements with awkward cents; Consultar writes the balances back first.
        for (int i = 0; i < 150; ++i)
            m_pasta->insereMovimento(1, QDate(2025, 1, 1).addDays(i).toString(Qt::ISODate),
                                     i % 3 ? 0 : 1001 + 7 * i, i % 3 ? 333 * i + 1 : 0, "P",
                                     QStringLiteral("Movimento %1").arg(i), QStringLiteral("X%1").arg(i));
        Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem2);
        QTest::mouseClick(f->Cmd_Consultar, Qt::LeftButton);
        const QString pdf = m_pdfs->texto(QStringLiteral("02_Detalhes"));

        BaseDados &bd = m_pasta->bd();
        const Registos r = bd.consulta(QStringLiteral(
            "SELECT sum(Debito) AS d, sum(Credito) AS c FROM TabBancos1Det WHERE NumBanco = 1"));
        const QString debitos = Dinheiro::deCentimos(r.inteiro("d")).formata();
        const QString creditos = Dinheiro::deCentimos(r.inteiro("c")).formata();
        QVERIFY2(pdf.contains(QRegularExpression(QStringLiteral("Totais\\s+%1\\s+%2")
                                                     .arg(QRegularExpression::escape(debitos),
                                                          QRegularExpression::escape(creditos)))),
                 qPrintable(pdf.right(2000)));
        // The stored running balance of the last movement, written back by Consultar.
        const Registos ultimo = bd.consulta(QStringLiteral(
            "SELECT Saldo FROM TabBancos1Det WHERE NumBanco = 1 ORDER BY Data DESC LIMIT 1"));
        const Dinheiro saldo = Dinheiro::deCentimos(r.inteiro("c") - r.inteiro("d"));
        QCOMPARE(ultimo.inteiro("Saldo"), saldo.centimos());
        QVERIFY(pdf.contains(QStringLiteral("Saldo final: ") + saldo.formataMoeda()));
        QVERIFY2(pdf.contains(QStringLiteral("Página 3 de 3")), qPrintable(pdf.right(500)));
        QVERIFY(!pdf.contains(QStringLiteral("Página 4")));
        // Column headers on every page.
        QCOMPARE(pdf.count(QStringLiteral("Descrição")), 3);
    }

    void anuladosForaDosTotais_data()
    {
        QTest::addColumn<bool>("detalhado");
        QTest::addColumn<QString>("situacao");
        QTest::addColumn<QString>("totais");   // Débito, Crédito
        QTest::addColumn<QString>("anulados"); // Débito, Crédito
        // Debits 1.000,00 + 350,01 + 0,01 + 250,00 and credits 2.000,50 + 0,99 before the 999,00.
        QTest::newRow("simples, anulado") << false << "A" << "1.600,02 2.001,49" << "999,00 0,00";
        QTest::newRow("detalhado, anulado") << true << "A" << "1.600,02 2.001,49"
                                            << "999,00 0,00";
        QTest::newRow("simples, 'a' não anula") << false << "a" << "2.599,02 2.001,49"
                                                << "0,00 0,00";
    }
    void anuladosForaDosTotais()
    {
        QFETCH(bool, detalhado);
        QFETCH(QString, situacao);
        QFETCH(QString, totais);
        QFETCH(QString, anulados);
        m_pasta->insereMovimento(1, "2024-03-10", 99900, 0, situacao, "Cheque devolvido", "99");
        Frm_Pesquisas *f =
            abreExtracto(detalhado ? m_janela->Mnu_Listagem3 : m_janela->Mnu_Listagem2);
        QTest::mouseClick(f->Cmd_Consultar, Qt::LeftButton);
        const QString pdf = simplifica(m_pdfs->texto(detalhado ? QStringLiteral("03_DetalhesDet")
                                                               : QStringLiteral("02_Detalhes")));
        QVERIFY2(pdf.contains(QStringLiteral("Cheque devolvido")), qPrintable(pdf));
        QVERIFY2(pdf.contains(QStringLiteral("Totais ") + totais), qPrintable(pdf.right(800)));
        QVERIFY2(pdf.contains(QStringLiteral("Anulados ") + anulados), qPrintable(pdf.right(800)));
        // Totals and the final balance now agree: credits less debits.
        const auto par = totais.split(u' ');
        const Dinheiro saldo = *Dinheiro::interpreta(par[1]) - *Dinheiro::interpreta(par[0]);
        QVERIFY2(pdf.contains(QStringLiteral("Saldo final: ") + saldo.formataMoeda()),
                 qPrintable(pdf.right(800)));
    }

    void dataImpressaEODiaDoRelogio_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::newRow("extracto") << "02_Detalhes";
        QTest::newRow("resumo das contas") << "01_Bancos";
    }
    void dataImpressaEODiaDoRelogio()
    {
        QFETCH(QString, modelo);
        const QDate hoje = Relogio::hoje();
        Relogio::congela(QDate(2031, 5, 17));
        if (modelo == QLatin1String("01_Bancos")) {
            m_janela->Mnu_Listagem1->trigger();
        } else {
            Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem2);
            QTest::mouseClick(f->Cmd_Consultar, Qt::LeftButton);
        }
        Relogio::congela(hoje);
        const QString pdf = m_pdfs->texto(modelo);
        QVERIFY2(pdf.contains(QStringLiteral("Impresso em 17-05-2031")), qPrintable(pdf.right(400)));
    }

    void modeloEmFaltaOuEstragado_data()
    {
        QTest::addColumn<QByteArray>("conteudo"); // empty: the file is removed
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("em falta") << QByteArray() << "\"02_Detalhes.rpt\" não existe";
        QTest::newRow("não é JSON") << QByteArray("{ \"fonte\": ") << "\"02_Detalhes.rpt\" não pode ser usado";
        QTest::newRow("sem colunas") << QByteArray("{\"fonte\":\"movimentos\",\"colunas\":[]}")
                                     << "não tem colunas";
        QTest::newRow("campo desconhecido")
            << QByteArray("{\"fonte\":\"movimentos\",\"colunas\":[{\"campo\":\"password\"}]}")
            << "\"password\", que não existe";
    }
    void modeloEmFaltaOuEstragado()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, mensagem);
        QFile modelo(m_pasta->caminho(QStringLiteral("02_Detalhes.rpt")));
        if (conteudo.isEmpty()) {
            QVERIFY(modelo.remove());
        } else {
            QVERIFY(modelo.open(QIODevice::WriteOnly | QIODevice::Truncate));
            modelo.write(conteudo);
            modelo.close();
        }
        Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem2);
        QTest::mouseClick(f->Cmd_Consultar, Qt::LeftButton);
        QCOMPARE(m_caixas->caixas.size(), 1);
        QVERIFY2(m_caixas->caixas[0].texto.contains(mensagem), qPrintable(m_caixas->caixas[0].texto));
        QVERIFY(m_caixas->caixas[0].texto.endsWith(QStringLiteral("A listagem não foi impressa.")));
        QVERIFY(!m_pdfs->existe(QStringLiteral("02_Detalhes")));
        QVERIFY(f->isVisible());
    }
};

QUORVEL_TESTE(TestExtractos)
#include "TestExtractos.moc"
