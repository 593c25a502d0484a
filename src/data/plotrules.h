#pragma once

#include "data/tablerules.h"

class DM1;

// Rules of the plot register: consumption follows the meter readings, a new plot starts
// neither transferred nor checked, and a plot that cannot be stored is reported.
class PlotRules : public TableRules {
public:
    explicit PlotRules(DM1& dm);

    void newRecord(Table& plots) override;
    void valueChanged(Table& plots, const QString& column) override;
    // Every plot has a number of its own, kept without surrounding blanks: every list is
    // ordered and found by it.
    bool beforePost(Table& plots) override;
    void postFailed(Table& plots, const QString& engineError) override;

    // Consumption of the year from both meters of a medium; an empty reading counts as 0.
    static double electricityConsumption(const Table& plots);
    static double waterConsumption(const Table& plots);
    // What the plot register shows for the current plot.
    static bool hasReplacedElectricityMeter(const Table& plots);
    static bool hasReplacedWaterMeter(const Table& plots);
    static bool hasRemarks(const Table& plots);

private:
    DM1& m_dm;
};
