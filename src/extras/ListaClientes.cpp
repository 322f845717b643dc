#include "extras/ListaClientes.h"

QStringList ListaClientes::enderecos()
{
    return {
        QStringLiteral("geral@padaria-aurora.example"),
        QStringLiteral("contabilidade@oficina-tavares.example"),
        QStringLiteral("financeiro@quinta-do-vale.example"),
        QStringLiteral("escritorio@construcoes-lima.example"),
        QStringLiteral("info@farmacia-central.example"),
        QStringLiteral("geral@talho-moderno.example"),
        QStringLiteral("contas@livraria-ponte.example"),
        QStringLiteral("administracao@transportes-sousa.example"),
        CaixaProduto,
        QStringLiteral("geral@cafe-rossio.example"),
        QStringLiteral("tesouraria@cooperativa-agricola.example"),
        QStringLiteral("geral@electro-norte.example"),
        QStringLiteral("contabilidade@oficina-tavares.example"),
        QStringLiteral("loja@papelaria-estrela.example"),
        QStringLiteral("geral@clinica-sorriso.example"),
        QStringLiteral("financas@hotel-mar-azul.example"),
        QStringLiteral("geral@serralharia-costa.example"),
        QStringLiteral("escritorio@mediadora-lusa.example"),
        QStringLiteral("geral@restaurante-adega.example"),
        QStringLiteral("contas@vidraria-martins.example"),
        QStringLiteral("geral@ginasio-forma.example"),
        QStringLiteral("administracao@escola-conducao-rapida.example"),
        QStringLiteral("geral@florista-jardim.example"),
    };
}
