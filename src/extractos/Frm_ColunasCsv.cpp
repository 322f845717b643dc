#include "extractos/Frm_ColunasCsv.h"

Frm_ColunasCsv::Frm_ColunasCsv(const QByteArray &conteudo, const QString &nomeFicheiro,
                               QWidget *pai)
    : QDialog(pai), m_conteudo(conteudo), m_nomeFicheiro(nomeFicheiro)
{
}

std::optional<PresetCsv> Frm_ColunasCsv::Escolhe(QWidget *, const QByteArray &, const QString &)
{
    return std::nullopt;
}

PresetCsv Frm_ColunasCsv::preset() const { return m_preset; }
void Frm_ColunasCsv::definePreset(const PresetCsv &preset) { m_preset = preset; }
void Frm_ColunasCsv::constroi() {}
void Frm_ColunasCsv::leControlos() {}
void Frm_ColunasCsv::actualizaPrevisao() {}
void Frm_ColunasCsv::guardaPreset() {}
void Frm_ColunasCsv::aceita() {}
