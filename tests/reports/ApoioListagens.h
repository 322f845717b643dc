#pragma once
// Helpers of the listing tests: a folder for the PDFs the engine writes instead of the preview,
// reading a PDF back as text, and the search frame of a running main window.
#include "app/Frm_bancos.h"
#include "reports/Frm_Pesquisas.h"
#include "reports/Listagens.h"

#include "support/Dialogos.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace ApoioListagens {

// Points QUORVEL_LISTAGENS at a fresh folder for as long as it lives.
class PastaListagens
{
public:
    PastaListagens() { qputenv("QUORVEL_LISTAGENS", m_dir.path().toUtf8()); }
    ~PastaListagens() { qunsetenv("QUORVEL_LISTAGENS"); }
    QString pdf(const QString &modelo) const { return QDir(m_dir.path()).filePath(modelo + ".pdf"); }
    bool existe(const QString &modelo) const { return QFile::exists(pdf(modelo)); }
    void limpa(const QString &modelo) const { QFile::remove(pdf(modelo)); }
    // The PDF's text as pdftotext lays it out; "" when there is no such file.
    QString texto(const QString &modelo) const
    {
        if (!existe(modelo))
            return {};
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf(modelo), QStringLiteral("-")});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private:
    QTemporaryDir m_dir;
};

// Runs of blanks made one: pdftotext spaces words by their printed distance.
inline QString simplifica(const QString &texto)
{
    return QString(texto).replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
}

inline bool temPalavra(const QString &texto, const QString &palavra)
{
    return texto.contains(QRegularExpression(QStringLiteral("(^|\\s)%1(\\s|$)")
                                                 .arg(QRegularExpression::escape(palavra))));
}

inline Frm_Pesquisas *frame(Frm_bancos *janela)
{
    return janela->findChild<Frm_Pesquisas *>(QStringLiteral("Frm_Pesquisas"));
}

inline Listagens *listagens(Frm_bancos *janela)
{
    for (Subsistema *s : janela->Subsistemas())
        if (auto *l = qobject_cast<Listagens *>(s))
            return l;
    return nullptr;
}

// Answers the next save dialog as a user would: `caminho` typed into the name box and the
// dialog accepted ("" closes it without a choice); `filtros` gets the types it offered.
inline void escolheFicheiro(const QString &caminho, QStringList *filtros = nullptr)
{
    aoAbrir<QFileDialog>([=](QFileDialog *d) {
        if (filtros)
            *filtros = d->nameFilters();
        auto *nome = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (caminho.isEmpty() || !nome) {
            d->reject();
            return;
        }
        nome->setText(caminho);
        static_cast<QDialog *>(d)->accept(); // as the "Guardar" button does
    });
}

} // namespace ApoioListagens
