#include "support/Dialogos.h"
#include "support/Teclado.h"
#include "support/RegistoTestes.h"
#include "app/Frm_Password.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <vector>

namespace {

constexpr int EsperaMaxima = 5000; // ms

QByteArray funcaoActual()
{
    const char *f = QTest::currentTestFunction();
    return f ? QByteArray(f) : QByteArray();
}

// One wait for a modal window, owned by the test function that asked for it.
struct Espera {
    QByteArray funcao;
    bool terminada = false;
};

std::vector<std::shared_ptr<Espera>> &esperas()
{
    static std::vector<std::shared_ptr<Espera>> lista;
    return lista;
}

void naoAbriu(Espera &espera)
{
    espera.terminada = true;
    const QString mensagem = QStringLiteral("a janela modal esperada em %1 nunca abriu")
                                 .arg(QString::fromLatin1(espera.funcao));
    if (funcaoActual() == espera.funcao)
        QTest::qFail(qPrintable(mensagem), __FILE__, __LINE__);
    else
        registaFalhaTardia(mensagem); // its test has ended: the run fails all the same
}

// After a failure the code under test may open more windows; they are closed until the
// failed test function has ended.
void fechaEnquantoFalhada(const QByteArray &funcao)
{
    if (funcaoActual() != funcao)
        return;
    fechaJanelasModais();
    QTimer::singleShot(20, [funcao] { fechaEnquantoFalhada(funcao); });
}

// Waits still open when a test class ends fail the run.
const bool verificacaoRegistada = [] {
    registaVerificacaoFinal([] {
        for (const auto &e : esperas())
            if (!e->terminada)
                naoAbriu(*e);
        esperas().clear();
    });
    return true;
}();

} // namespace

void fechaJanelasModais()
{
    QWidget *anterior = nullptr;
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (modal == anterior)
            break; // it refuses to close: nothing more to do from here
        anterior = modal;
        if (auto *dialogo = qobject_cast<QDialog *>(modal))
            dialogo->reject();
        else
            modal->close();
    }
}

void aoAbrirModal(std::function<void(QWidget *)> accao)
{
    QPointer<QWidget> antes = QApplication::activeModalWidget();
    auto espera = std::make_shared<Espera>();
    espera->funcao = funcaoActual();
    esperas().push_back(espera);
    auto relogio = std::make_shared<QElapsedTimer>();
    relogio->start();
    auto verifica = std::make_shared<std::function<void()>>();
    // Only the pending tick owns the check, so it is freed once it stops.
    std::weak_ptr<std::function<void()>> fraca = verifica;
    *verifica = [=]() {
        if (espera->terminada)
            return;
        if (funcaoActual() != espera->funcao) {
            naoAbriu(*espera);
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != antes && modal->isVisible()) {
            espera->terminada = true;
            accao(modal);
            if (QTest::currentTestFailed())
                fechaEnquantoFalhada(espera->funcao);
            return;
        }
        if (relogio->elapsed() < EsperaMaxima)
            QTimer::singleShot(10, [forte = fraca.lock()] { (*forte)(); });
        else
            naoAbriu(*espera);
    };
    QTimer::singleShot(0, [verifica] { (*verifica)(); });
}

void respondePassword(const QString &texto)
{
    aoAbrir<Frm_Password>([texto](Frm_Password *p) {
        escreve(p->Text1, texto); // accents, the euro sign and emoji too
        QTest::mouseClick(p->Cmd_Entrar, Qt::LeftButton);
    });
}
