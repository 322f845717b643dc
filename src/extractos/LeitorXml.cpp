#include "extractos/LeitorXml.h"

#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <cstring>

#include "extractos/CodificacaoTexto.h"

namespace {

bool espaco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool fimDeNome(char c) { return espaco(c) || c == '>' || c == '/' || c == '=' || c == '<'; }

std::string_view local(std::string_view n)
{
    const size_t p = n.rfind(':');
    return p == std::string_view::npos ? n : n.substr(p + 1);
}

bool semMaiusculas(std::string_view a, const char *b)
{
    const size_t n = std::strlen(b);
    if (a.size() != n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i])
            return false;
    return true;
}

// The encoding named in the declaration, "" when none is.
std::string_view codificacaoDeclarada(std::string_view d)
{
    if (d.substr(0, 5) != "<?xml")
        return {};
    const std::string_view decl = d.substr(0, d.find("?>"));
    const size_t p = decl.find("encoding");
    if (p == std::string_view::npos)
        return {};
    const size_t q = decl.find_first_of("\"'", p);
    if (q == std::string_view::npos)
        return {};
    const size_t f = decl.find(decl[q], q + 1);
    return f == std::string_view::npos ? std::string_view() : decl.substr(q + 1, f - q - 1);
}

// Whether the bytes are UTF-8 (no overlong forms, no surrogates); eight ASCII bytes at a time.
bool utf8(const QByteArray &b)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData());
    const qsizetype n = b.size();
    qsizetype i = 0;
    while (i < n) {
        if (i + 8 <= n) {
            quint64 w;
            std::memcpy(&w, p + i, 8);
            if (!(w & 0x8080808080808080ull)) {
                i += 8;
                continue;
            }
        }
        const unsigned c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int seguintes;
        unsigned minimo = 0x80, maximo = 0xBF; // the range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            seguintes = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            seguintes = 2;
            if (c == 0xE0)
                minimo = 0xA0;
            else if (c == 0xED)
                maximo = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            seguintes = 3;
            if (c == 0xF0)
                minimo = 0x90;
            else if (c == 0xF4)
                maximo = 0x8F;
        } else {
            return false;
        }
        if (i + seguintes >= n || p[i + 1] < minimo || p[i + 1] > maximo)
            return false;
        for (int k = 2; k <= seguintes; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += seguintes + 1;
    }
    return true;
}

} // namespace

LeitorXml::LeitorXml(const QByteArray &bytes) : m_dados(bytes)
{
    if (m_dados.startsWith("\xEF\xBB\xBF")) {
        m_dados = m_dados.mid(3);
    } else if (m_dados.startsWith("\xFF\xFE") || m_dados.startsWith("\xFE\xFF")
               || (m_dados.size() >= 2 && (m_dados[0] == '\0') != (m_dados[1] == '\0'))) {
        const auto c = CodificacaoTextos::detecta(m_dados);
        if (c == CodificacaoTexto::Utf16Le || c == CodificacaoTexto::Utf16Be)
            m_dados = CodificacaoTextos::descodifica(m_dados, c).toUtf8();
    } else {
        const std::string_view nome = codificacaoDeclarada(
            std::string_view(m_dados.constData(),
                             size_t(std::min<qsizetype>(m_dados.size(), 512))));
        if (!nome.empty() && !semMaiusculas(nome, "utf-8") && !semMaiusculas(nome, "utf8")
            && !semMaiusculas(nome, "us-ascii") && !semMaiusculas(nome, "ascii")) {
            if (semMaiusculas(nome, "windows-1252") || semMaiusculas(nome, "cp1252")) {
                m_dados = CodificacaoTextos::descodifica(m_dados, CodificacaoTexto::Windows1252)
                              .toUtf8();
            } else if (semMaiusculas(nome, "iso-8859-15") || semMaiusculas(nome, "latin-9")) {
                m_dados = CodificacaoTextos::descodifica(m_dados, CodificacaoTexto::Iso8859_15)
                              .toUtf8();
            } else if (semMaiusculas(nome, "iso-8859-1") || semMaiusculas(nome, "latin1")) {
                m_dados = QString::fromLatin1(m_dados).toUtf8();
            } else {
                QStringDecoder dec(QByteArray(nome.data(), qsizetype(nome.size())).constData());
                if (!dec.isValid()) {
                    m_d = {};
                    falha(QStringLiteral("codificação %1 desconhecida")
                              .arg(QString::fromLatin1(nome.data(), qsizetype(nome.size()))));
                    return;
                }
                m_dados = QString(dec(m_dados)).toUtf8();
            }
        }
    }
    m_d = std::string_view(m_dados.constData(), size_t(m_dados.size()));
    if (!utf8(m_dados))
        falha(QStringLiteral("o conteúdo não está na codificação declarada"));
}

