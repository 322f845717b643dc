// Every window as a user sees it at 96 dpi with the program's 8-point font: no caption cut
// short by its control, no text drawn over another. Each window is opened the way a user opens
// it; every visible label, button and tick box is measured against its room, and the texts of
// one parent must not overlap. QUORVEL_CAPTURAS=DIR also saves a picture of each window there.
#include "admin/Frm_Categoria.h"
#include "app/Frm_Password.h"
#include "app/Frm_bancos.h"
#include "app/ModuloArranque.h"
#include "backup/ExameBackup.h"
#include "backup/Frm_Backups.h"
#include "backup/Frm_ReporBackup.h"
#include "data/BaseDados.h"
#include "extras/Frm_ConfiguraCorreio.h"
#include "extras/frmTip.h"
#include "ledger/Frm_Ajuda.h"
#include "platform/FlexGrid.h"
#include "support/Dialogos.h"
#include "support/MensagensGuionadas.h"
#include "support/PastaTeste.h"
#include "support/RegistoTestes.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>

namespace {

QString nome(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// The caption of a control, as drawn; empty for pictures and rich text (measured elsewhere).
QString legenda(const QWidget *w)
{
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        if (!l->pixmap().isNull() || Qt::mightBeRichText(l->text()))
            return {};
        return l->text();
    }
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return QString(b->text()).remove(u'&');
    return {};
}

// What does not fit: "name: reason", empty when the caption has its room.
QString naoCabe(QWidget *w)
{
    const QString texto = legenda(w);
    if (texto.trimmed().isEmpty())
        return {};
    const QFontMetrics fm(w->font());
    const auto falta = [&](const QString &porque) {
        return QStringLiteral("%1 \"%2\": %3").arg(nome(w), texto, porque);
    };
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(),
                                                      -l->margin());
        const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect preciso = fm.boundingRect(room, flags, texto);
        if (preciso.width() > room.width() + 1)
            return falta(QStringLiteral("largura %1 > %2").arg(preciso.width()).arg(room.width()));
        if (preciso.height() > room.height() + 2)
            return falta(QStringLiteral("altura %1 > %2").arg(preciso.height()).arg(room.height()));
        return {};
    }
    if (auto *b = qobject_cast<QPushButton *>(w)) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b);
        int largura = room.width();
        if (!b->icon().isNull())
            largura -= b->icon().actualSize(b->iconSize()).width() + 4;
        // A caption that wraps (BotaoQuebraTexto) needs each word to fit and the lines to fit
        // the height
        // (its picture, if any, above the caption); any other caption is one line.
        const bool quebra = b->inherits("BotaoQuebraTexto");
        const int alturaTexto =
            b->height() - 4 - (b->icon().isNull() ? 0 : b->icon().actualSize(b->iconSize()).height());
        const QRect preciso = fm.boundingRect(QRect(0, 0, b->width() - 6, alturaTexto),
                                              Qt::AlignCenter | Qt::TextWordWrap, texto);
        const int precisa = quebra ? preciso.width() : fm.horizontalAdvance(texto);
        const int disponivel = quebra ? b->width() - 6 : largura;
        if (precisa > disponivel)
            return falta(QStringLiteral("largura %1 > %2").arg(precisa).arg(disponivel));
        if (quebra && preciso.height() > alturaTexto)
            return falta(QStringLiteral("altura %1 > %2").arg(preciso.height()).arg(alturaTexto));
        return {};
    }
    if (auto *c = qobject_cast<QCheckBox *>(w)) {
        QStyleOptionButton o;
        o.initFrom(c);
        o.text = c->text();
        const QRect room = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, c);
        const int precisa = fm.horizontalAdvance(legenda(c));
        if (precisa > room.width())
            return falta(QStringLiteral("largura %1 > %2").arg(precisa).arg(room.width()));
    }
    return {};
}

// Controls of one parent whose texts are drawn on top of each other.
QStringList sobrepostos(QWidget *janela)
{
    QStringList r;
    QList<QWidget *> comTexto;
    for (QWidget *w : janela->findChildren<QWidget *>())
        if (w->isVisible() && !legenda(w).trimmed().isEmpty())
            comTexto << w;
    for (qsizetype i = 0; i < comTexto.size(); ++i)
        for (qsizetype j = i + 1; j < comTexto.size(); ++j) {
            QWidget *a = comTexto[i];
            QWidget *b = comTexto[j];
            if (a->parentWidget() != b->parentWidget())
                continue;
            if (a->geometry().intersects(b->geometry()))
                r << QStringLiteral("%1 sobre %2").arg(nome(a), nome(b));
        }
    return r;
}

void verifica(QWidget *janela, const QString &caso)
{
    if (const QString pasta = qEnvironmentVariable("QUORVEL_CAPTURAS"); !pasta.isEmpty())
        janela->grab().save(QDir(pasta).filePath(caso + QStringLiteral(".png")));
    QStringList faltas;
    for (QWidget *w : janela->findChildren<QWidget *>())
        if (w->isVisible())
            if (const QString f = naoCabe(w); !f.isEmpty())
                faltas << f;
    faltas << sobrepostos(janela);
    QVERIFY2(faltas.isEmpty(), qPrintable(caso + QStringLiteral(": ") + faltas.join(u'\n')));
}

