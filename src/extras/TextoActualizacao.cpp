#include "extras/TextoActualizacao.h"

#include <QCoreApplication>
#include <QDir>

namespace {
const QString CR = QStringLiteral("\r");
std::function<QString()> &leitorPasta()
{
    static std::function<QString()> leitor;
    return leitor;
}
} // namespace

namespace TextoActualizacao {

QString constroi(const QString &pastaPrograma)
{
    const QString pasta = pastaPrograma.toUpper();
    const QString defeito = PastaPorOmissao.toUpper();
    const bool outraPasta = pasta != defeito;

    QString t = CR + CR + CR;
    if (outraPasta)
        t += QStringLiteral("Não se esqueça de fazer o unzip para:       ").toUpper() + pasta + CR
             + CR + CR + CR;
    t += QStringLiteral("Na janela seguinte faça sempre a opção Abrir ou Executar e no fim "
                        "seleccione a opção UNZIP")
         + CR + CR;
    if (outraPasta)
        t += QStringLiteral("Por defeito a instalação irá para a pasta ") + defeito + CR + CR
             + QStringLiteral("antes de fazer o Unzip substitua o ").toUpper() + defeito
             + QStringLiteral(" por ") + pasta + CR + CR + CR;
    t += QStringLiteral("Nota: O programa vai fechar para que faça a actualização!") + CR;
    return t;
}

QString pastaPrograma()
{
    if (leitorPasta())
        return leitorPasta()();
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void definePastaPrograma(std::function<QString()> leitor)
{
    leitorPasta() = std::move(leitor);
}

} // namespace TextoActualizacao
