#include "BenchExtractos.h"
#include "Medicao.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Esquema.h"
#include "data/NovaBaseDados.h"
#include "data/Regional.h"
#include "extractos/GeradorExtractos.h"
#include "extractos/ImportacaoExtracto.h"
#include "extractos/LeitorExtracto.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

constexpr int Vezes = 5;
constexpr int Movimentos = 100000;
constexpr int Linhas = 50000; // half of them match a movement one day off, half are new

const QDate Inicio(2024, 1, 1);

QDate dataDe(int k) { return Inicio.addDays(k / 100); }
qint64 debitoDe(int k) { return 1000 + (qint64(k) * 7919) % 900000; }

// A ledger as a bookkeeper keeps it: most movements verified long ago (all but the quarter the
// statement matches), and the account's category rules for the new lines.
constexpr int Regras = 40;

void criaRazao(const QString &caminho, bool verificado = false)
{
    NovaBaseDados::cria(caminho, false);
    auto bd = BaseDados::abre(caminho, Esquema::Chave);
    Transaccao t(*bd);
    bd->executa(QStringLiteral("UPDATE TabBancos SET banco = 'Bench' WHERE NumBanco = 1"));
    Comando c = bd->prepara(QStringLiteral(
        "INSERT INTO TabBancos1Det (Data, Numero, Descricao, S, Debito, Credito, NumBanco) "
        "VALUES (?, ?, ?, ?, ?, 0, 1)"));
    for (int k = 0; k < Movimentos; ++k) {
        c.liga(1, Regional::paraIso(dataDe(k)));
        c.liga(2, QString::number(100000 + k));
        c.liga(3, QStringLiteral("Fornecedor %1 factura %2").arg(k % 500).arg(k));
        c.liga(4, verificado && k % 4 != 0 ? QStringLiteral("V") : QStringLiteral(""));
        c.liga(5, debitoDe(k));
        while (c.avanca()) {
        }
        c.reinicia();
    }
    for (int r = 0; verificado && r < Regras; ++r)
        bd->executa(QStringLiteral("INSERT INTO TabRegrasCategoria (NumBanco, Contem, Categoria) "
                                   "VALUES (1, ?, 'Compras')"),
                    {QStringLiteral("fornecedor %1 ref").arg(r * 12)});
}

Extracto extracto()
{
    Extracto e;
    e.moeda = QStringLiteral("EUR");
    e.iban = QStringLiteral("PT50003300004567891234567");
    for (int i = 0; i < Linhas; ++i) {
        const int k = 2 * i;
        LinhaExtracto l;
        l.data = dataDe(k).addDays(i % 2 ? 0 : 1);
        l.valor = Dinheiro::deCentimos(i % 2 ? -(1000000 + i) : -debitoDe(k));
        l.descricao = QStringLiteral("PAG FORNECEDOR %1 REF %2").arg(k % 500).arg(i);
        l.idBanco = QStringLiteral("B%1").arg(i);
        e.linhas.push_back(l);
    }
    e.saldoInicial = SaldoExtracto{Inicio.addDays(-1), Dinheiro()};
    e.saldoFinal = SaldoExtracto{e.linhas.back().data, Dinheiro()};
    return e;
}

// A fresh copy of the ledger, on the disk before the clock starts: a user's file was written
// long before the import, so the import's commit must not be charged with flushing the copy.
void copia(const QString &de, const QString &para)
{
    QFile::remove(para);
    QFile::copy(de, para);
    QFile f(para);
    if (f.open(QIODevice::ReadWrite))
        ::fsync(f.handle());
}

} // namespace

