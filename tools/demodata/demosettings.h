#pragma once

#include <QString>

class Database;
class DemoRandom;

namespace DemoData {

struct MeteredConsumption;

// The association's parameters: address, bank, prices, its own bills and main meters, and
// the opening balances of both cash books.
QString writeSettings(Database& database, DemoRandom& random, int year, int plots,
                      const MeteredConsumption& consumption);

} // namespace DemoData
