#pragma once

class Table;

// How the association's metering losses of one medium are shared among the metered plots.
// The choice is kept with the parameter row, so it survives a restart; a new database has
// none chosen.
enum class LossSharing { NotChosen, Equal, ByConsumption };

namespace LossSharingChoice {

LossSharing electricity(const Table& parameters);
LossSharing water(const Table& parameters);
void setElectricity(Table& parameters, LossSharing method);
void setWater(Table& parameters, LossSharing method);

} // namespace LossSharingChoice
