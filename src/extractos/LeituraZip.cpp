#include "extractos/LeituraZip.h"

#include <zlib.h>

namespace {

quint32 u16(const QByteArray &z, qsizetype i)
{
    return quint32(quint8(z[i])) | quint32(quint8(z[i + 1])) << 8;
}

quint32 u32(const QByteArray &z, qsizetype i)
{
    return u16(z, i) | u16(z, i + 2) << 16;
}

} // namespace

bool LeituraZip::abre(const QByteArray &bytes)
{
    m_bytes = bytes;
    m_entradas.clear();
    const qsizetype fim = bytes.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (fim < 0 || fim + 22 > bytes.size())
        return false;
    const quint32 total = u16(bytes, fim + 10);
    qsizetype p = qsizetype(u32(bytes, fim + 16));
    for (quint32 e = 0; e < total; ++e) {
        if (p < 0 || p + 46 > bytes.size() || u32(bytes, p) != 0x02014b50)
            return false;
        Entrada en;
        en.metodo = quint16(u16(bytes, p + 10));
        en.comprimido = u32(bytes, p + 20);
        en.tamanho = u32(bytes, p + 24);
        const qsizetype n = u16(bytes, p + 28), extra = u16(bytes, p + 30),
                        comentario = u16(bytes, p + 32);
        en.local = u32(bytes, p + 42);
        if (p + 46 + n > bytes.size())
            return false;
        en.nome = QString::fromUtf8(bytes.mid(p + 46, n));
        m_entradas.push_back(std::move(en));
        p += 46 + n + extra + comentario;
    }
    return true;
}

QStringList LeituraZip::nomes() const
{
    QStringList r;
    for (const Entrada &e : m_entradas)
        r << e.nome;
    return r;
}

std::optional<QByteArray> LeituraZip::parte(const QString &nome, qint64 maximo, Falha &falha) const
{
    falha = Falha::Nenhuma;
    for (const Entrada &e : m_entradas) {
        if (e.nome.compare(nome, Qt::CaseInsensitive) != 0)
            continue;
        const qsizetype local = qsizetype(e.local);
        if (local + 30 > m_bytes.size() || u32(m_bytes, local) != 0x04034b50) {
            falha = Falha::Danificada;
            return QByteArray();
        }
        const qsizetype dados = local + 30 + u16(m_bytes, local + 26) + u16(m_bytes, local + 28);
        if (dados + qsizetype(e.comprimido) > m_bytes.size()) {
            falha = Falha::Danificada;
            return QByteArray();
        }
        if (qint64(e.tamanho) > maximo) {
            falha = Falha::GrandeDemais;
            return QByteArray();
        }
        const QByteArray bruto = m_bytes.mid(dados, e.comprimido);
        if (e.metodo == 0) {
            if (bruto.size() != qsizetype(e.tamanho))
                falha = Falha::Danificada;
            return falha == Falha::Nenhuma ? bruto : QByteArray();
        }
        if (e.metodo != 8) {
            falha = Falha::Danificada;
            return QByteArray();
        }
        // The declared size bounds what is inflated: a part that inflates to more is damaged.
        QByteArray saida(qsizetype(e.tamanho) + 1, '\0');
        z_stream s{};
        if (inflateInit2(&s, -MAX_WBITS) != Z_OK) {
            falha = Falha::Danificada;
            return QByteArray();
        }
        s.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bruto.constData()));
        s.avail_in = uInt(bruto.size());
        s.next_out = reinterpret_cast<Bytef *>(saida.data());
        s.avail_out = uInt(saida.size());
        const int r = inflate(&s, Z_FINISH);
        const qsizetype escritos = qsizetype(s.total_out);
        inflateEnd(&s);
        if (r != Z_STREAM_END || escritos != qsizetype(e.tamanho)) {
            falha = Falha::Danificada;
            return QByteArray();
        }
        saida.truncate(escritos);
        return saida;
    }
    return std::nullopt;
}
