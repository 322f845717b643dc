#pragma once
// Timing helpers of the benchmark: medians of repeated runs, the process's peak memory, and
// one printed line per scenario with its ratio to the floor.
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <vector>

// Median wall-clock milliseconds of `vezes` runs of `accao`; `prepara` runs untimed before each.
inline double medianaMs(int vezes, const std::function<void()> &accao,
                        const std::function<void()> &prepara = {})
{
    std::vector<double> tempos;
    for (int i = 0; i < vezes; ++i) {
        if (prepara)
            prepara();
        QElapsedTimer t;
        t.start();
        accao();
        tempos.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(tempos.begin(), tempos.end());
    return tempos[tempos.size() / 2];
}

inline double picoMemoriaMB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_maxrss) / 1024.0; // ru_maxrss is in kilobytes on Linux
}

inline void imprimeCabecalho()
{
    std::printf("%-44s %10s %10s %9s %13s\n", "cenário (mediana de 5)", "movimentos", "ms",
                "x chão", "pico mem. MB");
}

// The peak is read after the timing: the line shows the peak up to and including it.
inline void imprimeLinha(const char *cenario, int movimentos, double ms, double chaoMs)
{
    const double pico = picoMemoriaMB();
    std::printf("%-44s %10d %10.1f %9.2f %13.1f\n", cenario, movimentos, ms,
                chaoMs > 0 ? ms / chaoMs : 0.0, pico);
    std::fflush(stdout);
}
