#pragma once

#include <QString>

class DM1;

// Plot count and stored consumption over the plot register, as the treasurer compares them
// with the main meters and as the billing run counts the metered plots.
struct PlotSums {
    int count = 0;
    double electricity = 0; // kWh
    double water = 0;       // m³

    // Counts through the data module's sum query. `whereLine`, when not empty, is added as the
    // statement's last line ("where parzelle.text1 = 'X'"). Returns the engine's error text,
    // empty on success; on failure the sums are all 0.
    static QString read(DM1& dm, const QString& whereLine, PlotSums& sums);
};
