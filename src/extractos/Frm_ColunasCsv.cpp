#include "extractos/Frm_ColunasCsv.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "extractos/CodificacaoTexto.h"
#include "extractos/LeitorCsv.h"
#include "extractos/LeitorExtracto.h"
#include "extractos/LeitorXlsx.h"
#include "platform/CursorEspera.h"

namespace {

constexpr int LinhasPrevisao = 40;

const char *const NomesColunas[8] = {"Cmb_ColData",    "Cmb_ColDataValor", "Cmb_ColDescricao",
                                     "Cmb_ColNumero",  "Cmb_ColDebito",    "Cmb_ColCredito",
                                     "Cmb_ColValor",   "Cmb_ColSaldo"};
const char *const RotulosColunas[8] = {"Data do movimento:", "Data-valor:", "Descrição:",
                                       "N.º de documento:", "Débito:", "Crédito:",
                                       "Valor (com sinal):", "Saldo:"};

int *campoColuna(PresetCsv &p, int i)
{
    int *campos[8] = {&p.colData,   &p.colDataValor, &p.colDescricao, &p.colNumero,
                      &p.colDebito, &p.colCredito,   &p.colValor,     &p.colSaldo};
    return campos[i];
}

const QChar Separadores[3] = {u';', u',', u'\t'};
const CodificacaoTexto Codificacoes[5] = {CodificacaoTexto::Windows1252, CodificacaoTexto::Iso8859_15,
                                          CodificacaoTexto::Utf8, CodificacaoTexto::Utf16Le,
                                          CodificacaoTexto::Utf16Be};
const std::pair<QChar, QChar> Marcas[4] = {{u',', u'.'}, {u'.', u','}, {u',', QChar()},
                                           {u'.', QChar()}};

template <typename T, size_t N> int indiceDe(const T (&lista)[N], const T &v)
{
    for (size_t i = 0; i < N; ++i)
        if (lista[i] == v)
            return int(i);
    return 0;
}

} // namespace

Frm_ColunasCsv::Frm_ColunasCsv(const QByteArray &conteudo, const QString &nomeFicheiro,
                               QWidget *pai)
    : QDialog(pai), m_conteudo(conteudo), m_nomeFicheiro(nomeFicheiro)
{
    setObjectName(QStringLiteral("Frm_ColunasCsv"));
    setWindowTitle(QStringLiteral("Colunas do extracto - %1").arg(nomeFicheiro));
    m_xlsx = LeitorXlsx::ehXlsx(conteudo);
    m_forma = formaFicheiroCsv(conteudo);
    constroi();
    const auto guardado = presetGuardadoPara(conteudo);
    m_preset = guardado ? *guardado : adivinhaPresetCsv(conteudo);
    enchePresets(guardado ? guardado->nome : QString());
    leLinhas();
    preencheControlos();
    actualizaPrevisao();
}

std::optional<PresetCsv> Frm_ColunasCsv::Escolhe(QWidget *pai, const QByteArray &conteudo,
                                                 const QString &nomeFicheiro)
{
    Frm_ColunasCsv janela(conteudo, nomeFicheiro, pai);
    if (janela.exec() != QDialog::Accepted)
        return std::nullopt;
    return janela.preset();
}

PresetCsv Frm_ColunasCsv::preset() const { return m_preset; }

void Frm_ColunasCsv::definePreset(const PresetCsv &preset)
{
    const bool releLinhas = preset.separador != m_preset.separador
                            || preset.codificacao != m_preset.codificacao;
    m_preset = preset;
    if (releLinhas)
        leLinhas();
    preencheControlos();
    actualizaPrevisao();
}

