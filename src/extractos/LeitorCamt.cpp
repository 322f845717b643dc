#include "extractos/LeitorCamt.h"

#include <QXmlStreamReader>

#include "extractos/ErroExtracto.h"
#include "extractos/LeitorCampos.h"

namespace {

int linhaDe(const QXmlStreamReader &x) { return int(std::min<qint64>(x.lineNumber(), INT_MAX)); }

[[noreturn]] void falha(const QString &nome, int linha, const QString &motivo)
{
    throw ErroExtracto(nome, linha, motivo);
}

// The path of local names from the statement down, as "Ntry/NtryDtls/TxDtls/Refs/EndToEndId".
struct Leitura {
    QXmlStreamReader x;
    QString nome;
    QStringList caminho;
    explicit Leitura(const QByteArray &b, const QString &n) : x(b), nome(n) {}

    [[noreturn]] void danificado()
    {
        falha(nome, linhaDe(x), QStringLiteral("o XML está danificado ou incompleto (%1).")
                                    .arg(x.errorString()));
    }
};

QDate dataIso(const QString &t) { return LeitorCampos::data(t.left(10), FormaData::AnoMesDia); }

struct Saldo {
    QString tipo, indicador, valor, data;
    int linha = 0;
};

struct Entrada {
    QString valor, moeda, indicador, estado, reservaEstado;
    QString dataLanc, dataValor, refBanco, refTx, fimAFim, ref, cheque;
    QStringList ustrd;
    QString infoEntrada, infoTx, nomeParte;
    int linha = 0;
};

Dinheiro montante(const QString &valor, const QString &indicador, const QString &nome, int linha,
                  const QString &oque)
{
    const auto v = LeitorCampos::decimalPonto(valor);
    if (!v || valor.trimmed().isEmpty())
        falha(nome, linha, QStringLiteral("%1 ilegível «%2».").arg(oque, valor.left(30)));
    if (indicador == u"DBIT")
        return Dinheiro() - *v;
    if (indicador != u"CRDT")
        falha(nome, linha, QStringLiteral("%1 sem indicação de débito ou crédito.").arg(oque));
    return *v;
}

LinhaExtracto linha(const Entrada &e, const QString &nome)
{
    LinhaExtracto l;
    l.linhaFicheiro = e.linha;
    l.valor = montante(e.valor, e.indicador, nome, e.linha, QStringLiteral("valor do movimento"));
    l.data = dataIso(e.dataLanc);
    l.dataValor = dataIso(e.dataValor);
    if (!l.data.isValid())
        l.data = l.dataValor;
    if (!l.data.isValid())
        falha(nome, e.linha, QStringLiteral("data do movimento ilegível «%1».").arg(e.dataLanc));
    if (!e.ustrd.isEmpty())
        l.descricao = e.ustrd.join(u' ').simplified();
    else if (!e.infoEntrada.trimmed().isEmpty())
        l.descricao = e.infoEntrada.simplified();
    else if (!e.infoTx.trimmed().isEmpty())
        l.descricao = e.infoTx.simplified();
    else
        l.descricao = e.nomeParte.simplified();
    const auto util = [](const QString &t) {
        return !t.trimmed().isEmpty() && t.trimmed() != u"NOTPROVIDED";
    };
    l.idBanco = util(e.refBanco) ? e.refBanco.trimmed()
              : util(e.fimAFim)  ? e.fimAFim.trimmed()
              : util(e.refTx)    ? e.refTx.trimmed()
                                 : (util(e.ref) ? e.ref.trimmed() : QString());
    l.numero = e.cheque.trimmed();
    return l;
}

void poeSaldo(Extracto &x, const Saldo &s, const QString &nome)
{
    SaldoExtracto r{dataIso(s.data),
                    montante(s.valor, s.indicador, nome, s.linha, QStringLiteral("saldo"))};
    if (!r.data.isValid())
        falha(nome, s.linha, QStringLiteral("data do saldo ilegível «%1».").arg(s.data));
    if (s.tipo == u"OPBD") {
        // The opening balance is dated the first day: it is the previous day's closing.
        r.data = r.data.addDays(-1);
        x.saldoInicial = r;
    } else if (s.tipo == u"PRCD") {
        if (!x.saldoInicial)
            x.saldoInicial = r;
    } else if (s.tipo == u"CLBD") {
        x.saldoFinal = r;
    }
}

} // namespace

namespace LeitorCamt {

std::optional<FormatoExtracto> tipo(const QByteArray &conteudo)
{
    QXmlStreamReader x(conteudo);
    int elementos = 0;
    while (!x.atEnd() && elementos < 3) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        ++elementos;
        const QStringView ns = x.namespaceUri();
        if (x.name() == u"BkToCstmrStmt" || ns.contains(u"camt.053"))
            return FormatoExtracto::Camt053;
        if (x.name() == u"BkToCstmrAcctRpt" || ns.contains(u"camt.052"))
            return FormatoExtracto::Camt052;
    }
    return std::nullopt;
}

