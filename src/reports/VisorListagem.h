#pragma once
// The print preview of a listing: Qt's preview window with its print, page set-up and zoom
// buttons, plus "Guardar como PDF". It is not modal: the search frame stays usable and several
// listings can be open side by side; each window keeps its listing until it closes.
#include <memory>

class QWidget;
struct Listagem;

void MostraVisorListagem(std::shared_ptr<const Listagem> listagem, QWidget *pai);
