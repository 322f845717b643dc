#include "reports/ArquivoZip.h"

#include <zlib.h>

namespace {

void u16(QByteArray &b, quint32 v)
{
    b += char(v & 0xFF);
    b += char((v >> 8) & 0xFF);
}

void u32(QByteArray &b, quint32 v)
{
    u16(b, v & 0xFFFF);
    u16(b, v >> 16);
}

// Raw deflate (no zlib header), as zip entries hold it.
bool deflaciona(const QByteArray &dados, QByteArray &saida)
{
    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY)
        != Z_OK)
        return false;
    saida.resize(qsizetype(deflateBound(&z, uLong(dados.size()))));
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(dados.constData()));
    z.avail_in = uInt(dados.size());
    z.next_out = reinterpret_cast<Bytef *>(saida.data());
    z.avail_out = uInt(saida.size());
    const int r = deflate(&z, Z_FINISH);
    saida.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return r == Z_STREAM_END;
}

} // namespace

bool ArquivoZip::adiciona(const QString &nome, const QByteArray &dados, bool comprimido)
{
    QByteArray conteudo = dados;
    if (comprimido && !deflaciona(dados, conteudo))
        return false;
    const QByteArray n = nome.toUtf8();
    const quint32 crc = quint32(crc32(crc32(0, nullptr, 0),
                                      reinterpret_cast<const Bytef *>(dados.constData()),
                                      uInt(dados.size())));
    const quint32 inicio = quint32(m_corpo.size());
    const quint16 metodo = comprimido ? 8 : 0;
    const quint16 hora = 0, dia = (1 << 5) | 1; // 1980-01-01: the file's own date is enough

    auto cabecalho = [&](QByteArray &b) {
        u16(b, 20);     // version needed: 2.0
        u16(b, 0x0800); // names in UTF-8
        u16(b, metodo);
        u16(b, hora);
        u16(b, dia);
        u32(b, crc);
        u32(b, quint32(conteudo.size()));
        u32(b, quint32(dados.size()));
        u16(b, quint32(n.size()));
        u16(b, 0); // no extra field
    };
    u32(m_corpo, 0x04034b50);
    cabecalho(m_corpo);
    m_corpo += n;
    m_corpo += conteudo;

    u32(m_directorio, 0x02014b50);
    u16(m_directorio, 20); // made by: 2.0
    cabecalho(m_directorio);
    u16(m_directorio, 0); // no comment
    u16(m_directorio, 0); // disk 0
    u16(m_directorio, 0); // internal attributes
    u32(m_directorio, 0); // external attributes
    u32(m_directorio, inicio);
    m_directorio += n;
    ++m_entradas;
    return true;
}

QByteArray ArquivoZip::termina() const
{
    QByteArray r = m_corpo + m_directorio;
    u32(r, 0x06054b50);
    u16(r, 0);
    u16(r, 0);
    u16(r, m_entradas);
    u16(r, m_entradas);
    u32(r, quint32(m_directorio.size()));
    u32(r, quint32(m_corpo.size()));
    u16(r, 0); // no comment
    return r;
}
