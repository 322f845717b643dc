#include "extractos/ImportacaoExtracto.h"
#include "data/Relogio.h"
#include "data/BaseDados.h"
#include "data/Comando.h"
#include "data/Regional.h"
#include "data/TabelaDetOutros.h"
#include "data/TabelaMovimentos.h"
#include "data/Texto.h"
#include "extractos/LeitorExtracto.h"

#include <QFileInfo>
#include <algorithm>
#include <charconv>
#include <openssl/sha.h>
#include <sqlite3.h>

namespace ImportacaoExtracto {

namespace {

QString digitos(const QString &t)
{
    QString r;
    for (const QChar c : t)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            r += c;
    return r;
}

// Too few digits say nothing about an account ("1", "12").
constexpr int DigitosMinimos = 6;

QString hashDe(const QByteArray &bytes)
{
    unsigned char h[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char *>(bytes.constData()), size_t(bytes.size()), h);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(h), SHA256_DIGEST_LENGTH).toHex());
}

// FNV-1a, 64 bits, over the fields' UTF-8, each followed by a separator: enough to tell an
// edit (nobody forges one against himself), and quick for tens of thousands of movements. The
// bytes are hashed as they are made, without a copy of the texts.
class Impressao
{
public:
    Impressao &texto(const QString &t)
    {
        const auto *p = reinterpret_cast<const char16_t *>(t.utf16());
        const qsizetype n = t.size();
        qsizetype i = 0;
        while (i < n && p[i] < 0x80)
            byte(quint8(p[i++]));
        if (i < n)
            for (const char b : QStringView(t).sliced(i).toUtf8())
                byte(quint8(b));
        byte(0x1f);
        return *this;
    }
    Impressao &numero(qint64 v)
    {
        char b[24];
        const auto r = std::to_chars(b, b + sizeof b, v);
        for (const char *c = b; c < r.ptr; ++c)
            byte(quint8(*c));
        byte(0x1f);
        return *this;
    }
    QString hex() const { return QString::number(m_h, 16).rightJustified(16, QLatin1Char('0')); }

private:
    void byte(quint8 b)
    {
        m_h ^= b;
        m_h *= 1099511628211ull;
    }
    quint64 m_h = 14695981039346656037ull;
};

// The fields of a movement row a later edit changes (not Saldo or Alterou, which every
// write-back of the grid rewrites).
Impressao &impressaoLinha(Impressao &i, const QString &dataIso, const QString &numero,
                          const QString &descricao, const QString &s, qint64 debito,
                          qint64 credito, int numBanco)
{
    return i.texto(dataIso).texto(numero).texto(descricao).texto(s).numero(debito)
        .numero(credito).numero(numBanco);
}

Impressao &impressaoExtras(Impressao &i, const ExtrasMovimento &e)
{
    return i.texto(e.categoria).texto(e.categoria1).texto(e.observacoes);
}

QString periodo(const QDate &a, const QDate &b)
{
    return Regional::formataData(a) + QStringLiteral(" a ") + Regional::formataData(b);
}

// The account's movements in the grid's order, the columns the reconciliation reads: dates
// parsed straight from their stored ISO text.
std::vector<Movimento> movimentosDaConta(BaseDados &bd, int numBanco)
{
    std::vector<Movimento> r;
    Comando c = bd.prepara(QStringLiteral(
        "SELECT NumAutomatico, Data, Numero, Descricao, S, Debito, Credito FROM TabBancos1Det "
        "WHERE NumBanco = ? ORDER BY Data ASC, NumAutomatico ASC"));
    c.liga(1, numBanco);
    QString situacaoAnterior;
    std::string anteriorUtf8;
    while (c.avanca()) {
        Movimento m;
        m.numAutomatico = c.inteiro(0);
        const std::string_view d = c.utf8(1);
        const auto digitos = [&](size_t de, size_t n) {
            int v = 0;
            for (size_t k = de; k < de + n; ++k) {
                if (d[k] < '0' || d[k] > '9')
                    return -1;
                v = v * 10 + (d[k] - '0');
            }
            return v;
        };
        if (d.size() == 10 && d[4] == '-' && d[7] == '-' && digitos(0, 4) >= 0
            && digitos(5, 2) >= 0 && digitos(8, 2) >= 0)
            m.data = QDate(digitos(0, 4), digitos(5, 2), digitos(8, 2));
        else if (!d.empty())
            m.data = Regional::deIso(c.texto(1));
        const std::string_view s = c.utf8(4); // "V", "", "A": one shared text each
        if (s != anteriorUtf8) {
            anteriorUtf8 = std::string(s);
            situacaoAnterior = c.texto(4);
        }
        m.situacao = situacaoAnterior;
        // Only a movement still to verify is matched or shown: the others count in the
        // balance alone, so their texts are not made.
        if (Conciliacao::porVerificar(m)) {
            m.numero = c.texto(2);
            m.descricao = c.texto(3);
        }
        m.debito = Dinheiro::deCentimos(c.inteiro(5));
        m.credito = Dinheiro::deCentimos(c.inteiro(6));
        m.numBanco = numBanco;
        r.push_back(std::move(m));
    }
    return r;
}