enum class Abertura { Inicio, ContaAberta, Pesquisa, GestaoBancos, Editor, Tabelas, PassGeral,
                      Email };

using FazJanela = std::function<QWidget *(Frm_bancos *)>;

} // namespace

Q_DECLARE_METATYPE(Abertura)
Q_DECLARE_METATYPE(FazJanela)

class TestDisposicao : public QObject
{
    Q_OBJECT
private slots:
    void nadaCortadoNemSobreposto_data()
    {
        QTest::addColumn<Abertura>("abertura");
        QTest::newRow("janela principal ao arrancar") << Abertura::Inicio;
        QTest::newRow("janela principal com a conta aberta") << Abertura::ContaAberta;
        QTest::newRow("pesquisa de movimentos") << Abertura::Pesquisa;
        QTest::newRow("configuracao da conta") << Abertura::GestaoBancos;
        QTest::newRow("editor de movimentos") << Abertura::Editor;
        QTest::newRow("tabela de categorias") << Abertura::Tabelas;
        QTest::newRow("password geral") << Abertura::PassGeral;
        QTest::newRow("envio de email") << Abertura::Email;
    }

    void nadaCortadoNemSobreposto()
    {
        QFETCH(Abertura, abertura);
        const QString caso = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        MensagensGuionadas caixas;
        PastaTeste pasta;
        pasta.nomeiaConta(1, QStringLiteral("Millennium - Empresa"));
        const qint64 k = pasta.insereMovimento(1, QStringLiteral("2026-01-05"), 12345, 0, {},
                                               QStringLiteral("Renda do escritório"),
                                               QStringLiteral("1001"));
        pasta.insereExtras(k, 1, QStringLiteral("Renda"), {}, QStringLiteral("Janeiro"));
        auto janela = pasta.iniciaPrograma();
        QVERIFY(janela);
        if (abertura == Abertura::Inicio) {
            verifica(janela.get(), caso);
            return;
        }
        janela->Mnu_Banco_Click(1);
        QVERIFY(janela->MSHFlexGrid1->isVisible());
        const auto modal = [&](QAction *menu) {
            bool vista = false;
            aoAbrirModal([&](QWidget *w) {
                vista = true;
                verifica(w, caso);
                if (auto *d = qobject_cast<QDialog *>(w))
                    d->reject();
                else
                    w->close();
            });
            menu->trigger();
            QVERIFY(vista);
        };
        switch (abertura) {
        case Abertura::ContaAberta:
            verifica(janela.get(), caso);
            break;
        case Abertura::Pesquisa:
            janela->Mnu_Listagem2->trigger();
            verifica(janela.get(), caso);
            break;
        case Abertura::GestaoBancos:
            janela->Mnu_GestBanco->trigger();
            verifica(janela.get(), caso);
            break;
        case Abertura::Editor:
            modal(janela->Mnu_MovCredito);
            break;
        case Abertura::Tabelas:
            modal(janela->Mnu_Categorias);
            break;
        case Abertura::PassGeral:
            modal(janela->Mnu_PassGeral);
            break;
        case Abertura::Email:
            modal(janela->Mnu_EnviarEmail);
            break;
        case Abertura::Inicio:
            break;
        }
    }

    // The small windows, built as their callers build them and shown over the main window.
    void janelasPequenas_data()
    {
        QTest::addColumn<FazJanela>("faz");
        QTest::newRow("password") << FazJanela([](Frm_bancos *j) -> QWidget * {
            return new Frm_Password(j);
        });
        QTest::newRow("nova categoria") << FazJanela([](Frm_bancos *j) -> QWidget * {
            return new Frm_Categoria(j, Ligacao(), QStringLiteral("Reparações"));
        });
        QTest::newRow("ajuda dos campos") << FazJanela([](Frm_bancos *j) -> QWidget * {
            return new Frm_Ajuda(j, 1);
        });
        QTest::newRow("aviso de copias de seguranca") << FazJanela([](Frm_bancos *j) -> QWidget * {
            return new Frm_Backups([]() -> BaseDados & { return Ligacao(); }, 0, j);
        });
        QTest::newRow("dica do dia") << FazJanela([](Frm_bancos *j) -> QWidget * {
            return new frmTip(j, j->Mnu_DicasEntrada);
        });
        QTest::newRow("configurar correio") << FazJanela([](Frm_bancos *j) -> QWidget * {
            return new Frm_ConfiguraCorreio(j);
        });
        QTest::newRow("repor copia de seguranca") << FazJanela([](Frm_bancos *j) -> QWidget * {
            const ResumoBase actual = ExameBackup::resume(Ligacao());
            return new Frm_ReporBackup(QStringLiteral("/home/contabilidade/Quorvel-backup-1-12-"
                                                      "2026.MDB"),
                                       actual, actual,
                                       QStringLiteral("Quorvel-backup-8-12-2026-antes-da-"
                                                      "reposicao.MDB"),
                                       j);
        });
    }

    void janelasPequenas()
    {
        QFETCH(FazJanela, faz);
        MensagensGuionadas caixas;
        PastaTeste pasta;
        auto janela = pasta.iniciaPrograma();
        QVERIFY(janela);
        std::unique_ptr<QWidget> w(faz(janela.get()));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        verifica(w.get(), QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
    }
};

QUORVEL_TESTE(TestDisposicao)
#include "TestDisposicao.moc"
