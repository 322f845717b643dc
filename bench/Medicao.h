#pragma once
// Timing helpers of the benchmark: medians of repeated runs, the process's peak memory, and
// one printed line per scenario with its ratio to the floor. Each timing is taken on the wall
// clock and as the process's CPU time: on a machine shared with other work the wall clock
// also counts the time the process waited for a CPU, the CPU time does not.
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <sys/resource.h>
#include <vector>

struct Tempo {
    double parede = 0, cpu = 0; // milliseconds
};

inline double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Medians of `vezes` runs of `accao`; `prepara` runs untimed before each.
inline Tempo medianas(int vezes, const std::function<void()> &accao,
                      const std::function<void()> &prepara = {})
{
    std::vector<double> paredes, cpus;
    for (int i = 0; i < vezes; ++i) {
        if (prepara)
            prepara();
        QElapsedTimer t;
        const double cpu0 = cpuMs();
        t.start();
        accao();
        paredes.push_back(double(t.nsecsElapsed()) / 1e6);
        cpus.push_back(cpuMs() - cpu0);
    }
    std::sort(paredes.begin(), paredes.end());
    std::sort(cpus.begin(), cpus.end());
    return {paredes[paredes.size() / 2], cpus[cpus.size() / 2]};
}

// The wall-clock median alone, for the scenarios printed with their own reference.
inline double medianaMs(int vezes, const std::function<void()> &accao,
                        const std::function<void()> &prepara = {})
{
    return medianas(vezes, accao, prepara).parede;
}

inline double picoMemoriaMB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_maxrss) / 1024.0; // ru_maxrss is in kilobytes on Linux
}

inline void imprimeCabecalho()
{
    std::printf("%-44s %10s %9s %7s %9s %7s %13s\n", "cenário (mediana de 5)", "movimentos",
                "ms", "x chão", "ms CPU", "x chão", "pico mem. MB");
}

// The peak is read after the timing: the line shows the peak up to and including it.
inline void imprimeLinha(const char *cenario, int movimentos, Tempo t, Tempo chao)
{
    const double pico = picoMemoriaMB();
    auto razao = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::printf("%-44s %10d %9.1f %7.2f %9.1f %7.2f %13.1f\n", cenario, movimentos, t.parede,
                razao(t.parede, chao.parede), t.cpu, razao(t.cpu, chao.cpu), pico);
    std::fflush(stdout);
}
