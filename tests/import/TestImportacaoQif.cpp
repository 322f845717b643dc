// The import into accounts 5 and 6 on a real database, and the side database quorvel-qif
// writes: what is replaced, what stays, and that a damaged export changes nothing.
#include "data/BaseDados.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"
#include "import/BaseImportacao.h"
#include "import/ErroImportacao.h"
#include "import/ImportacaoQif.h"
#include "import/LinhasQif.h"
#include "support/RegistoTestes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every row of the tables the import touches, as text, in key order.
QStringList conteudo(BaseDados &bd)
{
    QStringList r;
    for (const char *sql :
         {"SELECT * FROM TabBancos ORDER BY NumBanco",
          "SELECT * FROM TabBancos1Det ORDER BY NumAutomatico",
          "SELECT * FROM TabBancosDetOutros ORDER BY rowid"}) {
        for (Registos t = bd.consulta(QString::fromLatin1(sql)); !t.eof(); t.seguinte()) {
            QStringList campos;
            for (const QString &c : t.nomesColunas())
                campos << (t.nulo(c) ? QStringLiteral("NULL") : t.texto(c));
            r << campos.join(u'|');
        }
    }
    return r;
}

// Accounts 3, 5 and 6 with names, passwords, observations, movements and extras, and a
// movement of account 5 deleted earlier by the user.
void preencheContas(BaseDados &bd)
{
    for (int n : {3, 5, 6}) {
        bd.executa(QStringLiteral("UPDATE TabBancos SET banco = ?, dependencia = 'Sede', "
                                  "numconta = '123', nib = '0035', gestor = 'Ana', "
                                  "ObservDiversas = 'segredo', Observmemo = 'notas', "
                                  "Saldo = 4200, ultimo = ?, ultimavezreg = 7 "
                                  "WHERE NumBanco = ?"),
                   {QStringLiteral("Conta %1").arg(n), n == 5, n});
        for (int i = 0; i < 2; ++i) {
            const qint64 k = bd.insere(
                QStringLiteral("INSERT INTO TabBancos1Det (Data, Numero, Descricao, S, Debito, "
                               "Credito, NumBanco) VALUES ('2003-05-01', '1', 'Antigo', '', "
                               "100, 0, ?)"),
                {n});
            bd.executa(QStringLiteral("INSERT INTO TabBancosDetOutros (NumAutoDet, NumBanco, "
                                      "Categoria) VALUES (?, ?, 'Velha')"),
                       {k, n});
        }
    }
    bd.executa(QStringLiteral("INSERT INTO TabBancos1Det (Descricao, NumBanco) "
                              "VALUES ('Apagado', -1)"));
}

QStringList linhasDe(BaseDados &bd, const QString &sql, int numBanco)
{
    QStringList r;
    for (Registos t = bd.consulta(sql, {numBanco}); !t.eof(); t.seguinte()) {
        QStringList campos;
        for (const QString &c : t.nomesColunas())
            campos << (t.nulo(c) ? QStringLiteral("NULL") : t.texto(c));
        r << campos.join(u'|');
    }
    return r;
}

} // namespace

class TestImportacaoQif : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<BaseDados> m_bd;

