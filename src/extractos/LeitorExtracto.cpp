#include "extractos/LeitorExtracto.h"

FormatoExtracto reconheceFormato(const QByteArray &, const QString &nomeFicheiro)
{
    throw ErroExtracto(nomeFicheiro, 0, QStringLiteral("formato ainda não suportado."));
}

std::vector<Extracto> leExtracto(const QByteArray &, const QString &nomeFicheiro,
                                 const PresetCsv *)
{
    throw ErroExtracto(nomeFicheiro, 0, QStringLiteral("formato ainda não suportado."));
}

PresetCsv adivinhaPresetCsv(const QByteArray &) { return {}; }

QString formaFicheiroCsv(const QByteArray &) { return {}; }

std::optional<PresetCsv> presetGuardadoPara(const QByteArray &) { return std::nullopt; }

std::optional<PresetCsv> presetGuardadoPara(const QSettings &, const QByteArray &)
{
    return std::nullopt;
}

QString nomeFormato(FormatoExtracto) { return QStringLiteral("CSV"); }
