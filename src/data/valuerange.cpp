#include "data/valuerange.h"

#include <cmath>

namespace {

constexpr double largestAmount = 1e9;
constexpr double largestArea = 1e6;

// A long text (a finger resting on a key) is shown by its beginning.
QString shortened(const QString& typed) {
    constexpr int shown = 20;
    const QString text = typed.trimmed();
    return text.size() > shown + 4 ? text.left(shown) + QStringLiteral("…") : text;
}

} // namespace

ValueRange::ValueRange(Measure measure)
    : m_measure(measure)
    , m_minimum(measure == Measure::Area ? 0.0 : -largestAmount)
    , m_maximum(measure == Measure::Area ? largestArea : largestAmount) {}

ValueRange ValueRange::of(QStringView table, QStringView column) {
    const Column* declared = Schema::column(table, column);
    return ValueRange(declared ? declared->measure : Measure::Figure);
}

bool ValueRange::contains(double value) const {
    return std::isfinite(value) && value >= m_minimum && value <= m_maximum;
}

QString ValueRange::refusal(const QString& typed, const QLocale& locale) const {
    const QString low = locale.toString(m_minimum, 'f', 0);
    const QString high = locale.toString(m_maximum, 'f', 0);
    const QString text = shortened(typed);
    switch (m_measure) {
    case Measure::Money:
        return QStringLiteral("„%1“ ist als Betrag nicht möglich: Beträge müssen zwischen %2 € "
                              "und %3 € liegen.")
            .arg(text, low, high);
    case Measure::Area:
        return QStringLiteral("„%1“ ist als Fläche nicht möglich: Flächen müssen zwischen %2 und "
                              "%3 m² liegen.")
            .arg(text, low, high);
    case Measure::Figure:
        break;
    }
    return QStringLiteral("„%1“ ist hier nicht möglich: der Wert muss zwischen %2 und %3 liegen.")
        .arg(text, low, high);
}
