#pragma once

#include <QString>

class DM1;

// Commands of the plot register that work on more than the current plot's boxes.
namespace PlotCommands {

// Whether some plot is marked paid but not yet booked into the main cash book; while one is,
// the prices must not change under it.
bool paidInvoicesAwaitTransfer(DM1& dm);

// Marks every plot unpaid and untransferred and removes the main-cash entries the transfer
// made (codes 30 to 60), in one unit of work. Returns the engine's error text, empty on
// success.
QString resetPaidFlags(DM1& dm);

// Adds the dunning fee to the current plot's invoice total when the plot was dunned and a fee
// is set, at most once per bill. Returns whether it added the fee.
bool addDunningFee(DM1& dm);

} // namespace PlotCommands
