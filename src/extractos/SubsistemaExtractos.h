#pragma once
// Bank statements into the accounts, from the "Opções" menu: "Importar extracto bancário..."
// (a file chosen, its CSV columns mapped when it is a table, the preview, the one write) and
// "Anular última importação" of the open account. The work itself is ImportacaoExtracto's,
// without windows; this class asks, shows and reloads the open account's grid.
#include "subsistemas/Subsistema.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "extractos/Extracto.h"
#include "extractos/ImportacaoExtracto.h"

class QAction;

class SubsistemaExtractos : public Subsistema
{
    Q_OBJECT
public:
    SubsistemaExtractos(const ContextoJanela &contexto, QAction *importar, QAction *anular,
                        QObject *pai = nullptr);

    void Mnu_ImportarExtracto_Click();
    void Mnu_AnularImportacao_Click();

private:
    // The account's plan, after its password when it has one and is not the open account;
    // nullopt when refused (the user was told).
    std::optional<ImportacaoPreparada> preparaPara(int numBanco,
                                                   const std::vector<Extracto> &extractos,
                                                   const QString &nome, const QByteArray &bytes);
    bool pedePassword(const Conta &conta);
    bool gravaGrelha();           // the open grid's unsaved rows written first; errors told
    void recarregaGrelha(int numBanco);
    QString escolheFicheiro();
};
