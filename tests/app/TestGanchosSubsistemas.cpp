// The contract between the main window and its subsystems: the ledger and administration come
// first, and every hook runs in registration order at start, activation and close; a subsystem
// that refuses the end of the run keeps the window open and the later ones are not asked.
#include "admin/Administracao.h"
#include "app/Frm_bancos.h"
#include "ledger/Razao.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QApplication>
#include <QTest>

namespace {

// A subsystem that writes down each hook it is run for.
class Sonda : public Subsistema
{
public:
    Sonda(const ContextoJanela &c, QString nome, QStringList &registo, QObject *pai)
        : Subsistema(c, pai), m_nome(std::move(nome)), m_registo(registo)
    {
    }
    void EstadoInicial() override { m_registo << m_nome + QStringLiteral(":inicio"); }
    void CarregaIcones(const QString &) override
    {
        m_registo << m_nome + QStringLiteral(":icones");
    }
    void Activacao() override { m_registo << m_nome + QStringLiteral(":activacao"); }
    bool FimExecucao() override
    {
        m_registo << m_nome + QStringLiteral(":fim");
        return !recusaFim;
    }
    bool recusaFim = false;

private:
    QString m_nome;
    QStringList &m_registo;
};

} // namespace

class TestGanchosSubsistemas : public QObject
{
    Q_OBJECT
private slots:
    void ganchosCorremPorOrdemDeRegisto()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        QStringList registo;
        auto janela = pasta.iniciaPrograma();
        const auto &lista = janela->Subsistemas();
        QVERIFY(lista.size() >= 2);
        QVERIFY(qobject_cast<Razao *>(lista[0]));
        QVERIFY(qobject_cast<Administracao *>(lista[1]));

        auto *a = janela->Regista(new Sonda({}, QStringLiteral("A"), registo, janela.get()));
        janela->Regista(new Sonda({}, QStringLiteral("B"), registo, janela.get()));
        janela->EstadoInicial();
        janela->CarregaIcones();
        QCOMPARE(registo, (QStringList{"A:inicio", "B:inicio", "A:icones", "B:icones"}));

        registo.clear();
        QWidget outra;
        outra.show();
        QApplication::setActiveWindow(&outra);
        QVERIFY(QTest::qWaitForWindowActive(&outra));
        QApplication::setActiveWindow(janela.get());
        QVERIFY(QTest::qWaitForWindowActive(janela.get()));
        QTRY_COMPARE(registo, (QStringList{"A:activacao", "B:activacao"}));

        registo.clear();
        a->recusaFim = true;
        QVERIFY(!janela->close());
        QVERIFY(janela->isVisible());
        QCOMPARE(registo, QStringList{"A:fim"});

        registo.clear();
        a->recusaFim = false;
        QVERIFY(janela->close());
        QCOMPARE(registo, (QStringList{"A:fim", "B:fim"}));
        QCOMPARE(caixas.caixas.size(), 0);
    }
};

QUORVEL_TESTE(TestGanchosSubsistemas)
#include "TestGanchosSubsistemas.moc"
