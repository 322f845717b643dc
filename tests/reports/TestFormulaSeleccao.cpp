// The texts an extract hands the report engine and the engine's reading of them: the selection
// formula and summary built from the criteria, ConverteData, and the formula reader.
#include "reports/FormulaSeleccao.h"
#include "reports/TextosListagem.h"
#include "data/TabelaContas.h"
#include "support/RegistoTestes.h"

#include <QTest>

class TestFormulaSeleccao : public QObject
{
    Q_OBJECT
private slots:
    void converteData_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("normal") << "07-12-2006" << "12-07-2006";
        QTest::newRow("sem zeros") << "1-2-2006" << "2-1-2006";
        QTest::newRow("branco largado") << "01- 02-2006" << "02-01-2006";
        QTest::newRow("sem traços") << "01/02/2006" << "-01/02/2006-";
        QTest::newRow("quarta parte largada") << "01-02-2006-99" << "02-01-2006";
        QTest::newRow("vazio") << "" << "--";
    }
    void converteData()
    {
        QFETCH(QString, texto);
        QFETCH(QString, esperado);
        QCOMPARE(TextosListagem::ConverteData(texto), esperado);
    }

    void exemploDaCategoriaLetraALetra()
    {
        CriteriosPesquisa c;
        c.numBanco = 3;
        c.categoria = QStringLiteral("Ren");
        QCOMPARE(TextosListagem::formulaSeleccao(c),
                 QStringLiteral("{TabBancos1Det.numbanco} = 3 and {TabBancos1Det.numero} like '*' "
                                "and {TabBancosDetOutros.categoria} like 'Ren*'"));
        QCOMPARE(TextosListagem::textoSeleccao(c), QStringLiteral("Selecção:   Categoria: Ren"));
    }

    void todosOsCriteriosComDatasEAspas()
    {
        CriteriosPesquisa c;
        c.numBanco = 1;
        c.numero = QStringLiteral("12");
        c.categoria = QStringLiteral("D'Ouro");
        c.situacao = QStringLiteral(" ");
        c.descricao = QStringLiteral("Loja O'Neil");
        c.comDatas = true;
        c.desde = QDate(2006, 7, 1);
        c.ate = QDate(2006, 12, 7);
        QCOMPARE(TextosListagem::formulaSeleccao(c),
                 QStringLiteral("{TabBancos1Det.numbanco} = 1 and {TabBancos1Det.numero} like '12*'"
                                " and {TabBancos1Det.descricao} like 'Loja O''Neil*'"
                                " and {TabBancos1Det.s} like ' *'"
                                " and {TabBancosDetOutros.categoria} like 'D''Ouro*'"
                                " and {TabBancos1Det.data}>= #07-01-2006#  and "
                                "{TabBancos1Det.data}<= #12-07-2006# "));
        QCOMPARE(TextosListagem::textoSeleccao(c),
                 QStringLiteral("Selecção:   Nº de Doc.: 12  Categoria: D'Ouro  Descrição: Loja "
                                "O'Neil  Situação:      Da Data: 01-07-2006 até: 07-12-2006"));
        // The engine reads back exactly what was typed.
        const auto conds = FormulaSeleccao::interpreta(TextosListagem::formulaSeleccao(c));
        QCOMPARE(int(conds.size()), 7);
        QCOMPARE(conds[2].valor.toString(), QStringLiteral("Loja O'Neil*"));
        QCOMPARE(conds[5].valor.toDate(), QDate(2006, 7, 1));
        QCOMPARE(conds[6].operador, Operador::MenorOuIgual);
    }

    void semCriteriosTodos()
    {
        CriteriosPesquisa c;
        QCOMPARE(TextosListagem::textoSeleccao(c), QStringLiteral("Selecção: TODOS"));
        c.comDatas = true;
        c.desde = c.ate = QDate(2020, 2, 29);
        QCOMPARE(TextosListagem::textoSeleccao(c),
                 QStringLiteral("Selecção:     Da Data: 29-02-2020 até: 29-02-2020"));
    }

    void cabecalhoSoComOQueEstaPreenchido()
    {
        Conta c;
        c.nib = QStringLiteral("0033 0000 1234");
        c.gestor = QStringLiteral("   ");
        QCOMPARE(TextosListagem::cabecalhoConta(c), QStringLiteral("     NIB: 0033 0000 1234"));
        c.dependencia = QStringLiteral("Sé ");
        c.numconta = QStringLiteral("45");
        QCOMPARE(TextosListagem::cabecalhoConta(c),
                 QStringLiteral("     Dependencia: Sé      Nº de Conta: 45     NIB: 0033 0000 1234"));
    }

    void formulaNomeadaComAspasDobradas()
    {
        const QString f = TextosListagem::formulaTexto(QStringLiteral("Titulo"),
                                                       QStringLiteral("Extracto da conta: O'Brien's"));
        QCOMPARE(f, QStringLiteral("Titulo = 'Extracto da conta: O''Brien''s'"));
        const auto lida = FormulaSeleccao::interpretaNomeada(f);
        QCOMPARE(lida.nome, QStringLiteral("Titulo"));
        QCOMPARE(lida.texto, QStringLiteral("Extracto da conta: O'Brien's"));
    }

    void formulasInvalidasDizemPorque_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("aspa por fechar") << "{a.b} like 'abc" << "Falta fechar um texto entre aspas";
        QTest::newRow("apóstrofo por dobrar") << "{a.b} like 'O'Neil*'" << "Esperava-se \"and\"";
        QTest::newRow("data de ConverteData sem traços") << "{a.data}>= #-01/02/2006-#"
                                                         << "não é uma data válida";
        QTest::newRow("dia 31 de Fevereiro") << "{a.data} <= #02-31-2006#" << "não é uma data válida";
        QTest::newRow("campo sem tabela") << "{numero} = 1" << "Esperava-se um campo";
        QTest::newRow("operador desconhecido") << "{a.b} <> 1" << "Esperava-se =, >=, <= ou like";
        QTest::newRow("like com número") << "{a.b} like 12" << "like compara apenas com um texto";
        QTest::newRow("and a mais") << "{a.b} = 1 and" << "Esperava-se um campo";
        QTest::newRow("palavra colada") << "{a.b} = 1 andx {a.c} = 2" << "Esperava-se \"and\"";
        QTest::newRow("número enorme") << "{a.b} = 99999999999999999999999" << "Número inválido";
        QTest::newRow("data por fechar") << "{a.b} = #01-01-2000" << "Falta fechar uma data";
    }
    void formulasInvalidasDizemPorque()
    {
        QFETCH(QString, formula);
        QFETCH(QString, mensagem);
        try {
            FormulaSeleccao::interpreta(formula);
            QFAIL("the formula was accepted");
        } catch (const ErroFormula &e) {
            QVERIFY2(e.mensagem().contains(mensagem), qPrintable(e.mensagem()));
        }
    }

    void formulasValidas()
    {
        QVERIFY(FormulaSeleccao::interpreta(QStringLiteral("   ")).empty());
        const auto c = FormulaSeleccao::interpreta(
            QStringLiteral("{T.x}=-2 AND {T.y} LIKE \"a\"\"b?\" and {T.z}>=1.25 and {T.d}<=#2/29/2008#"));
        QCOMPARE(int(c.size()), 4);
        QCOMPARE(c[0].valor.toLongLong(), -2);
        QCOMPARE(c[1].valor.toString(), QStringLiteral("a\"b?"));
        QCOMPARE(c[2].valor.toDouble(), 1.25);
        QCOMPARE(c[3].valor.toDate(), QDate(2008, 2, 29));
        QCOMPARE(FormulaSeleccao::padraoGlob(QStringLiteral("[Á]*?")), QStringLiteral("[[]á]*?"));
    }
};

QUORVEL_TESTE(TestFormulaSeleccao)
#include "TestFormulaSeleccao.moc"
