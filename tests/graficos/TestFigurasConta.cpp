// The figures behind the charts on small ledgers: every case is checked against the values a
// bookkeeper expects and against sums taken straight from the tables in SQL.
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Dinheiro.h"
#include "data/Regional.h"
#include "graficos/EscalaGrafico.h"
#include "graficos/FigurasConta.h"
#include "graficos/GraficoCategorias.h"
#include "graficos/GraficoSaldo.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QTest>

namespace {

struct Mov {
    const char *data; // "" for an undated movement
    qint64 debito, credito;
    const char *s;
    const char *categoria; // nullptr: no extras row at all
};
using Livro = std::vector<Mov>;

// "0,00 € a 10,00 €": the day and amount of a balance.
QString dia(const DiaSaldo &d)
{
    return Dinheiro::deCentimos(d.saldo).formata() + QLatin1Char('@')
           + Regional::formataData(d.dia);
}

QString meses(const FigurasConta &f)
{
    QStringList r;
    for (const MesFiguras &m : f.meses)
        r << QStringLiteral("%1 +%2 -%3").arg(nomeMes(m.inicio),
                                              Dinheiro::deCentimos(m.entradas).formata(),
                                              Dinheiro::deCentimos(m.saidas).formata());
    return r.join(QStringLiteral("; "));
}

QString categorias(const std::vector<CategoriaFiguras> &l)
{
    QStringList r;
    for (const CategoriaFiguras &c : l)
        r << c.nome + QLatin1Char('=') + Dinheiro::deCentimos(c.total).formata();
    return r.join(QStringLiteral("; "));
}

qint64 somaSql(BaseDados &bd, const QString &onde, const QVariantList &valores,
               const QString &expr = QStringLiteral("ifnull(Credito,0) - ifnull(Debito,0)"))
{
    const Registos r = bd.consulta(
        QStringLiteral("SELECT ifnull(sum(%1), 0) AS v FROM TabBancos1Det d WHERE NumBanco = 1 "
                       "AND substr(ifnull(S, ''), 1, 1) <> 'A' AND %2")
            .arg(expr, onde),
        valores);
    return r.inteiro(QStringLiteral("v"));
}

} // namespace

Q_DECLARE_METATYPE(Livro)

class TestFigurasConta : public QObject
{
    Q_OBJECT

    std::unique_ptr<PastaTeste> m_pasta;

    void escreve(const Livro &livro)
    {
        PastaTeste &p = *m_pasta;
        for (const Mov &m : livro) {
            const qint64 n = p.insereMovimento(1, QString::fromUtf8(m.data), m.debito, m.credito,
                                               QString::fromUtf8(m.s), QStringLiteral("mov"));
            if (m.categoria)
                p.insereExtras(n, 1, QString::fromUtf8(m.categoria), QString(), QString());
        }
        // Another account's movements never count.
        const qint64 outra = p.insereMovimento(2, QStringLiteral("2026-01-15"), 0, 999999, "V");
        p.insereExtras(outra, 2, QStringLiteral("Renda"), QString(), QString());
    }

    // Every figure against the tables read directly.
    void confereComSql(const FigurasConta &f)
    {
        BaseDados &bd = m_pasta->bd();
        const QString desde = Regional::paraIso(f.periodo.desde);
        QCOMPARE(f.saldoInicial,
                 somaSql(bd, QStringLiteral("(Data IS NULL OR Data < ?)"), {desde}));
        for (size_t i = 0; i < f.saldosDiarios.size(); ++i)
            QCOMPARE(f.saldosDiarios[i],
                     somaSql(bd, QStringLiteral("(Data IS NULL OR Data <= ?)"),
                             {Regional::paraIso(f.dia(qsizetype(i)))}));
        for (const MesFiguras &m : f.meses) {
            const QVariantList dias{Regional::paraIso(m.inicio), Regional::paraIso(m.fim)};
            QCOMPARE(m.entradas, somaSql(bd, QStringLiteral("Data BETWEEN ? AND ?"), dias,
                                         QStringLiteral("ifnull(Credito, 0)")));
            QCOMPARE(m.saidas, somaSql(bd, QStringLiteral("Data BETWEEN ? AND ?"), dias,
                                       QStringLiteral("ifnull(Debito, 0)")));
        }
        // Each category the chart shows by name holds what SQL sums for its folded name.
        for (const auto *lista : {&f.categoriasSaidas, &f.categoriasEntradas}) {
            const bool saidas = lista == &f.categoriasSaidas;
            for (const CategoriaFiguras &c : *lista) {
                if (c.tipo == CategoriaFiguras::Tipo::Outras)
                    continue;
                const QString chave = c.tipo == CategoriaFiguras::Tipo::SemCategoria
                                          ? QString()
                                          : c.nome;
                const qint64 sql = somaSql(
                    bd,
                    QStringLiteral("Data BETWEEN ? AND ? AND DOBRA(trim(ifnull((SELECT "
                                   "o.Categoria FROM TabBancosDetOutros o WHERE o.NumAutoDet = "
                                   "d.NumAutomatico AND o.NumBanco = 1), ''))) = DOBRA(trim(?))"),
                    {desde, Regional::paraIso(f.periodo.ate), chave},
                    saidas ? QStringLiteral("ifnull(Debito, 0)")
                           : QStringLiteral("ifnull(Credito, 0)"));
                QCOMPARE(c.total, sql);
            }
        }
    }

private slots:
    void init() { m_pasta = std::make_unique<PastaTeste>(); }
    void cleanup() { m_pasta.reset(); }

