#pragma once
// Timings of a bank statement import: a 50,000-line statement of each format read, reconciled
// against an account of 100,000 movements and written in one transaction.
void medeExtractos();
