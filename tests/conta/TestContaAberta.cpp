// The open account's rules on the model alone, no window: what a write-back sends, what a
// write shows in place of reading the account again, and when a write is believed stored.
#include "ApoioConta.h"
#include "data/Relogio.h"
#include "data/Texto.h"
#include "support/RegistoTestes.h"

using namespace ColunasGrelha;
using namespace ApoioConta;

class TestContaAberta : public QObject
{
    Q_OBJECT

    static void abre(ContaAberta &c, BaseDados &bd, int n)
    {
        c.escolhe(n);
        c.carrega(bd);
        c.calculaSaldos(Relogio::hoje());
    }

private slots:
    void escritaSoDoQueDifere_data()
    {
        // What the file holds for movement 3 of 5, and what a write-back of every row must
        // send: whole rows, and rows whose balance alone differs.
        QTest::addColumn<QString>("estragado");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<int>("saldos");
        QTest::newRow("saldos gravados, nada a enviar") << QString() << 0 << 0;
        QTest::newRow("um saldo antigo") << "Saldo = 1" << 0 << 1;
        QTest::newRow("saldo nulo") << "Saldo = NULL" << 0 << 1;
        QTest::newRow("débito nulo, escrito 0") << "Debito = NULL" << 1 << 0;
        QTest::newRow("marca de alterado deixada") << "Alterou = 1" << 1 << 0;
        QTest::newRow("descrição maior que a coluna")
            << "Descricao = 'uma descrição comprida de mais para a coluna da grelha, cortada'"
            << 1 << 0;
        QTest::newRow("número guardado como bytes") << "Numero = x'3132'" << 1 << 0;
        QTest::newRow("situação nula") << "S = NULL" << 1 << 0;
        // A date the grid cannot read stays as it is; the row sorts as stored (after the others),
        // so the balances from there on change.
        QTest::newRow("data ilegível") << "Data = '2024-1-3'" << 0 << 3;
        // An annulled movement changes the balance of every row after it.
        QTest::newRow("anulado por fora") << "S = 'A'" << 0 << 3;
    }
    void escritaSoDoQueDifere()
    {
        QFETCH(QString, estragado);
        QFETCH(int, linhas);
        QFETCH(int, saldos);
        Ficheiro f;
        std::vector<qint64> k;
        for (int i = 0; i < 5; ++i)
            k.push_back(f.insere(1, QStringLiteral("2024-01-0%1").arg(i + 1), 0, 1000 * (i + 1)));
        ContaAberta c;
        abre(c, *f.bd, 1);
        grava(*f.bd, c, c.porGravar(true)); // every balance stored
        if (!estragado.isEmpty())
            f.bd->executa(QStringLiteral("UPDATE TabBancos1Det SET %1 WHERE NumAutomatico = ?")
                              .arg(estragado),
                          {k[2]});
        abre(c, *f.bd, 1);
        const ContaAberta::Gravacao g = c.porGravar(true);
        QCOMPARE(int(g.linhas.size()), linhas);
        QCOMPARE(int(g.saldos.size()), saldos);
        grava(*f.bd, c, g);
        c.gravou(g);
        QVERIFY(c.porGravar(true).vazia()); // once written, nothing is left to send
        QCOMPARE(saldosErrados(*f.bd, 1), QStringList());
        abre(c, *f.bd, 1);
        QVERIFY(c.porGravar(true).vazia()); // and a fresh reading agrees
    }

