#pragma once
// What the benchmarks share: how they time a piece of work (`fois` runs, each after an
// untimed `avant`, in milliseconds: the fastest and the median), and the largest quinté
// file, all 15 504 combinations of the twenty horses.

#include "quintes/combinaison.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>

#include <algorithm>
#include <ctime>
#include <functional>

namespace chrono {

struct Temps
{
    double meilleur = 0;      // the fastest run: on a shared machine, the least disturbed
    double median = 0;
    double processeur = 0;    // median of the processor time this process spent, waits excluded
};

// The processor time of this process so far, in milliseconds (std::clock: on Windows it
// counts the elapsed time instead).
inline double processeur()
{
    return 1e3 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

inline Temps mesurer(int fois, const std::function<void()> &travail, const std::function<void()> &avant = [] {})
{
    QList<double> ms;
    QList<double> cpu;
    for (int i = 0; i < fois; ++i) {
        avant();
        const double c = processeur();
        QElapsedTimer t;
        t.start();
        travail();
        ms.append(static_cast<double>(t.nsecsElapsed()) / 1e6);
        cpu.append(processeur() - c);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    return {ms.first(), ms[ms.size() / 2], cpu[cpu.size() / 2]};
}

inline QByteArray toutesles15504()
{
    QByteArray r;
    for (qint16 a = 1; a <= 16; ++a)
        for (qint16 b = a + 1; b <= 17; ++b)
            for (qint16 c = b + 1; c <= 18; ++c)
                for (qint16 d = c + 1; d <= 19; ++d)
                    for (qint16 e = d + 1; e <= 20; ++e)
                        r += quintes::enregistrement({a, b, c, d, e});
    return r;
}

} // namespace chrono
