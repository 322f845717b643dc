// Texts cut to a column's width keep whole characters; the engine's errors a user can act on
// reach them in Portuguese.
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"
#include "data/TabelaContas.h"
#include "data/Texto.h"
#include "support/RegistoTestes.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class TestCortesEErros : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void cortaCaracteresInteiros_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("largura");
        QTest::addColumn<QString>("esperado");
        const QString e = QStringLiteral("e\u0301");          // é as e + combining acute
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // 😀, a surrogate pair
        const QString familia = QString::fromUtf8("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9");
        QTest::newRow("shorter") << QStringLiteral("Renda") << 30 << QStringLiteral("Renda");
        QTest::newRow("plain cut") << QStringLiteral("Reparações") << 4 << QStringLiteral("Repa");
        QTest::newRow("combining accent at the edge") << (QStringLiteral("Caf") + e + "s") << 4
                                                      << (QStringLiteral("Caf") + e);
        QTest::newRow("combining accent cut before") << (QStringLiteral("Caf") + e) << 3
                                                     << QStringLiteral("Caf");
        QTest::newRow("emoji at the edge") << (QStringLiteral("ab") + emoji + "cd") << 3
                                           << (QStringLiteral("ab") + emoji);
        QTest::newRow("emoji cut before") << (QStringLiteral("abc") + emoji) << 3
                                          << QStringLiteral("abc");
        QTest::newRow("joined emoji kept whole") << (QStringLiteral("a") + familia + "b") << 2
                                                 << (QStringLiteral("a") + familia);
        QTest::newRow("zero width") << QStringLiteral("abc") << 0 << QString();
    }
    void cortaCaracteresInteiros()
    {
        QFETCH(QString, texto);
        QFETCH(int, largura);
        QFETCH(QString, esperado);
        QCOMPARE(Texto::corta(texto, largura), esperado);
    }

    // An account name with an emoji at the column's edge is stored whole or not at all.
    void nomeDeContaComEmojiNaMargem()
    {
        const QString caminho = m_dir.filePath(QStringLiteral("cortes.mdb"));
        NovaBaseDados::cria(caminho, false);
        auto bd = BaseDados::abre(caminho, Esquema::Chave);
        Conta d;
        d.numBanco = 1;
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        d.banco = QString(TabelaContas::LarguraBanco - 1, QLatin1Char('x')) + emoji + emoji;
        QVERIFY(TabelaContas::gravaDados(*bd, d));
        const QString lido = TabelaContas::le(*bd, 1)->banco;
        QCOMPARE(lido, QString(TabelaContas::LarguraBanco - 1, QLatin1Char('x')) + emoji);
        QVERIFY(lido.isValidUtf16());
    }

    // Another program holding the file: a bounded wait, then a Portuguese message; nothing
    // half-written.
    void baseOcupadaPorOutroPrograma()
    {
        const QString caminho = m_dir.filePath(QStringLiteral("ocupada.mdb"));
        NovaBaseDados::cria(caminho, false);
        auto outro = BaseDados::abre(caminho, Esquema::Chave);
        auto nosso = BaseDados::abre(caminho, Esquema::Chave);
        outro->executaScript(QStringLiteral("BEGIN EXCLUSIVE"));
        QElapsedTimer relogio;
        relogio.start();
        try {
            nosso->executa(QStringLiteral("UPDATE TabBancos SET banco = 'X' WHERE NumBanco = 1"));
            QFAIL("the write went through a file held by another program");
        } catch (const ErroBaseDados &erro) {
            QVERIFY2(erro.mensagem().startsWith(QStringLiteral("A base de dados está ocupada")),
                     qPrintable(erro.mensagem()));
        }
        QVERIFY(relogio.elapsed() >= BaseDados::EsperaOcupadaMs - 200);
        QVERIFY(relogio.elapsed() < BaseDados::EsperaOcupadaMs + 5000);
        outro->executaScript(QStringLiteral("ROLLBACK"));
        QCOMPARE(TabelaContas::le(*nosso, 1)->banco, QString());
    }
};

QUORVEL_TESTE(TestCortesEErros)
#include "TestCortesEErros.moc"
