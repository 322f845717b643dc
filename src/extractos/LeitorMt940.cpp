#include "extractos/LeitorMt940.h"

#include <QRegularExpression>

#include "extractos/ErroExtracto.h"
#include "extractos/LeitorCampos.h"

namespace {

struct Campo {
    QString etiqueta; // "61", "86", "60F", ...
    QString texto;    // continuation lines joined with '\n'
    int linha = 0;
};

bool digitos(QStringView t, qsizetype de, qsizetype n)
{
    if (t.size() < de + n)
        return false;
    for (qsizetype i = de; i < de + n; ++i)
        if (t[i].unicode() < '0' || t[i].unicode() > '9')
            return false;
    return true;
}

int inteiro(QStringView t) { return t.toInt(); }

QDate aammdd(QStringView t)
{
    if (!digitos(t, 0, 6))
        return {};
    const int a = inteiro(t.left(2));
    return QDate(a > 79 ? 1900 + a : 2000 + a, inteiro(t.mid(2, 2)), inteiro(t.mid(4, 2)));
}

std::vector<Campo> campos(const QString &texto)
{
    std::vector<Campo> r;
    int numero = 0;
    for (QStringView linha : QStringView(texto).tokenize(u'\n')) {
        ++numero;
        if (linha.endsWith(u'\r'))
            linha.chop(1);
        // SWIFT wrappers: "{1:F01...}{2:...}{4:" opens the text block, "-}" closes it.
        const qsizetype bloco = linha.indexOf(u"{4:");
        if (bloco >= 0)
            linha = linha.mid(bloco + 3);
        if (linha.startsWith(u"-}") || linha == u"-" || linha.startsWith(u"{")
            || linha.trimmed().isEmpty())
            continue;
        // ":61:" or ":60F:" at the start of the line opens a field.
        qsizetype fimEtiqueta = -1;
        if (linha.size() >= 4 && linha[0] == u':' && digitos(linha, 1, 2)) {
            if (linha[3] == u':')
                fimEtiqueta = 3;
            else if (linha.size() >= 5 && linha[3].isUpper() && linha[4] == u':')
                fimEtiqueta = 4;
        }
        if (fimEtiqueta > 0) {
            r.push_back(Campo{linha.mid(1, fimEtiqueta - 1).toString(),
                              linha.mid(fimEtiqueta + 1).toString(), numero});
        } else if (!r.empty()) {
            r.back().texto += u'\n';
            r.back().texto += linha;
        } else {
            r.push_back({QString(), linha.toString(), numero});
        }
    }
    return r;
}

[[noreturn]] void falha(const QString &nome, int linha, const QString &motivo)
{
    throw ErroExtracto(nome, linha, motivo);
}

SaldoExtracto saldo(const Campo &c, const QString &nome, QString &moeda)
{
    // C or D, YYMMDD, currency, amount: "C260101EUR1234,56".
    const QString t = c.texto.trimmed();
    const QDate d = aammdd(QStringView(t).mid(1));
    const auto v = t.size() > 10 ? LeitorCampos::decimalVirgula(QStringView(t).mid(10))
                                 : std::nullopt;
    if ((t.isEmpty() || (t[0] != u'C' && t[0] != u'D')) || !d.isValid() || !v)
        falha(nome, c.linha, QStringLiteral("saldo ilegível «%1» no campo :%2:.")
                                 .arg(t.left(40), c.etiqueta));
    if (moeda.isEmpty())
        moeda = t.mid(7, 3);
    return {d, t[0] == u'D' ? Dinheiro() - *v : *v};
}

QString semEspacos(QString t)
{
    t.remove(QRegularExpression(QStringLiteral("\\s")));
    return t;
}

// The ":25:" account: an IBAN where one is written ("BIC/IBAN" or the IBAN alone), else as given.
QString conta(const QString &texto)
{
    const QString t = semEspacos(texto);
    static const QRegularExpression iban(QStringLiteral("[A-Z]{2}\\d{2}[A-Z0-9]{11,30}"));
    for (const QString &parte : t.split(u'/', Qt::SkipEmptyParts))
        if (iban.match(parte).capturedLength() == parte.size())
            return parte;
    return t;
}

// Structured ":86:" text ("?20...?21...?32name") read as its purpose and name subfields.
QString descricao86(const QString &texto)
{
    QString t = texto;
    t.replace(u'\n', QString());
    if ((t.size() > 4 && t[3] == u'?' && digitos(t, 0, 3)) || (t.startsWith(u'?') && digitos(t, 1, 2))) {
        QStringList partes;
        for (const QString &s : t.split(u'?', Qt::SkipEmptyParts)) {
            if (s.size() < 2 || !digitos(s, 0, 2))
                continue;
            const int n = s.left(2).toInt();
            if ((n >= 20 && n <= 29) || (n >= 60 && n <= 63) || n == 32 || n == 33)
                partes << s.mid(2);
        }
        if (!partes.isEmpty())
            return partes.join(u' ').simplified();
    }
    return texto.simplified();
}

LinhaExtracto linha61(const Campo &c, const QString &ref20, const QString &nome)
{
    const QStringList partesLinha = c.texto.split(u'\n');
    const QString t = partesLinha.value(0).trimmed();
    auto ilegivel = [&](const QString &o) {
        falha(nome, c.linha, QStringLiteral("%1 ilegível no movimento «%2».").arg(o, t.left(50)));
    };
    LinhaExtracto l;
    l.linhaFicheiro = c.linha;
    l.dataValor = aammdd(t);
    if (!l.dataValor.isValid())
        ilegivel(QStringLiteral("data-valor"));
    qsizetype i = 6;
    l.data = l.dataValor;
    if (digitos(t, 6, 4)) {
        // Entry date MMDD, in the value date's year or the one beside it across New Year.
        const int m = inteiro(QStringView(t).mid(6, 2)), d = inteiro(QStringView(t).mid(8, 2));
        int ano = l.dataValor.year();
        if (m == 12 && l.dataValor.month() == 1)
            --ano;
        else if (m == 1 && l.dataValor.month() == 12)
            ++ano;
        l.data = QDate(ano, m, d);
        if (!l.data.isValid())
            ilegivel(QStringLiteral("data de lançamento"));
        i = 10;
    }
    bool debito = false;
    if (t.mid(i, 2) == u"RC" || t.mid(i, 2) == u"RD") {
        debito = t[i + 1] == u'C'; // a reversed credit takes money out
        i += 2;
    } else if (t.mid(i, 2) == u"EC" || t.mid(i, 2) == u"ED") {
        debito = t[i + 1] == u'D';
        i += 2;
    } else if (i < t.size() && (t[i] == u'C' || t[i] == u'D')) {
        debito = t[i] == u'D';
        ++i;
    } else {
        ilegivel(QStringLiteral("sinal (D/C)"));
    }
    if (i < t.size() && t[i].isLetter())
        ++i; // funds code
    const qsizetype inicioValor = i;
    while (i < t.size() && (t[i].isDigit() || t[i] == u','))
        ++i;
    const auto v = LeitorCampos::decimalVirgula(QStringView(t).mid(inicioValor, i - inicioValor));
    if (!v || !t.mid(inicioValor, i - inicioValor).contains(u','))
        ilegivel(QStringLiteral("valor"));
    l.valor = debito ? Dinheiro() - *v : *v;
    // Transaction type (N/F/S and three characters), references, supplementary details.
    const QString resto = t.mid(i + 4);
    const qsizetype barras = resto.indexOf(u"//");
    const QString refCliente = (barras >= 0 ? resto.left(barras) : resto).trimmed();
    const QString refBanco = barras >= 0 ? resto.mid(barras + 2).trimmed() : QString();
    if (!refBanco.isEmpty())
        l.idBanco = refBanco;
    else if (!refCliente.isEmpty() && refCliente.compare(u"NONREF", Qt::CaseInsensitive) != 0)
        l.idBanco = ref20 + u'/' + refCliente;
    if (refCliente.compare(u"NONREF", Qt::CaseInsensitive) != 0 && refCliente.size() <= 16
        && !refCliente.isEmpty() && refCliente.front().isDigit())
        l.numero = refCliente;
    l.descricao = partesLinha.mid(1).join(u' ').simplified();
    return l;
}

} // namespace

