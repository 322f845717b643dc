#pragma once
// What stops a statement file from being read, in words the user can act on: the file, the line
// (when the fault sits on one) and what could not be read there. Readers never hand on a
// partially read file: they throw this instead.
#include <QString>
#include <stdexcept>

class ErroExtracto : public std::runtime_error
{
public:
    // linha is 1-based; 0 when the fault is the file as a whole (foreign, empty, damaged).
    ErroExtracto(const QString &nomeFicheiro, int linha, const QString &motivo)
        : std::runtime_error(compoe(nomeFicheiro, linha, motivo).toStdString()),
          m_mensagem(compoe(nomeFicheiro, linha, motivo)), m_ficheiro(nomeFicheiro),
          m_motivo(motivo), m_linha(linha)
    {
    }
    // "Ficheiro «extracto.csv», linha 12: data ilegível «31-02-2026»."
    const QString &mensagem() const { return m_mensagem; }
    const QString &ficheiro() const { return m_ficheiro; }
    const QString &motivo() const { return m_motivo; }
    int linha() const { return m_linha; }

private:
    static QString compoe(const QString &nome, int linha, const QString &motivo)
    {
        const QString sitio = nome.isEmpty() ? QStringLiteral("Ficheiro do extracto")
                                             : QStringLiteral("Ficheiro «%1»").arg(nome);
        if (linha > 0)
            return QStringLiteral("%1, linha %2: %3").arg(sitio).arg(linha).arg(motivo);
        return QStringLiteral("%1: %2").arg(sitio, motivo);
    }

    QString m_mensagem;
    QString m_ficheiro;
    QString m_motivo;
    int m_linha = 0;
};