    void figuras_data()
    {
        QTest::addColumn<Livro>("livro");
        QTest::addColumn<QString>("periodo");
        QTest::addColumn<int>("movimentos");
        QTest::addColumn<QString>("inicial");
        QTest::addColumn<QString>("minimo");
        QTest::addColumn<QString>("maximo");
        QTest::addColumn<bool>("cruzaZero");
        QTest::addColumn<QString>("meses");
        QTest::addColumn<QString>("saidas");
        QTest::addColumn<QString>("entradas");

        QTest::newRow("mês sem movimentos fica a zero, o saldo mantém-se")
            << Livro{{"2026-01-10", 0, 100000, "V", "Vendas"},
                     {"2026-03-05", 25000, 0, "V", "Renda"}}
            << "2026-01-01..2026-03-31" << 2 << "0,00" << "0,00@01-01-2026"
            << "1.000,00@10-01-2026" << false
            << "jan 2026 +1.000,00 -0,00; fev 2026 +0,00 -0,00; mar 2026 +0,00 -250,00"
            << "Renda=250,00" << "Vendas=1.000,00";
        QTest::newRow("anulado (A, e AB como na grelha) fica de fora; a minúsculo conta")
            << Livro{{"2026-02-01", 0, 50000, "", "Vendas"},
                     {"2026-02-02", 40000, 0, "A", "Renda"},
                     {"2026-02-03", 0, 70000, "AB", "Vendas"},
                     {"2026-02-04", 1000, 0, "a", "Água"}}
            << "2026-02-01..2026-02-28" << 2 << "0,00" << "490,00@04-02-2026"
            << "500,00@01-02-2026" << false << "fev 2026 +500,00 -10,00" << "Água=10,00"
            << "Vendas=500,00";
        QTest::newRow("dia 31 no seu mês, 1 de Janeiro no período, 31 de Dezembro antes")
            << Livro{{"2025-12-31", 0, 20000, "V", "Vendas"},
                     {"2026-01-01", 5000, 0, "V", "Renda"},
                     {"2026-01-31", 0, 3000, "V", "Vendas"},
                     {"2026-02-01", 1000, 0, "V", "Renda"},
                     {"2026-12-31", 0, 100, "V", "Vendas"}}
            << "2026-01-01..2026-12-31" << 4 << "200,00" << "150,00@01-01-2026"
            << "180,00@31-01-2026" << false
            << "jan 2026 +30,00 -50,00; fev 2026 +0,00 -10,00; mar 2026 +0,00 -0,00; "
               "abr 2026 +0,00 -0,00; mai 2026 +0,00 -0,00; jun 2026 +0,00 -0,00; "
               "jul 2026 +0,00 -0,00; ago 2026 +0,00 -0,00; set 2026 +0,00 -0,00; "
               "out 2026 +0,00 -0,00; nov 2026 +0,00 -0,00; dez 2026 +1,00 -0,00"
            << "Renda=60,00" << "Vendas=31,00";
        QTest::newRow("saldo cruza o zero: mínimo e máximo com as suas datas")
            << Livro{{"", 0, 500, "V", nullptr},
                     {"2025-06-01", 0, 10000, "V", "Vendas"},
                     {"2026-03-02", 30000, 0, "V", "Fornecedores"},
                     {"2026-03-09", 0, 50000, "V", "Vendas"},
                     {"2026-03-20", 1, 0, "", nullptr}}
            << "2026-03-01..2026-03-31" << 3 << "105,00" << "-195,00@02-03-2026"
            << "305,00@09-03-2026" << true << "mar 2026 +500,00 -300,01"
            << "Fornecedores=300,00; Sem categoria=0,01" << "Vendas=500,00";
        QTest::newRow("mais de dez categorias: as dez maiores e Outras")
            << Livro{{"2026-05-01", 1200, 0, "", "C01"}, {"2026-05-01", 1100, 0, "", "C02"},
                     {"2026-05-01", 1000, 0, "", "C03"}, {"2026-05-01", 900, 0, "", "C04"},
                     {"2026-05-01", 800, 0, "", "C05"},  {"2026-05-01", 700, 0, "", "C06"},
                     {"2026-05-01", 600, 0, "", "C07"},  {"2026-05-01", 500, 0, "", "C08"},
                     {"2026-05-01", 400, 0, "", "C09"},  {"2026-05-01", 300, 0, "", "C10"},
                     {"2026-05-01", 200, 0, "", "C11"},  {"2026-05-01", 100, 0, "", "C12"},
                     {"2026-05-01", 650, 0, "", ""}}
            << "2026-05-01..2026-05-31" << 13 << "0,00" << "-84,50@01-05-2026"
            << "-84,50@01-05-2026" << false << "mai 2026 +0,00 -84,50"
            << "C01=12,00; C02=11,00; C03=10,00; C04=9,00; C05=8,00; C06=7,00; "
               "Sem categoria=6,50; C07=6,00; C08=5,00; C09=4,00; Outras=6,00"
            << "";
        QTest::newRow("categoria escrita de duas maneiras é uma só")
            << Livro{{"2026-07-01", 10000, 0, "", "Renda"},
                     {"2026-07-02", 10000, 0, "", "RENDA "},
                     {"2026-07-03", 10000, 0, "", "Renda"},
                     {"2026-07-04", 2000, 0, "", "Electricidade"},
                     {"2026-07-05", 0, 7000, "", "ÁGUA"},
                     {"2026-07-06", 0, 7000, "", "água"}}
            << "2026-07-01..2026-07-31" << 6 << "0,00" << "-320,00@04-07-2026"
            << "-100,00@01-07-2026" << false << "jul 2026 +140,00 -320,00"
            << "Renda=300,00; Electricidade=20,00" << "ÁGUA=140,00";
        QTest::newRow("período sem movimentos: saldo de antes, nada mais")
            << Livro{{"2024-01-01", 0, 12345, "V", "Vendas"}}
            << "2026-01-01..2026-01-31" << 0 << "123,45" << "123,45@01-01-2026"
            << "123,45@01-01-2026" << false << "jan 2026 +0,00 -0,00" << "" << "";
    }
    void figuras()
    {
        QFETCH(Livro, livro);
        QFETCH(QString, periodo);
        QFETCH(int, movimentos);
        QFETCH(QString, inicial);
        QFETCH(QString, minimo);
        QFETCH(QString, maximo);
        QFETCH(bool, cruzaZero);
        QFETCH(QString, meses);
        QFETCH(QString, saidas);
        QFETCH(QString, entradas);
        escreve(livro);
        const QStringList d = periodo.split(QStringLiteral(".."));
        const PeriodoGrafico p{QDate::fromString(d[0], Qt::ISODate),
                               QDate::fromString(d[1], Qt::ISODate)};
        const FigurasConta f = CalculoFiguras::calcula(m_pasta->bd(), 1, p);

        QCOMPARE(f.movimentos, movimentos);
        QVERIFY(!f.contaSemMovimentos);
        QCOMPARE(Dinheiro::deCentimos(f.saldoInicial).formata(), inicial);
        QCOMPARE(qsizetype(f.saldosDiarios.size()), p.dias());
        QCOMPARE(dia(f.minimo), minimo);
        QCOMPARE(dia(f.maximo), maximo);
        QCOMPARE(f.cruzaZero(), cruzaZero);
        QCOMPARE(::meses(f), meses);
        QCOMPARE(categorias(f.categoriasSaidas), saidas);
        QCOMPARE(categorias(f.categoriasEntradas), entradas);
        confereComSql(f);
        // The balance chart ends where the grid's running balance stands on the last day.
        QCOMPARE(f.saldoFinal(),
                 somaSql(m_pasta->bd(), QStringLiteral("(Data IS NULL OR Data <= ?)"),
                         {Regional::paraIso(p.ate)}));
    }

