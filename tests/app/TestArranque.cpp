// Loading the main window: the start checks, the caption and menus, the start state, and what
// the user is told when the installation is incomplete or the database damaged.
#include "admin/Administracao.h"
#include "app/Frm_Password.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "ledger/Frame2.h"
#include "platform/EtiquetaClicavel.h"
#include "platform/FlexGrid.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Subsistemas.h"

#include <QAction>
#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray impressao(const QString &caminho)
{
    QFile f(caminho);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QStringList itens(QMenu *menu)
{
    QStringList t;
    for (QAction *a : menu->actions())
        t << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char('=') + a->text());
    return t;
}

} // namespace

class TestArranque : public QObject
{
    Q_OBJECT
private slots:
    void legendaMenusEEstadoInicial()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(janela);
        QCOMPARE(janela->windowTitle(), QStringLiteral("Quorvel  versão 1.6 "));
        QCOMPARE(caixas.caixas.size(), 0);

        QStringList topo;
        for (QAction *a : janela->menuBar()->actions())
            topo << a->text();
        QCOMPARE(topo, (QStringList{"Contas", "Movimentos", "Pesquisas/Listagens", "Opções", "Sair"}));
        QCOMPARE(itens(janela->Mnu_Bancos).size(), 13);
        QCOMPARE(itens(janela->Mnu_Movimentos),
                 (QStringList{"Mnu_MovDebito=Criar Movimento a &Débito",
                              "Mnu_MovCredito=Criar Movimento a Crédito"}));
        QCOMPARE(itens(janela->Mnu_Pesquisas),
                 (QStringList{"Mnu_Listagem1=Bancos / saldos", "Mnu_Listagem2=Extracto simples",
                              "Mnu_Listagem3=Extracto detalhado", "-",
                              "Mnu_Graficos=Gráficos..."}));
        QCOMPARE(itens(janela->Mnu_Opcoes),
                 (QStringList{"Mnu_Actualizacao=Actualização de nova versão na Internet",
                              "Mnu_EnviarEmail=Enviar Email (sugestões, etc.)",
                              "Mnu_DicasEntrada=Mostra Dicas na Entrada do programa",
                              "Mnu_FAQ=FAQ - Perguntas Frequentes ????",
                              "Mnu_UltimasAltercoes=Ultimas Alterações", "Mnu_Manual=Manual", "-",
                              "Mnu_Backups=Backups (Cópias de Segurança)",
                              "Mnu_ReporBackup=Repor cópia de segurança...",
                              "Mnu_ImportarExtracto=Importar extracto bancário...",
                              "Mnu_AnularImportacao=Anular última importação",
                              "Mnu_ConfigurarCorreio=Configurar correio...",
                              "Mnu_Categorias=Tabela de Categorias",
                              "Mnu_PassGeral=Password Geral",
                              "Mnu_MestreEnviaEmails=Olá Mestre - vamos enviar emails de actualização?"}));