void medeExtractos()
{
    QTemporaryDir dir;
    const QString modelo = QDir(dir.path()).filePath(QStringLiteral("modelo.mdb"));
    const QString trabalho = QDir(dir.path()).filePath(QStringLiteral("quorvel.mdb"));
    const QString modeloVerificado = QDir(dir.path()).filePath(QStringLiteral("verificado.mdb"));
    criaRazao(modelo);
    const Extracto e = extracto();
    const PresetCsv preset = GeradorExtractos::presetDe(
        CodificacaoTexto::Windows1252, u';', FormaDebito::ColunaDebito, FormaData::DiaMesAnoHifen);
    struct Formato {
        const char *nome;
        QByteArray bytes;
        const PresetCsv *preset;
        bool verificado = false; // against the ledger of a bookkeeper, with rules
    };
    const std::vector<Formato> formatos = {
        {"CSV (Windows-1252)",
         GeradorExtractos::csv(e, CodificacaoTexto::Windows1252, u';', FormaDebito::ColunaDebito,
                               FormaData::DiaMesAnoHifen),
         &preset},
        {"xlsx", GeradorExtractos::xlsx(e), nullptr},
        {"MT940", GeradorExtractos::mt940({e}), nullptr},
        {"camt.053", GeradorExtractos::camt053({e}), nullptr},
        {"OFX 1 (SGML)", GeradorExtractos::ofx1(e), nullptr},
        {"OFX 2 (XML)", GeradorExtractos::ofx2(e), nullptr},
        {"MT940, 75% verif., 40 regras", GeradorExtractos::mt940({e}), nullptr, true},
    };
    std::printf("\nextracto de %d linhas contra %d movimentos (ler, conciliar, gravar):\n", Linhas,
                Movimentos);
    // Wall ms per step, then the whole as CPU time (a loaded machine stretches the wall clock
    // with waits for a CPU; the CPU time is what the program itself spent).
    std::printf("%-29s %8s %8s %8s %8s %8s %8s %6s %6s %8s\n", "formato", "MB", "ler",
                "conciliar", "gravar", "total", "CPU", "concil", "novos", "anular");
    // QUORVEL_BENCH_FORMATOS="MT940" times only the formats whose names contain the text.
    const QString so = qEnvironmentVariable("QUORVEL_BENCH_FORMATOS");
    for (const Formato &f : formatos) {
        if (!so.isEmpty() && !QString::fromLatin1(f.nome).contains(so, Qt::CaseInsensitive))
            continue;
        if (f.verificado && !QFile::exists(modeloVerificado))
            criaRazao(modeloVerificado, true);
        std::vector<double> ler, conciliar, gravar, total, cpu, anular;
        ResultadoImportacao r;
        for (int v = 0; v < Vezes; ++v) {
            copia(f.verificado ? modeloVerificado : modelo, trabalho);
            auto bd = BaseDados::abre(trabalho, Esquema::Chave);
            QElapsedTimer t;
            const double cpu0 = cpuMs();
            t.start();
            const auto extractos = leExtracto(f.bytes, QStringLiteral("bench"), f.preset);
            const double a = double(t.nsecsElapsed()) / 1e6;
            const auto p = ImportacaoExtracto::prepara(*bd, 1, extractos, QStringLiteral("bench"),
                                                       f.bytes);
            const double b = double(t.nsecsElapsed()) / 1e6;
            r = ImportacaoExtracto::confirma(*bd, p);
            const double c = double(t.nsecsElapsed()) / 1e6;
            ler.push_back(a);
            conciliar.push_back(b - a);
            gravar.push_back(c - b);
            total.push_back(c);
            cpu.push_back(cpuMs() - cpu0);
            // Then the same import undone (the whole of it, checked and written back).
            t.restart();
            ImportacaoExtracto::anulaUltima(*bd, 1);
            anular.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        const auto mediana = [](std::vector<double> v) {
            std::sort(v.begin(), v.end());
            return v[v.size() / 2];
        };
        std::printf("%-29s %8.1f %8.0f %8.0f %8.0f %8.0f %8.0f %6d %6d %8.0f\n", f.nome,
                    double(f.bytes.size()) / 1e6, mediana(ler), mediana(conciliar),
                    mediana(gravar), mediana(total), mediana(cpu), r.conciliados, r.novos,
                    mediana(anular));
        std::fflush(stdout);
    }
    std::printf("pico de memória: %.0f MB\n", picoMemoriaMB());
}
