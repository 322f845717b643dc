#include "extras/TextoActualizacao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>

namespace {
const QString CR = QStringLiteral("\r");
const QString Nota = QStringLiteral("Nota: O programa vai fechar para que faça a actualização!");

std::function<QString()> &leitorPasta()
{
    static std::function<QString()> leitor;
    return leitor;
}

// "C:\..." or "d:/...": a folder of a system whose names ignore case.
bool pastaWindows(const QString &pasta)
{
    static const QRegularExpression unidade(QStringLiteral("^[A-Za-z]:([\\\\/]|$)"));
    return unidade.match(pasta).hasMatch();
}
} // namespace

namespace TextoActualizacao {

QString constroi(const QString &pastaPrograma)
{
    const QString pasta = pastaWindows(pastaPrograma) ? pastaPrograma.toUpper() : pastaPrograma;
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
    t += Nota + CR;
    return t;
}

QString constroiInstalada(const QString &pastaPrograma, const QString &enderecoDeb,
                          const QString &pastaDados)
{
    QString t = CR + CR + CR + QStringLiteral("O programa está instalado em ") + pastaPrograma
                + QStringLiteral(" como pacote Debian: a nova versão instala-se como um pacote "
                                 "novo, sem unzip.")
                + CR + CR;
    if (!enderecoDeb.isEmpty()) {
        const QString ficheiro = QUrl(enderecoDeb).fileName();
        t += QStringLiteral("Na janela seguinte guarde o pacote") + CR + enderecoDeb + CR + CR
             + QStringLiteral("e instale-o com o instalador de pacotes (ou num terminal: sudo "
                              "apt install ./")
             + (ficheiro.isEmpty() ? QStringLiteral("quorvel_*.deb") : ficheiro)
             + QStringLiteral(")");
    } else {
        t += QStringLiteral("Na janela seguinte descarregue o pacote .deb da nova versão e "
                            "instale-o com o instalador de pacotes (ou num terminal: sudo apt "
                            "install ./quorvel_*.deb)");
    }
    t += CR + CR + QStringLiteral("Os seus dados, em ") + pastaDados
         + QStringLiteral(", ficam como estão.") + CR + CR + Nota + CR;
    return t;
}

bool instalada(const QString &pastaPrograma)
{
    const QString pasta = QDir::cleanPath(QDir::fromNativeSeparators(pastaPrograma));
    if (pasta == QLatin1String("/usr/bin"))
        return true;
    return QFileInfo(pasta + QStringLiteral("/../share/quorvel")).isDir();
}

QString enderecoDeb(const QSettings &definicoes)
{
    const QString texto = definicoes.value(ChaveEnderecoDeb).toString().trimmed();
    const QUrl url(texto, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        return QString();
    return texto;
}

QString endereco(bool copiaInstalada, const QString &enderecoDeb)
{
    if (!copiaInstalada)
        return EnderecoDownload;
    return enderecoDeb.isEmpty() ? PaginaPacotes : enderecoDeb;
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