std::vector<Extracto> le(const QByteArray &conteudo, const QString &nome)
{
    const auto formato = tipo(conteudo);
    if (!formato)
        falha(nome, 0, QStringLiteral("não é um extracto camt.052 nem camt.053."));
    Leitura r(conteudo, nome);
    QXmlStreamReader &x = r.x;
    QStringList &cam = r.caminho; // local names below the statement
    std::vector<Extracto> extractos;
    bool noExtracto = false;
    Saldo saldo;
    Entrada entrada;
    bool naEntrada = false, noSaldo = false;
    while (!x.atEnd()) {
        const auto t = x.readNext();
        if (t == QXmlStreamReader::StartElement) {
            const QString n = x.name().toString();
            if (!noExtracto) {
                if (n == u"Stmt" || n == u"Rpt") {
                    noExtracto = true;
                    cam.clear();
                    extractos.emplace_back();
                    extractos.back().formato = *formato;
                }
                continue;
            }
            cam << n;
            if (cam.size() == 1 && n == u"Bal") {
                noSaldo = true;
                saldo = Saldo{};
                saldo.linha = linhaDe(x);
            } else if (cam.size() == 1 && n == u"Ntry") {
                naEntrada = true;
                entrada = Entrada{};
                entrada.linha = linhaDe(x);
            }
            if (naEntrada && cam.size() == 2 && n == u"Amt")
                entrada.moeda = x.attributes().value(QLatin1String("Ccy")).toString();
            if (noSaldo && cam.size() == 2 && n == u"Amt" && extractos.back().moeda.isEmpty())
                extractos.back().moeda = x.attributes().value(QLatin1String("Ccy")).toString();
        } else if (t == QXmlStreamReader::Characters && noExtracto && !cam.isEmpty()
                   && !x.isWhitespace()) {
            const QString texto = x.text().toString();
            const QString caminho = cam.join(u'/');
            Extracto &e = extractos.back();
            if (caminho == u"Acct/Id/IBAN") {
                e.iban += texto.simplified().remove(u' ');
            } else if (caminho == u"Acct/Id/Othr/Id" && e.iban.isEmpty()) {
                e.iban = texto.simplified().remove(u' ');
            } else if (caminho == u"Acct/Ccy") {
                e.moeda = texto.trimmed();
            } else if (noSaldo) {
                if (caminho == u"Bal/Tp/CdOrPrtry/Cd")
                    saldo.tipo += texto.trimmed();
                else if (caminho == u"Bal/Amt")
                    saldo.valor += texto;
                else if (caminho == u"Bal/CdtDbtInd")
                    saldo.indicador += texto.trimmed();
                else if (caminho == u"Bal/Dt/Dt" || caminho == u"Bal/Dt/DtTm")
                    saldo.data += texto.trimmed();
            } else if (naEntrada) {
                const QString &ult = cam.back();
                if (caminho == u"Ntry/Amt")
                    entrada.valor += texto;
                else if (caminho == u"Ntry/CdtDbtInd")
                    entrada.indicador += texto.trimmed();
                else if (caminho == u"Ntry/Sts" || caminho == u"Ntry/Sts/Cd")
                    entrada.estado += texto.trimmed();
                else if (caminho == u"Ntry/BookgDt/Dt" || caminho == u"Ntry/BookgDt/DtTm")
                    entrada.dataLanc += texto.trimmed();
                else if (caminho == u"Ntry/ValDt/Dt" || caminho == u"Ntry/ValDt/DtTm")
                    entrada.dataValor += texto.trimmed();
                else if (caminho == u"Ntry/AcctSvcrRef")
                    entrada.refBanco += texto;
                else if (caminho == u"Ntry/NtryRef")
                    entrada.ref += texto;
                else if (caminho == u"Ntry/AddtlNtryInf")
                    entrada.infoEntrada += texto;
                else if (caminho.startsWith(u"Ntry/NtryDtls/TxDtls/")) {
                    const QString sub = caminho.mid(21);
                    if (sub == u"Refs/EndToEndId" && entrada.fimAFim.isEmpty())
                        entrada.fimAFim = texto;
                    else if (sub == u"Refs/AcctSvcrRef" && entrada.refTx.isEmpty())
                        entrada.refTx = texto;
                    else if (sub == u"Refs/ChqNb" && entrada.cheque.isEmpty())
                        entrada.cheque = texto;
                    else if (sub == u"RmtInf/Ustrd")
                        entrada.ustrd << texto;
                    else if (sub == u"AddtlTxInf")
                        entrada.infoTx += texto;
                    else if (ult == u"Nm" && sub.startsWith(u"RltdPties/")
                             && entrada.nomeParte.isEmpty())
                        entrada.nomeParte = texto;
                }
            }
        } else if (t == QXmlStreamReader::EndElement && noExtracto) {
            if (cam.isEmpty()) {
                noExtracto = false; // end of Stmt / Rpt
                continue;
            }
            const QString n = cam.takeLast();
            if (cam.isEmpty() && n == u"Bal") {
                poeSaldo(extractos.back(), saldo, nome);
                noSaldo = false;
            } else if (cam.isEmpty() && n == u"Ntry") {
                naEntrada = false;
                // Pending and information-only entries are not booked yet.
                if (entrada.estado != u"PDNG" && entrada.estado != u"INFO")
                    extractos.back().linhas.push_back(linha(entrada, nome));
                if (extractos.back().moeda.isEmpty())
                    extractos.back().moeda = entrada.moeda;
            }
        }
    }
    if (x.hasError())
        r.danificado();
    if (extractos.empty())
        falha(nome, 0, QStringLiteral("o ficheiro camt não tem nenhum extracto."));
    return extractos;
}

} // namespace LeitorCamt
