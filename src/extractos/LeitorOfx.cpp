#include "extractos/LeitorOfx.h"


using namespace Qt::StringLiterals;

#include "extractos/CodificacaoTexto.h"
#include "extractos/ErroExtracto.h"
#include "extractos/LeitorXml.h"
#include "extractos/LeitorCampos.h"

namespace {

[[noreturn]] void falha(const QString &nome, int linha, const QString &motivo)
{
    throw ErroExtracto(nome, linha, motivo);
}

std::optional<Dinheiro> valorOfx(const QString &t)
{
    if (const auto v = LeitorCampos::decimalPonto(t))
        return v;
    // Some European banks write the amount with a decimal comma.
    if (t.contains(u',') && !t.contains(u'.'))
        return LeitorCampos::decimalPonto(QString(t).replace(u',', u'.'));
    return std::nullopt;
}

struct Transaccao {
    QString tipo, data, dataUtilizador, valor, fitid, cheque, refnum, nome, memo;
    int linha = 0;
};

// What the two syntaxes hand on: aggregates opening and closing, leaves with their value.
class Interpretacao
{
public:
    Interpretacao(FormatoExtracto formato, const QString &nome) : m_formato(formato), m_nome(nome)
    {
    }

    void abre(const QString &n, int linha)
    {
        m_pilha << n;
        if (n == u"STMTRS" || n == u"CCSTMTRS") {
            m_extractos.emplace_back();
            m_extractos.back().formato = m_formato;
            m_emExtracto = true;
        } else if (n == u"STMTTRN" && m_emExtracto) {
            m_trn = Transaccao{};
            m_trn.linha = linha;
            m_emTrn = true;
        } else if (n == u"LEDGERBAL") {
            m_saldoValor.clear();
            m_saldoData.clear();
            m_linhaSaldo = linha;
        }
    }

    void fecha(const QString &n)
    {
        const qsizetype i = m_pilha.lastIndexOf(n);
        if (i < 0)
            return;
        // Closing an aggregate closes every unclosed element inside it.
        for (qsizetype k = m_pilha.size() - 1; k >= i; --k)
            fechaUm(m_pilha.takeLast());
    }

    void folha(const QString &n, const QString &valor)
    {
        const QString pai = m_pilha.isEmpty() ? QString() : m_pilha.back();
        const QString v = valor.trimmed();
        if (m_emTrn && pai == u"STMTTRN") {
            if (n == u"TRNTYPE") m_trn.tipo = v;
            else if (n == u"DTPOSTED") m_trn.data = v;
            else if (n == u"DTUSER") m_trn.dataUtilizador = v;
            else if (n == u"TRNAMT") m_trn.valor = v;
            else if (n == u"FITID") m_trn.fitid = v;
            else if (n == u"CHECKNUM") m_trn.cheque = v;
            else if (n == u"REFNUM") m_trn.refnum = v;
            else if (n == u"NAME") m_trn.nome = v;
            else if (n == u"MEMO") m_trn.memo = v;
        } else if (m_emTrn && pai == u"PAYEE" && n == u"NAME") {
            m_trn.nome = v;
        } else if (m_emExtracto && n == u"CURDEF" && pai.endsWith(u"STMTRS")) {
            m_extractos.back().moeda = v;
        } else if (m_emExtracto && n == u"ACCTID"
                   && (pai == u"BANKACCTFROM" || pai == u"CCACCTFROM")) {
            m_extractos.back().iban = QString(v).remove(u' ');
        } else if (pai == u"LEDGERBAL") {
            if (n == u"BALAMT") m_saldoValor = v;
            else if (n == u"DTASOF") m_saldoData = v;
        }
    }

    bool aberto(const QString &n) const { return m_pilha.contains(n); }

