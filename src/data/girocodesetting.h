#pragma once

#include <QVariant>

class Table;

// Whether bills and letters carry a GiroCode, kept with the parameter row in the spare
// column `z25`: 1 printed, 2 not printed, 0 or empty not chosen yet, which prints it. So a
// new database prints the code, and so does one from before the choice existed, whose spare
// column is empty or 0: the code prints only where the account and amount make it valid,
// and it sits clear of everything else on the page.
namespace GiroCodeSetting {

// The column's name, for statements that read the parameter row joined to other rows.
QString column();
// Whether a stored value (the column as read) means printing.
bool isOn(const QVariant& stored);
bool isOn(const Table& parameters);
void set(Table& parameters, bool on);

} // namespace GiroCodeSetting
