// The database file: its key, bound parameters, Unicode case folding, transactions, and the
// file that quorvel-initdb creates.
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"
#include "data/TabelaCategorias.h"
#include "data/TabelaContas.h"
#include "support/RegistoTestes.h"
#include "data/Relogio.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestBaseDados : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString novo(const QString &nome, bool demo = false)
    {
        const QString caminho = m_dir.filePath(nome);
        NovaBaseDados::cria(caminho, demo);
        return caminho;
    }

private slots:
    void chaveObrigatoria()
    {
        const QString caminho = novo(QStringLiteral("chave.mdb"));
        QVERIFY_THROWS_EXCEPTION(ErroBaseDados, BaseDados::abre(caminho, QByteArray()));
        QVERIFY_THROWS_EXCEPTION(ErroBaseDados, BaseDados::abre(caminho, "errada"));
        auto bd = BaseDados::abre(caminho, Esquema::Chave);
        QCOMPARE(Esquema::versao(*bd), Esquema::Versao);
        // The header of an encrypted file is not SQLite's plain one.
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(!f.read(16).startsWith("SQLite format 3"));
    }

    void legivelPeloSqlcipher()
    {
        const QString cli = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
        if (cli.isEmpty())
            QSKIP("sqlcipher command not installed");
        const QString caminho = novo(QStringLiteral("cli.mdb"), true);
        QProcess p;
        p.start(cli, {caminho});
        p.write("PRAGMA key='rk58';\nSELECT banco FROM TabBancos WHERE NumBanco = 2;\n"
                "SELECT count(*) FROM TabBancos;\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(20000));
        const QString saida = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(saida.contains(QStringLiteral("Millennium - Empresa")), qPrintable(saida));
        QVERIFY(saida.contains(QStringLiteral("\n9\n")) || saida.endsWith(QStringLiteral("9\n")));
    }

    void conteudoInicial()
    {
        auto bd = BaseDados::abre(novo(QStringLiteral("inicial.mdb")), Esquema::Chave);
        const auto contas = TabelaContas::todas(*bd);
        QCOMPARE(int(contas.size()), 9);
        for (int n = 1; n <= 9; ++n) {
            QCOMPARE(contas[size_t(n - 1)].numBanco, n);
            QVERIFY(contas[size_t(n - 1)].banco.isEmpty());
        }
        Registos empresa = bd->consulta(QStringLiteral("SELECT * FROM Tabempresa"));
        QCOMPARE(empresa.contagem(), 1);
        QCOMPARE(empresa.inteiro(QStringLiteral("numempresa")), 1);
        QCOMPARE(empresa.texto(QStringLiteral("campo2")), QString());
        QVERIFY(empresa.nulo(QStringLiteral("ultimobackup")));
        QCOMPARE(bd->consulta(QStringLiteral("SELECT * FROM TabSites")).contagem(), 7);
        const auto categorias = TabelaCategorias::comNome(*bd);
        QVERIFY(categorias.size() >= 10);
        QVERIFY(std::any_of(categorias.begin(), categorias.end(),
                            [](const Categoria &c) { return !c.valor.zero(); }));
        // Portuguese order: "Água" comes first, not after "Z".
        QCOMPARE(categorias.front().descricao, QStringLiteral("Água"));
    }

    void naoReescreve()
    {
        const QString caminho = novo(QStringLiteral("existe.mdb"));
        const QByteArray antes = [&] { QFile f(caminho); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        QVERIFY_THROWS_EXCEPTION(ErroBaseDados, NovaBaseDados::cria(caminho, true));
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), antes);
    }

    void demonstracao()
    {
        auto bd = BaseDados::abre(novo(QStringLiteral("demo.mdb"), true), Esquema::Chave);
        for (int n = 1; n <= 3; ++n) {
            Registos r = bd->consulta(
                QStringLiteral("SELECT count(*) AS n, sum(S = 'A') AS anulados, "
                               "sum(Data IS NULL) AS semData, max(Data) AS ultima "
                               "FROM TabBancos1Det WHERE NumBanco = ?"),
                {n});
            QVERIFY(r.inteiro(QStringLiteral("n")) >= 500);
            QVERIFY(r.inteiro(QStringLiteral("anulados")) > 0);
            QCOMPARE(r.texto(QStringLiteral("ultima")), Relogio::hoje().toString(Qt::ISODate));
        }
        QCOMPARE(TabelaContas::le(*bd, 2)->password, QStringLiteral("segredo"));
        QVERIFY(bd->consulta(QStringLiteral("SELECT 1 FROM TabBancosDetOutros WHERE "
                                            "trim(Observacoes) <> ''")).contagem() > 0);
    }

    // User text is always a bound value: quotes, "%" and "_" are ordinary characters, and
    // case is folded across Unicode.
    void textoDoUtilizador()
    {
        auto bd = BaseDados::abre(novo(QStringLiteral("texto.mdb")), Esquema::Chave);
        TabelaCategorias::insere(*bd, QStringLiteral("D'Ávila & Filhos"), Dinheiro::deCentimos(150));
        TabelaCategorias::insere(*bd, QStringLiteral("Crédito"), Dinheiro());
        TabelaCategorias::insere(*bd, QStringLiteral("50%_off"), Dinheiro());
        QCOMPARE(TabelaCategorias::procura(*bd, QStringLiteral("d'ávila & filhos"))->valor.centimos(), 150);
        QCOMPARE(TabelaCategorias::procura(*bd, QStringLiteral("CRÉDITO"))->descricao,
                 QStringLiteral("Crédito"));
        QVERIFY(!TabelaCategorias::procura(*bd, QStringLiteral("50%")));
        QVERIFY(!TabelaCategorias::procura(*bd, QStringLiteral("50x_off")));
        QVERIFY(!TabelaCategorias::procura(*bd, QStringLiteral("Cr%")));
        const qint64 longa = TabelaCategorias::insere(*bd, QString(40, QLatin1Char('x')), Dinheiro());
        Registos r = bd->consulta(QStringLiteral("SELECT Descricao FROM TabCategoria WHERE NumAutomatico = ?"), {longa});
        QCOMPARE(r.texto(QStringLiteral("descricao")).size(), 30);
    }

    void nuloLeVazio()
    {
        auto bd = BaseDados::abre(novo(QStringLiteral("nulo.mdb")), Esquema::Chave);
        bd->executa(QStringLiteral("UPDATE TabBancos SET banco = NULL WHERE NumBanco = 1"));
        Registos r = bd->consulta(QStringLiteral("SELECT * FROM TabBancos WHERE NumBanco = 1"));
        QCOMPARE(r.contagem(), 1);
        QVERIFY(r.nulo(QStringLiteral("BANCO")));
        QCOMPARE(r.texto(QStringLiteral("banco")), QString());
        QCOMPARE(r.dinheiro(QStringLiteral("saldo")).centimos(), 0);
        QVERIFY_THROWS_EXCEPTION(ErroBaseDados, r.texto(QStringLiteral("naoExiste")));
    }

    void transaccaoTudoOuNada()
    {
        auto bd = BaseDados::abre(novo(QStringLiteral("transaccao.mdb")), Esquema::Chave);
        try {
            Transaccao t(*bd);
            bd->executa(QStringLiteral("DELETE FROM TabCategoria"));
            bd->executa(QStringLiteral("INSERT INTO TabelaQueNaoExiste VALUES (1)"));
            QFAIL("the engine accepted a missing table");
        } catch (const ErroBaseDados &) {
        }
        QVERIFY(!bd->emTransaccao());
        QVERIFY(bd->consulta(QStringLiteral("SELECT * FROM TabCategoria")).contagem() > 0);
        {
            Transaccao t(*bd);
            bd->executa(QStringLiteral("DELETE FROM TabSites"));
        }
        QCOMPARE(bd->consulta(QStringLiteral("SELECT * FROM TabSites")).contagem(), 0);
    }

    void guardaEstadoConta()
    {
        auto bd = BaseDados::abre(novo(QStringLiteral("estado.mdb")), Esquema::Chave);
        bd->executa(QStringLiteral("UPDATE TabBancos SET ultimo = 1 WHERE NumBanco = 2"));
        TabelaContas::guardaEstado(*bd, 4, 37, Dinheiro::deCentimos(-12345));
        QCOMPARE(TabelaContas::ultimaAberta(*bd)->numBanco, 4);
        const auto c4 = TabelaContas::le(*bd, 4);
        QCOMPARE(c4->ultimaVezReg, 37);
        QCOMPARE(c4->saldo.centimos(), -12345);
        QVERIFY(!TabelaContas::le(*bd, 2)->ultimo);
    }
};

QUORVEL_TESTE(TestBaseDados)
#include "TestBaseDados.moc"
