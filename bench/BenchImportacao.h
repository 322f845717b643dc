#pragma once
// Timings of the import of two Money exports: quorvel-qif's load of the QIF files into
// importacao.mdb, and the import of its lines into accounts 5 and 6.
void medeImportacao();
