// Dependencies point down: the main window (app/) knows the subsystems, the subsystems know the
// interface below them (subsistemas/), and none of them reaches up or sideways for another's
// state. Each row is one rule over the sources; a line that breaks it is listed.
#include "support/RegistoTestes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString Fontes = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../src");

QStringList pastas()
{
    return QDir(Fontes).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

QStringList menos(QStringList lista, const QStringList &fora)
{
    for (const QString &f : fora)
        lista.removeAll(f);
    return lista;
}

// "file:line: text" of each code line of `pastas` that matches `regra` and no `excepcao`.
QStringList infraccoes(const QStringList &pastas, const QRegularExpression &regra,
                       const QRegularExpression &excepcao)
{
    QStringList achadas;
    for (const QString &pasta : pastas) {
        QDirIterator it(Fontes + QLatin1Char('/') + pasta, {QStringLiteral("*.cpp"),
                                                            QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            int n = 0;
            while (!f.atEnd()) {
                const QString linha = QString::fromUtf8(f.readLine()).trimmed();
                ++n;
                if (linha.startsWith(QLatin1String("//")) || !regra.match(linha).hasMatch())
                    continue;
                if (!excepcao.pattern().isEmpty() && excepcao.match(linha).hasMatch())
                    continue;
                achadas << QStringLiteral("%1/%2:%3: %4")
                               .arg(pasta, QFileInfo(f.fileName()).fileName())
                               .arg(n)
                               .arg(linha);
            }
        }
    }
    return achadas;
}

} // namespace

class TestDependencias : public QObject
{
    Q_OBJECT
private slots:
    void regras_data()
    {
        QTest::addColumn<QStringList>("onde");
        QTest::addColumn<QString>("regra");
        QTest::addColumn<QString>("excepcao");
        const QStringList todas = pastas();
        const QStringList abaixo = menos(todas, {QStringLiteral("app")});
        const QStringList subsistemas =
            menos(abaixo, {QStringLiteral("data"), QStringLiteral("platform"),
                           QStringLiteral("subsistemas"), QStringLiteral("conta"),
                           QStringLiteral("grelha")});
        QTest::newRow("a interface não conhece quem a implementa")
            << QStringList{QStringLiteral("subsistemas")}
            << QStringLiteral("#include \"(app|%1)/").arg(subsistemas.join(QLatin1Char('|')))
            << QString();
        QTest::newRow("só a aplicação conhece a janela principal")
            << abaixo << QStringLiteral("#include \"app/Frm_bancos") << QString();
        QTest::newRow("do topo, só os serviços do arranque")
            << abaixo << QStringLiteral("#include \"app/")
            << QStringLiteral("app/(ModuloArranque|AvisoErroBaseDados|Frm_Password)\\.h");
        QTest::newRow("ninguém segura o razão")
            << menos(abaixo, {QStringLiteral("ledger")})
            << QStringLiteral("#include \"ledger/Razao") << QString();
        QTest::newRow("a ligação vem do contexto")
            << abaixo << QStringLiteral("\\b(Abre|Fecha)?Ligacao\\(") << QString();
        QTest::newRow("a importação não vigia a janela")
            << QStringList{QStringLiteral("import")}
            << QStringLiteral("installEventFilter|ChildPolished|ChildAdded") << QString();
        QTest::newRow("nenhum estado global")
            << todas << QStringLiteral("EstadoPrograma|\\bEstado\\(\\)") << QString();
    }
    void regras()
    {
        QFETCH(QStringList, onde);
        QFETCH(QString, regra);
        QFETCH(QString, excepcao);
        QVERIFY2(pastas().contains(QStringLiteral("ledger")), qPrintable(Fontes));
        const QStringList achadas =
            infraccoes(onde, QRegularExpression(regra), QRegularExpression(excepcao));
        QVERIFY2(achadas.isEmpty(), qPrintable(achadas.join(QLatin1Char('\n'))));
    }
};

QUORVEL_TESTE(TestDependencias)
#include "TestDependencias.moc"