void Frm_ColunasCsv::constroi()
{
    auto combo = [this](const char *nome, const QStringList &itens) {
        auto *c = new QComboBox(this);
        c->setObjectName(QLatin1String(nome));
        c->addItems(itens);
        connect(c, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_aPreencher)
                leControlos();
        });
        return c;
    };
    auto numero = [this](const char *nome) {
        auto *s = new QSpinBox(this);
        s->setObjectName(QLatin1String(nome));
        s->setRange(0, 999);
        connect(s, &QSpinBox::valueChanged, this, [this] {
            if (!m_aPreencher)
                leControlos();
        });
        return s;
    };
    m_cmbPreset = new QComboBox(this);
    m_cmbPreset->setObjectName(QStringLiteral("Cmb_Preset"));
    connect(m_cmbPreset, &QComboBox::activated, this, &Frm_ColunasCsv::escolhePreset);
    m_cmbSeparador = combo("Cmb_Separador", {u"; (ponto e vírgula)"_qs, u", (vírgula)"_qs,
                                             u"Tabulação"_qs});
    QStringList cods;
    for (const auto c : Codificacoes)
        cods << CodificacaoTextos::nome(c);
    m_cmbCodificacao = combo("Cmb_Codificacao", cods);
    m_cmbFormaData = combo("Cmb_FormaData", {u"dd-mm-aaaa"_qs, u"dd/mm/aaaa"_qs, u"aaaa-mm-dd"_qs});
    m_cmbMarcaDecimal = combo("Cmb_MarcaDecimal", {u"1.234,56"_qs, u"1,234.56"_qs, u"1234,56"_qs,
                                                   u"1234.56"_qs});
    m_cmbFormaDebito = combo("Cmb_FormaDebito", {u"Sinal menos: -12,50"_qs,
                                                 u"Menos no fim: 12,50-"_qs,
                                                 u"Colunas de débito e crédito"_qs});
    m_txtLinhasCabecalho = numero("Txt_LinhasCabecalho");
    m_txtLinhasRodape = numero("Txt_LinhasRodape");
    for (int i = 0; i < 8; ++i)
        m_cmbColuna[i] = combo(NomesColunas[i], {});
    m_cmbSeparador->setEnabled(!m_xlsx);
    m_cmbCodificacao->setEnabled(!m_xlsx);

    auto *formato = new QFormLayout;
    formato->addRow(QStringLiteral("Preset:"), m_cmbPreset);
    formato->addRow(QStringLiteral("Separador:"), m_cmbSeparador);
    formato->addRow(QStringLiteral("Codificação:"), m_cmbCodificacao);
    formato->addRow(QStringLiteral("Datas:"), m_cmbFormaData);
    formato->addRow(QStringLiteral("Valores:"), m_cmbMarcaDecimal);
    formato->addRow(QStringLiteral("Débitos:"), m_cmbFormaDebito);
    formato->addRow(QStringLiteral("Linhas de cabeçalho:"), m_txtLinhasCabecalho);
    formato->addRow(QStringLiteral("Linhas de rodapé:"), m_txtLinhasRodape);
    auto *colunas = new QFormLayout;
    for (int i = 0; i < 8; ++i)
        colunas->addRow(QString::fromUtf8(RotulosColunas[i]), m_cmbColuna[i]);
    auto *cima = new QHBoxLayout;
    cima->addLayout(formato);
    cima->addLayout(colunas);

    m_grdPrevisao = new QTableWidget(this);
    m_grdPrevisao->setObjectName(QStringLiteral("Grd_Previsao"));
    m_grdPrevisao->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdPrevisao->setMinimumSize(640, 240);
    m_lblEstado = new QLabel(this);
    m_lblEstado->setObjectName(QStringLiteral("Lbl_Estado"));
    m_lblEstado->setWordWrap(true);

    m_txtNomePreset = new QLineEdit(this);
    m_txtNomePreset->setObjectName(QStringLiteral("Txt_NomePreset"));
    m_txtNomePreset->setPlaceholderText(QStringLiteral("Nome do preset, por exemplo «CGD»"));
    m_txtNomePreset->setMaxLength(40);
    m_cmdGuardarPreset = new QPushButton(QStringLiteral("&Guardar preset"), this);
    m_cmdGuardarPreset->setObjectName(QStringLiteral("Cmd_GuardarPreset"));
    connect(m_cmdGuardarPreset, &QPushButton::clicked, this, &Frm_ColunasCsv::guardaPreset);
    m_cmdOk = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOk->setObjectName(QStringLiteral("Cmd_Ok"));
    m_cmdOk->setDefault(true);
    connect(m_cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    m_cmdCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    m_cmdCancelar->setObjectName(QStringLiteral("Cmd_Cancelar"));
    connect(m_cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto *baixo = new QHBoxLayout;
    baixo->addWidget(m_txtNomePreset);
    baixo->addWidget(m_cmdGuardarPreset);
    baixo->addStretch();
    baixo->addWidget(m_cmdOk);
    baixo->addWidget(m_cmdCancelar);

    auto *tudo = new QVBoxLayout(this);
    tudo->addLayout(cima);
    tudo->addWidget(m_grdPrevisao, 1);
    tudo->addWidget(m_lblEstado);
    tudo->addLayout(baixo);
}

void Frm_ColunasCsv::enchePresets(const QString &seleccionar)
{
    m_presets = PresetsCsv::guardados();
    for (const PresetCsv &p : PresetsCsv::predefinidos())
        m_presets.push_back(p);
    m_cmbPreset->clear();
    m_cmbPreset->addItem(QStringLiteral("(adivinhado do ficheiro)"));
    int escolhido = 0;
    for (size_t i = 0; i < m_presets.size(); ++i) {
        m_cmbPreset->addItem(m_presets[i].nome);
        if (!seleccionar.isEmpty() && m_presets[i].nome == seleccionar && !escolhido)
            escolhido = int(i) + 1;
    }
    m_cmbPreset->setCurrentIndex(escolhido);
    if (!seleccionar.isEmpty())
        m_txtNomePreset->setText(seleccionar);
}

void Frm_ColunasCsv::escolhePreset(int indice)
{
    PresetCsv p = indice <= 0 || size_t(indice) > m_presets.size() ? adivinhaPresetCsv(m_conteudo)
                                                                   : m_presets[size_t(indice - 1)];
    if (indice > 0)
        m_txtNomePreset->setText(p.nome);
    definePreset(p);
}

void Frm_ColunasCsv::leLinhas()
{
    CursorEspera espera;
    m_linhas.clear();
    try {
        if (m_xlsx) {
            m_linhas = LeitorXlsx::linhas(m_conteudo, m_nomeFicheiro);
        } else {
            const QString texto = CodificacaoTextos::descodifica(m_conteudo, m_preset.codificacao);
            m_linhas = LeitorCsv::linhas(texto, m_preset.separador, m_nomeFicheiro);
        }
    } catch (const ErroExtracto &e) {
        m_lblEstado->setText(e.mensagem());
    }
}

void Frm_ColunasCsv::preencheControlos()
{
    m_aPreencher = true;
    const PresetCsv &p = m_preset;
    m_cmbSeparador->setCurrentIndex(indiceDe(Separadores, p.separador));
    m_cmbCodificacao->setCurrentIndex(indiceDe(Codificacoes, p.codificacao));
    m_cmbFormaData->setCurrentIndex(int(p.formaData));
    m_cmbMarcaDecimal->setCurrentIndex(indiceDe(Marcas, std::pair(p.marcaDecimal, p.marcaMilhares)));
    m_cmbFormaDebito->setCurrentIndex(int(p.formaDebito));
    m_txtLinhasCabecalho->setValue(p.linhasCabecalho);
    m_txtLinhasRodape->setValue(p.linhasRodape);
    // Columns named by number and, when there is a title row, by its title.
    int colunas = 0;
    for (const LinhaTabela &l : m_linhas)
        colunas = std::max(colunas, int(l.celulas.size()));
    colunas = std::min(colunas, 200);
    const size_t titulos = size_t(std::max(0, p.linhasCabecalho - 1));
    QStringList itens = {QStringLiteral("(nenhuma)")};
    for (int c = 0; c < colunas; ++c) {
        const QString t = titulos < m_linhas.size() && p.linhasCabecalho > 0
                              ? m_linhas[titulos].celula(c).simplified().left(30)
                              : QString();
        itens << (t.isEmpty() ? QStringLiteral("Coluna %1").arg(c + 1)
                              : QStringLiteral("Coluna %1: %2").arg(c + 1).arg(t));
    }
    PresetCsv copia = m_preset;
    for (int i = 0; i < 8; ++i) {
        m_cmbColuna[i]->clear();
        m_cmbColuna[i]->addItems(itens);
        m_cmbColuna[i]->setCurrentIndex(std::clamp(*campoColuna(copia, i) + 1, 0, colunas));
    }
    m_aPreencher = false;
}

void Frm_ColunasCsv::leControlos()
{
    PresetCsv p = m_preset;
    p.separador = Separadores[std::max(0, m_cmbSeparador->currentIndex())];
    p.codificacao = Codificacoes[std::max(0, m_cmbCodificacao->currentIndex())];
    p.formaData = FormaData(std::max(0, m_cmbFormaData->currentIndex()));
    const auto marcas = Marcas[std::max(0, m_cmbMarcaDecimal->currentIndex())];
    p.marcaDecimal = marcas.first;
    p.marcaMilhares = marcas.second;
    p.formaDebito = FormaDebito(std::max(0, m_cmbFormaDebito->currentIndex()));
    p.linhasCabecalho = m_txtLinhasCabecalho->value();
    p.linhasRodape = m_txtLinhasRodape->value();
    for (int i = 0; i < 8; ++i)
        *campoColuna(p, i) = m_cmbColuna[i]->currentIndex() - 1;
    // One signed amount or debit and credit columns: the form of debits follows the choice.
    if (p.formaDebito == FormaDebito::ColunaDebito && p.colValor >= 0
        && p.colDebito < 0 && p.colCredito < 0)
        p.formaDebito = FormaDebito::SinalMenos;
    if (p.colValor >= 0 && (p.colDebito >= 0 || p.colCredito >= 0))
        p.colValor = -1;
    if (p.colDebito >= 0 || p.colCredito >= 0)
        p.formaDebito = FormaDebito::ColunaDebito;
    definePreset(p);
}

void Frm_ColunasCsv::actualizaPrevisao()
{
    const PresetCsv &p = m_preset;
    const int n = int(std::min<size_t>(m_linhas.size(), LinhasPrevisao));
    int colunas = 0;
    for (int i = 0; i < n; ++i)
        colunas = std::max(colunas, int(m_linhas[size_t(i)].celulas.size()));
    colunas = std::min(colunas, 200);
    m_grdPrevisao->clear();
    m_grdPrevisao->setRowCount(n);
    m_grdPrevisao->setColumnCount(colunas);
    QStringList cabecalhos;
    for (int c = 0; c < colunas; ++c) {
        QString papel;
        PresetCsv copia = p;
        for (int i = 0; i < 8; ++i)
            if (*campoColuna(copia, i) == c)
                papel = QString::fromUtf8(RotulosColunas[i]).chopped(1);
        cabecalhos << (papel.isEmpty() ? QString::number(c + 1)
                                       : QStringLiteral("%1 - %2").arg(c + 1).arg(papel));
    }
    m_grdPrevisao->setHorizontalHeaderLabels(cabecalhos);
    const int fimDados = int(m_linhas.size()) - p.linhasRodape;
    for (int i = 0; i < n; ++i) {
        const LinhaTabela &l = m_linhas[size_t(i)];
        const bool margem = i < p.linhasCabecalho || i >= fimDados;
        for (int c = 0; c < colunas && c < l.celulas.size(); ++c) {
            auto *item = new QTableWidgetItem(l.celulas.at(c).simplified());
            if (margem)
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            m_grdPrevisao->setItem(i, c, item);
        }
    }
    // The whole file read under the layout: what will come in, or the first fault.
    bool ok = false;
    try {
        const Extracto e = LeitorTabela::le(m_linhas, p, m_xlsx ? FormatoExtracto::Xlsx
                                                                : FormatoExtracto::Csv,
                                            m_nomeFicheiro);
        m_lblEstado->setText(QStringLiteral("%1 movimentos lidos, de %2 a %3.")
                                 .arg(e.linhas.size())
                                 .arg(e.linhas.front().data.toString(u"dd-MM-yyyy"_qs),
                                      e.linhas.back().data.toString(u"dd-MM-yyyy"_qs)));
        ok = true;
    } catch (const ErroExtracto &e) {
        m_lblEstado->setText(e.mensagem());
    }
    m_cmdOk->setEnabled(ok);
}

void Frm_ColunasCsv::guardaPreset()
{
    const QString nome = m_txtNomePreset->text().simplified();
    if (nome.isEmpty()) {
        m_lblEstado->setText(QStringLiteral("Escreva o nome do preset antes de o guardar."));
        m_txtNomePreset->setFocus();
        return;
    }
    m_preset.nome = nome;
    PresetsCsv::guarda(m_preset, m_forma);
    enchePresets(nome);
    m_lblEstado->setText(QStringLiteral("Preset «%1» guardado: será escolhido nos próximos "
                                        "ficheiros com estas colunas.").arg(nome));
}
