#include "support/PastaTeste.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"

#include <QDir>
#include <QFile>
#include <QTest>

PastaTeste::PastaTeste(bool comBaseDados)
{
    FechaLigacao();
    const QDir recursos(QStringLiteral(QUORVEL_RESOURCES_DIR));
    for (const QString &f : recursos.entryList(QDir::Files))
        if (!f.endsWith(QLatin1String(".sh")))
            QFile::copy(recursos.filePath(f), caminho(f));
    if (comBaseDados)
        NovaBaseDados::cria(caminhoBase(), false);
    definePastaAplicacao(m_dir.path());
}

PastaTeste::~PastaTeste()
{
    m_bd.reset();
    FechaLigacao();
    definePastaAplicacao(QString());
}

QString PastaTeste::caminho(const QString &nome) const
{
    return nome.isEmpty() ? m_dir.path() : QDir(m_dir.path()).filePath(nome);
}

BaseDados &PastaTeste::bd()
{
    if (!m_bd)
        m_bd = BaseDados::abre(caminhoBase(), Esquema::Chave);
    return *m_bd;
}

void PastaTeste::nomeiaConta(int numBanco, const QString &nome, const QString &password)
{
    bd().executa(QStringLiteral("UPDATE TabBancos SET banco = ?, ObservDiversas = ? "
                                "WHERE NumBanco = ?"),
                 {nome, password, numBanco});
}

void PastaTeste::definePasswordGeral(const QString &password)
{
    bd().executa(QStringLiteral("UPDATE Tabempresa SET campo2 = ? WHERE numempresa = 1"),
                 {password});
}

qint64 PastaTeste::insereMovimento(int numBanco, const QString &dataIso, qint64 debito,
                                   qint64 credito, const QString &situacao,
                                   const QString &descricao, const QString &numero)
{
    return bd().insere(QStringLiteral("INSERT INTO TabBancos1Det (Data, Numero, Descricao, S, "
                                      "Debito, Credito, NumBanco) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                       {dataIso.isEmpty() ? QVariant() : QVariant(dataIso), numero, descricao,
                        situacao, debito, credito, numBanco});
}

void PastaTeste::insereExtras(qint64 numAuto, int numBanco, const QString &categoria,
                              const QString &categoria1, const QString &observacoes)
{
    bd().executa(QStringLiteral("INSERT INTO TabBancosDetOutros (NumAutoDet, NumBanco, Categoria, "
                                "Categoria1, Observacoes) VALUES (?, ?, ?, ?, ?)"),
                 {numAuto, numBanco, categoria, categoria1, observacoes});
}

std::unique_ptr<Frm_bancos> PastaTeste::iniciaPrograma()
{
    auto janela = std::make_unique<Frm_bancos>();
    const int estado = janela->Form_Load();
    if (estado != 0) {
        QTest::qFail("Form_Load stopped the program", __FILE__, __LINE__);
        return nullptr;
    }
    janela->show();
    if (!QTest::qWaitForWindowExposed(janela.get()))
        QTest::qFail("main window not exposed", __FILE__, __LINE__);
    return janela;
}
