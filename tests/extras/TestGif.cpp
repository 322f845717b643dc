// The animated picture of the main window: the GIF cut into frames through
// giftmp, which frames the timer shows and which it never shows, and a file
// that is not a GIF.
#include "GifTeste.h"
#include "app/Frm_bancos.h"
#include "extras/Apresentacao.h"
#include "extras/DivisorGif.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

void escreve(const QString &caminho, const QByteArray &dados)
{
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(dados);
}

Apresentacao *apresentacao(Frm_bancos *janela)
{
    for (Subsistema *s : janela->Subsistemas())
        if (auto *a = qobject_cast<Apresentacao *>(s))
            return a;
    return nullptr;
}

// The frame on show, by its colour; 0 for none or an unknown picture.
int quadroVisivel(QLabel *GifView)
{
    const QImage imagem = GifView->pixmap().toImage();
    if (imagem.isNull())
        return 0;
    for (int i = 0; i < 32; ++i)
        if (imagem.pixelColor(0, 0).rgb() == GifTeste::cor(i).rgb())
            return i;
    return 0;
}

} // namespace

class TestGif : public QObject
{
    Q_OBJECT
private slots:
    void cortaNasMarcas_data()
    {
        QTest::addColumn<QByteArray>("buf");
        QTest::addColumn<QByteArray>("cabecalho");
        QTest::addColumn<QList<QByteArray>>("ficheiros");
        const QByteArray m("\x00\x21\xF9", 3);
        QTest::newRow("sem marca")
            << QByteArray("GIF89a-sem-quadros") << QByteArray("G") << QList<QByteArray>{};
        QTest::newRow("uma marca: nenhum ficheiro")
            << (QByteArray("GIFh") + m + "a") << QByteArray("GIFh\x00\x21", 6)
            << QList<QByteArray>{};
        QTest::newRow("tres marcas: dois ficheiros")
            << (QByteArray("GIFh") + m + "a" + m + "bb" + m + "c") << QByteArray("GIFh\x00\x21", 6)
            << QList<QByteArray>{QByteArray("GIFh\x00\x21\xF9"
                                            "a\x00\x21",
                                            10),
                                 QByteArray("GIFh\x00\x21\xF9"
                                            "bb\x00\x21",
                                            11)};
        QTest::newRow("marcas seguidas")
            << (QByteArray("GIF") + m + m) << QByteArray("GIF\x00\x21", 5)
            << QList<QByteArray>{QByteArray("GIF\x00\x21\xF9\x00\x21", 8)};
        QTest::newRow("cortado a meio da marca")
            << (QByteArray("GIF") + m + "x" + QByteArray("\x00\x21", 2))
            << QByteArray("GIF\x00\x21", 5) << QList<QByteArray>{};
    }
    void cortaNasMarcas()
    {
        QFETCH(QByteArray, buf);
        QFETCH(QByteArray, cabecalho);
        QFETCH(QList<QByteArray>, ficheiros);
        const DivisorGif::Divisao d = DivisorGif::divide(buf);
        QCOMPARE(d.cabecalho, cabecalho);
        QList<QByteArray> obtidos;
        for (size_t i = 0; i < d.quadros.size(); ++i)
            obtidos << d.ficheiro(buf, i);
        QCOMPARE(obtidos, ficheiros);
    }

    // n frames give n - 1 pictures; the timer skips the last one loaded and
    // frame 12.
    void ciclo_data()
    {
        QTest::addColumn<int>("quadros");
        QTest::addColumn<int>("carregados");
        QTest::addColumn<QList<int>>("sequencia");
        QTest::newRow("cinco") << 5 << 4 << QList<int>{1, 2, 3, 1, 2, 3, 1};
        QList<int> vinte;
        for (int volta = 0; volta < 2; ++volta)
            for (int i = 1; i <= 18; ++i)
                vinte << (i == 12 ? 11 : i); // the tick of frame 12 leaves frame 11 on show
        QTest::newRow("vinte") << 20 << 19 << vinte;
        // One frame: the tick after it reaches the element without picture, and
        // later ticks find no element at all.
        QTest::newRow("dois") << 2 << 1 << QList<int>{1, 0, 0, 0};
    }
    void ciclo()
    {
        QFETCH(int, quadros);
        QFETCH(int, carregados);
        QFETCH(QList<int>, sequencia);
        MensagensGuionadas caixas;
        PastaTeste pasta;
        escreve(pasta.caminho(QStringLiteral("Texto01.gif")), GifTeste::gif(quadros));
        auto janela = pasta.iniciaPrograma();
        QVERIFY(janela);
        Apresentacao *a = apresentacao(janela.get());
        QVERIFY(a);
        a->Timer2.stop(); // the test ticks by hand
        QCOMPARE(a->GifFrameCount, carregados);
        QCOMPARE(int(a->GifSrc.size()), carregados + 1);
        QVERIFY(a->GifSrc.back().isNull()); // the element past the files has no picture
        QVERIFY(!QDir(pasta.caminho(QStringLiteral("giftmp"))).exists());
        QCOMPARE(quadroVisivel(janela->GifView), 0); // the start picture first

        QList<int> vistos;
        for (qsizetype i = 0; i < sequencia.size(); ++i) {
            a->Timer2_Timer();
            vistos << quadroVisivel(janela->GifView);
        }
        QCOMPARE(vistos, sequencia);
        QCOMPARE(caixas.caixas.size(), 0);
    }

