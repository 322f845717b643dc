#include "app/ModuloArranque.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "data/Esquema.h"
#include "data/EsquemaExtractos.h"
#include "platform/Ficheiros.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QScreen>
#include <QWidget>

namespace {
QString pasta;
std::unique_ptr<BaseDados> ligacao;
} // namespace

QString PastaAplicacao()
{
    return pasta.isEmpty() ? QCoreApplication::applicationDirPath() : pasta;
}

void definePastaAplicacao(const QString &p)
{
    pasta = p.isEmpty() ? QString() : QDir(p).absolutePath();
}

void AbreLigacao(const QString &tipo)
{
    if (tipo != QLatin1String("Access"))
        return;
    QString caminho = Ficheiros::encontra(PastaAplicacao(), Esquema::NomeFicheiro);
    if (caminho.isEmpty())
        caminho = QDir(PastaAplicacao()).filePath(Esquema::NomeFicheiro);
    auto bd = BaseDados::abre(caminho, Esquema::Chave);
    // An empty file opens as an empty database: it is not a Quorvel file all the same.
    if (Esquema::versao(*bd) == 0)
        throw ErroBaseDados(QStringLiteral("o ficheiro não contém as tabelas do Quorvel"));
    if (Esquema::versao(*bd) > Esquema::Versao)
        throw ErroBaseDados(QStringLiteral("o ficheiro foi criado por uma versão mais recente do Quorvel"));
    EsquemaExtractos::actualiza(*bd); // a file of an earlier version gains the import tables
    try {
        Esquema::actualiza(*bd);
    } catch (const ErroBaseDados &) {
        // Only a speed-up: a file that cannot take it (read-only) works as it is.
    }
    ligacao = std::move(bd);
}

bool LigacaoAberta() { return ligacao != nullptr; }

BaseDados &Ligacao()
{
    if (!ligacao)
        throw ErroBaseDados(QStringLiteral("a base de dados não está aberta"));
    return *ligacao;
}

void FechaLigacao() { ligacao.reset(); }

void CentraJanela(QWidget *janela)
{
    const QScreen *ecra = janela->screen() ? janela->screen() : QGuiApplication::primaryScreen();
    if (!ecra)
        return;
    const QRect area = ecra->geometry();
    const QSize tamanho = janela->frameGeometry().size();
    janela->move(area.x() + (area.width() - tamanho.width()) / 2,
                 area.y() + (area.height() - tamanho.height()) / 2);
}

void AplicaAspecto()
{
    QFont letra = QApplication::font();
    letra.setPointSize(8);
    QApplication::setFont(letra);
}

void CarregaTraducoes()
{
    static QTranslator brasileira, europeia;
    const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // The translator installed last is asked first.
    if (brasileira.load(QStringLiteral("qtbase_pt_BR"), pasta))
        QCoreApplication::installTranslator(&brasileira);
    if (europeia.load(QStringLiteral("qt_pt_PT"), pasta))
        QCoreApplication::installTranslator(&europeia);
}

void AjustaMemoria()
{
#ifdef __GLIBC__
    // glibc raises its threshold for mapping a block apart each time such a block is freed, so
    // after the first account closes, the next one's arrays come from the heap and its holes
    // stay with the process. A fixed threshold keeps them apart.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}