void executa(Comando &c)
{
    while (c.avanca()) {
    }
    c.reinicia();
}

} // namespace

Extracto junta(const std::vector<Extracto> &extractos)
{
    Extracto r;
    if (extractos.empty())
        return r;
    r.formato = extractos.front().formato;
    r.iban = extractos.front().iban;
    r.moeda = extractos.front().moeda;
    for (const Extracto &e : extractos) {
        r.linhas.insert(r.linhas.end(), e.linhas.begin(), e.linhas.end());
        if (e.saldoInicial
            && (!r.saldoInicial || e.saldoInicial->data < r.saldoInicial->data))
            r.saldoInicial = e.saldoInicial;
        if (e.saldoFinal && (!r.saldoFinal || e.saldoFinal->data > r.saldoFinal->data))
            r.saldoFinal = e.saldoFinal;
    }
    return r;
}

bool mesmaConta(const QString &iban, const Conta &conta)
{
    const QString doFicheiro = digitos(iban);
    if (doFicheiro.size() < DigitosMinimos)
        return true;
    bool conhecida = false;
    for (const QString &n : {conta.nib, conta.numconta}) {
        const QString daConta = digitos(n);
        if (daConta.size() < DigitosMinimos)
            continue;
        conhecida = true;
        // An IBAN holds the NIB, which holds the account number.
        if (doFicheiro.contains(daConta) || daConta.contains(doFicheiro))
            return true;
    }
    return !conhecida;
}

int contaDoIban(const std::vector<Conta> &contas, const QString &iban)
{
    if (digitos(iban).size() < DigitosMinimos)
        return 0;
    for (const Conta &c : contas) {
        if (c.banco.trimmed().isEmpty())
            continue;
        const bool temNumero = digitos(c.nib).size() >= DigitosMinimos
                               || digitos(c.numconta).size() >= DigitosMinimos;
        if (temNumero && mesmaConta(iban, c))
            return c.numBanco;
    }
    return 0;
}

