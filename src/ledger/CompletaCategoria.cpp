#include "ledger/CompletaCategoria.h"

#include <QComboBox>
#include <QLineEdit>

void CompletaCategoria(QComboBox *caixa, int &posicaoAutoCompletar)
{
    QLineEdit *edicao = caixa->lineEdit();
    int c = edicao->cursorPosition();
    if (posicaoAutoCompletar != 0) {
        edicao->setCursorPosition(posicaoAutoCompletar);
        c = posicaoAutoCompletar;
    }
    const QString prefixo = edicao->text().left(c);
    int achada = -1;
    if (!prefixo.isEmpty())
        for (int i = 0; i < caixa->count(); ++i)
            if (caixa->itemText(i).startsWith(prefixo, Qt::CaseInsensitive)) {
                achada = i;
                break;
            }
    if (achada >= 0) {
        caixa->setCurrentIndex(achada);
        caixa->setEditText(caixa->itemText(achada));
    } else {
        caixa->setCurrentIndex(-1);
        posicaoAutoCompletar = int(prefixo.size());
        caixa->setEditText(prefixo);
    }
    edicao->setCursorPosition(c);
    posicaoAutoCompletar = 0;
}
