#pragma once
// Timing of the backup of the open ledger, against a plain copy of the same file (the floor).

// Prints one line per timing and the ratio; `movimentos` is the ledger's size, for the table.
// Needs the connection open, as it is while the program runs.
void medeBackup(int movimentos);
