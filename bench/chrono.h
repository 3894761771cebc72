#pragma once
// How the benchmarks time a piece of work: `fois` runs, each after an untimed `avant`,
// in milliseconds; the fastest and the median.

#include <QElapsedTimer>
#include <QList>

#include <algorithm>
#include <functional>

namespace chrono {

struct Temps
{
    double meilleur = 0;
    double median = 0;
};

inline Temps mesurer(int fois, const std::function<void()> &travail, const std::function<void()> &avant = [] {})
{
    QList<double> ms;
    for (int i = 0; i < fois; ++i) {
        avant();
        QElapsedTimer t;
        t.start();
        travail();
        ms.append(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.first(), ms[ms.size() / 2]};
}

} // namespace chrono
