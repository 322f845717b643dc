// Writing grid rows back: a long pass decides from one scan what each row needs, a short pass
// lets each statement find out. Both must leave the table exactly alike and touch exactly the
// same rows, whatever differs.
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"
#include "data/TabelaMovimentos.h"
#include "support/RegistoTestes.h"

#include <QTemporaryDir>
#include <QTest>

using TabelaMovimentos::AlteracaoMovimento;

namespace {

enum Mudanca {
    Nenhuma, SoSaldo, Numero, DescricaoAcentuada, Situacao, Debito, Credito, Data, SemData,
    Conta, SaldoGuardado, ChaveInexistente, ChaveRepetida
};

constexpr int Linhas = 100;

QStringList tabela(BaseDados &bd)
{
    QStringList linhas;
    Comando c = bd.prepara(QStringLiteral(
        "SELECT NumAutomatico, quote(Data), quote(Numero), quote(Descricao), quote(S), "
        "quote(Debito), quote(Credito), quote(Saldo), quote(NumBanco), Alterou "
        "FROM TabBancos1Det ORDER BY NumAutomatico"));
    while (c.avanca()) {
        QStringList campos;
        for (int i = 0; i < c.colunas(); ++i)
            campos << c.texto(i);
        linhas << campos.join(QLatin1Char('|'));
    }
    return linhas;
}

QList<qint64> escritas(BaseDados &bd)
{
    QList<qint64> l;
    Comando c = bd.prepara(
        QStringLiteral("SELECT DISTINCT NumAutomatico FROM Escritas ORDER BY NumAutomatico"));
    while (c.avanca())
        l << c.inteiro(0);
    return l;
}

} // namespace

class TestActualizaMovimentos : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<BaseDados> m_bd;

    // The rows as stored, as a grid that shows them unchanged would hand them back.
    std::vector<AlteracaoMovimento> comoGuardadas()
    {
        std::vector<AlteracaoMovimento> l;
        TabelaMovimentos::percorre(*m_bd, 1, [&](const Movimento &m) {
            l.push_back({m.numAutomatico, m.data.isValid() ? std::optional<QDate>(m.data)
                                                           : std::nullopt,
                         m.numero, m.descricao, m.situacao, m.debito, m.credito, m.saldo,
                         m.numBanco});
        });
        return l;
    }

    // The table and the rows written after `passagem` ran inside a transaction rolled back.
    std::pair<QStringList, QList<qint64>> corre(const std::function<void()> &passagem)
    {
        m_bd->iniciaTransaccao();
        passagem();
        auto resultado = std::make_pair(tabela(*m_bd), escritas(*m_bd));
        m_bd->anulaTransaccao();
        return resultado;
    }

