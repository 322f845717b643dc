#include "import/BaseImportacao.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/ErroBaseDados.h"
#include "import/ErroImportacao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace BaseImportacao {

QString tabela(int numBanco) { return QStringLiteral("banco%1").arg(numBanco); }

void cria(const QString &caminho, const QStringList &linhas5, const QStringList &linhas6)
{
    const QString temporario = caminho + QStringLiteral(".novo");
    QFile::remove(temporario);
    try {
        {
            auto bd = BaseDados::abre(temporario, QByteArray(), true);
            Transaccao t(*bd);
            for (const auto &[n, linhas] : {std::pair{5, &linhas5}, std::pair{6, &linhas6}}) {
                bd->executaScript(
                    QStringLiteral("CREATE TABLE %1 (campo1 TEXT)").arg(tabela(n)));
                Comando insere = bd->prepara(
                    QStringLiteral("INSERT INTO %1 (campo1) VALUES (?)").arg(tabela(n)));
                for (const QString &l : *linhas) {
                    insere.liga(1, l);
                    while (insere.avanca()) {
                    }
                    insere.reinicia();
                }
            }
        }
        std::error_code erro;
        std::filesystem::rename(QFile::encodeName(temporario).toStdString(),
                                QFile::encodeName(caminho).toStdString(), erro);
        if (erro)
            throw ErroImportacao(QStringLiteral("Não foi possível gravar %1: %2")
                                     .arg(QDir::toNativeSeparators(caminho),
                                          QString::fromLocal8Bit(erro.message().c_str())));
    } catch (...) {
        QFile::remove(temporario);
        throw;
    }
}

std::unique_ptr<BaseDados> AbreLigacaoImportacao(const QString &pasta)
{
    const QString caminho = QDir(pasta).filePath(NomeFicheiro);
    if (!QFileInfo(caminho).isFile())
        throw ErroImportacao(
            QStringLiteral("Não existe a base de dados de importação (%1) na pasta do programa."
                           "\rCarregue primeiro os ficheiros QIF com o quorvel-qif.")
                .arg(NomeFicheiro));
    try {
        return BaseDados::abre(caminho, QByteArray());
    } catch (const ErroBaseDados &erro) {
        throw ErroImportacao(
            QStringLiteral("Não foi possível abrir a base de dados de importação (%1):\r%2")
                .arg(NomeFicheiro, erro.mensagem()));
    }
}

QStringList le(BaseDados &lateral, int numBanco)
{
    const QString nome = tabela(numBanco);
    if (lateral
            .consulta(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                     "AND lower(name) = ?"),
                      {nome})
            .vazio())
        throw ErroImportacao(
            QStringLiteral("A base de dados de importação (%1) não tem a tabela %2.")
                .arg(NomeFicheiro, nome));
    Comando c = lateral.prepara(QStringLiteral("SELECT campo1 FROM %1 ORDER BY rowid").arg(nome));
    QStringList linhas;
    while (c.avanca())
        linhas.append(c.texto(0));
    return linhas;
}

} // namespace BaseImportacao
