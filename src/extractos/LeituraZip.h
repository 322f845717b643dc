#pragma once
// A small zip reader for spreadsheet statements: the central directory, then each part stored
// or deflated (zlib), every offset and size checked against the bytes, every part capped.
//
// Not QuaZip: QuaZip exports minizip's function names (zipOpen...) with its own meaning, and
// libxlsxwriter (the spreadsheet export) in the same process would call those and crash.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class LeituraZip
{
public:
    // False when the bytes are not a readable zip archive (no end record, directory outside).
    bool abre(const QByteArray &bytes);
    QStringList nomes() const;
    enum class Falha { Nenhuma, Danificada, GrandeDemais };
    // The part's bytes (name compared without regard to case); nullopt when absent. `falha`
    // says why an existing part could not be read (then the result is empty).
    std::optional<QByteArray> parte(const QString &nome, qint64 maximo, Falha &falha) const;

private:
    struct Entrada {
        QString nome;
        quint16 metodo = 0;
        quint32 comprimido = 0, tamanho = 0, local = 0;
    };
    QByteArray m_bytes;
    std::vector<Entrada> m_entradas;
};