ImportacaoPreparada prepara(BaseDados &bd, int numBanco, const std::vector<Extracto> &extractos,
                            const QString &nomeFicheiro, const QByteArray &bytes)
{
    ImportacaoPreparada p;
    p.ficheiro = QFileInfo(nomeFicheiro).fileName();
    p.hash = hashDe(bytes);
    const auto conta = TabelaContas::le(bd, numBanco);
    if (!conta || conta->banco.trimmed().isEmpty())
        throw ImportacaoRecusada(QStringLiteral("A conta %1 não existe.").arg(numBanco));
    p.conta = *conta;
    if (extractos.empty())
        throw ImportacaoRecusada(
            QStringLiteral("O ficheiro %1 não contém nenhum extracto.\r\rNada foi importado.")
                .arg(p.ficheiro));
    for (const Extracto &e : extractos) {
        const QString moeda = e.moeda.trimmed().toUpper();
        if (!moeda.isEmpty() && moeda != QLatin1String("EUR"))
            throw ImportacaoRecusada(
                QStringLiteral("O extracto %1 está em %2: só se importam extractos em euros "
                               "(EUR).\r\rNada foi importado.")
                    .arg(p.ficheiro, moeda));
        if (!mesmaConta(e.iban, p.conta))
            throw ImportacaoRecusada(
                QStringLiteral("O extracto %1 é da conta %2, não da conta \"%3\" (NIB %4).\r\r"
                               "Nada foi importado.")
                    .arg(p.ficheiro, e.iban, p.conta.banco.trimmed(),
                         p.conta.nib.trimmed().isEmpty() ? p.conta.numconta.trimmed()
                                                         : p.conta.nib.trimmed()));
    }
    p.extracto = junta(extractos);

    std::vector<Movimento> movimentos = movimentosDaConta(bd, numBanco);
    const std::unordered_set<QString> importadas = RegistoImportacoes::chaves(bd, numBanco);
    const std::vector<RegraCategoria> regras = RegrasCategoria::le(bd, numBanco);
    Conciliacao::Entrada entrada;
    entrada.numBanco = numBanco;
    entrada.extracto = &p.extracto;
    entrada.movimentos = &movimentos;
    entrada.importadas = &importadas;
    entrada.regras = &regras;
    p.plano = Conciliacao::planeia(entrada);

    for (const Importacao &i : RegistoImportacoes::lista(bd, numBanco)) {
        if (i.hash == p.hash)
            p.avisos << QStringLiteral("Este ficheiro já foi importado em %1 (%2).")
                            .arg(i.data.toString(QStringLiteral("dd-MM-yyyy hh:mm")), i.ficheiro);
        else if (i.inicio.isValid() && p.plano.inicio.isValid() && i.inicio <= p.plano.fim
                 && p.plano.inicio <= i.fim)
            p.avisos << QStringLiteral("O período do extracto (%1) sobrepõe-se ao da importação "
                                       "de %2 em %3 (%4).")
                            .arg(periodo(p.plano.inicio, p.plano.fim), i.ficheiro,
                                 i.data.toString(QStringLiteral("dd-MM-yyyy")),
                                 periodo(i.inicio, i.fim));
    }
    return p;
}

void reaplicaRegras(BaseDados &bd, ImportacaoPreparada &p)
{
    Conciliacao::aplicaRegras(p.plano, RegrasCategoria::le(bd, p.plano.numBanco));
}

