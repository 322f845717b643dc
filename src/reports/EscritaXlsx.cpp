// The listing as an Excel workbook through libxlsxwriter: one sheet "Extracto", dates as real
// dates (dd-mm-yyyy), amounts as numbers in the euro format, texts as texts (never formulas),
// the rows down to the column titles frozen, the columns as wide as the printed ones.
#include "data/Regional.h"
#include "reports/EscritasFolha.h"
#include "reports/FolhaExtracto.h"
#include "reports/ModeloRelatorio.h"

#include <QFile>
#include <clocale>
#include <locale.h>
#include <xlsxwriter.h>

namespace EscritasFolha {

namespace {

// libxlsxwriter prints numbers with the C library's printf: under a locale with a decimal
// comma it would write "1234,5" into the file. The writer runs under the C numeric locale, on
// this thread only, and puts the caller's back.
class LocaleNumericoC
{
public:
    LocaleNumericoC() : m_c(newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr)))
    {
        if (m_c)
            m_anterior = uselocale(m_c);
    }
    ~LocaleNumericoC()
    {
        if (!m_c)
            return;
        uselocale(m_anterior);
        freelocale(m_c);
    }
    LocaleNumericoC(const LocaleNumericoC &) = delete;
    LocaleNumericoC &operator=(const LocaleNumericoC &) = delete;

private:
    locale_t m_c;
    locale_t m_anterior = LC_GLOBAL_LOCALE;
};

// Excel's own limit for the text of a cell.
constexpr qsizetype MaximoTexto = 32767;

class DestinoXlsx : public DestinoFolha
{
public:
    DestinoXlsx(lxw_workbook *livro, lxw_worksheet *folha) : m_folha(folha)
    {
        m_negrito = workbook_add_format(livro);
        format_set_bold(m_negrito);
        m_data = workbook_add_format(livro);
        format_set_num_format(m_data, "dd-mm-yyyy");
        for (lxw_format **f : {&m_dinheiro, &m_dinheiroNegrito}) {
            *f = workbook_add_format(livro);
            format_set_num_format(*f, "#,##0.00 \"\xE2\x82\xAC\"");
        }
        format_set_bold(m_dinheiroNegrito);
    }
    void linha(int linha, TipoLinhaFolha tipo) override
    {
        m_linha = lxw_row_t(linha);
        if (tipo == TipoLinhaFolha::Titulos)
            worksheet_freeze_panes(m_folha, m_linha + 1, 0);
    }
    void celula(int coluna, const CelulaQuadro &v, bool negrito) override
    {
        const auto c = lxw_col_t(coluna);
        lxw_error e = LXW_NO_ERROR;
        switch (v.tipo) {
        case TipoCelula::Vazia: break;
        case TipoCelula::Texto: {
            const QByteArray t = v.texto.left(MaximoTexto).toUtf8();
            e = worksheet_write_string(m_folha, m_linha, c, t.constData(),
                                       negrito ? m_negrito : nullptr);
            break;
        }
        case TipoCelula::Data:
            if (v.data.year() < 1900) { // before the spreadsheet's calendar: as text
                const QByteArray t = Regional::formataData(v.data).toLatin1();
                e = worksheet_write_string(m_folha, m_linha, c, t.constData(), nullptr);
            } else {
                lxw_datetime d{v.data.year(), v.data.month(), v.data.day(), 0, 0, 0.0};
                e = worksheet_write_datetime(m_folha, m_linha, c, &d, m_data);
            }
            break;
        case TipoCelula::Inteiro:
            e = worksheet_write_number(m_folha, m_linha, c, double(v.numero), nullptr);
            break;
        case TipoCelula::Dinheiro:
            // The double nearest the amount in euros, as a typed amount is kept; its text in
            // the file reads back to that same double, so the sheet shows and sums it to the
            // cent.
            e = worksheet_write_number(m_folha, m_linha, c, double(v.numero) / 100.0,
                                       negrito ? m_dinheiroNegrito : m_dinheiro);
            break;
        }
        if (e != LXW_NO_ERROR && m_erro == LXW_NO_ERROR)
            m_erro = e;
    }
    lxw_error erro() const { return m_erro; }

private:
    lxw_worksheet *m_folha;
    lxw_format *m_negrito, *m_data, *m_dinheiro, *m_dinheiroNegrito;
    lxw_row_t m_linha = 0;
    lxw_error m_erro = LXW_NO_ERROR;
};

[[noreturn]] void falha(lxw_error e)
{
    if (e == LXW_ERROR_CREATING_XLSX_FILE || e == LXW_ERROR_CREATING_TMPFILE)
        throw ErroRelatorio(QStringLiteral("não foi possível criar o ficheiro (pasta sem "
                                           "permissão de escrita ou disco cheio)."));
    throw ErroRelatorio(QStringLiteral("ocorreu um erro ao escrever o livro (%1).")
                            .arg(QString::fromUtf8(lxw_strerror(e))));
}

} // namespace

void xlsx(const QuadroListagem &quadro, const QString &caminho)
{
    LocaleNumericoC c;
    const QByteArray nome = QFile::encodeName(caminho);
    lxw_workbook *livro = workbook_new(nome.constData());
    if (!livro)
        throw ErroRelatorio(QStringLiteral("o livro não pôde ser criado."));
    lxw_worksheet *folha = workbook_add_worksheet(livro, "Extracto");
    if (!folha) {
        workbook_close(livro);
        throw ErroRelatorio(QStringLiteral("a folha não pôde ser criada."));
    }
    const auto &colunas = quadro.colunas();
    for (size_t i = 0; i < colunas.size(); ++i) {
        // About 1.9 mm a character of the default letter; a date needs ten.
        double largura = colunas[i].larguraMm / 1.9;
        if (colunas[i].formato != FormatoColuna::Texto && largura < 11)
            largura = 11;
        worksheet_set_column(folha, lxw_col_t(i), lxw_col_t(i), largura, nullptr);
    }
    DestinoXlsx destino(livro, folha);
    FolhaExtracto::percorre(quadro, destino);
    const lxw_error fecho = workbook_close(livro); // frees the workbook whatever it returns
    if (destino.erro() != LXW_NO_ERROR)
        falha(destino.erro());
    if (fecho != LXW_NO_ERROR)
        falha(fecho);
}

} // namespace EscritasFolha