    void frasesEmVezDeEixosVazios_data()
    {
        QTest::addColumn<bool>("comMovimentos");
        QTest::addColumn<QString>("desde");
        QTest::addColumn<QString>("ate");
        QTest::addColumn<QString>("frase");
        QTest::newRow("conta sem movimentos") << false << "2026-01-01" << "2026-12-31"
                                              << "Esta conta ainda não tem movimentos.";
        QTest::newRow("período vazio diz o saldo")
            << true << "2026-01-01" << "2026-01-31"
            << "Não há movimentos desta conta de 01-01-2026 a 31-01-2026.\n"
               "O saldo foi sempre de 10,00 €.";
        QTest::newRow("datas trocadas") << true << "2026-02-01" << "2026-01-01"
                                        << "A data inicial é posterior à data final: escolha "
                                           "outro período.";
    }
    void frasesEmVezDeEixosVazios()
    {
        QFETCH(bool, comMovimentos);
        QFETCH(QString, desde);
        QFETCH(QString, ate);
        QFETCH(QString, frase);
        if (comMovimentos)
            m_pasta->insereMovimento(1, QStringLiteral("2025-05-05"), 0, 1000, "V");
        auto f = std::make_shared<FigurasConta>(CalculoFiguras::calcula(
            m_pasta->bd(), 1,
            {QDate::fromString(desde, Qt::ISODate), QDate::fromString(ate, Qt::ISODate)}));
        QCOMPARE(GraficoSaldo(f, QStringLiteral("Conta")).fraseVazia(), frase);
        QVERIFY(!GraficoCategorias(f, QStringLiteral("Conta"), GraficoCategorias::Lado::Saidas)
                     .fraseVazia()
                     .isEmpty());
    }