    void gravadoMostradoComoLido_data()
    {
        // An edit of grid row 3 (of 6), written, then shown in place: the grid must read as the
        // account read again would, or say it cannot.
        QTest::addColumn<int>("coluna");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("noLugar");
        QTest::newRow("data para trás") << int(Data) << "01-12-2023" << true;
        QTest::newRow("data para a frente") << int(Data) << "31-01-2024" << true;
        QTest::newRow("o mesmo dia, fica depois dos mais antigos") << int(Data) << "05-01-2024" << true;
        QTest::newRow("data inválida, fica a que tinha") << int(Data) << "32-13-2024" << true;
        QTest::newRow("valor") << int(Credito) << "1.234,56" << true;
        QTest::newRow("valor que não é valor") << int(Debito) << "abc" << true;
        QTest::newRow("anulado") << int(S) << "A" << true;
        QTest::newRow("apagado") << int(NumBanco) << "-1" << true;
        QTest::newRow("para outra conta") << int(NumBanco) << "2" << true;
        QTest::newRow("descrição acentuada") << int(Descricao) << "Água e luz — Março" << true;
        QTest::newRow("chave de outra linha") << int(NumAutomatico) << "KEY5" << false;
    }
    void gravadoMostradoComoLido()
    {
        QFETCH(int, coluna);
        QFETCH(QString, texto);
        QFETCH(bool, noLugar);
        Ficheiro f;
        std::vector<qint64> k;
        for (int i = 0; i < 6; ++i)
            k.push_back(f.insere(1, QStringLiteral("2024-01-0%1").arg(i + 2), 100 * i, 1000,
                                 i == 4 ? QStringLiteral("A") : QString()));
        f.insere(1, QString(), 0, 7); // an undated movement comes first
        ContaAberta c;
        abre(c, *f.bd, 1);
        if (texto == QLatin1String("KEY5"))
            texto = QString::number(k[4]);
        c.defineTexto(3, coluna, texto);
        c.marcaAlterada(3);
        c.defineTexto(5, Descricao, QStringLiteral("escrito, não marcado")); // goes, as on reading
        const ContaAberta::Gravacao g = c.porGravar(false);
        QCOMPARE(int(g.linhas.size()), 1);
        grava(*f.bd, c, g);
        QCOMPARE(c.mostraGravado(g), noLugar);
        if (!noLugar)
            return;
        QCOMPARE(mostradas(c), contaIngenua(*f.bd, 1));
        ContaAberta lida;
        abre(lida, *f.bd, 1);
        for (int r = 1; r < c.linhas(); ++r)
            for (int col = 1; col < c.colunas(); ++col) {
                QCOMPARE(c.texto(r, col), lida.texto(r, col));
                QCOMPARE(c.fundo(r, col), lida.fundo(r, col));
                QCOMPARE(c.frente(r, col), lida.frente(r, col));
            }
        QCOMPARE(c.saldoFinal(), lida.saldoFinal());
    }

    void naoMostraNoLugarOQueNaoTem()
    {
        // A grid cut or grown by the program, or showing another account than the chosen one,
        // is read again rather than guessed at.
        Ficheiro f;
        for (int i = 0; i < 4; ++i)
            f.insere(1, QStringLiteral("2024-02-0%1").arg(i + 1), 0, 100);
        ContaAberta c;
        abre(c, *f.bd, 1);
        Movimento m;
        m.data = QDate(2024, 2, 2);
        m.numBanco = 1;
        m.numAutomatico = 999;
        c.defineTamanho(c.linhas() + 1, c.colunas());
        QVERIFY(!c.mostraCriado(m));
        abre(c, *f.bd, 1);
        c.escolhe(2);
        QVERIFY(!c.mostraCriado(m));
        c.escolhe(1);
        QVERIFY(c.mostraCriado(m));
        QCOMPARE(c.linhaDaChave(999), 3); // after the movements of its day made before it
        c.esquece();
        QCOMPARE(c.linhas(), 1);
        QVERIFY(!c.mostraCriado(m));
        QCOMPARE(c.saldoFinal(), Dinheiro());
    }

    void acreditaNaGravacaoSoDepoisDoCommit()
    {
        // A write-back inside a listing's transaction that is then rolled back must be sent
        // again: the model is told only after the commit.
        Ficheiro f;
        for (int i = 0; i < 3; ++i)
            f.insere(1, QStringLiteral("2024-03-0%1").arg(i + 1), 0, 500);
        ContaAberta c;
        abre(c, *f.bd, 1);
        const auto g = c.porGravar(true);
        QCOMPARE(int(g.saldos.size()), 3);
        f.bd->iniciaTransaccao();
        c.gravaSaldos(*f.bd, g);
        f.bd->aposConfirmar([&] { c.gravou(g); });
        f.bd->anulaTransaccao();
        QCOMPARE(int(c.porGravar(true).saldos.size()), 3);
        f.bd->iniciaTransaccao();
        c.gravaSaldos(*f.bd, g);
        f.bd->aposConfirmar([&] { c.gravou(g); });
        QVERIFY(!c.porGravar(true).vazia()); // not before the commit
        f.bd->confirmaTransaccao();
        QVERIFY(c.porGravar(true).vazia());
        QCOMPARE(saldosErrados(*f.bd, 1), QStringList());
    }

