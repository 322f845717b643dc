#include "extractos/LeitorCamt.h"

#include <string>

#include "extractos/ErroExtracto.h"
#include "extractos/LeitorCampos.h"
#include "extractos/LeitorXml.h"

namespace {

[[noreturn]] void falha(const QString &nome, int linha, const QString &motivo)
{
    throw ErroExtracto(nome, linha, motivo);
}

[[noreturn]] void danificado(const QString &nome, const LeitorXml &x)
{
    falha(nome, x.linha(),
          QStringLiteral("o XML está danificado ou incompleto (%1).").arg(x.erro()));
}

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
    // The first elements are near the start: the reader gets the first 64 KB, cut where a
    // character ends (UTF-8), or on a whole code unit (UTF-16).
    qsizetype corte = std::min<qsizetype>(conteudo.size(), 64 * 1024);
    if (corte < conteudo.size()) {
        if (!conteudo.left(4096).contains('\0'))
            while (corte > 0 && (static_cast<unsigned char>(conteudo[corte]) & 0xC0) == 0x80)
                --corte;
        else
            corte &= ~qsizetype(3);
    }
    LeitorXml x(conteudo.left(corte));
    int elementos = 0;
    while (!x.fim() && elementos < 3) {
        if (x.seguinte() != LeitorXml::Inicio)
            continue;
        ++elementos;
        if (x.nome() == "BkToCstmrStmt" || x.declaraNamespace("camt.053"))
            return FormatoExtracto::Camt053;
        if (x.nome() == "BkToCstmrAcctRpt" || x.declaraNamespace("camt.052"))
            return FormatoExtracto::Camt052;
    }
    return std::nullopt;
}

std::vector<Extracto> le(const QByteArray &conteudo, const QString &nome)
{
    const auto formato = tipo(conteudo);
    if (!formato)
        falha(nome, 0, QStringLiteral("não é um extracto camt.052 nem camt.053."));
    LeitorXml x(conteudo);
    // The path of local names from the statement down, "Ntry/NtryDtls/TxDtls/Refs/EndToEndId",
    // and where each level starts in it.
    std::string caminho;
    std::vector<size_t> niveis;
    std::vector<Extracto> extractos;
    bool noExtracto = false;
    Saldo saldo;
    Entrada entrada;
    bool naEntrada = false, noSaldo = false;
    while (!x.fim()) {
        const auto t = x.seguinte();
        if (t == LeitorXml::Inicio) {
            const std::string_view n = x.nome();
            if (!noExtracto) {
                if (n == "Stmt" || n == "Rpt") {
                    noExtracto = true;
                    caminho.clear();
                    niveis.clear();
                    extractos.emplace_back();
                    extractos.back().formato = *formato;
                }
                continue;
            }
            niveis.push_back(caminho.size());
            if (!caminho.empty())
                caminho += '/';
            caminho += n;
            if (niveis.size() == 1 && n == "Bal") {
                noSaldo = true;
                saldo = Saldo{};
                saldo.linha = x.linha();
            } else if (niveis.size() == 1 && n == "Ntry") {
                naEntrada = true;
                entrada = Entrada{};
                entrada.linha = x.linha();
            }
            if (naEntrada && niveis.size() == 2 && n == "Amt")
                entrada.moeda = x.atributo("Ccy");
            if (noSaldo && niveis.size() == 2 && n == "Amt" && extractos.back().moeda.isEmpty())
                extractos.back().moeda = x.atributo("Ccy");
        } else if (t == LeitorXml::Texto && noExtracto && !niveis.empty() && !x.soEspacos()) {
            const std::string_view c = caminho;
            Extracto &e = extractos.back();
            if (c == "Acct/Id/IBAN") {
                e.iban += x.texto().simplified().remove(u' ');
            } else if (c == "Acct/Id/Othr/Id" && e.iban.isEmpty()) {
                e.iban = x.texto().simplified().remove(u' ');
            } else if (c == "Acct/Ccy") {
                e.moeda = x.texto().trimmed();
            } else if (noSaldo) {
                if (c == "Bal/Tp/CdOrPrtry/Cd")
                    saldo.tipo += x.texto().trimmed();
                else if (c == "Bal/Amt")
                    saldo.valor += x.texto();
                else if (c == "Bal/CdtDbtInd")
                    saldo.indicador += x.texto().trimmed();
                else if (c == "Bal/Dt/Dt" || c == "Bal/Dt/DtTm")
                    saldo.data += x.texto().trimmed();
            } else if (naEntrada) {
                if (c == "Ntry/Amt")
                    entrada.valor += x.texto();
                else if (c == "Ntry/CdtDbtInd")
                    entrada.indicador += x.texto().trimmed();
                else if (c == "Ntry/Sts" || c == "Ntry/Sts/Cd")
                    entrada.estado += x.texto().trimmed();
                else if (c == "Ntry/BookgDt/Dt" || c == "Ntry/BookgDt/DtTm")
                    entrada.dataLanc += x.texto().trimmed();
                else if (c == "Ntry/ValDt/Dt" || c == "Ntry/ValDt/DtTm")
                    entrada.dataValor += x.texto().trimmed();
                else if (c == "Ntry/AcctSvcrRef")
                    entrada.refBanco += x.texto();
                else if (c == "Ntry/NtryRef")
                    entrada.ref += x.texto();
                else if (c == "Ntry/AddtlNtryInf")
                    entrada.infoEntrada += x.texto();
                else if (c.substr(0, 21) == "Ntry/NtryDtls/TxDtls/") {
                    const std::string_view sub = c.substr(21);
                    const std::string_view ult = c.substr(niveis.back() + 1);
                    if (sub == "Refs/EndToEndId" && entrada.fimAFim.isEmpty())
                        entrada.fimAFim = x.texto();
                    else if (sub == "Refs/AcctSvcrRef" && entrada.refTx.isEmpty())
                        entrada.refTx = x.texto();
                    else if (sub == "Refs/ChqNb" && entrada.cheque.isEmpty())
                        entrada.cheque = x.texto();
                    else if (sub == "RmtInf/Ustrd")
                        entrada.ustrd << x.texto();
                    else if (sub == "AddtlTxInf")
                        entrada.infoTx += x.texto();
                    else if (ult == "Nm" && sub.substr(0, 10) == "RltdPties/"
                             && entrada.nomeParte.isEmpty())
                        entrada.nomeParte = x.texto();
                }
            }
        } else if (t == LeitorXml::Fim && noExtracto) {
            if (niveis.empty()) {
                noExtracto = false; // end of Stmt / Rpt
                continue;
            }
            const bool topo = niveis.size() == 1;
            const bool bal = topo && std::string_view(caminho) == "Bal";
            const bool ntry = topo && std::string_view(caminho) == "Ntry";
            caminho.resize(niveis.back());
            niveis.pop_back();
            if (bal) {
                poeSaldo(extractos.back(), saldo, nome);
                noSaldo = false;
            } else if (ntry) {
                naEntrada = false;
                // Pending and information-only entries are not booked yet.
                if (entrada.estado != u"PDNG" && entrada.estado != u"INFO")
                    extractos.back().linhas.push_back(linha(entrada, nome));
                if (extractos.back().moeda.isEmpty())
                    extractos.back().moeda = entrada.moeda;
            }
        }
    }
    if (x.temErro())
        danificado(nome, x);
    if (extractos.empty())
        falha(nome, 0, QStringLiteral("o ficheiro camt não tem nenhum extracto."));
    return extractos;
}

} // namespace LeitorCamt