    void timerArrancaAos150ms()
    {
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        Apresentacao *a = apresentacao(janela.get());
        QVERIFY(a);
        QVERIFY(a->Timer2.isActive());
        QCOMPARE(a->Timer2.interval(), 150);
        QCOMPARE(a->GifFrameCount, 15); // our Texto01.gif has 16 frames
        // Within a few ticks the view shows one of the loaded frames.
        const auto mostraQuadro = [&] {
            const QImage visivel = janela->GifView->pixmap().toImage();
            for (const QPixmap &p : a->GifSrc)
                if (!p.isNull() && p.toImage() == visivel)
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(mostraQuadro(), 3000);
    }

    void naoEhGif_data()
    {
        QTest::addColumn<QByteArray>("dados");
        QTest::addColumn<bool>("mensagem");
        QTest::addColumn<int>("carregados");
        QTest::newRow("BM") << QByteArray("BM\x36\x00\x00\x00", 6) << true << 0;
        QTest::newRow("vazio") << QByteArray() << true << 0;
        QTest::newRow("GI") << QByteArray("GI") << true << 0;
        QTest::newRow("GIF sem quadros") << QByteArray("GIF89a") << false << 0;
        QTest::newRow("GIF cortado no cabecalho") << GifTeste::gif(6).left(90) << false << 0;
        // Four whole markers before the cut: three frames.
        QTest::newRow("GIF cortado a meio") << GifTeste::gif(6).left(200) << false << 3;
        // 7 KB: a header of 6 KB (a comment block) and 300 empty frames would make the
        // splitter write 1.8 MB, each file carrying the whole header; refused before writing.
        QByteArray enorme = GifTeste::gif(0, false);
        enorme += QByteArray("\x21\xFE", 2);
        for (int i = 0; i < 24; ++i)
            enorme += char(250) + QByteArray(250, 'c');
        enorme += '\x00';
        for (int i = 0; i < 300; ++i)
            enorme += QByteArray("\x21\xF9\x00", 3);
        enorme += '\x3B';
        QTest::newRow("GIF que escreveria muitas vezes o seu tamanho") << enorme << true << 0;
    }
    void naoEhGif()
    {
        QFETCH(QByteArray, dados);
        QFETCH(bool, mensagem);
        QFETCH(int, carregados);
        MensagensGuionadas caixas;
        PastaTeste pasta;
        escreve(pasta.caminho(QStringLiteral("Texto01.gif")), dados);
        auto janela = pasta.iniciaPrograma();
        QVERIFY(janela); // the program carries on
        if (mensagem) {
            QCOMPARE(caixas.caixas.size(), 1);
            QCOMPARE(caixas.caixas[0].texto, QStringLiteral("Inviald Gif Format"));
            QCOMPARE(caixas.caixas[0].titulo, QStringLiteral("Error"));
            QCOMPARE(caixas.caixas[0].icone, Icone::Critico);
        } else {
            QCOMPARE(caixas.caixas.size(), 0);
        }
        QVERIFY(!QDir(pasta.caminho(QStringLiteral("giftmp"))).exists());
        Apresentacao *a = apresentacao(janela.get());
        a->Timer2.stop();
        QCOMPARE(a->GifFrameCount, carregados);
        QList<int> vistos;
        for (int i = 0; i < 30; ++i) {
            a->Timer2_Timer(); // without frames the ticks change nothing and never
                               // fail
            vistos << quadroVisivel(janela->GifView);
        }
        if (carregados == 0)
            QCOMPARE(vistos, QList<int>(30, 0));
        else
            QCOMPARE(vistos.mid(0, 5), (QList<int>{1, 2, 1, 2, 1}));
    }

    // A giftmp that cannot be written into (a file of that name is in the way):
    // nothing loads, nothing is left behind, and the program starts.
    void pastaTemporariaImpossivel()
    {
        MensagensGuionadas caixas;
        PastaTeste pasta;
        escreve(pasta.caminho(QStringLiteral("Texto01.gif")), GifTeste::gif(5));
        escreve(pasta.caminho(QStringLiteral("giftmp")), "ocupado");
        const DivisorGif::Resultado r =
            DivisorGif::LoadGif(pasta.caminho(QStringLiteral("Texto01.gif")), pasta.caminho());
        QCOMPARE(r.GifFrameCount, 0);
        QCOMPARE(int(r.GifSrc.size()), 1);
        QVERIFY(QFileInfo(pasta.caminho(QStringLiteral("giftmp"))).isFile());
        QCOMPARE(caixas.caixas.size(), 0);
    }

    // Files from an earlier run left in giftmp are not the program's to delete.
    void ficheirosAlheiosFicam()
    {
        PastaTeste pasta;
        QVERIFY(QDir(pasta.caminho()).mkdir(QStringLiteral("giftmp")));
        escreve(pasta.caminho(QStringLiteral("giftmp/notas.txt")), "meu");
        const DivisorGif::Resultado r =
            DivisorGif::LoadGif(pasta.caminho(QStringLiteral("Texto01.gif")), pasta.caminho());
        QCOMPARE(r.GifFrameCount, 15);
        QCOMPARE(QDir(pasta.caminho(QStringLiteral("giftmp"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("notas.txt")});
    }
};

QUORVEL_TESTE(TestGif)
#include "TestGif.moc"
