#pragma once
// The charts of the open account: a period (two dates and three quick choices), the balance,
// credits and debits by month, and debits and credits by category; the shown chart is saved
// as PNG or PDF or printed through the listings' preview. Not modal, so the month's extract it
// opens can be read beside it; Esc closes it.
#include <QDialog>
#include <functional>
#include <memory>

#include "graficos/FigurasConta.h"

class Grafico;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class VistaGrafico;

class Frm_Graficos : public QDialog
{
    Q_OBJECT
public:
    // `calcula` reads the figures of the account for a period (throws ErroBaseDados).
    using Calculo = std::function<FigurasConta(const PeriodoGrafico &)>;
    Frm_Graficos(Calculo calcula, QString nomeConta, const PeriodoGrafico &periodo,
                 QWidget *dono);

    // Reads the figures of the period in the date boxes and redraws every chart. False (told)
    // when the database could not be read; the charts then keep what they showed.
    bool Recalcula();
    void MudaPeriodo(const PeriodoGrafico &periodo);
    PeriodoGrafico Periodo() const;

    // The chart of the visible tab.
    std::shared_ptr<Grafico> GraficoVisivel() const;
    // Writes the visible chart; a name ending in .pdf gives a PDF page, any other a PNG.
    bool GuardaImagem(const QString &caminho) const;
    void Cmd_GuardarImagem_Click();
    void Cmd_Imprimir_Click();

    QDateEdit *DTPicker_DaData = nullptr;
    QDateEdit *DTPicker_AteData = nullptr;
    QPushButton *Cmd_EsteAno = nullptr;
    QPushButton *Cmd_AnoAnterior = nullptr;
    QPushButton *Cmd_Ultimos12Meses = nullptr;
    QTabWidget *Tab_Graficos = nullptr;
    QTabWidget *Tab_Categorias = nullptr;
    VistaGrafico *Grf_Saldo = nullptr;
    VistaGrafico *Grf_Meses = nullptr;
    VistaGrafico *Grf_CategoriasSaidas = nullptr;
    VistaGrafico *Grf_CategoriasEntradas = nullptr;
    QLabel *Lbl_Ajuda = nullptr;
    QPushButton *Cmd_GuardarImagem = nullptr;
    QPushButton *Cmd_Imprimir = nullptr;
    QPushButton *Cmd_Fechar = nullptr;

    const FigurasConta &Figuras() const { return *m_figuras; }

signals:
    // A month of the months chart was chosen: its days inside the period.
    void extractoPedido(const QDate &desde, const QDate &ate);

private:
    void MostraAjuda();
    Calculo m_calcula;
    QString m_nomeConta;
    std::shared_ptr<const FigurasConta> m_figuras;
};