    void saldosMudadosAntesDoCommitVaoDeNovo()
    {
        // More balances than one slice of the write holds (none stored yet), all written; then,
        // before the commit, the second movement's amount changes, moving every balance after
        // it. Those were written with their old values and must be sent again (with the others:
        // what that write stored is no longer known row by row).
        constexpr int Movimentos = 2 * 8192 + 3;
        Ficheiro f;
        f.bd->iniciaTransaccao();
        for (int i = 0; i < Movimentos; ++i)
            f.insere(1, QStringLiteral("2024-03-01"), 0, 100 + i);
        f.bd->confirmaTransaccao();
        ContaAberta c;
        abre(c, *f.bd, 1);
        const auto g = c.porGravar(true);
        QCOMPARE(int(g.saldos.size()), Movimentos);
        f.bd->iniciaTransaccao();
        c.gravaSaldos(*f.bd, g);
        f.bd->aposConfirmar([&] { c.gravou(g); });
        c.defineTexto(2, Credito, QStringLiteral("5,00"));
        c.marcaAlterada(2);
        const auto alterada = c.porGravar(false);
        TabelaMovimentos::actualiza(*f.bd, alterada.linhas);
        QVERIFY(c.mostraGravado(alterada));
        f.bd->confirmaTransaccao();
        const auto deNovo = c.porGravar(true);
        QCOMPARE(int(deNovo.saldos.size()), Movimentos);
        grava(*f.bd, c, deNovo);
        c.gravou(deNovo);
        QVERIFY(c.porGravar(true).vazia());
        QCOMPARE(saldosErrados(*f.bd, 1), QStringList());
    }

    // Texts are kept packed: each length class must read back exactly as stored, and an edit
    // shown in place must not disturb the texts of the rows around it.
    void saldosEmDiaDepoisDeCadaMudanca_data()
    {
        // A change to the rows as read, then the balances asked for as the grid asks for them
        // (only what is stale is summed again): each row's balance must be the naive one.
        QTest::addColumn<QString>("mudanca");
        for (const char *m : {"montante", "anulado", "data para trás", "data para a frente",
                              "outra conta", "criado a meio", "removido"})
            QTest::newRow(m) << QString::fromUtf8(m);
    }
    void saldosEmDiaDepoisDeCadaMudanca()
    {
        QFETCH(QString, mudanca);
        Ficheiro f;
        for (int i = 0; i < 8; ++i)
            f.insere(1, QStringLiteral("2024-05-1%1").arg(i), 10 * i, 1000);
        LinhasConta l;
        l.comeca(*f.bd, 1);
        while (l.continua(3)) {
        }
        l.calculaSaldos();
        auto a = l.alteracao(5, false);
        int desde = 0;
        if (mudanca == QLatin1String("montante"))
            a.credito = Dinheiro::deCentimos(7);
        else if (mudanca == QLatin1String("anulado"))
            a.situacao = QStringLiteral("A");
        else if (mudanca == QLatin1String("data para trás"))
            a.data = QDate(2024, 5, 1);
        else if (mudanca == QLatin1String("data para a frente"))
            a.data = QDate(2024, 6, 1);
        else if (mudanca == QLatin1String("outra conta"))
            a.numBanco = 2;
        if (mudanca == QLatin1String("criado a meio")) {
            Movimento m;
            m.numAutomatico = 999;
            m.data = QDate(2024, 5, 12);
            m.debito = Dinheiro::deCentimos(333);
            m.numBanco = 1;
            l.insere(m, desde);
        } else if (mudanca == QLatin1String("removido")) {
            l.remove(3, desde);
        } else {
            l.substitui(5, a, desde);
        }
        l.calculaSaldos(); // `desde` not passed on: what changed must be known without it
        qint64 saldo = 0;
        for (int i = 0; i < l.total(); ++i) {
            if (!l.foraDoSaldo(i))
                saldo += l.credito(i) - l.debito(i);
            QCOMPARE(l.saldo(i), saldo);
        }
        QCOMPARE(l.saldoFinal(), saldo);
    }

