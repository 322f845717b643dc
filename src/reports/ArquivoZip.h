#pragma once
// A small zip writer, enough for an OpenDocument file: entries in the order added, each stored
// or deflated (zlib), sizes in the local headers, no data descriptors, no extra fields, so the
// first entry (the media type) sits at a fixed place from the start of the file.
//
// Not QuaZip: QuaZip exports minizip's function names (zipOpen...) with its own meaning, and
// libxlsxwriter, in the same process, would call those instead of its own minizip and crash.
#include <QByteArray>
#include <QString>

class ArquivoZip
{
public:
    // False only when zlib fails (out of memory).
    bool adiciona(const QString &nome, const QByteArray &dados, bool comprimido);
    // The whole archive: the entries, the central directory and its end record.
    QByteArray termina() const;

private:
    QByteArray m_corpo, m_directorio;
    quint16 m_entradas = 0;
};
