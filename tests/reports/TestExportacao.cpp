// "Exportar..." as the user meets it: criteria typed in the search frame, the save dialog
// answered, and the spreadsheet read back the way an accountant's program reads it. The file
// must add up to the printed listing: same movements in the same order, same balances, the same
// totals with annulled movements summed apart.
#include "ApoioListagens.h"
#include "LeituraFolhas.h"
#include "data/BaseDados.h"
#include "data/Dinheiro.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"
#include "support/Teclado.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

using namespace ApoioListagens;
using LeituraFolhas::Celula;
using LeituraFolhas::Folha;

namespace
{

// "1.234,50" to cents.
qint64 centimos(const QString &texto)
{
    return Dinheiro::interpreta(texto).value_or(Dinheiro::deCentimos(-999999999)).centimos();
}

// Two amounts after a label on the listing's last page ("Totais   123,52   3.000,45").
std::pair<qint64, qint64> somasDaListagem(const QString &pdf, const QString &rotulo)
{
    const auto m = QRegularExpression(
                       QStringLiteral("%1\\s+(-?[\\d.]+,\\d\\d)\\s+(-?[\\d.]+,\\d\\d)").arg(rotulo))
                       .match(pdf);
    if (!m.hasMatch())
        return {-1, -1};
    return {centimos(m.captured(1)), centimos(m.captured(2))};
}

} // namespace

class TestExportacao : public QObject, private ArranqueListagens
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_pastaSaida; // where the user saves, fresh for each test
    QString saida() const { return m_pastaSaida->path(); }

    static void preparaConta(PastaTeste &p)
    {
        p.nomeiaConta(1, QStringLiteral("Caixa D'Ouro"));
        p.bd().executa(QStringLiteral("UPDATE TabBancos SET dependencia = 'Sé', nib = '0035 1' "
                                      "WHERE NumBanco = 1"));
        p.insereMovimento(1, "2024-01-10", 0, 200050, "C", "Depósito inicial", "1");
        p.insereMovimento(1, "2024-01-15", 99900, 0, "A", "Compra anulada", "2");
        const auto renda =
            p.insereMovimento(1, "2024-01-20", 12345, 0, "P", "Renda; \"Março\"", "3");
        p.insereMovimento(1, "2024-02-01", 7, 0, "P", "=SOMA(A1)", "4");
        const auto juros = p.insereMovimento(1, "2024-02-05", 0, 99994, "C", "Juros", "5");
        p.insereMovimento(1, "2024-03-01", 0, 1, "a", "Acerto", "6");
        p.insereExtras(renda, 1, "Renda", "Loja", "paga em dinheiro");
        p.insereExtras(juros, 1, "Rendimentos", "", "");
        p.insereMovimento(2, "2024-01-10", 5, 0, "P", "OutraConta", "1");
    }

