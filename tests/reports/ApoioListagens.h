#pragma once
// Helpers of the listing tests: a folder for the PDFs the engine writes instead of the preview,
// reading a PDF back as text, the search frame of a running main window, and the start every
// search-frame test shares.
#include "app/Frm_bancos.h"
#include "reports/Frm_Pesquisas.h"
#include "reports/Listagens.h"

#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

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

// "desde..ate" in ISO: the date criterion switched on with those two days; "" leaves it off.
inline void escolheDatas(Frm_Pesquisas *f, const QString &datas)
{
    if (datas.isEmpty())
        return;
    const QStringList d = datas.split(QStringLiteral(".."));
    f->Check2->setChecked(true);
    f->DTPicker3->setDate(QDate::fromString(d[0], Qt::ISODate));
    f->DTPicker4->setDate(QDate::fromString(d[1], Qt::ISODate));
}

// For each test, from the class's init(): the message boxes scripted, a fresh folder that
// `prepara` fills, the PDFs written to a folder of their own, and the program started; the
// class's cleanup() calls termina(), which ends them in the reverse order.
class ArranqueListagens
{
protected:
    void inicia(const std::function<void(PastaTeste &)> &prepara)
    {
        m_caixas = std::make_unique<MensagensGuionadas>();
        m_pasta = std::make_unique<PastaTeste>();
        m_pdfs = std::make_unique<PastaListagens>();
        prepara(*m_pasta);
        m_janela = m_pasta->iniciaPrograma();
    }
    void termina()
    {
        m_janela.reset();
        m_pdfs.reset();
        m_pasta.reset();
        m_caixas.reset();
    }

    // Account 1 open and the search frame shown from `menu`.
    Frm_Pesquisas *abreExtracto(QAction *menu)
    {
        m_janela->Mnu_Banco_Click(1);
        menu->trigger();
        return frame(m_janela.get());
    }

    std::unique_ptr<MensagensGuionadas> m_caixas;
    std::unique_ptr<PastaTeste> m_pasta;
    std::unique_ptr<PastaListagens> m_pdfs;
    std::unique_ptr<Frm_bancos> m_janela;
};

} // namespace ApoioListagens
