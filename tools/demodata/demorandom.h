#pragma once

#include <QList>
#include <QtGlobal>

#include <utility>

// The generator's own random source. splitmix64 yields the same sequence with every compiler
// and library; the std:: distributions do not promise that, and the demo files must not change.
class DemoRandom {
public:
    // One seed gives several independent streams, so that more plots do not shift the journals.
    DemoRandom(quint64 seed, quint64 stream)
        : m_state(seed ^ (stream * 0xD1B54A32D192ED03ULL)) {
        next();
    }

    quint64 next() {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, count); the modulo bias is far below anything a demo file could show.
    qint64 below(qint64 count) { return count > 0 ? qint64(next() % quint64(count)) : 0; }

    // Uniform in [low, high], both included.
    qint64 between(qint64 low, qint64 high) { return low + below(high - low + 1); }

    bool chance(int percent) { return below(100) < percent; }

    template <typename T> const T& pick(const QList<T>& list) {
        return list.at(below(list.size()));
    }

    template <typename T> void shuffle(QList<T>& list) {
        for (qsizetype i = list.size() - 1; i > 0; --i)
            std::swap(list[i], list[below(i + 1)]);
    }

private:
    quint64 m_state;
};
