#pragma once
// Timings of the statement readers: a 50,000-line statement in each format read from memory.
void medeLeitores();