private slots:
    void init()
    {
        m_pastaSaida = std::make_unique<QTemporaryDir>();
        inicia(preparaConta);
    }
    void cleanup()
    {
        termina();
        m_pastaSaida.reset();
    }

    void somaComoAListagem_data()
    {
        QTest::addColumn<QString>("ficheiro");
        QTest::addColumn<bool>("detalhado");
        QTest::addColumn<QString>("categoria");
        QTest::addColumn<QString>("datas"); // "" or "desde..ate" in ISO
        QTest::addColumn<QStringList>("descricoes");
        QTest::addColumn<qint64>("debitos"); // the listing's "Débito" total
        QTest::addColumn<qint64>("anulados");
        const QStringList todos{"Depósito inicial", "Compra anulada", "Renda; \"Março\"",
                                "=SOMA(A1)",        "Juros",          "Acerto"};
        QTest::newRow("xlsx, todos") << "e.xlsx" << false << ""
                                     << "" << todos << 12352ll << 99900ll;
        QTest::newRow("ods, todos") << "e.ods" << false << ""
                                    << "" << todos << 12352ll << 99900ll;
        QTest::newRow("csv, todos") << "e.csv" << false << ""
                                    << "" << todos << 12352ll << 99900ll;
        QTest::newRow("xlsx, categoria, nada anulado") << "c.xlsx" << false << "Rendi"
                                                       << "" << QStringList{"Juros"} << 0ll << 0ll;
        QTest::newRow("csv, datas com o anulado")
            << "d.csv" << false << ""
            << "2024-01-15..2024-02-01"
            << QStringList{"Compra anulada", "Renda; \"Março\"", "=SOMA(A1)"} << 12352ll
            << 99900ll;
        QTest::newRow("ods, detalhado") << "x.ods" << true << ""
                                        << "" << todos << 12352ll << 99900ll;
        QTest::newRow("xlsx, detalhado sem extensão") << "sem-extensao" << true << ""
                                                      << "" << todos << 12352ll << 99900ll;
    }
    void somaComoAListagem()
    {
        QFETCH(QString, ficheiro);
        QFETCH(bool, detalhado);
        QFETCH(QString, categoria);
        QFETCH(QString, datas);
        QFETCH(QStringList, descricoes);
        QFETCH(qint64, debitos);
        QFETCH(qint64, anulados);

        Frm_Pesquisas *f =
            abreExtracto(detalhado ? m_janela->Mnu_Listagem3 : m_janela->Mnu_Listagem2);
        QVERIFY(f && f->isVisible());
        auto *exportar = f->findChild<QPushButton *>(QStringLiteral("Cmd_Exportar"));
        QVERIFY(exportar && exportar->isVisible());
        QCOMPARE(exportar->text(), QStringLiteral("Exportar..."));
        escreve(f->Cmb_CategoriaConsulta->lineEdit(), categoria);
        escolheDatas(f, datas);
        QTest::mouseClick(f->Cmd_Consultar, Qt::LeftButton);
        const QString pdf = m_pdfs->texto(detalhado ? QStringLiteral("03_DetalhesDet")
                                                    : QStringLiteral("02_Detalhes"));
        QVERIFY2(!pdf.isEmpty(), "a listagem não foi impressa");

        const QString caminho = QDir(saida()).filePath(ficheiro);
        QStringList filtros;
        escolheFicheiro(caminho, &filtros);
        QTest::mouseClick(exportar, Qt::LeftButton);
        QCOMPARE(filtros.size(), 3);
        const QString escrito = caminho.contains(u'.') ? caminho : caminho + ".xlsx";
        QVERIFY2(QFile::exists(escrito), qPrintable(m_caixas->textos().join('\n')));
        QCOMPARE(m_caixas->textos().size(), 1);
        QVERIFY2(m_caixas->textos()[0].contains(
                     QStringLiteral("exportado (%1 movimentos)").arg(descricoes.size())),
                 qPrintable(m_caixas->textos()[0]));
        QVERIFY(f->isVisible());

        const Folha folha = LeituraFolhas::le(escrito);
        QVERIFY2(folha.erros.isEmpty(), qPrintable(folha.erros.join('\n')));
        // Above the table: the account, its bank data, the selection.
        QCOMPARE(folha.texto(0, 0), QStringLiteral("Extracto da conta: Caixa D'Ouro"));
        QCOMPARE(folha.texto(1, 0), QStringLiteral("Dependencia: Sé     NIB: 0035 1"));
        QVERIFY2(folha.texto(2, 0).startsWith(QStringLiteral("Selecção: ")),
                 qPrintable(folha.texto(2, 0)));
        QVERIFY(simplifica(pdf).contains(simplifica(folha.texto(2, 0))));

        const int titulos = folha.linhaDe(QStringLiteral("Data"));
        QVERIFY(titulos > 2);
        QMap<QString, int> coluna;
        const auto cabecalhos = folha.linhas.value(titulos);
        for (auto it = cabecalhos.begin(); it != cabecalhos.end(); ++it)
            coluna[it->texto] = it.key();
        for (const char *t : {"Descrição", "S", "Débito", "Crédito", "Saldo"})
            QVERIFY2(coluna.contains(QString::fromUtf8(t)), t);
        QCOMPARE(coluna.contains(QStringLiteral("Observações")), detalhado);
        if (escrito.endsWith(".xlsx"))
            QCOMPARE(folha.linhasFixas, titulos + 1);

        // The movements, in the listing's order, and the sums an accountant makes of them.
        QStringList vistas;
        qint64 debito = 0, credito = 0, debitoAnulado = 0, creditoAnulado = 0, ultimoSaldo = 0;
        int l = titulos + 1;
        for (; folha.linhas.contains(l) && !folha.linhas[l].isEmpty(); ++l) {
            const auto &linha = folha.linhas[l];
            vistas << linha.value(coluna["Descrição"]).texto;
            QCOMPARE(linha.value(0).tipo, Celula::Data);
            for (const char *t : {"Débito", "Crédito", "Saldo"}) {
                const Celula c = linha.value(coluna[QString::fromUtf8(t)]);
                QVERIFY2(c.exacto, qPrintable(QStringLiteral("%1 %2").arg(t, c.texto)));
            }
            const bool anulado = linha.value(coluna["S"]).texto == QLatin1String("A");
            (anulado ? debitoAnulado : debito) += linha.value(coluna["Débito"]).centimos;
            (anulado ? creditoAnulado : credito) += linha.value(coluna["Crédito"]).centimos;
            ultimoSaldo = linha.value(coluna["Saldo"]).centimos;
        }
        if (ficheiro.endsWith(".csv")) // a text a spreadsheet would run stays a text
            descricoes.replaceInStrings(QRegularExpression("^="), "'=");
        QCOMPARE(vistas, descricoes);
        QCOMPARE(folha.linhas[titulos + 1].value(0).data,
                 QDate::fromString(datas.isEmpty()
                                       ? (categoria.isEmpty() ? "2024-01-10" : "2024-02-05")
                                       : datas.left(10),
                                   Qt::ISODate));

        const auto [debitoPdf, creditoPdf] = somasDaListagem(pdf, QStringLiteral("Totais"));
        const auto [debitoAnPdf, creditoAnPdf] = somasDaListagem(pdf, QStringLiteral("Anulados"));
        QCOMPARE(debitoPdf, debitos);
        QCOMPARE(debitoAnPdf, anulados);
        QCOMPARE(debito, debitoPdf);
        QCOMPARE(credito, creditoPdf);
        QCOMPARE(debitoAnulado, debitoAnPdf);
        QCOMPARE(creditoAnulado, creditoAnPdf);
        // The file's own lines of sums and the final balance, as printed.
        const int totais = folha.linhaDe(QStringLiteral("Totais"));
        const int linhaAnulados = folha.linhaDe(QStringLiteral("Anulados"));
        const int final = folha.linhaDe(QStringLiteral("Saldo final:"));
        QVERIFY(totais > l && linhaAnulados == totais + 1 && final == totais + 2);
        QCOMPARE(folha.linhas[totais].value(coluna["Débito"]).centimos, debitoPdf);
        QCOMPARE(folha.linhas[totais].value(coluna["Crédito"]).centimos, creditoPdf);
        QCOMPARE(folha.linhas[linhaAnulados].value(coluna["Débito"]).centimos, debitoAnPdf);
        QCOMPARE(folha.linhas[linhaAnulados].value(coluna["Crédito"]).centimos, creditoAnPdf);
        const qint64 saldoFinal = folha.linhas[final].value(coluna["Saldo"]).centimos;
        QCOMPARE(saldoFinal, ultimoSaldo);
        QVERIFY2(pdf.contains(QStringLiteral("Saldo final: ") +
                              Dinheiro::deCentimos(saldoFinal).formataMoeda()),
                 qPrintable(pdf.right(600)));
    }

    void formatosComoAsFolhasOsAbrem_data()
    {
        QTest::addColumn<QString>("ficheiro");
        QTest::newRow("xlsx") << "f.xlsx";
        QTest::newRow("ods") << "f.ods";
        QTest::newRow("csv") << "f.csv";
    }
    void formatosComoAsFolhasOsAbrem()
    {
        QFETCH(QString, ficheiro);
        Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem2);
        const QString caminho = QDir(saida()).filePath(ficheiro);
        escolheFicheiro(caminho);
        QTest::mouseClick(f->Cmd_Exportar, Qt::LeftButton);
        QFile file(caminho);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (ficheiro.endsWith(".csv")) {
            // BOM, ";" between fields, decimal comma, quotes doubled inside quotes, CR LF.
            QVERIFY(bytes.startsWith("\xEF\xBB\xBF"
                                     "Extracto da conta: Caixa D'Ouro;;;;;;\r\n"));
            QVERIFY2(bytes.contains("\r\n20-01-2024;3;\"Renda; \"\"Março\"\"\";P;123,45;;"
                                    "1877,05\r\n"),
                     bytes.constData());
            QVERIFY(bytes.contains("\r\n01-02-2024;4;'=SOMA(A1);P;0,07;;1876,98\r\n"));
            QVERIFY(bytes.contains("\r\nTotais;;;;123,52;3000,45;\r\n"));
            QVERIFY(bytes.endsWith("\r\nSaldo final:;;;;;;2876,93\r\n"));
            QVERIFY(!bytes.contains("\n\n") && bytes.count('\n') == bytes.count("\r\n"));
        } else if (ficheiro.endsWith(".ods")) {
            // The media type first, stored, no extra field: how a reader knows the file.
            QCOMPARE(bytes.left(4), QByteArray("PK\x03\x04"));
            QCOMPARE(quint8(bytes[8]) | quint8(bytes[9]) << 8, 0);   // stored
            QCOMPARE(quint8(bytes[26]) | quint8(bytes[27]) << 8, 8); // name length
            QCOMPARE(quint8(bytes[28]) | quint8(bytes[29]) << 8, 0); // no extra field
            QCOMPARE(bytes.mid(30, 8), QByteArray("mimetype"));
            QCOMPARE(bytes.mid(38, 46),
                     QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
            const QByteArray conteudo =
                LeituraFolhas::entradaZip(caminho, QStringLiteral("content.xml"));
            QVERIFY(conteudo.contains("office:value-type=\"currency\" office:currency=\"EUR\" "
                                      "office:value=\"999.94\""));
            QVERIFY(
                conteudo.contains("office:value-type=\"date\" office:date-value=\"2024-01-20\""));
            QVERIFY(!LeituraFolhas::entradaZip(caminho, QStringLiteral("META-INF/manifest.xml"))
                         .isEmpty());
        } else {
            const Folha folha = LeituraFolhas::leXlsx(caminho);
            const int titulos = folha.linhaDe(QStringLiteral("Data"));
            const Celula juros = folha.linhas[titulos + 5].value(5);
            QCOMPARE(juros.centimos, 99994);
            QVERIFY(juros.exacto);
            QCOMPARE(juros.formato, QStringLiteral("#,##0.00 \"€\""));
            QCOMPARE(folha.linhas[titulos + 1].value(0).formato, QStringLiteral("dd-mm-yyyy"));
        }
    }

    void dialogoFechadoNaoEscreveNada()
    {
        Frm_Pesquisas *f = abreExtracto(m_janela->Mnu_Listagem2);
        escolheFicheiro(QString());
        QTest::mouseClick(f->Cmd_Exportar, Qt::LeftButton);
        QCOMPARE(m_caixas->textos(), QStringList());
        QCOMPARE(QDir(saida()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void ficheiroQueNaoSePodeEscrever_data()
    {
        QTest::addColumn<QString>("ficheiro");
        QTest::newRow("xlsx numa pasta que é um ficheiro") << "ocupado/e.xlsx";
        QTest::newRow("ods numa pasta que é um ficheiro") << "ocupado/e.ods";
        QTest::newRow("csv com o nome de uma pasta") << "pasta.csv";
    }
    void ficheiroQueNaoSePodeEscrever()
    {
        QFETCH(QString, ficheiro);
        const QDir pasta(saida());
        QFile ocupado(pasta.filePath("ocupado"));
        QVERIFY(ocupado.open(QIODevice::WriteOnly));
        ocupado.close();
        QVERIFY(pasta.mkpath("pasta.csv"));
        abreExtracto(m_janela->Mnu_Listagem2);
        const QString caminho = pasta.filePath(ficheiro);
        Listagens *l = listagens(m_janela.get());
        QCOMPARE(l->ExportaExtracto(caminho, *ExportacaoExtracto::formatoDoNome(caminho)), -1);
        QCOMPARE(m_caixas->textos().size(), 1);
        const QString aviso = m_caixas->textos()[0];
        QVERIFY2(aviso.contains(QStringLiteral("não pode ser escrito")), qPrintable(aviso));
        QVERIFY(aviso.endsWith(QStringLiteral("O extracto não foi exportado.")));
        // Nothing left behind, not even a hidden temporary copy.
        QCOMPARE(pasta.entryList(QDir::Files | QDir::Hidden), QStringList{"ocupado"});
        QVERIFY(QFileInfo(pasta.filePath("pasta.csv")).isDir());
    }

    void substituiUmFicheiroAntigoPorInteiro()
    {
        const QString caminho = QDir(saida()).filePath("antigo.csv");
        QFile antigo(caminho);
        QVERIFY(antigo.open(QIODevice::WriteOnly));
        antigo.write(QByteArray(100000, '#'));
        antigo.close();
        abreExtracto(m_janela->Mnu_Listagem2);
        QVERIFY(listagens(m_janela.get())->ExportaExtracto(caminho, FormatoFolha::Csv) == 6);
        QFile novo(caminho);
        QVERIFY(novo.open(QIODevice::ReadOnly));
        const QByteArray bytes = novo.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF") && !bytes.contains('#'));
        QCOMPARE(QDir(saida()).entryList(QDir::Files | QDir::Hidden), QStringList{"antigo.csv"});
    }
};

QUORVEL_TESTE(TestExportacao)
#include "TestExportacao.moc"