ResultadoImportacao confirma(BaseDados &bd, const ImportacaoPreparada &p)
{
    const PlanoConciliacao &plano = p.plano;
    ResultadoImportacao r;
    r.novos = plano.conta(DecisaoLinha::Novo);
    r.conciliados = plano.conta(DecisaoLinha::Conciliado);
    r.jaImportados = plano.conta(DecisaoLinha::JaImportado);
    r.ignorados = plano.conta(DecisaoLinha::Ignorado);
    if (r.novos + r.conciliados == 0)
        return r; // nothing comes in: no record, so the last real import stays the one undone

    const int n = plano.numBanco;
    Transaccao t(bd);
    Comando novo = bd.prepara(QStringLiteral(
        "INSERT INTO TabBancos1Det (Data, Numero, Descricao, S, Debito, Credito, NumBanco) "
        "VALUES (?, ?, ?, 'V', ?, ?, ?)"));
    Comando extras = bd.prepara(QStringLiteral(
        "INSERT INTO TabBancosDetOutros (NumAutoDet, NumBanco, Categoria, Categoria1, "
        "Observacoes) VALUES (?, ?, ?, ?, ?)"));
    Comando marca = bd.prepara(QStringLiteral(
        "UPDATE TabBancos1Det SET S = 'V' WHERE NumAutomatico = ? AND NumBanco = ? "
        "AND COALESCE(S, '') = ?"));
    const QString v = QStringLiteral("V");
    std::vector<LinhaImportada> linhas;
    linhas.reserve(size_t(r.novos + r.conciliados));
    for (const LinhaPlano &l : plano.linhas) {
        if (l.decisao == DecisaoLinha::Novo) {
            const QString data = Conciliacao::iso(l.linha.data);
            const QString numero = Texto::corta(l.linha.numero, TabelaMovimentos::LarguraNumero);
            const QString descricao =
                Texto::corta(l.linha.descricao, TabelaMovimentos::LarguraDescricao);
            const qint64 debito = l.linha.valor.negativo() ? -l.linha.valor.centimos() : 0;
            const qint64 credito = l.linha.valor.negativo() ? 0 : l.linha.valor.centimos();
            novo.liga(1, data.isNull() ? QVariant() : QVariant(data));
            novo.liga(2, numero);
            novo.liga(3, descricao);
            novo.liga(4, debito);
            novo.liga(5, credito);
            novo.liga(6, n);
            executa(novo);
            const qint64 chave = sqlite3_last_insert_rowid(bd.ligacaoNativa());
            ExtrasMovimento e;
            e.categoria = Texto::corta(l.categoria, TabelaDetOutros::LarguraCategoria);
            e.categoria1 = Texto::corta(l.categoria1, TabelaDetOutros::LarguraCategoria);
            if (l.linha.dataValor.isValid() && l.linha.dataValor != l.linha.data)
                e.observacoes = QStringLiteral("Data valor: ")
                                + Regional::formataData(l.linha.dataValor);
            if (!e.categoria.isEmpty() || !e.categoria1.isEmpty() || !e.observacoes.isEmpty()) {
                extras.liga(1, chave);
                extras.liga(2, n);
                extras.liga(3, e.categoria);
                extras.liga(4, e.categoria1);
                extras.liga(5, e.observacoes);
                executa(extras);
            }
            Impressao imp;
            impressaoLinha(imp, data, numero, descricao, v, debito, credito, n);
            impressaoExtras(imp, e);
            linhas.push_back({l.chave, l.chaveValor, AccaoLinha::Criou, chave, {}, imp.hex()});
        } else if (l.decisao == DecisaoLinha::Conciliado) {
            const Movimento *m = Conciliacao::movimento(plano, l.movimento);
            if (!m)
                throw ImportacaoRecusada(QStringLiteral("O movimento %1 não é da conta.")
                                             .arg(l.movimento));
            marca.liga(1, m->numAutomatico);
            marca.liga(2, n);
            marca.liga(3, m->situacao);
            executa(marca);
            if (sqlite3_changes(bd.ligacaoNativa()) != 1)
                throw ImportacaoRecusada(
                    QStringLiteral("O movimento de %1 \"%2\" foi alterado entretanto.\r\r"
                                   "Nada foi importado; abra o extracto de novo.")
                        .arg(Regional::formataData(m->data), m->descricao));
            Impressao imp;
            impressaoLinha(imp, Conciliacao::iso(m->data), m->numero, m->descricao, v,
                           m->debito.centimos(), m->credito.centimos(), n);
            linhas.push_back({l.chave, l.chaveValor, AccaoLinha::Marcou, m->numAutomatico,
                              m->situacao, imp.hex()});
        }
    }
    Importacao i;
    i.numBanco = n;
    i.ficheiro = p.ficheiro;
    i.hash = p.hash;
    i.formato = ::nomeFormato(p.extracto.formato);
    i.data = QDateTime(Relogio::hoje(), QTime::currentTime()); // the day through the clock
    i.inicio = plano.inicio;
    i.fim = plano.fim;
    i.novos = r.novos;
    i.conciliados = r.conciliados;
    i.jaImportados = r.jaImportados;
    i.ignorados = r.ignorados;
    i.soNoRazao = int(plano.soNoRazao.size());
    r.numImportacao = RegistoImportacoes::regista(bd, i, linhas);
    return r;
}

namespace {

// The fingerprints of many movements, each statement prepared once for them all (an undo reads
// one a line of the import, tens of thousands).
class LeitorImpressoes
{
public:
    explicit LeitorImpressoes(BaseDados &bd)
        : m_linha(bd.prepara(QStringLiteral(
              "SELECT Data, Numero, Descricao, S, Debito, Credito, NumBanco FROM TabBancos1Det "
              "WHERE NumAutomatico = ?"))),
          m_extras(bd.prepara(QStringLiteral(
              "SELECT Categoria, Categoria1, Observacoes FROM TabBancosDetOutros "
              "WHERE NumAutoDet = ? AND NumBanco = ? ORDER BY rowid LIMIT 1")))
    {
    }

    QString impressao(qint64 numAutomatico, int numBanco, bool comExtras)
    {
        m_linha.liga(1, numAutomatico);
        const bool existe = m_linha.avanca() && m_linha.inteiro(6) == numBanco;
        Impressao imp;
        if (existe)
            impressaoLinha(imp, m_linha.texto(0), m_linha.texto(1), m_linha.texto(2),
                           m_linha.texto(3), m_linha.inteiro(4), m_linha.inteiro(5),
                           int(m_linha.inteiro(6)));
        m_linha.reinicia();
        if (!existe)
            return {};
        if (comExtras) {
            // The movement's first extras row, as the grid reads it; without one, all empty.
            ExtrasMovimento e;
            m_extras.liga(1, numAutomatico);
            m_extras.liga(2, numBanco);
            if (m_extras.avanca())
                e = {m_extras.texto(0), m_extras.texto(1), m_extras.texto(2)};
            m_extras.reinicia();
            impressaoExtras(imp, e);
        }
        return imp.hex();
    }

private:
    Comando m_linha, m_extras;
};

} // namespace

