#pragma once
// What the movement editor is open for. The ledger holds one of these while the editor is open
// and the editor shows its title and its "Apagar" button by it.
enum class ModoEdicao {
    Nenhum,   // no movement is being edited
    Criacao,  // a new movement: "Criação de NOVO Movimento", no "Apagar"
    Alteracao // an existing grid row: "Alteração de Movimento"
};
