#pragma once

#include <QString>

class DM1;

// Plot count and stored consumption over the plot register, as the treasurer compares them
// with the main meters and as the billing run counts the metered plots.
struct PlotSums {
    int count = 0;
    double electricity = 0; // kWh
    double water = 0;       // m³

    // Runs the count through the data module's sum query. `whereLine`, when given, is added
    // as the statement's last line ("where parzelle.text1 = 'X'"). A failing statement reads
    // as no plots, so a caller never has to tell an error from an empty register.
    static PlotSums read(DM1& dm, const QString& whereLine = QString());
};