private slots:
    void init()
    {
        m_bd.reset();
        const QString caminho = m_dir.filePath(Esquema::NomeFicheiro);
        QFile::remove(caminho);
        NovaBaseDados::cria(caminho, false);
        m_bd = BaseDados::abre(caminho, Esquema::Chave);
        preencheContas(*m_bd);
    }

    void substituiContas5e6()
    {
        const QStringList linhas5 = {
            "!Type:Bank", "D1/ 2'04", "T-1,234.56", "N0123456789ABC", "PFornecedor Lda",
            "MFactura 12", "LFornecedores", "^", "D12/31/99", "T250.00", "PDepósito", "L",
            "^", "D6/15'05", "T0.00", "PSem valor", "LUma categoria muito comprida com mais de "
            "trinta", "^"};
        const QStringList linhas6 = {"D2/29'08", "T-0.45", "PComissão", "LComissões", "^"};
        const ImportacaoQif::Resumo r = ImportacaoQif::importa(*m_bd, linhas5, linhas6);
        QCOMPARE(r.movimentos5, 3);
        QCOMPARE(r.movimentos6, 1);
        QVERIFY(!r.so5);

        // Renamed and blanked; Saldo, ultimo and ultimavezreg untouched; account 3 whole.
        const QString sql = QStringLiteral("SELECT banco, dependencia, numconta, nib, gestor, "
                                           "ObservDiversas, Observmemo, Saldo, ultimo, "
                                           "ultimavezreg FROM TabBancos WHERE NumBanco = ?");
        QCOMPARE(linhasDe(*m_bd, sql, 5),
                 QStringList{"Banco Importado do MsMoney|||||||4200|1|7"});
        QCOMPARE(linhasDe(*m_bd, sql, 6),
                 QStringList{"Banco Importado do MsMoney|||||||4200|0|7"});
        QCOMPARE(linhasDe(*m_bd, sql, 3),
                 QStringList{"Conta 3|Sede|123|0035|Ana|segredo|notas|4200|0|7"});

        // Numero cut to its column, situation "V", the amount's other column Null (both for
        // 0), one extras row per movement even when empty, the category cut to 30.
        const QString movimentos = QStringLiteral(
            "SELECT m.Data, m.Numero, m.Descricao, m.S, m.Debito, m.Credito, m.Saldo, "
            "e.Categoria, e.Categoria1, e.Observacoes FROM TabBancos1Det m "
            "LEFT JOIN TabBancosDetOutros e ON e.NumAutoDet = m.NumAutomatico "
            "AND e.NumBanco = m.NumBanco WHERE m.NumBanco = ? ORDER BY m.NumAutomatico");
        QCOMPARE(linhasDe(*m_bd, movimentos, 5),
                 (QStringList{
                     "2004-01-02|0123456789|Fornecedor Lda|V|123456|NULL|0|Fornecedores||"
                     "Factura 12",
                     "1999-12-31||Depósito|V|NULL|25000|0|||",
                     "2005-06-15||Sem valor|V|NULL|NULL|0|Uma categoria muito comprida c||"}));
        QCOMPARE(linhasDe(*m_bd, movimentos, 6),
                 QStringList{"2008-02-29||Comissão|V|45|NULL|0|Comissões||"});
        // The old extras are gone with their movements; the user's deleted movement stays.
        QCOMPARE(linhasDe(*m_bd,
                          QStringLiteral("SELECT count(*) FROM TabBancosDetOutros WHERE "
                                         "Categoria = 'Velha' AND NumBanco = ?"),
                          5),
                 QStringList{"0"});
        QCOMPARE(linhasDe(*m_bd,
                          QStringLiteral("SELECT count(*) FROM TabBancos1Det WHERE "
                                         "NumBanco = ?"),
                          -1),
                 QStringList{"1"});
        QCOMPARE(linhasDe(*m_bd,
                          QStringLiteral("SELECT count(*) FROM TabBancosDetOutros WHERE "
                                         "NumBanco = ?"),
                          3),
                 QStringList{"2"});
    }

    // A damaged export: the message names the table and the line, and nothing is changed,
    // wherever the bad line is.
    void exportacaoDanificada_data()
    {
        QTest::addColumn<QStringList>("linhas5");
        QTest::addColumn<QStringList>("linhas6");
        QTest::addColumn<QString>("local");
        QTest::newRow("data no banco5")
            << QStringList{"D1/1'05", "T1", "LA", "^", "D2005-01-02", "T2", "LB"}
            << QStringList{"D1/1'05", "LA"} << "linha 5 da tabela banco5";
        QTest::newRow("montante no banco6")
            << QStringList{"D1/1'05", "T1", "LA"}
            << QStringList{"D1/1'05", "T1", "LA", "^", "D1/2'05", "T1,5", "LB"}
            << "linha 6 da tabela banco6";
    }

    void exportacaoDanificada()
    {
        QFETCH(QStringList, linhas5);
        QFETCH(QStringList, linhas6);
        QFETCH(QString, local);
        const QStringList antes = conteudo(*m_bd);
        try {
            ImportacaoQif::importa(*m_bd, linhas5, linhas6);
            QFAIL("the damaged export was imported");
        } catch (const ErroImportacao &e) {
            QVERIFY2(e.mensagem().contains(local), qPrintable(e.mensagem()));
        }
        QCOMPARE(conteudo(*m_bd), antes);
        QVERIFY(!m_bd->emTransaccao());
    }

    // An export without movements for one account. banco5 empty: nothing to import, refused
    // with nothing changed. banco6 empty: account 5 alone is replaced, and account 6 keeps its
    // name, password, movements and extras (emptying it would lose a ledger for nothing).
    void exportacaoIncompleta_data()
    {
        QTest::addColumn<QStringList>("linhas5");
        QTest::addColumn<QStringList>("linhas6");
        QTest::addColumn<bool>("recusada");
        const QStringList um = {"D1/1'05", "T1", "LA"};
        QTest::newRow("banco5 vazio") << QStringList{} << um << true;
        QTest::newRow("ambas vazias") << QStringList{} << QStringList{} << true;
        QTest::newRow("banco6 vazio") << um << QStringList{} << false;
    }

    void exportacaoIncompleta()
    {
        QFETCH(QStringList, linhas5);
        QFETCH(QStringList, linhas6);
        QFETCH(bool, recusada);
        const QStringList antes = conteudo(*m_bd);
        const auto conta = [&](int n) {
            return linhasDe(*m_bd, QStringLiteral("SELECT * FROM TabBancos WHERE NumBanco = ?"),
                            n)
                   + linhasDe(*m_bd,
                              QStringLiteral("SELECT * FROM TabBancos1Det WHERE NumBanco = ?"),
                              n)
                   + linhasDe(*m_bd,
                              QStringLiteral("SELECT * FROM TabBancosDetOutros "
                                             "WHERE NumBanco = ?"),
                              n);
        };
        const QStringList conta6 = conta(6);
        if (recusada) {
            try {
                ImportacaoQif::importa(*m_bd, linhas5, linhas6);
                QFAIL("an empty banco5 was imported");
            } catch (const ErroImportacao &e) {
                QVERIFY2(e.mensagem().contains(QStringLiteral("banco5")),
                         qPrintable(e.mensagem()));
                QVERIFY(e.mensagem().contains(QStringLiteral("Nada foi alterado.")));
            }
            QCOMPARE(conteudo(*m_bd), antes);
            QVERIFY(!m_bd->emTransaccao());
            return;
        }
        const auto r = ImportacaoQif::importa(*m_bd, linhas5, linhas6);
        QVERIFY(r.so5);
        QCOMPARE(r.movimentos5, 1);
        QCOMPARE(conta(6), conta6);
        QCOMPARE(linhasDe(*m_bd,
                          QStringLiteral("SELECT Descricao, Credito FROM TabBancos1Det "
                                         "WHERE NumBanco = ?"),
                          5),
                 QStringList{"|100"});
        QCOMPARE(linhasDe(*m_bd, QStringLiteral("SELECT banco, ObservDiversas FROM TabBancos "
                                                "WHERE NumBanco = ?"),
                          5),
                 QStringList{"Banco Importado do MsMoney|"});
    }

    void linhasDosFicheiros_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("linhas");
        QTest::newRow("CR LF") << QByteArray("!Type:Bank\r\nD1/ 2'04\r\n^\r\n")
                               << QStringList{"!Type:Bank", "D1/ 2'04", "^"};
        QTest::newRow("LF sem fim na ultima") << QByteArray("PA\nPB")
                                              << QStringList{"PA", "PB"};
        QTest::newRow("linhas vazias e brancos mantidos")
            << QByteArray("PA \r\n\r\n\n M\n") << QStringList{"PA ", "", "", " M"};
        QTest::newRow("UTF-8 com BOM") << QByteArray("\xEF\xBB\xBFPCaf\xC3\xA9 \xE2\x82\xAC\r\n")
                                       << QStringList{"PCafé €"};
        QTest::newRow("Windows-1252")
            << QByteArray("PCaf\xE9 \x80 \x93x\x94 \xC7\r\nMa\xE7\xE3o\r\n")
            << QStringList{"PCafé € “x” Ç", "Mação"};
        QTest::newRow("CR no meio fica") << QByteArray("PA\rB\n") << QStringList{"PA\rB"};
        QTest::newRow("vazio") << QByteArray() << QStringList{};
    }

    void linhasDosFicheiros()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, linhas);
        QCOMPARE(LinhasQif::linhasDe(bytes), linhas);
    }

    // What quorvel-qif writes is what the import reads, line for line; a second load replaces
    // the first.
    void baseImportacao()
    {
        const QString pasta = m_dir.path();
        const QString caminho = m_dir.filePath(BaseImportacao::NomeFicheiro);
        QVERIFY_THROWS_EXCEPTION(ErroImportacao,
                                 BaseImportacao::AbreLigacaoImportacao(pasta + "/nada"));
        BaseImportacao::cria(caminho, {"D1/1'05", "", "PÁgua"}, {});
        BaseImportacao::cria(caminho, {"D1/2'05", "", "PÉvora", "LX"}, {"^"});
        auto lateral = BaseImportacao::AbreLigacaoImportacao(pasta);
        QCOMPARE(BaseImportacao::le(*lateral, 5), (QStringList{"D1/2'05", "", "PÉvora", "LX"}));
        QCOMPARE(BaseImportacao::le(*lateral, 6), QStringList{"^"});
        QVERIFY(!QFile::exists(caminho + ".novo"));
        // A plain SQLite file, readable without a key.
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(16).startsWith("SQLite format 3"));
        lateral->executaScript(QStringLiteral("DROP TABLE banco6"));
        try {
            BaseImportacao::le(*lateral, 6);
            QFAIL("a missing table was read");
        } catch (const ErroImportacao &e) {
            QVERIFY(e.mensagem().contains(QStringLiteral("não tem a tabela banco6")));
        }
    }

    // The tool itself: its arguments, a replaced file, and a failed load that leaves the
    // previous file as it was.
    void ferramenta()
    {
        const QString tool =
            QDir(QCoreApplication::applicationDirPath()).filePath("../tools/quorvel-qif");
        if (!QFile::exists(tool))
            QSKIP("quorvel-qif not built");
        const QDir pasta(m_dir.path());
        const auto escreve = [&](const QString &nome, const QByteArray &bytes) {
            QFile f(pasta.filePath(nome));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        escreve("a.qif", "!Type:Bank\r\nD1/ 2'04\r\nPCaf\xE9\r\nL\r\n^\r\n");
        escreve("b.qif", "D6/15/1998\nT-0.45\nL\n");
        const auto corre = [&](const QStringList &args) {
            QProcess p;
            p.start(tool, args);
            p.waitForFinished(30000);
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        QCOMPARE(corre({pasta.path(), pasta.filePath("b.qif"), pasta.filePath("a.qif")}), 0);
        QCOMPARE(corre({pasta.path(), pasta.filePath("a.qif")}), 0);
        auto lateral = BaseImportacao::AbreLigacaoImportacao(pasta.path());
        const QStringList esperadas{"!Type:Bank", "D1/ 2'04", "PCafé", "L", "^"};
        QCOMPARE(BaseImportacao::le(*lateral, 5), esperadas);
        QCOMPARE(BaseImportacao::le(*lateral, 6), QStringList{});
        lateral.reset();
        QCOMPARE(corre({pasta.path(), pasta.filePath("a.qif"), pasta.filePath("falta.qif")}), 1);
        QCOMPARE(corre({pasta.path()}), 2);
        QCOMPARE(corre({pasta.filePath("nao-existe"), pasta.filePath("a.qif")}), 2);
        lateral = BaseImportacao::AbreLigacaoImportacao(pasta.path());
        QCOMPARE(BaseImportacao::le(*lateral, 5), esperadas);
    }
};

QUORVEL_TESTE(TestImportacaoQif)
#include "TestImportacaoQif.moc"