namespace LeitorMt940 {

bool ehMt940(const QString &texto)
{
    static const QRegularExpression r20(QStringLiteral("(^|\\n|\\{4:\\r?\\n?):20:"));
    static const QRegularExpression corpo(QStringLiteral("(^|\\n):(61|60F|60M|25):"));
    const QString inicio = texto.left(64 * 1024);
    return r20.match(inicio).hasMatch() && corpo.match(inicio).hasMatch();
}

std::vector<Extracto> le(const QString &texto, const QString &nome)
{
    std::vector<Extracto> r;
    bool aberto = false, depois61 = false;
    int linhaAbertura = 0;
    QString ref20;
    auto fecha = [&]() {
        if (aberto && !r.back().saldoFinal)
            falha(nome, linhaAbertura, QStringLiteral("o extracto que começa nesta linha não tem "
                                                      "saldo final (:62F:): o ficheiro está "
                                                      "incompleto."));
        aberto = false;
    };
    for (const Campo &c : campos(texto)) {
        const QString &e = c.etiqueta;
        if (e == u"20") {
            fecha();
            r.emplace_back();
            r.back().formato = FormatoExtracto::Mt940;
            aberto = true;
            linhaAbertura = c.linha;
            ref20 = c.texto.trimmed();
            depois61 = false;
            continue;
        }
        if (e.isEmpty() || e == u"21" || e == u"13D" || e == u"34F" || e == u"90D" || e == u"90C")
            continue;
        if (!aberto)
            falha(nome, c.linha, QStringLiteral("campo :%1: fora de um extracto (falta o :20:).")
                                     .arg(e));
        Extracto &x = r.back();
        if (e == u"25") {
            x.iban = conta(c.texto);
        } else if (e == u"60F" || e == u"60M") {
            if (!x.saldoInicial)
                x.saldoInicial = saldo(c, nome, x.moeda);
        } else if (e == u"62F" || e == u"62M") {
            x.saldoFinal = saldo(c, nome, x.moeda);
        } else if (e == u"61") {
            x.linhas.push_back(linha61(c, ref20, nome));
            depois61 = true;
        } else if (e == u"86") {
            if (depois61 && !x.linhas.empty()) {
                LinhaExtracto &l = x.linhas.back();
                const QString d = descricao86(c.texto);
                l.descricao = l.descricao.isEmpty() ? d : d + u' ' + l.descricao;
            }
            depois61 = false;
        }
    }
    fecha();
    if (r.empty())
        falha(nome, 0, QStringLiteral("o ficheiro MT940 não tem nenhum extracto."));
    return r;
}

} // namespace LeitorMt940
