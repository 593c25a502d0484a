#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Query;

// What a statement prints for one plot, computed from one row of the print query (the plot
// joined with the parameter row and the custom-item labels). Both statement layouts print
// these same figures; they differ only in where they put them. An empty numeric column
// counts as 0 in every computed figure, while a column printed as it stands prints nothing
// when empty.
namespace StatementItems {

// Rows of the main table, top to bottom.
enum class TableRow {
    CarriedCustomItems = 1,
    Lease,
    CommonArea,
    Levies,
    Membership,
    MissedHours,
    Electricity,
    ElectricityAdvancePreviousYear,
    ElectricityAdvance,
    ElectricityStandingCharge,
    Water,
    WaterAdvancePreviousYear,
    WaterAdvance,
    WaterStandingCharge,
    Parking,
    FireInsurance,
    AccidentInsurance,
    ArbourInsurance,
    StreetCleaning,
};
constexpr int tableRowCount = 19;

// Lease times area, not rounded.
double leaseAmount(const Query& row);
// Lease times the plot's share of the common area, rounded to cents; none without a share.
std::optional<double> commonAreaAmount(const Query& row);

// Custom item 1 to 12 with its sign: positive when charged, negative when credited. Items 5
// and 6 with their area link are a price per m², multiplied by the area.
double customItemAmount(const Query& row, int item);
// The twelve signed amounts added in item order.
double customItemsSum(const Query& row);
// The items in the order the statements list them.
const QList<int>& listedItemOrder();
// Label, unit price, quantity and signed amount ("%8.2f") as printed on an item's row; all
// empty when the signed amount is 0. Unit price and quantity exist only on area-linked rows.
QString customItemLabel(const Query& row, int item);
QString customItemUnitPrice(const Query& row, int item);
QString customItemQuantity(const Query& row, int item);
QString customItemFigure(const Query& row, int item);

// The three lines that split consumption into own use and loss share, or three empty lines
// when the losses were not shared equally or nothing was consumed.
QStringList electricityBreakdown(const Query& row, bool equalShare);
QStringList waterBreakdown(const Query& row, bool equalShare);
// The same split in one line.
QString electricityBreakdownLine(const Query& row, bool equalShare);
QString waterBreakdownLine(const Query& row, bool equalShare);

QString senderLine(const Query& row);
QString senderPlaceLine(const Query& row);
QString tenantLine(const Query& row);

// A main table row's text, unit price, quantity and amount, each empty where the row does not
// show it for this plot.
QString rowText(const Query& row, TableRow tableRow);
QString rowUnitPrice(const Query& row, TableRow tableRow);
QString rowQuantity(const Query& row, TableRow tableRow);
QString rowAmount(const Query& row, TableRow tableRow);
// A column as it stands, in a display format; nothing when the column is empty.
QString printedColumn(const Query& row, const QString& column, const QString& pattern);

// Advances and standing charges stand a little to the right of the other rows.
bool isIndented(TableRow tableRow);
// Consumption rows print in bold italic.
bool isConsumption(TableRow tableRow);

} // namespace StatementItems
