#include "BenchImportacao.h"
#include "Medicao.h"
#include "data/BaseDados.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"
#include "import/BaseImportacao.h"
#include "import/ImportacaoQif.h"
#include "import/LinhasQif.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

constexpr int Vezes = 5;
constexpr int RegistosPorConta = 25000; // 50,000 records in the two exports

// An export as Money writes it: Windows-1252, CR LF, seven lines a record.
QByteArray exportacao(int registos, int semente)
{
    QByteArray q = "!Type:Bank\r\n";
    for (int i = 0; i < registos; ++i) {
        const int ano = (i / 365) % 40; // 2000-2029 with an apostrophe, 1930-1939 otherwise
        q += QStringLiteral("D%1/%2%3%4\r\nT%5%6,%7.%8\r\nN%9\r\n")
                 .arg(1 + i % 12)
                 .arg(1 + i % 28, 2)
                 .arg(QChar(ano < 30 ? u'\'' : u'/'))
                 .arg(ano, 2, 10, QLatin1Char('0'))
                 .arg(i % 3 ? QStringLiteral("-") : QString())
                 .arg(1 + (i * 7 + semente) % 97)
                 .arg((i * 13) % 1000, 3, 10, QLatin1Char('0'))
                 .arg(i % 100, 2, 10, QLatin1Char('0'))
                 .arg(100000 + i)
                 .toLatin1();
        q += "PFornecedor n\xBA " + QByteArray::number(i % 500) + " - Ma\xE7\xE3o\r\n";
        q += "MFactura " + QByteArray::number(i) + "\r\nLCategoria " +
             QByteArray::number(i % 40) + "\r\n^\r\n";
    }
    return q;
}

void escreve(const QString &caminho, const QByteArray &bytes)
{
    QFile f(caminho);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace

void medeImportacao()
{
    QTemporaryDir dir;
    const QDir pasta(dir.path());
    const QString qif5 = pasta.filePath(QStringLiteral("conta5.qif"));
    const QString qif6 = pasta.filePath(QStringLiteral("conta6.qif"));
    escreve(qif5, exportacao(RegistosPorConta, 1));
    escreve(qif6, exportacao(RegistosPorConta, 2));
    const QString lateral = pasta.filePath(BaseImportacao::NomeFicheiro);
    const QString principal = pasta.filePath(Esquema::NomeFicheiro);

    // quorvel-qif: both files read, decoded and stored line by line.
    const auto carrega = [&] {
        BaseImportacao::cria(lateral, LinhasQif::leFicheiro(qif5), LinhasQif::leFicheiro(qif6));
    };
    const double msCarga = medianaMs(Vezes, carrega);

    // The import on an open connection to a fresh ledger (opening it is not timed: the
    // program holds its connection open).
    std::unique_ptr<BaseDados> bd;
    int movimentos = 0;
    const double msImportacao = medianaMs(
        Vezes,
        [&] {
            auto ligacao = BaseImportacao::AbreLigacaoImportacao(pasta.path());
            const QStringList l5 = BaseImportacao::le(*ligacao, 5);
            const QStringList l6 = BaseImportacao::le(*ligacao, 6);
            const auto r = ImportacaoQif::importa(*bd, l5, l6);
            movimentos = r.movimentos5 + r.movimentos6;
        },
        [&] {
            bd.reset();
            QFile::remove(principal);
            NovaBaseDados::cria(principal, false);
            bd = BaseDados::abre(principal, Esquema::Chave);
        });
    bd.reset();

    std::printf("%-38s %12d %12.1f %14.1f\n", "quorvel-qif (2 ficheiros QIF)", movimentos,
                msCarga, picoMemoriaMB());
    std::printf("%-38s %12d %12.1f %14.1f\n", "importar para as contas 5 e 6", movimentos,
                msImportacao, picoMemoriaMB());
    std::printf("%-38s %12d %12.1f %14s\n", "total (medianas somadas)", movimentos,
                msCarga + msImportacao, "");
    std::fflush(stdout);
}