    std::vector<Extracto> fim(int ultimaLinha)
    {
        if (m_emTrn)
            falha(m_nome, m_trn.linha, QStringLiteral("o movimento que começa nesta linha não "
                                                      "termina: o ficheiro está incompleto."));
        if (m_emExtracto)
            falha(m_nome, ultimaLinha, QStringLiteral("o extracto não termina: o ficheiro está "
                                                      "incompleto."));
        if (m_extractos.empty())
            falha(m_nome, 0, QStringLiteral("o ficheiro OFX não tem nenhum extracto bancário."));
        return std::move(m_extractos);
    }

private:
    void fechaUm(const QString &n)
    {
        if (n == u"STMTTRN" && m_emTrn) {
            m_emTrn = false;
            m_extractos.back().linhas.push_back(linha());
        } else if (n == u"LEDGERBAL" && m_emExtracto) {
            const auto v = valorOfx(m_saldoValor);
            const QDate d = LeitorCampos::dataCompacta(m_saldoData);
            if (!v || !d.isValid())
                falha(m_nome, m_linhaSaldo, QStringLiteral("saldo ilegível (BALAMT «%1», DTASOF "
                                                           "«%2»).")
                                                .arg(m_saldoValor.left(30), m_saldoData.left(30)));
            m_extractos.back().saldoFinal = SaldoExtracto{d, *v};
        } else if (n == u"STMTRS" || n == u"CCSTMTRS") {
            m_emExtracto = false;
        }
    }

    LinhaExtracto linha() const
    {
        LinhaExtracto l;
        l.linhaFicheiro = m_trn.linha;
        l.data = LeitorCampos::dataCompacta(m_trn.data);
        if (!l.data.isValid())
            falha(m_nome, m_trn.linha, QStringLiteral("data ilegível «%1» (DTPOSTED).")
                                           .arg(m_trn.data.left(30)));
        const auto v = valorOfx(m_trn.valor);
        if (!v)
            falha(m_nome, m_trn.linha, QStringLiteral("valor ilegível «%1» (TRNAMT).")
                                           .arg(m_trn.valor.left(30)));
        l.valor = *v;
        l.idBanco = m_trn.fitid;
        l.numero = m_trn.cheque;
        const QString nome = m_trn.nome.simplified(), memo = m_trn.memo.simplified();
        if (nome.isEmpty() || memo.contains(nome, Qt::CaseInsensitive))
            l.descricao = memo;
        else if (memo.isEmpty() || nome.contains(memo, Qt::CaseInsensitive))
            l.descricao = nome;
        else
            l.descricao = nome + u' ' + memo;
        return l;
    }

    FormatoExtracto m_formato;
    QString m_nome;
    QStringList m_pilha;
    std::vector<Extracto> m_extractos;
    Transaccao m_trn;
    bool m_emExtracto = false, m_emTrn = false;
    QString m_saldoValor, m_saldoData;
    int m_linhaSaldo = 0;
};

QString entidades(QString t)
{
    if (!t.contains(u'&'))
        return t;
    t.replace(QLatin1String("&lt;"), QLatin1String("<"));
    t.replace(QLatin1String("&gt;"), QLatin1String(">"));
    t.replace(QLatin1String("&quot;"), QLatin1String("\""));
    t.replace(QLatin1String("&apos;"), QLatin1String("'"));
    t.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    t.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return t;
}

// Leaves that may come empty in SGML: without a value they must not be taken as aggregates.
bool folhaConhecida(const QString &tag)
{
    static const QStringList folhas = {
        u"TRNTYPE"_s, u"DTPOSTED"_s, u"DTUSER"_s, u"DTAVAIL"_s, u"TRNAMT"_s, u"FITID"_s,
        u"CHECKNUM"_s, u"REFNUM"_s, u"NAME"_s, u"MEMO"_s, u"SIC"_s, u"PAYEEID"_s, u"CURDEF"_s,
        u"ACCTID"_s, u"BANKID"_s, u"BRANCHID"_s, u"ACCTTYPE"_s, u"BALAMT"_s, u"DTASOF"_s,
        u"DTSTART"_s, u"DTEND"_s, u"CODE"_s, u"SEVERITY"_s, u"MESSAGE"_s, u"DTSERVER"_s,
        u"LANGUAGE"_s, u"TRNUID"_s, u"CORRECTFITID"_s, u"CORRECTACTION"_s, u"SRVRTID"_s};
    return folhas.contains(tag);
}

QString textoOfx1(const QByteArray &b)
{
    const QByteArray cabecalho = b.left(b.indexOf('<') < 0 ? b.size() : b.indexOf('<')).toUpper();
    if (cabecalho.contains("ENCODING:UTF-8") || cabecalho.contains("CHARSET:UTF-8"))
        return CodificacaoTextos::descodifica(b, CodificacaoTexto::Utf8);
    return CodificacaoTextos::descodifica(b, CodificacaoTextos::detecta(b));
}

} // namespace