        // Start state: the picture, no ledger, the account menus that need an open account hidden.
        QVERIFY(janela->Image1->isVisible());
        QVERIFY(!janela->MSHFlexGrid1->isVisible());
        QVERIFY(!janela->Txt_SaldoFinal->isVisible());
        QVERIFY(!janela->Lbl_NomeDoBanco->isVisible());
        QVERIFY(!janela->Frame2->isVisible());
        QVERIFY(!janela->Mnu_Movimentos->menuAction()->isVisible());
        QVERIFY(!janela->Mnu_GestBanco->isVisible());
        // Outside the developer's folder the value-passing boxes and the master's item are hidden.
        QVERIFY(janela->Txt_NumBanco->isHidden());
        QVERIFY(janela->Frame2->Txt_NumAuto->isHidden());
        QVERIFY(janela->Frame2->Txt_BotaoFrame2->isHidden());
        QVERIFY(!janela->Mnu_MestreEnviaEmails->isVisible());
        // The previous run's account is chosen, not opened: account 1 when none is remembered.
        QCOMPARE(janela->Txt_NumBanco->text(), QStringLiteral("1"));
        QCOMPARE(janela->Lbl_NomeDoBanco->text(), QStringLiteral("Banco 1"));
        QVERIFY(!janela->Image1->pixmap().isNull());
        QVERIFY(!janela->Frame2->Cmd_Validar->icon().isNull());
    }

    void semTexto01Gif()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        const QByteArray antes = impressao(pasta.caminhoBase());
        QVERIFY(QFile::remove(pasta.caminho(QStringLiteral("Texto01.gif"))));
        Frm_bancos janela;
        QVERIFY(janela.Form_Load() != 0);
        QCOMPARE(caixas.caixas.size(), 1);
        QCOMPARE(caixas.caixas[0].texto,
                 QStringLiteral("Nota: O programa tem um ficheiro de configuração em falta... "
                                "consulte o apoio técnico!"));
        QCOMPARE(caixas.caixas[0].titulo, QStringLiteral("AVISO"));
        QCOMPARE(caixas.caixas[0].icone, Icone::Informacao);
        QVERIFY(!LigacaoAberta()); // stopped before the database was touched
        QCOMPARE(impressao(pasta.caminhoBase()), antes);
    }

    void nomeEmMinusculasServe()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        QVERIFY(QFile::rename(pasta.caminho(QStringLiteral("Texto01.gif")),
                              pasta.caminho(QStringLiteral("texto01.gif"))));
        QVERIFY(QFile::rename(pasta.caminhoBase(), pasta.caminho(QStringLiteral("QUORVEL.MDB"))));
        Frm_bancos janela;
        QCOMPARE(janela.Form_Load(), 0);
        QVERIFY(LigacaoAberta());
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void semBaseDados()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta(false);
        Frm_bancos janela;
        QVERIFY(janela.Form_Load() != 0);
        QCOMPARE(caixas.textos(),
                 QStringList{QStringLiteral("o ficheiro de Bancos não existe... consulte o suporte técnico")});
        QCOMPARE(caixas.caixas[0].titulo, QStringLiteral("Quorvel"));
        QVERIFY(!LigacaoAberta());
    }

    void semIconeArrancaNormalmente()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        QVERIFY(QFile::remove(pasta.caminho(QStringLiteral("ok.ico"))));
        QVERIFY(QFile::remove(pasta.caminho(QStringLiteral("quorvel.bmp"))));
        auto janela = pasta.iniciaPrograma();
        QVERIFY(janela);
        QCOMPARE(caixas.caixas.size(), 0);
        QVERIFY(janela->Frame2->Cmd_Validar->icon().isNull());
        QVERIFY(!janela->Frame2->Cmd_FechaFrame2->icon().isNull());
        QVERIFY(janela->Image1->pixmap().isNull());
    }

    void baseDanificada_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::newRow("lixo") << QByteArray(8192, 'x');
        QTest::newRow("vazio") << QByteArray();
        QTest::newRow("sqlite sem chave") << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0');
    }
    void baseDanificada()
    {
        QFETCH(QByteArray, conteudo);
        MensagensGuionadas caixas;
        PastaTeste pasta(false);
        {
            QFile f(pasta.caminhoBase());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(conteudo);
        }
        const QByteArray antes = impressao(pasta.caminhoBase());
        Frm_bancos janela;
        QVERIFY(janela.Form_Load() != 0);
        QCOMPARE(caixas.caixas.size(), 1);
        QVERIFY(caixas.caixas[0].texto.startsWith(
            QStringLiteral("Não foi possível abrir o ficheiro de Bancos (quorvel.mdb).")));
        QCOMPARE(impressao(pasta.caminhoBase()), antes);
    }

    void dialogosDoQtEmPortugues()
    {
        QMessageBox caixa;
        caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(caixa.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sim"));
        QCOMPARE(caixa.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Não"));
        QCOMPARE(caixa.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Cancelar"));
    }

    void passwordGeralLidaNoArranque()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.definePasswordGeral(QStringLiteral("MESTRE"));
        auto janela = pasta.iniciaPrograma();
        QCOMPARE(subsistemaDe<Administracao>(janela.get())->PasswordGeral(),
                 QStringLiteral("MESTRE"));
    }
};

QUORVEL_TESTE(TestArranque)
#include "TestArranque.moc"
