#pragma once
// Timing helpers of the benchmark: medians of repeated runs, and the process's peak memory.
#include <QElapsedTimer>
#include <algorithm>
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