private slots:
    void initTestCase()
    {
        const QString caminho = m_dir.filePath(QStringLiteral("quorvel.mdb"));
        NovaBaseDados::cria(caminho, false);
        m_bd = BaseDados::abre(caminho, Esquema::Chave);
        Transaccao t(*m_bd);
        for (int i = 0; i < Linhas; ++i)
            m_bd->executa(
                QStringLiteral("INSERT INTO TabBancos1Det (Data, Numero, Descricao, S, Debito, "
                               "Credito, Saldo, NumBanco, Alterou) VALUES (?, ?, ?, ?, ?, ?, ?, "
                               "1, ?)"),
                {i % 17 == 0 ? QVariant()
                             : QVariant(QDate(2024, 1, 1).addDays(i).toString(Qt::ISODate)),
                 i % 3 == 0 ? QStringLiteral("CH%1").arg(i) : QString(),
                 i % 2 ? QStringLiteral("Água nº %1").arg(i) : QStringLiteral("Renda %1").arg(i),
                 i % 5 == 0 ? QStringLiteral("A") : QStringLiteral("V"), i % 4 ? 0 : 1000 + i,
                 i % 4 ? 2000 + i : 0, 100 * i, i == 40 ? 1 : 0});
        // Stored oddities a pass must still treat as its statements would.
        m_bd->executa(
            QStringLiteral("UPDATE TabBancos1Det SET Numero = NULL WHERE NumAutomatico = 10"));
        m_bd->executa(
            QStringLiteral("UPDATE TabBancos1Det SET Debito = 7.5 WHERE NumAutomatico = 12"));
        m_bd->executaScript(QStringLiteral(
            "CREATE TABLE Escritas (NumAutomatico INTEGER);"
            "CREATE TRIGGER RegistaEscrita AFTER UPDATE ON TabBancos1Det BEGIN "
            "INSERT INTO Escritas VALUES (NEW.NumAutomatico); END;"));
    }

    void longaIgualACurta_data()
    {
        QTest::addColumn<int>("mudanca");
        QTest::addColumn<bool>("escreveMudada");
        QTest::newRow("nada") << int(Nenhuma) << false;
        QTest::newRow("só o saldo") << int(SoSaldo) << true;
        QTest::newRow("número") << int(Numero) << true;
        QTest::newRow("descrição acentuada") << int(DescricaoAcentuada) << true;
        QTest::newRow("situação") << int(Situacao) << true;
        QTest::newRow("débito") << int(Debito) << true;
        QTest::newRow("crédito") << int(Credito) << true;
        QTest::newRow("data") << int(Data) << true;
        QTest::newRow("sem data: a guardada fica") << int(SemData) << false;
        QTest::newRow("conta apagada") << int(Conta) << true;
        QTest::newRow("sem saldo: o guardado fica") << int(SaldoGuardado) << false;
        QTest::newRow("chave que não existe") << int(ChaveInexistente) << false;
        QTest::newRow("chave repetida") << int(ChaveRepetida) << true;
    }
    void longaIgualACurta()
    {
        QFETCH(int, mudanca);
        QFETCH(bool, escreveMudada);
        std::vector<AlteracaoMovimento> linhas = comoGuardadas();
        QCOMPARE(int(linhas.size()), Linhas);
        AlteracaoMovimento &l = linhas[37]; // an accented description, a credit
        switch (Mudanca(mudanca)) {
        case Nenhuma: break;
        case SoSaldo: l.saldo = Dinheiro::deCentimos(1); break;
        case Numero: l.numero = QStringLiteral("X1"); break;
        case DescricaoAcentuada:
            l.descricao.replace(QStringLiteral("Á"), QStringLiteral("A"));
            break;
        case Situacao: l.situacao = QStringLiteral("A"); break;
        case Debito: l.debito = Dinheiro::deCentimos(5); break;
        case Credito: l.credito = Dinheiro::deCentimos(0); break;
        case Data: l.data = QDate(2020, 2, 29); break;
        case SemData: l.data.reset(); break;
        case Conta: l.numBanco = -1; break;
        case SaldoGuardado: l.saldo.reset(); break;
        case ChaveInexistente: l.numAutomatico = 999999; break;
        case ChaveRepetida: {
            AlteracaoMovimento outra = l;
            outra.descricao = QStringLiteral("Segunda");
            linhas.push_back(outra);
            break;
        }
        }
        const qint64 mudada = l.numAutomatico;

        const auto longa = corre([&] { TabelaMovimentos::actualiza(*m_bd, linhas); });
        const auto curta = corre([&] {
            for (const AlteracaoMovimento &uma : linhas)
                TabelaMovimentos::actualiza(*m_bd, {uma});
        });
        QCOMPARE(longa.first, curta.first);
        QCOMPARE(longa.second, curta.second);
        QCOMPARE(longa.second.contains(mudada), escreveMudada);
        // Beyond the changed row, only rows whose stored values the grid's differ from.
        for (const qint64 k : {12, 41}) // an amount stored as 7.5; Alterou stored as 1
            QVERIFY(longa.second.contains(k));
        QVERIFY(longa.second.size() <= 4);
    }
};

QUORVEL_TESTE(TestActualizaMovimentos)
#include "TestActualizaMovimentos.moc"
