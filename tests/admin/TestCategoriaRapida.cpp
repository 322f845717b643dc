// The quick category dialog opened from the movement editor: the name handed in and back, the
// 30 stored characters, the default amount's keys, and that only "Ok" stores anything.
#include "admin/Frm_Categoria.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

int totalCategorias(BaseDados &bd)
{
    return int(bd.consulta(QStringLiteral("SELECT * FROM TabCategoria")).contagem());
}

// Opens the dialog over the main window with `nome` typed, runs `accao` once it is active, and
// gives back what the dialog returned: the stored name, or nothing.
std::optional<QString> abre(Frm_bancos *janela, const QString &nome,
                            std::function<void(Frm_Categoria *)> accao)
{
    aoAbrir<Frm_Categoria>([accao](Frm_Categoria *c) {
        if (!c)
            return;
        QApplication::setActiveWindow(c);
        if (!QTest::qWaitForWindowActive(c))
            qWarning("window not active");
        accao(c);
        if (c->isVisible())
            c->reject();
    });
    return Frm_Categoria::Cria(janela, Ligacao(), nome);
}

} // namespace

class TestCategoriaRapida : public QObject
{
    Q_OBJECT
private slots:
    void okGuardaTrintaCaracteresEDevolveONomeInteiro()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        const QString nome = QStringLiteral("Deslocações e estadias de clientes");
        QCOMPARE(nome.size(), 34);
        const QString nome35 = nome + QLatin1Char('X');
        QString aberto, valorTeclado, valorFormatado, titulo;
        QStringList focos;
        const auto gravado = abre(janela.get(), nome35, [&](Frm_Categoria *c) {
            titulo = c->windowTitle();
            aberto = c->Txt_Categoria->text();
            focos << QApplication::focusWidget()->objectName();
            QTest::keyClick(c->Txt_Categoria, Qt::Key_Return);
            focos << QApplication::focusWidget()->objectName();
            QTest::keyClicks(c->Txt_ValorCateg, "a7b.x5 ");
            valorTeclado = c->Txt_ValorCateg->text();
            QTest::keyClick(c->Txt_ValorCateg, Qt::Key_Return);
            focos << QApplication::focusWidget()->objectName();
            valorFormatado = c->Txt_ValorCateg->text();
            QTest::mouseClick(c->Cmd_Validar, Qt::LeftButton);
        });
        QCOMPARE(titulo, QStringLiteral("Criação de nova Categoria"));
        QCOMPARE(aberto, nome35);
        QCOMPARE(focos, (QStringList{"Txt_Categoria", "Txt_ValorCateg", "Cmd_Validar"}));
        QCOMPARE(valorTeclado, QStringLiteral("7,5"));
        QCOMPARE(valorFormatado, QStringLiteral("7,50"));
        QVERIFY(gravado);
        QCOMPARE(*gravado, nome35);
        Registos r = pasta.bd().consulta(QStringLiteral("SELECT Descricao, Valor FROM TabCategoria "
                                                        "ORDER BY NumAutomatico DESC LIMIT 1"));
        QCOMPARE(r.texto(QStringLiteral("Descricao")), nome35.left(30));
        QCOMPARE(r.inteiro(QStringLiteral("Valor")), 750);
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void cancelarOuEscapeNaoGravam()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        const int antes = totalCategorias(pasta.bd());
        const QString obras = QStringLiteral("Obras");
        QVERIFY(!abre(janela.get(), obras, [](Frm_Categoria *c) {
            QTest::keyClicks(c->Txt_Categoria, " novas");
            QTest::mouseClick(c->Cmd_Cancelar, Qt::LeftButton);
        }));
        QVERIFY(!abre(janela.get(), obras, [](Frm_Categoria *c) {
            QTest::keyClick(c->Txt_Categoria, Qt::Key_Escape);
        }));
        QVERIFY(!abre(janela.get(), obras, [](Frm_Categoria *c) { c->close(); }));
        QCOMPARE(totalCategorias(pasta.bd()), antes);
    }

    void valorQueNaoENumeroELimpo()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        QStringList vistos;
        abre(janela.get(), QString(), [&](Frm_Categoria *c) {
            c->Txt_ValorCateg->setFocus();
            c->Txt_ValorCateg->setText(QStringLiteral("12x")); // pasted, not typed
            c->Txt_Categoria->setFocus();
            vistos << c->Txt_ValorCateg->text();
            c->Txt_ValorCateg->setFocus();
            QTest::keyClicks(c->Txt_ValorCateg, "99999999999999");
            c->Txt_Categoria->setFocus();
            vistos << c->Txt_ValorCateg->text();
            QTest::mouseClick(c->Cmd_Validar, Qt::LeftButton);
        });
        QCOMPARE(vistos, (QStringList{QString(), QString()}));
        // An empty name is stored as it is; the editor's list leaves it out.
        Registos r = pasta.bd().consulta(QStringLiteral("SELECT Descricao, Valor FROM TabCategoria "
                                                        "ORDER BY NumAutomatico DESC LIMIT 1"));
        QCOMPARE(r.texto(QStringLiteral("Descricao")), QString());
        QCOMPARE(r.inteiro(QStringLiteral("Valor")), 0);
    }

    void erroAoGravarAvisaEDeixaCancelar()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        pasta.bd().executa(QStringLiteral("DROP TABLE TabCategoria"));
        bool abertoAposErro = false;
        const auto gravado = abre(janela.get(), QStringLiteral("Obras"), [&](Frm_Categoria *c) {
            QTest::mouseClick(c->Cmd_Validar, Qt::LeftButton);
            abertoAposErro = c->isVisible();
            QTest::mouseClick(c->Cmd_Cancelar, Qt::LeftButton);
        });
        QVERIFY(abertoAposErro);
        QCOMPARE(caixas.caixas.size(), 1);
        QVERIFY(caixas.caixas[0].texto.startsWith(
            QStringLiteral("Não foi possível gravar a nova categoria:\r")));
        QCOMPARE(caixas.caixas[0].icone, Icone::Critico);
        QVERIFY(!gravado);
    }
};

QUORVEL_TESTE(TestCategoriaRapida)
#include "TestCategoriaRapida.moc"
