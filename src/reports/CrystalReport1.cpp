#include "reports/CrystalReport1.h"
#include "data/BaseDados.h"
#include "data/ErroBaseDados.h"
#include "reports/FormulaSeleccao.h"
#include "reports/PaginacaoRelatorio.h"
#include "reports/QuadroListagem.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>

CrystalReport1::CrystalReport1(std::function<BaseDados *()> ligacaoPrograma)
    : m_ligacaoPrograma(std::move(ligacaoPrograma))
{
}

void CrystalReport1::Reset()
{
    Password.clear();
    WindowTitle.clear();
    ReportFileName.clear();
    DataFiles.fill(QString());
    Formulas.fill(QString());
    SelectionFormula.clear();
}

void CrystalReport1::falha(const QString &mensagem)
{
    if (avisa)
        avisa(mensagem + QStringLiteral("\r\rA listagem não foi impressa."));
}

Listagem CrystalReport1::prepara()
{
    Listagem l;
    l.modelo = ModeloRelatorio::le(ReportFileName);
    l.titulo = WindowTitle;
    for (size_t i = 1; i < Formulas.size(); ++i) {
        if (Formulas[i].trimmed().isEmpty())
            continue;
        try {
            const auto f = FormulaSeleccao::interpretaNomeada(Formulas[i]);
            l.formulas.insert(f.nome, f.texto);
        } catch (const ErroFormula &e) {
            throw ErroFormula(QStringLiteral("A fórmula %1 não pode ser lida:\r%2\r%3")
                                  .arg(i)
                                  .arg(Formulas[i], e.mensagem()));
        }
    }
    std::vector<CondicaoSeleccao> condicoes;
    try {
        condicoes = FormulaSeleccao::interpreta(SelectionFormula);
    } catch (const ErroFormula &e) {
        throw ErroFormula(QStringLiteral("A fórmula de selecção não pode ser lida:\r%1\r%2")
                              .arg(SelectionFormula, e.mensagem()));
    }

    QStringList campos;
    for (const ColunaModelo &c : l.modelo.colunas)
        campos << c.campo;
    for (const QString &extra : {l.modelo.campoSaldo.toLower(), l.modelo.campoSituacao})
        if (!extra.isEmpty() && !campos.contains(extra))
            campos << extra;

    const QString ficheiro = DataFiles[0];
    BaseDados *programa = m_ligacaoPrograma ? m_ligacaoPrograma() : nullptr;
    auto mesmoFicheiro = [&](BaseDados *bd) {
        return bd && QFileInfo(bd->caminho()).canonicalFilePath()
                         == QFileInfo(ficheiro).canonicalFilePath();
    };
    auto seleccionaEm = [&](BaseDados &bd) {
        try {
            l.dados = SeleccaoDados::selecciona(bd, l.modelo.fonte, condicoes, campos);
        } catch (const ErroFormula &e) {
            throw ErroFormula(QStringLiteral("A fórmula de selecção não pode ser aplicada:\r%1\r%2")
                                  .arg(SelectionFormula, e.mensagem()));
        }
    };
    if (mesmoFicheiro(programa)) {
        seleccionaEm(*programa);
    } else {
        if (!QFileInfo(ficheiro).isFile())
            throw ErroRelatorio(
                QStringLiteral("O ficheiro de dados \"%1\" não existe.").arg(ficheiro));
        // The engine's password is a line feed followed by the database key.
        QString chave = Password;
        if (chave.startsWith(QLatin1Char('\n')))
            chave.remove(0, 1);
        std::unique_ptr<BaseDados> bd;
        try {
            bd = BaseDados::abre(ficheiro, chave.toUtf8());
        } catch (const ErroBaseDados &e) {
            throw ErroRelatorio(
                QStringLiteral("O ficheiro de dados \"%1\" não pode ser aberto:\r%2")
                                    .arg(ficheiro, e.mensagem()));
        }
        seleccionaEm(*bd);
    }
    return l;
}

bool CrystalReport1::escrevePdf(const Listagem &listagem, const QString &caminho)
{
    QPdfWriter pdf(caminho);
    pdf.setCreator(QStringLiteral("Quorvel"));
    pdf.setTitle(listagem.titulo.trimmed());
    pdf.setResolution(600);
    pdf.setPageLayout(listagem.paginaPedida());
    return listagem.desenha(pdf) > 0;
}

bool CrystalReport1::setAction(int accao)
{
    if (accao != 1)
        return false;
    m_ultimoPdf.clear();
    m_ultima.reset();
    try {
        auto listagem = std::make_shared<Listagem>(prepara());
        const QString pasta = qEnvironmentVariable("QUORVEL_LISTAGENS");
        if (!pasta.isEmpty()) {
            const QString caminho = QDir(pasta).filePath(
                QFileInfo(ReportFileName).completeBaseName() + QStringLiteral(".pdf"));
            if (!QDir().mkpath(pasta) || !escrevePdf(*listagem, caminho)) {
                falha(QStringLiteral("Não foi possível escrever a listagem em \"%1\".")
                          .arg(caminho));
                return false;
            }
            m_ultimoPdf = caminho;
        } else if (visor) {
            visor(listagem);
        }
        m_ultima = listagem;
        return true;
    } catch (const ErroRelatorio &e) {
        falha(e.mensagem());
    } catch (const ErroFormula &e) {
        falha(e.mensagem());
    } catch (const ErroBaseDados &e) {
        falha(QStringLiteral("Ocorreu um erro ao ler os dados da listagem:\r") + e.mensagem());
    }
    return false;
}

bool CrystalReport1::exporta(const QString &caminho, FormatoFolha formato, int *registos)
{
    try {
        const Listagem listagem = prepara();
        const QuadroListagem quadro(listagem);
        ExportacaoExtracto::escreve(quadro, caminho, formato);
        if (registos)
            *registos = quadro.registos();
        return true;
    } catch (const ErroRelatorio &e) {
        falhaExportacao(e.mensagem());
    } catch (const ErroFormula &e) {
        falhaExportacao(e.mensagem());
    } catch (const ErroBaseDados &e) {
        falhaExportacao(QStringLiteral("Ocorreu um erro ao ler os dados da listagem:\r")
                        + e.mensagem());
    }
    return false;
}

void CrystalReport1::falhaExportacao(const QString &mensagem)
{
    if (avisa)
        avisa(mensagem + QStringLiteral("\r\rO extracto não foi exportado."));
}