QString impressaoActual(BaseDados &bd, qint64 numAutomatico, int numBanco, bool comExtras)
{
    return LeitorImpressoes(bd).impressao(numAutomatico, numBanco, comExtras);
}

ResultadoAnulacao anulaUltima(BaseDados &bd, int numBanco)
{
    Transaccao t(bd); // the check and the undo see the same rows
    const auto ultima = RegistoImportacoes::ultima(bd, numBanco);
    if (!ultima)
        throw ImportacaoRecusada(
            QStringLiteral("Esta conta não tem nenhuma importação de extracto por anular."));
    ResultadoAnulacao r;
    r.importacao = *ultima;
    const std::vector<LinhaImportada> linhas =
        RegistoImportacoes::linhas(bd, ultima->numImportacao);
    QStringList alterados;
    int totalAlterados = 0;
    LeitorImpressoes impressoes(bd);
    for (const LinhaImportada &l : linhas) {
        const bool criou = l.accao == AccaoLinha::Criou;
        if (impressoes.impressao(l.numAutomatico, numBanco, criou) == l.impressao)
            continue;
        ++totalAlterados;
        if (alterados.size() < 5) {
            Registos m = bd.consulta(QStringLiteral("SELECT Data, Descricao FROM TabBancos1Det "
                                                    "WHERE NumAutomatico = ?"),
                                     {l.numAutomatico});
            alterados << (m.vazio()
                              ? QStringLiteral("(movimento apagado)")
                              : Regional::formataData(
                                    Regional::deIso(m.texto(QStringLiteral("Data"))))
                                    + QLatin1Char(' ') + m.texto(QStringLiteral("Descricao")));
        }
    }
    if (totalAlterados > 0)
        throw ImportacaoRecusada(
            QStringLiteral("Não é possível anular a importação de %1 (%2): %3 dos movimentos que "
                           "ela criou ou conciliou foram alterados ou apagados depois:\r%4\r\r"
                           "Nada foi alterado.")
                .arg(ultima->ficheiro, ultima->data.toString(QStringLiteral("dd-MM-yyyy hh:mm")))
                .arg(totalAlterados)
                .arg(alterados.join(QLatin1Char('\r'))));
    Comando apaga = bd.prepara(QStringLiteral(
        "DELETE FROM TabBancos1Det WHERE NumAutomatico = ? AND NumBanco = ?"));
    Comando apagaExtras = bd.prepara(QStringLiteral(
        "DELETE FROM TabBancosDetOutros WHERE NumAutoDet = ? AND NumBanco = ?"));
    Comando repoe = bd.prepara(QStringLiteral(
        "UPDATE TabBancos1Det SET S = ? WHERE NumAutomatico = ? AND NumBanco = ?"));
    for (const LinhaImportada &l : linhas) {
        if (l.accao == AccaoLinha::Criou) {
            for (Comando *c : {&apaga, &apagaExtras}) {
                c->liga(1, l.numAutomatico);
                c->liga(2, numBanco);
                executa(*c);
            }
            ++r.removidos;
        } else {
            repoe.liga(1, l.situacaoAntes);
            repoe.liga(2, l.numAutomatico);
            repoe.liga(3, numBanco);
            executa(repoe);
            ++r.repostos;
        }
    }
    RegistoImportacoes::esquece(bd, ultima->numImportacao);
    return r;
}

bool passwordAbre(const QString &daConta, const QString &digitada, const QString &geral)
{
    const auto mesma = [](const QString &a, const QString &b) {
        return a.normalized(QString::NormalizationForm_C)
                   .compare(b.normalized(QString::NormalizationForm_C), Qt::CaseInsensitive)
               == 0;
    };
    return mesma(daConta.trimmed(), digitada.trimmed())
           || (!geral.trimmed().isEmpty() && mesma(digitada.trimmed(), geral));
}

} // namespace ImportacaoExtracto
