#pragma once

#include <QString>
#include <QtGlobal>

class Database;
class DemoRandom;

namespace DemoData {

// What the association's main meters must at least have counted.
struct MeteredConsumption {
    qint64 kilowattHours = 0;
    qint64 cubicMetres = 0;
};

// Writes the plots "1" to "count" with tenants, meter readings and charges, and adds up the
// consumption of the metered ones.
QString writePlots(Database& database, DemoRandom& random, int count,
                   MeteredConsumption& consumption);

} // namespace DemoData
