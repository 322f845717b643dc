#pragma once
// The category boxes' auto-completion, shared by the movement editor and the search frame:
// on every change of the text, the part before the caret is completed with the first item of
// the list (in list order) that starts with it, case folded across Unicode, and the caret stays
// after the typed part. When nothing starts with it, the text after the caret is dropped and
// `posicaoAutoCompletar` remembers where the caret was. An empty prefix matches nothing. The
// caller guards against its own text changes and against BloqueiaAutoCategoria.
class QComboBox;

void CompletaCategoria(QComboBox *caixa, int &posicaoAutoCompletar);