    void escalaEPercentagens_data()
    {
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<QString>("marcas");
        QTest::newRow("saldo que cruza o zero tem a marca 0")
            << qint64(-9500) << qint64(100500) << "-50000 0 50000 100000 150000";
        QTest::newRow("só negativo") << qint64(-123456) << qint64(-100000)
                                     << "-125000 -120000 -115000 -110000 -105000 -100000";
        QTest::newRow("saldo sempre igual") << qint64(5000) << qint64(5000)
                                            << "4500 5000 5500";
        QTest::newRow("cêntimos") << qint64(0) << qint64(3) << "0 1 2 3";
    }
    void escalaEPercentagens()
    {
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(QString, marcas);
        QStringList r;
        for (const qint64 v : EscalaGrafico::para(a, b).marcas())
            r << QString::number(v);
        QCOMPARE(r.join(QLatin1Char(' ')), marcas);
    }

    void percentagens()
    {
        QCOMPARE(GraficoCategorias::percentagem(1, 3), QStringLiteral("33,3 %"));
        QCOMPARE(GraficoCategorias::percentagem(2, 3), QStringLiteral("66,7 %"));
        QCOMPARE(GraficoCategorias::percentagem(1, 2000), QStringLiteral("0,1 %")); // 0,05 up
        QCOMPARE(GraficoCategorias::percentagem(-1, 3), QStringLiteral("-33,3 %"));
        QCOMPARE(GraficoCategorias::percentagem(Dinheiro::MAXIMO, Dinheiro::MAXIMO),
                 QStringLiteral("100,0 %"));
    }

    void periodosRapidos_data()
    {
        QTest::addColumn<QString>("hoje");
        QTest::addColumn<QString>("esteAno");
        QTest::addColumn<QString>("anoAnterior");
        QTest::addColumn<QString>("ultimos12");
        QTest::newRow("Dezembro") << "2026-12-08" << "01-01-2026 a 08-12-2026"
                                  << "01-01-2025 a 31-12-2025" << "01-01-2026 a 08-12-2026";
        QTest::newRow("31 de Janeiro") << "2026-01-31" << "01-01-2026 a 31-01-2026"
                                       << "01-01-2025 a 31-12-2025" << "01-02-2025 a 31-01-2026";
        QTest::newRow("29 de Fevereiro") << "2028-02-29" << "01-01-2028 a 29-02-2028"
                                         << "01-01-2027 a 31-12-2027" << "01-03-2027 a 29-02-2028";
    }
    void periodosRapidos()
    {
        QFETCH(QString, hoje);
        QFETCH(QString, esteAno);
        QFETCH(QString, anoAnterior);
        QFETCH(QString, ultimos12);
        const QDate h = QDate::fromString(hoje, Qt::ISODate);
        QCOMPARE(textoPeriodo(PeriodoGrafico::esteAno(h)), esteAno);
        QCOMPARE(textoPeriodo(PeriodoGrafico::anoAnterior(h)), anoAnterior);
        QCOMPARE(textoPeriodo(PeriodoGrafico::ultimos12Meses(h)), ultimos12);
        QCOMPARE(nomeMes(h), QStringLiteral("%1 %2").arg(hoje.mid(5, 2) == "12" ? "dez"
                                                         : hoje.mid(5, 2) == "01" ? "jan"
                                                                                  : "fev")
                                 .arg(h.year()));
    }
};

QUORVEL_TESTE(TestFigurasConta)
#include "TestFigurasConta.moc"
