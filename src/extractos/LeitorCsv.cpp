#include "extractos/LeitorCsv.h"

#include "extractos/ErroExtracto.h"

namespace {

// Returns the line a quote left open at the end, or 0.
int parte(const QString &texto, QChar separador, int maximo, std::vector<LinhaTabela> &r)
{
    const QChar *p = texto.constData();
    const qsizetype n = texto.size();
    int linha = 1;
    qsizetype i = 0;
    while (i < n && int(r.size()) < maximo) {
        LinhaTabela registo;
        registo.linhaFicheiro = linha;
        QString campo;
        bool algum = false; // the row has a separator or a character: not a blank line
        for (;;) {
            if (i >= n) {
                if (algum)
                    registo.celulas << campo;
                break;
            }
            const QChar c = p[i];
            if (c == u'"' && campo.isEmpty()) {
                // A quoted field: up to the closing quote, "" being one quote.
                const int abertura = linha;
                ++i;
                bool fechado = false;
                while (i < n) {
                    const QChar q = p[i];
                    if (q == u'"') {
                        if (i + 1 < n && p[i + 1] == u'"') {
                            campo += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        fechado = true;
                        break;
                    }
                    if (q == u'\r' || q == u'\n') {
                        ++linha;
                        i += (q == u'\r' && i + 1 < n && p[i + 1] == u'\n') ? 2 : 1;
                        campo += u'\n';
                        continue;
                    }
                    campo += q;
                    ++i;
                }
                algum = true;
                if (!fechado)
                    return abertura;
                continue;
            }
            if (c == separador) {
                registo.celulas << campo;
                campo.clear();
                algum = true;
                ++i;
                continue;
            }
            if (c == u'\r' || c == u'\n') {
                i += (c == u'\r' && i + 1 < n && p[i + 1] == u'\n') ? 2 : 1;
                ++linha;
                if (algum || !campo.isEmpty())
                    registo.celulas << campo;
                break;
            }
            campo += c;
            algum = true;
            ++i;
        }
        r.push_back(std::move(registo));
    }
    return 0;
}

} // namespace

namespace LeitorCsv {

std::vector<LinhaTabela> linhas(const QString &texto, QChar separador,
                                const QString &nomeFicheiro)
{
    std::vector<LinhaTabela> r;
    const int aberta = parte(texto, separador, INT_MAX, r);
    if (aberta > 0)
        throw ErroExtracto(nomeFicheiro, aberta,
                           QStringLiteral("as aspas abertas nesta linha nunca se fecham: o "
                                          "ficheiro está incompleto ou danificado."));
    return r;
}

std::vector<LinhaTabela> primeiras(const QString &texto, QChar separador, int maximo)
{
    std::vector<LinhaTabela> r;
    parte(texto, separador, maximo, r);
    return r;
}

} // namespace LeitorCsv