namespace LeitorOfx {

bool ehOfx1(const QByteArray &conteudo)
{
    const QByteArray inicio = conteudo.left(4096).trimmed();
    if (inicio.startsWith("OFXHEADER:") || inicio.startsWith("\xEF\xBB\xBFOFXHEADER:"))
        return true;
    return !inicio.startsWith("<?xml") && inicio.toUpper().contains("<OFX>");
}

bool ehOfx2(const QByteArray &conteudo)
{
    const QByteArray inicio = conteudo.left(4096);
    if (!inicio.trimmed().startsWith("<?xml") && !inicio.startsWith("\xEF\xBB\xBF<?xml"))
        return false;
    return inicio.contains("<?OFX") || inicio.contains("<OFX>") || inicio.contains("<OFX ");
}

std::vector<Extracto> le1(const QByteArray &conteudo, const QString &nome)
{
    const QString t = textoOfx1(conteudo);
    Interpretacao ofx(FormatoExtracto::Ofx1, nome);
    const qsizetype n = t.size();
    qsizetype i = t.indexOf(u'<');
    if (i < 0)
        falha(nome, 0, QStringLiteral("o ficheiro OFX não tem conteúdo."));
    int linha = 1 + int(QStringView(t).left(i).count(u'\n'));
    bool fimOfx = false;
    auto avanca = [&](qsizetype ate) {
        for (qsizetype k = i; k < ate && k < n; ++k)
            linha += t[k] == u'\n';
        i = ate;
    };
    while (i < n) {
        const qsizetype fimTag = t.indexOf(u'>', i);
        if (fimTag < 0)
            falha(nome, linha, QStringLiteral("etiqueta por fechar: o ficheiro está incompleto."));
        const int linhaTag = linha;
        const QString tag = t.mid(i + 1, fimTag - i - 1).trimmed().toUpper();
        avanca(fimTag + 1);
        qsizetype prox = t.indexOf(u'<', i);
        if (prox < 0)
            prox = n;
        const QString valor = t.mid(i, prox - i);
        avanca(prox);
        if (tag.startsWith(u'!') || tag.startsWith(u'?') || tag.isEmpty())
            continue;
        if (tag.startsWith(u'/')) {
            const QString nomeTag = tag.mid(1);
            ofx.fecha(nomeTag);
            if (nomeTag == u"OFX")
                fimOfx = true;
            continue;
        }
        if (!valor.trimmed().isEmpty()) {
            ofx.folha(tag, entidades(valor));
            // An explicitly closed leaf: skip its closing tag.
            const QString fecho = QStringLiteral("</") + tag + u'>';
            if (QStringView(t).mid(i, fecho.size()).compare(fecho, Qt::CaseInsensitive) == 0)
                avanca(i + fecho.size());
        } else if (folhaConhecida(tag)) {
            ofx.folha(tag, QString());
        } else {
            ofx.abre(tag, linhaTag);
        }
    }
    auto r = ofx.fim(linha); // throws for a statement or movement left open
    if (!fimOfx)
        falha(nome, linha, QStringLiteral("falta o fim do OFX (</OFX>): o ficheiro está "
                                          "incompleto."));
    return r;
}

std::vector<Extracto> le2(const QByteArray &conteudo, const QString &nome)
{
    LeitorXml x(conteudo);
    Interpretacao ofx(FormatoExtracto::Ofx2, nome);
    QString pendente, texto;
    int linhaPendente = 0;
    const auto maiusculas = [](std::string_view n) {
        return QString::fromUtf8(n.data(), qsizetype(n.size())).toUpper();
    };
    while (!x.fim()) {
        const auto t = x.seguinte();
        if (t == LeitorXml::Inicio) {
            if (!pendente.isEmpty())
                ofx.abre(pendente, linhaPendente);
            pendente = maiusculas(x.nome());
            linhaPendente = x.linha();
            texto.clear();
        } else if (t == LeitorXml::Texto && !pendente.isEmpty()) {
            texto += x.texto(); // only a leaf's text is kept
        } else if (t == LeitorXml::Fim) {
            const QString n = maiusculas(x.nome());
            if (pendente == n) {
                ofx.folha(n, texto);
                pendente.clear();
            } else {
                ofx.fecha(n);
            }
            texto.clear();
        }
    }
    if (x.temErro())
        falha(nome, x.linha(),
              QStringLiteral("o XML está danificado ou incompleto (%1).").arg(x.erro()));
    return ofx.fim(x.linha());
}

} // namespace LeitorOfx
