#include "data/DadosDemonstracao.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"
#include "data/Relogio.h"

#include <random>

namespace DadosDemonstracao {

namespace {

struct Modelo {
    const char *descricao;
    const char *categoria;
    bool credito;
    int minimo, maximo; // euros
};

const Modelo modelos[] = {
    {"Venda a dinheiro", "Vendas", true, 40, 900},
    {"Recebimento de cliente - factura", "Vendas", true, 150, 4200},
    {"Depósito em numerário", "Depósitos", true, 100, 1500},
    {"Transferência recebida", "Transferências", true, 200, 3000},
    {"Pagamento a fornecedor", "Fornecedores", false, 80, 2500},
    {"EDP - electricidade", "Electricidade", false, 60, 240},
    {"Águas municipais", "Água", false, 15, 70},
    {"Telefone e internet", "Telefone e Internet", false, 45, 46},
    {"Combustível - viatura", "Combustíveis", false, 30, 90},
    {"Comissão de manutenção de conta", "Comissões bancárias", false, 2, 8},
    {"Levantamento ATM", "Levantamentos", false, 20, 200},
    {"Material de escritório", "Material de escritório", false, 10, 150},
    {"Seguro multirriscos", "Seguros", false, 35, 120},
};

const char *observacoes[] = {
    "Conferido com o extracto do banco.",
    "Pagamento parcial; falta receber o restante no próximo mês.",
    "Ver factura arquivada na pasta de fornecedores.",
    "Cliente pediu segunda via do recibo.",
};

} // namespace

void geraMovimentos(BaseDados &bd, int numBanco, int quantos, const QDate &inicio,
                    unsigned semente)
{
    std::mt19937 aleatorio(semente);
    auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(aleatorio); };

    Comando movimento = bd.prepara(QStringLiteral(
        "INSERT INTO TabBancos1Det (Data, Numero, Descricao, S, Debito, Credito, Saldo, "
        "NumBanco, Alterou) VALUES (?, ?, ?, ?, ?, ?, 0, ?, 0)"));
    Comando extras = bd.prepara(QStringLiteral(
        "INSERT INTO TabBancosDetOutros (NumAutoDet, NumBanco, Categoria, Categoria1, "
        "Observacoes) VALUES (last_insert_rowid(), ?, ?, ?, ?)"));

    const int dias = std::max<qint64>(1, inicio.daysTo(Relogio::hoje()) + 1);
    for (int i = 0; i < quantos; ++i) {
        const Modelo &m = modelos[entre(0, int(std::size(modelos)) - 1)];
        const qint64 centimos = qint64(entre(m.minimo, m.maximo)) * 100 + entre(0, 99);
        // Spread evenly so the last movement falls on the last day.
        const QDate data = inicio.addDays(qint64(i) * (dias - 1) / std::max(1, quantos - 1));
        const bool semData = entre(0, 400) == 0;
        const int sorteio = entre(0, 99);
        const QString situacao = sorteio < 2 ? QStringLiteral("A")
                                 : sorteio < 70 ? QStringLiteral("V") : QString();
        QString numero;
        if (!m.credito && entre(0, 2) == 0)
            numero = QString::number(entre(100000, 999999));
        movimento.reinicia();
        movimento.ligaTodos({semData ? QVariant() : QVariant(Regional::paraIso(data)), numero,
                             QString::fromUtf8(m.descricao), situacao,
                             m.credito ? 0 : centimos, m.credito ? centimos : 0, numBanco});
        while (movimento.avanca()) {
        }
        if (entre(0, 3) != 0) {
            const bool comObservacao = entre(0, 9) == 0;
            extras.reinicia();
            extras.ligaTodos({numBanco, QString::fromUtf8(m.categoria), QString(),
                              comObservacao ? QString::fromUtf8(observacoes[entre(0, 3)])
                                            : QString()});
            while (extras.avanca()) {
            }
        }
    }
}

void preenche(BaseDados &bd)
{
    struct Conta {
        int numero;
        const char *nome, *dependencia, *numconta, *nib, *gestor, *password;
    };
    static const Conta contas[] = {
        {1, "Caixa Geral - Conta à Ordem", "Agência de Braga", "0123 004567 890",
         "0035 0123 00045678901 23", "Dra. Ana Ribeiro", ""},
        {2, "Millennium - Empresa", "Balcão Porto Boavista", "4567 8912 3456",
         "0033 0000 45678912345 67", "Sr. Nuno Carvalho", "segredo"},
        {3, "Crédito Agrícola", "Caixa de Barcelos", "40 123 456 789",
         "0045 4010 40123456789 10", "Sra. Marta Fonseca", ""},
    };
    const QDate inicio = Relogio::hoje().addYears(-2);
    for (const auto &c : contas) {
        bd.executa(QStringLiteral("UPDATE TabBancos SET banco = ?, dependencia = ?, numconta = ?, "
                                  "nib = ?, gestor = ?, ObservDiversas = ?, Observmemo = ? "
                                  "WHERE NumBanco = ?"),
                   {QString::fromUtf8(c.nome), QString::fromUtf8(c.dependencia),
                    QString::fromUtf8(c.numconta), QString::fromUtf8(c.nib),
                    QString::fromUtf8(c.gestor), QString::fromUtf8(c.password),
                    QStringLiteral("Conta de demonstração."), c.numero});
        geraMovimentos(bd, c.numero, 600, inicio, unsigned(c.numero) * 7919u);
    }
    // A bookkeeper ticks movements against the statements received: the latest weeks have
    // none yet (the demo folder's sample statements are of those weeks).
    bd.executa(QStringLiteral("UPDATE TabBancos1Det SET S = ? WHERE S = 'V' AND Data >= ?"),
               {QString(), Regional::paraIso(Relogio::hoje().addDays(1 - DiasPorVerificar))});
    bd.executa(QStringLiteral("UPDATE TabBancos SET ultimo = 1 WHERE NumBanco = 1"));
}

} // namespace DadosDemonstracao
