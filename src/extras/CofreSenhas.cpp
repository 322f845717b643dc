#include "extras/CofreSenhas.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace {

CofreSenhas *&substituto()
{
    static CofreSenhas *cofre = nullptr;
    return cofre;
}

// Runs one job and waits for it, at most the time limit. A job that outlives the wait deletes
// itself when it ends, so nothing is left behind and nothing calls back into this frame.
bool corre(QKeychain::Job *trabalho)
{
    trabalho->setAutoDelete(false);
    trabalho->setInsecureFallback(false);
    QEventLoop ciclo;
    bool acabou = false;
    QObject::connect(trabalho, &QKeychain::Job::finished, &ciclo, [&] {
        acabou = true;
        ciclo.quit();
    });
    QTimer::singleShot(ChavesCofre::Limite, &ciclo, &QEventLoop::quit);
    trabalho->start();
    ciclo.exec(QEventLoop::ExcludeUserInputEvents);
    if (!acabou) {
        QObject::connect(trabalho, &QKeychain::Job::finished, trabalho, &QObject::deleteLater);
        return false;
    }
    return true;
}

class CofreDesktop final : public CofreSenhas
{
public:
    bool guarda(const QString &chave, const QString &segredo) override
    {
        auto *t = new QKeychain::WritePasswordJob(ChavesCofre::Servico);
        t->setKey(chave);
        t->setTextData(segredo);
        if (!corre(t))
            return false;
        const bool ok = t->error() == QKeychain::NoError;
        delete t;
        return ok;
    }

    Leitura le(const QString &chave, QString &segredo) override
    {
        auto *t = new QKeychain::ReadPasswordJob(ChavesCofre::Servico);
        t->setKey(chave);
        if (!corre(t))
            return Leitura::Indisponivel;
        Leitura r = Leitura::Indisponivel;
        if (t->error() == QKeychain::NoError) {
            segredo = t->textData();
            r = Leitura::Lida;
        } else if (t->error() == QKeychain::EntryNotFound) {
            r = Leitura::NaoExiste;
        }
        delete t;
        return r;
    }

    bool apaga(const QString &chave) override
    {
        auto *t = new QKeychain::DeletePasswordJob(ChavesCofre::Servico);
        t->setKey(chave);
        if (!corre(t))
            return false;
        const bool ok =
            t->error() == QKeychain::NoError || t->error() == QKeychain::EntryNotFound;
        delete t;
        return ok;
    }
};

} // namespace

CofreSenhas *CofreSenhas::actual()
{
    if (substituto())
        return substituto();
    if (qEnvironmentVariable(ChavesCofre::VariavelAmbiente).compare(
            QLatin1String("nenhum"), Qt::CaseInsensitive)
        == 0)
        return nullptr;
    static CofreDesktop desktop;
    return &desktop;
}

void CofreSenhas::substitui(CofreSenhas *cofre)
{
    substituto() = cofre;
}
