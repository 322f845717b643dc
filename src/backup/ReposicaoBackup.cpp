#include "backup/ReposicaoBackup.h"
#include "backup/CopiaSeguranca.h"
#include "backup/CopiaTemporaria.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr qint64 Bloco = 1024 * 1024;

// Copies the bytes of `origem` into the open `destino`; "" or what failed.
QString copiaBytes(const QString &origem, QFile &destino)
{
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly))
        return QStringLiteral("não foi possível ler o ficheiro (") + entrada.errorString()
               + QLatin1Char(')');
    QByteArray bloco;
    for (;;) {
        bloco = entrada.read(Bloco);
        if (bloco.isEmpty())
            break;
        if (destino.write(bloco) != bloco.size())
            return QStringLiteral("não foi possível escrever a cópia na pasta de dados (")
                   + destino.errorString() + QLatin1Char(')');
    }
    if (entrada.error() != QFileDevice::NoError)
        return QStringLiteral("não foi possível ler o ficheiro até ao fim (")
               + entrada.errorString() + QLatin1Char(')');
    if (!destino.flush())
        return QStringLiteral("não foi possível escrever a cópia na pasta de dados (")
               + destino.errorString() + QLatin1Char(')');
    return QString();
}

} // namespace

ReposicaoBackup::ReposicaoBackup(QString base) : m_base(std::move(base)) {}

ReposicaoBackup::~ReposicaoBackup()
{
    if (!m_candidato.isEmpty())
        QFile::remove(m_candidato);
}

bool ReposicaoBackup::prepara(const QString &escolhido)
{
    m_erro.clear();
    if (!m_candidato.isEmpty()) {
        QFile::remove(m_candidato);
        m_candidato.clear();
    }
    const QFileInfo origem(escolhido);
    if (!origem.isFile()) {
        m_erro = QStringLiteral("o ficheiro não existe ou não é um ficheiro");
        return false;
    }
    if (origem.canonicalFilePath() == QFileInfo(m_base).canonicalFilePath()) {
        m_erro = QStringLiteral("é o próprio ficheiro da base de dados em uso");
        return false;
    }

    CopiaTemporaria::limpaAbandonadas(QFileInfo(m_base).absolutePath());
    QTemporaryFile reserva(CopiaTemporaria::modelo(m_base));
    if (!reserva.open()) {
        m_erro = QStringLiteral("não foi possível escrever na pasta de dados (")
                 + reserva.errorString() + QLatin1Char(')');
        return false;
    }
    // The name is ours from here: QTemporaryFile would follow it through the final rename.
    reserva.setAutoRemove(false);
    m_candidato = reserva.fileName();
    m_erro = copiaBytes(escolhido, reserva);
    reserva.close();
    if (m_erro.isEmpty()) {
        try {
            m_resumo = ExameBackup::examina(m_candidato);
            if (!m_resumo.dataRegistada)
                m_resumo.data = origem.lastModified(); // the copy's own time is now
        } catch (const ErroBaseDados &erro) {
            m_erro = erro.mensagem();
        }
    }
    if (!m_erro.isEmpty()) {
        QFile::remove(m_candidato);
        m_candidato.clear();
        return false;
    }
    return true;
}

QString ReposicaoBackup::nomeAntes(const QString &pasta, const QDate &dia)
{
    QString base = CopiaSeguranca::nomeProposto(dia);
    base.chop(4); // ".MDB"
    base += QStringLiteral("-antes-da-reposicao");
    const QDir d(pasta);
    QString nome = d.filePath(base + QStringLiteral(".MDB"));
    for (int n = 2; QFileInfo::exists(nome) || QFileInfo(nome).isSymLink(); ++n)
        nome = d.filePath(base + QStringLiteral("-%1.MDB").arg(n));
    return nome;
}

ReposicaoBackup::Resultado ReposicaoBackup::repoe(BaseDados &actual, const QString &antes,
                                                  const std::function<void()> &fecha)
{
    m_erro.clear();
    if (m_candidato.isEmpty()) {
        m_erro = QStringLiteral("não há cópia preparada");
        return Resultado::CopiaAntesFalhou;
    }
    CopiaSeguranca copia(actual);
    if (!copia.copia(antes)) {
        m_erro = copia.erro();
        return Resultado::CopiaAntesFalhou;
    }
    // Closed cleanly, the database leaves no journal that the engine could later play back
    // over the file that takes its name.
    fecha();
    return poeNoLugar() ? Resultado::Reposta : Resultado::SubstituicaoFalhou;
}

bool ReposicaoBackup::poeNoLugar()
{
    if (!CopiaTemporaria::sincroniza(m_candidato, false)) {
        m_erro = QStringLiteral("não foi possível gravar a cópia no disco");
        return false;
    }
    // rename() replaces the target in one step: there is always a whole file under its name.
    // (QFile::rename never replaces an existing file.)
    if (std::rename(QFile::encodeName(m_candidato).constData(),
                    QFile::encodeName(m_base).constData())
        != 0) {
        m_erro = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_candidato.clear();
    CopiaTemporaria::sincroniza(QFileInfo(m_base).absolutePath(), true);
    return true;
}

void ReposicaoBackup::esqueceMomentoCopia(BaseDados &bd)
{
    bd.executa(QStringLiteral("DELETE FROM Meta WHERE chave = ?"),
               {CopiaSeguranca::ChaveMomentoCopia});
}