LeitorXml::Tipo LeitorXml::falha(const QString &motivo)
{
    if (m_tipo != Erro) {
        m_erro = motivo;
        m_tipo = Erro;
    }
    return Erro;
}

int LeitorXml::linha() const
{
    const size_t ate = std::min(m_pos, m_d.size());
    if (ate > m_linhaPos) {
        // Eight bytes at a time: a byte equal to '\n' becomes zero, and each zero byte sets
        // its top bit in the mask.
        const char *p = m_d.data();
        size_t i = m_linhaPos;
        qint64 n = 0;
        for (; i + 8 <= ate; i += 8) {
            quint64 w;
            std::memcpy(&w, p + i, 8);
            w ^= 0x0A0A0A0A0A0A0A0Aull;
            constexpr quint64 Baixos = 0x7F7F7F7F7F7F7F7Full;
            const quint64 zeros = ~(((w & Baixos) + Baixos) | w | Baixos);
            n += __builtin_popcountll(zeros);
        }
        for (; i < ate; ++i)
            n += p[i] == '\n';
        m_linha = int(std::min<qint64>(m_linha + n, INT_MAX));
        m_linhaPos = ate;
    }
    return m_linha;
}

bool LeitorXml::entidades(std::string_view bruto, QByteArray &destino)
{
    destino.reserve(qsizetype(bruto.size()));
    for (size_t i = 0; i < bruto.size(); ++i) {
        if (bruto[i] != '&') {
            destino += bruto[i];
            continue;
        }
        const size_t f = bruto.find(';', i);
        if (f == std::string_view::npos || f - i > 12)
            return false;
        const std::string_view e = bruto.substr(i + 1, f - i - 1);
        if (e == "lt")
            destino += '<';
        else if (e == "gt")
            destino += '>';
        else if (e == "amp")
            destino += '&';
        else if (e == "quot")
            destino += '"';
        else if (e == "apos")
            destino += '\'';
        else if (e.size() > 1 && e[0] == '#') {
            const bool hex = e[1] == 'x';
            char32_t c = 0;
            const std::string_view n = e.substr(hex ? 2 : 1);
            if (n.empty())
                return false;
            for (const char d : n) {
                int v;
                if (d >= '0' && d <= '9')
                    v = d - '0';
                else if (hex && d >= 'a' && d <= 'f')
                    v = d - 'a' + 10;
                else if (hex && d >= 'A' && d <= 'F')
                    v = d - 'A' + 10;
                else
                    return false;
                c = c * (hex ? 16 : 10) + char32_t(v);
                if (c > 0x10FFFF)
                    return false;
            }
            if (c == 0 || (c >= 0xD800 && c <= 0xDFFF))
                return false;
            destino += QString::fromUcs4(&c, 1).toUtf8();
        } else {
            return false;
        }
        i = f;
    }
    return true;
}

QString LeitorXml::textoDe(std::string_view bruto) const
{
    if (bruto.find('&') == std::string_view::npos)
        return QString::fromUtf8(bruto.data(), qsizetype(bruto.size()));
    QByteArray b;
    const_cast<LeitorXml *>(this)->entidades(bruto, b); // checked when the token was read
    return QString::fromUtf8(b);
}

