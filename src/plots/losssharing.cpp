#include "plots/losssharing.h"

#include "data/table.h"

namespace {

// Spare columns of the parameter row: 0 not chosen, 1 equal shares, 2 by consumption.
const QString electricityColumn = QStringLiteral("z23");
const QString waterColumn = QStringLiteral("z24");

LossSharing read(const Table& parameters, const QString& column) {
    switch (int(parameters.number(column))) {
    case 1:
        return LossSharing::Equal;
    case 2:
        return LossSharing::ByConsumption;
    default:
        return LossSharing::NotChosen;
    }
}

void write(Table& parameters, const QString& column, LossSharing method) {
    parameters.setValue(column, method == LossSharing::Equal           ? 1.0
                                : method == LossSharing::ByConsumption ? 2.0
                                                                       : 0.0);
}

} // namespace

namespace LossSharingChoice {

LossSharing electricity(const Table& parameters) {
    return read(parameters, electricityColumn);
}

LossSharing water(const Table& parameters) {
    return read(parameters, waterColumn);
}

void setElectricity(Table& parameters, LossSharing method) {
    write(parameters, electricityColumn, method);
}

void setWater(Table& parameters, LossSharing method) {
    write(parameters, waterColumn, method);
}

} // namespace LossSharingChoice
