#pragma once
// A message box for tests that must act at the moment a box is shown (release a lock, drop a
// trigger, as a user would mend the cause before answering) and answer it from what it says.
#include "support/MensagensGuionadas.h"

#include <functional>

class MensagensComAccao final : public Mensagens
{
public:
    using Accao = std::function<QMessageBox::StandardButton(const CaixaMostrada &)>;

    explicit MensagensComAccao(Accao accao) : m_accao(std::move(accao))
    {
        instalaMensagens(this);
    }
    ~MensagensComAccao() override { instalaMensagens(nullptr); }

    QMessageBox::StandardButton mostra(QWidget *, const QString &texto,
                                       QMessageBox::StandardButtons botoes, Icone icone,
                                       const QString &titulo) override
    {
        caixas.append({texto, titulo, botoes, icone});
        return m_accao(caixas.last());
    }

    QList<CaixaMostrada> caixas;

private:
    Accao m_accao;
};
