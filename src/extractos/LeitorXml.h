#pragma once
// A small, strict pull reader of XML for the statements (camt, OFX 2, the xlsx parts). It works
// on the UTF-8 bytes and hands out names as byte views, so tens of megabytes of tags cost no
// text conversion; only the texts asked for become QString. Any other encoding (a BOM of
// UTF-16, an encoding named in the declaration) is converted to UTF-8 first. Refused, with the
// line: a tag closed by another name, a document cut short, text outside the root element, an
// unknown entity, bytes that are not of the encoding.
#include <QByteArray>
#include <QString>
#include <string_view>
#include <vector>

class LeitorXml
{
public:
    enum Tipo { Inicio, Fim, Texto, FimDocumento, Erro };

    explicit LeitorXml(const QByteArray &bytes);

    Tipo seguinte();
    bool fim() const { return m_tipo == FimDocumento || m_tipo == Erro; }
    bool temErro() const { return m_tipo == Erro; }
    const QString &erro() const { return m_erro; }

    // Inicio / Fim: the element's local name (without its prefix), ASCII in these formats.
    std::string_view nome() const { return m_nome; }
    // Inicio: the value of the attribute of that local name; empty when it has none.
    QString atributo(std::string_view nome) const;
    // Inicio: whether a namespace this tag declares (xmlns, xmlns:p) holds the text.
    bool declaraNamespace(std::string_view parte) const;
    // Texto: the text, its entities replaced; whether it is white space alone.
    QString texto() const;
    bool soEspacos() const { return m_soEspacos; }
    // After Inicio: the texts of the element and of everything inside it, up to its end.
    QString textoElemento();
    // The line the reader is at (1 for the first).
    int linha() const;

private:
    struct Atributo {
        std::string_view nome, valor;
    };
    Tipo falha(const QString &motivo);
    bool entidades(std::string_view bruto, QByteArray &destino);
    QString textoDe(std::string_view bruto) const;

    QByteArray m_dados;
    std::string_view m_d;
    size_t m_pos = 0;
    Tipo m_tipo = Inicio;
    QString m_erro;
    std::string_view m_nome, m_texto;
    bool m_textoBruto = false; // CDATA: taken as it is
    bool m_soEspacos = false;
    std::vector<Atributo> m_atributos;
    std::vector<std::string_view> m_abertos; // qualified names of the open elements
    bool m_raizVista = false, m_fechoPendente = false;
    mutable size_t m_linhaPos = 0;
    mutable int m_linha = 1;
};
