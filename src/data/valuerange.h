#pragma once

#include "data/schema.h"

#include <QLocale>
#include <QString>
#include <QStringView>

// The values a treasurer can mean in a numeric column: money within ±1,000,000,000 €, an area
// from 0 to 1,000,000 m², any other figure (meter readings, hours, percentages) within
// ±1,000,000,000. Within these bounds every bill the program computes stays finite.
class ValueRange {
public:
    explicit ValueRange(Measure measure = Measure::Figure);
    // The range of a column as the schema declares it; a column it does not know is a figure.
    static ValueRange of(QStringView table, QStringView column);

    // False for anything outside, and for infinite and undefined values.
    bool contains(double value) const;
    // Why the typed text cannot stand in such a column, as a German sentence that names the
    // bounds, e.g. "„-5“ ist als Fläche nicht möglich: …".
    QString refusal(const QString& typed, const QLocale& locale = QLocale()) const;

private:
    Measure m_measure;
    double m_minimum;
    double m_maximum;
};
