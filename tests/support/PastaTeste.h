#pragma once
// A fresh application folder for one test: the resources and a new quorvel.mdb in a temporary
// directory, made the application folder, with no connection open (the state of a run lives in
// the main window's subsystems, so each new window starts fresh). Removed at the end.
#include <QString>
#include <QTemporaryDir>
#include <memory>

class BaseDados;
class Frm_bancos;

class PastaTeste
{
public:
    explicit PastaTeste(bool comBaseDados = true);
    ~PastaTeste();

    QString caminho(const QString &nome = {}) const;
    QString caminhoBase() const { return caminho(QStringLiteral("quorvel.mdb")); }

    // A connection of the test's own, for setting up and checking rows.
    BaseDados &bd();

    void nomeiaConta(int numBanco, const QString &nome, const QString &password = {});
    void definePasswordGeral(const QString &password);
    qint64 insereMovimento(int numBanco, const QString &dataIso, qint64 debito, qint64 credito,
                           const QString &situacao = {}, const QString &descricao = {},
                           const QString &numero = {});
    void insereExtras(qint64 numAuto, int numBanco, const QString &categoria,
                      const QString &categoria1, const QString &observacoes);

    // The main window loaded (Form_Load returned 0) and shown.
    std::unique_ptr<Frm_bancos> iniciaPrograma();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<BaseDados> m_bd;
};
