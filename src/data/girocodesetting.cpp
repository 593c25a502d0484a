#include "data/girocodesetting.h"

#include "data/table.h"

namespace {

const double printed = 1;
const double notPrinted = 2;

} // namespace

namespace GiroCodeSetting {

QString column() {
    return QStringLiteral("z25");
}

bool isOn(const QVariant& stored) {
    return stored.isNull() || stored.toDouble() != notPrinted;
}

bool isOn(const Table& parameters) {
    return isOn(parameters.value(column()));
}

void set(Table& parameters, bool on) {
    parameters.setValue(column(), on ? printed : notPrinted);
}

} // namespace GiroCodeSetting