QString LeitorXml::texto() const
{
    if (m_tipo != Texto)
        return {};
    return m_textoBruto ? QString::fromUtf8(m_texto.data(), qsizetype(m_texto.size()))
                        : textoDe(m_texto);
}

QString LeitorXml::atributo(std::string_view nome) const
{
    for (const Atributo &a : m_atributos)
        if (local(a.nome) == nome)
            return textoDe(a.valor);
    return {};
}

bool LeitorXml::declaraNamespace(std::string_view parte) const
{
    for (const Atributo &a : m_atributos)
        if ((a.nome == "xmlns" || a.nome.substr(0, 6) == "xmlns:")
            && a.valor.find(parte) != std::string_view::npos)
            return true;
    return false;
}

QString LeitorXml::textoElemento()
{
    QString r;
    int profundidade = 1;
    while (profundidade > 0) {
        switch (seguinte()) {
        case Inicio: ++profundidade; break;
        case Fim: --profundidade; break;
        case Texto: r += texto(); break;
        default: return r;
        }
    }
    return r;
}

LeitorXml::Tipo LeitorXml::seguinte()
{
    if (fim())
        return m_tipo;
    m_atributos.clear();
    m_texto = {};
    m_textoBruto = false;
    if (m_fechoPendente) { // <a/>: its end comes as a token of its own
        m_fechoPendente = false;
        m_abertos.pop_back();
        return m_tipo = Fim;
    }
    const std::string_view d = m_d;
    for (;;) {
        if (m_pos >= d.size()) {
            if (!m_abertos.empty() || !m_raizVista)
                return falha(QStringLiteral("o documento acaba antes do fim"));
            return m_tipo = FimDocumento;
        }
        if (d[m_pos] != '<') {
            // Most texts between tags are the indentation: told in one pass.
            size_t f = m_pos;
            while (f < d.size() && espaco(d[f]))
                ++f;
            const bool espacos = f >= d.size() || d[f] == '<';
            if (!espacos) {
                f = d.find('<', f);
                if (f == std::string_view::npos)
                    f = d.size();
            }
            const std::string_view t = d.substr(m_pos, f - m_pos);
            if (m_abertos.empty()) {
                if (!espacos)
                    return falha(QStringLiteral("texto fora do elemento principal"));
                m_pos = f;
                continue;
            }
            m_soEspacos = espacos;
            if (const size_t e = t.find('&'); e != std::string_view::npos) {
                QByteArray b;
                if (!entidades(t, b)) {
                    m_pos += e; // the line of the first '&', near enough for the user
                    return falha(QStringLiteral("entidade desconhecida"));
                }
            }
            m_pos = f;
            m_texto = t;
            return m_tipo = Texto;
        }
        const std::string_view resto = d.substr(m_pos);
        const auto salta = [&](std::string_view fecho) {
            const size_t f = d.find(fecho, m_pos);
            if (f == std::string_view::npos)
                return false;
            m_pos = f + fecho.size();
            return true;
        };
        if (resto.substr(0, 2) == "<?") {
            if (!salta("?>"))
                return falha(QStringLiteral("o documento acaba antes do fim"));
            continue;
        }
        if (resto.substr(0, 4) == "<!--") {
            m_pos += 4;
            if (!salta("-->"))
                return falha(QStringLiteral("o documento acaba antes do fim"));
            continue;
        }
        if (resto.substr(0, 9) == "<![CDATA[") {
            if (m_abertos.empty())
                return falha(QStringLiteral("texto fora do elemento principal"));
            const size_t f = d.find("]]>", m_pos + 9);
            if (f == std::string_view::npos)
                return falha(QStringLiteral("o documento acaba antes do fim"));
            m_texto = d.substr(m_pos + 9, f - m_pos - 9);
            m_textoBruto = true;
            m_soEspacos = std::all_of(m_texto.begin(), m_texto.end(), espaco);
            m_pos = f + 3;
            return m_tipo = Texto;
        }
        if (resto.substr(0, 2) == "<!") {
            // A document type before the root: skipped with its internal subset.
            if (m_raizVista || resto.substr(0, 9) != "<!DOCTYPE")
                return falha(QStringLiteral("marcação inesperada"));
            int colchetes = 0;
            size_t i = m_pos + 2;
            for (; i < d.size(); ++i) {
                if (d[i] == '[')
                    ++colchetes;
                else if (d[i] == ']')
                    --colchetes;
                else if (d[i] == '>' && colchetes <= 0)
                    break;
            }
            if (i >= d.size())
                return falha(QStringLiteral("o documento acaba antes do fim"));
            m_pos = i + 1;
            continue;
        }
        if (resto.substr(0, 2) == "</") {
            size_t i = m_pos + 2;
            while (i < d.size() && !fimDeNome(d[i]))
                ++i;
            const std::string_view n = d.substr(m_pos + 2, i - m_pos - 2);
            while (i < d.size() && espaco(d[i]))
                ++i;
            if (i >= d.size())
                return falha(QStringLiteral("o documento acaba antes do fim"));
            if (d[i] != '>')
                return falha(QStringLiteral("etiqueta de fecho mal formada"));
            if (m_abertos.empty() || m_abertos.back() != n)
                return falha(QStringLiteral("</%1> não fecha o elemento aberto")
                                 .arg(QString::fromUtf8(n.data(), qsizetype(n.size()))));
            m_abertos.pop_back();
            m_pos = i + 1;
            m_nome = local(n);
            return m_tipo = Fim;
        }
        // A start tag.
        if (m_raizVista && m_abertos.empty())
            return falha(QStringLiteral("segundo elemento principal"));
        size_t i = m_pos + 1;
        while (i < d.size() && !fimDeNome(d[i]))
            ++i;
        const std::string_view n = d.substr(m_pos + 1, i - m_pos - 1);
        if (n.empty())
            return falha(QStringLiteral("etiqueta sem nome"));
        for (;;) {
            const size_t antes = i;
            while (i < d.size() && espaco(d[i]))
                ++i;
            if (i >= d.size())
                return falha(QStringLiteral("o documento acaba antes do fim"));
            if (d[i] == '>') {
                ++i;
                break;
            }
            if (d[i] == '/') {
                if (i + 1 >= d.size())
                    return falha(QStringLiteral("o documento acaba antes do fim"));
                if (d[i + 1] != '>')
                    return falha(QStringLiteral("etiqueta mal formada"));
                i += 2;
                m_fechoPendente = true;
                break;
            }
            if (i == antes)
                return falha(QStringLiteral("etiqueta mal formada"));
            const size_t inicioNome = i;
            while (i < d.size() && !fimDeNome(d[i]))
                ++i;
            const std::string_view an = d.substr(inicioNome, i - inicioNome);
            while (i < d.size() && espaco(d[i]))
                ++i;
            if (i >= d.size())
                return falha(QStringLiteral("o documento acaba antes do fim"));
            if (an.empty() || d[i] != '=')
                return falha(QStringLiteral("atributo mal formado"));
            ++i;
            while (i < d.size() && espaco(d[i]))
                ++i;
            if (i >= d.size())
                return falha(QStringLiteral("o documento acaba antes do fim"));
            const char aspa = d[i];
            if (aspa != '"' && aspa != '\'')
                return falha(QStringLiteral("atributo mal formado"));
            const size_t f = d.find(aspa, i + 1);
            if (f == std::string_view::npos)
                return falha(QStringLiteral("o documento acaba antes do fim"));
            const std::string_view v = d.substr(i + 1, f - i - 1);
            if (v.find('<') != std::string_view::npos)
                return falha(QStringLiteral("atributo mal formado"));
            if (v.find('&') != std::string_view::npos) {
                QByteArray b;
                if (!entidades(v, b))
                    return falha(QStringLiteral("entidade desconhecida"));
            }
            m_atributos.push_back({an, v});
            i = f + 1;
        }
        m_pos = i;
        m_raizVista = true;
        m_abertos.push_back(n);
        m_nome = local(n);
        return m_tipo = Inicio;
    }
}