    void textosLidosComoGuardados_data()
    {
        QTest::addColumn<QStringList>("numeros");
        QTest::addColumn<QStringList>("descricoes");
        const QString limite(65534, QLatin1Char('d')), longo(65535, QLatin1Char('e'));
        QTest::newRow("vazios") << QStringList{"", "12"} << QStringList{"", ""};
        QTest::newRow("acentos, bytes de mais de um") << QStringList{"nº 7"}
                                                      << QStringList{"Água e saneamento €"};
        QTest::newRow("no limite do tamanho curto") << QStringList{"1"} << QStringList{limite};
        QTest::newRow("um byte além") << QStringList{longo, "2"} << QStringList{"", longo};
        QTest::newRow("maior que um bloco")
            << QStringList{"3", "4"} << QStringList{QString((1 << 20) + 5, QChar(u'ç')), "depois"};
        QStringList muitos, nums;
        for (int i = 0; i < 60; ++i) {
            muitos << QString(20000 + i, QLatin1Char('a' + i % 26));
            nums << QString::number(i);
        }
        QTest::newRow("de um bloco para o seguinte") << nums << muitos;
    }
    void textosLidosComoGuardados()
    {
        QFETCH(QStringList, numeros);
        QFETCH(QStringList, descricoes);
        Ficheiro f;
        // Straight into the file, as an older program or another tool left them: the
        // program's own writes cut texts to their widths.
        for (int i = 0; i < numeros.size(); ++i)
            f.bd->executa(QStringLiteral("INSERT INTO TabBancos1Det (Data, Numero, Descricao, S, "
                                         "Debito, Credito, NumBanco) "
                                         "VALUES (?, ?, ?, '', 100, 0, 1)"),
                          {Regional::paraIso(QDate(2024, 1, 1).addDays(i)), numeros[i],
                           descricoes[i]});
        ContaAberta c;
        abre(c, *f.bd, 1);
        auto confere = [&] {
            for (int i = 0; i < numeros.size(); ++i) {
                QCOMPARE(c.texto(i + 1, Numero), numeros[i]);
                QCOMPARE(c.texto(i + 1, Descricao), descricoes[i]);
            }
        };
        confere();
        // The last movement's number edited and shown in place: it takes new room, and what
        // the write cut to its width shows cut.
        const int r = int(numeros.size());
        c.defineTexto(r, Numero, QStringLiteral("N"));
        c.marcaAlterada(r);
        const auto g = c.porGravar(false);
        ApoioConta::grava(*f.bd, c, g);
        QVERIFY(c.mostraGravado(g));
        numeros[r - 1] = QStringLiteral("N");
        descricoes[r - 1] = Texto::corta(descricoes[r - 1], TabelaMovimentos::LarguraDescricao);
        confere();
        QCOMPARE(mostradas(c), contaIngenua(*f.bd, 1));
    }

    void escolhaComoOTextoDaCaixa_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("numerica");
        QTest::addColumn<int>("numero");
        QTest::newRow("número") << "3" << true << 3;
        QTest::newRow("com espaços") << " 7 " << true << 7;
        QTest::newRow("fora das nove") << "12" << true << 12;
        QTest::newRow("texto") << "x" << false << 0;
        QTest::newRow("vazio") << "" << false << 0;
        QTest::newRow("decimal: numérico, mas não conta") << "1,5" << true << 0;
    }
    void escolhaComoOTextoDaCaixa()
    {
        QFETCH(QString, texto);
        QFETCH(bool, numerica);
        QFETCH(int, numero);
        ContaAberta c;
        int sinais = 0;
        connect(&c, &ContaAberta::contaMudou, this, [&] { ++sinais; });
        c.escolhe(texto);
        QCOMPARE(c.escolhaNumerica(), numerica);
        QCOMPARE(c.numBanco(), numero);
        c.escolhe(texto);
        QCOMPARE(sinais, texto.isEmpty() ? 0 : 1); // the same choice again says nothing
    }
};

QUORVEL_TESTE(TestContaAberta)
#include "TestContaAberta.moc"
