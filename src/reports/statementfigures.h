#pragma once

#include "data/billamounts.h"
#include "reports/statementoptions.h"

#include <QList>
#include <QString>
#include <QStringList>

class Query;

// What a statement prints for one plot, from one row of the print query (the plot joined with
// the parameter row and the custom-item labels, consumption with the loss shares). Every
// amount is the plot's bill's, rounded to cents once, so the printed rows add up to the
// invoice total the billing run stored. Both layouts print these figures; they differ only in
// where they put them. A row is printed when its own condition holds or when the bill charges
// or credits anything on it.
class StatementFigures {
public:
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
    static constexpr int tableRowCount = 19;

    // The row must stay where it is while the figures are used.
    StatementFigures(const Query& row, const StatementOptions& options);

    // A main table row's text, unit price, quantity and amount, each empty where the row does
    // not show it for this plot.
    QString rowText(TableRow tableRow) const;
    QString rowUnitPrice(TableRow tableRow) const;
    QString rowQuantity(TableRow tableRow) const;
    QString rowAmount(TableRow tableRow) const;

    // Custom item 1 to 12 as its row prints it: label, unit price, quantity and signed amount,
    // all empty when the item's amount is 0. Unit price and quantity exist only for items 5
    // and 6 with their area link.
    QString customItemLabel(int item) const;
    QString customItemUnitPrice(int item) const;
    QString customItemQuantity(int item) const;
    QString customItemAmount(int item) const;
    // The items' sum, empty when it is 0.
    QString customItemsSum() const;

    enum class Medium { Electricity, Water };
    // The three lines that split a medium's consumption into own use and loss share, or three
    // empty lines when its losses were not shared equally or nothing was consumed.
    QStringList breakdown(Medium medium) const;
    // The same split in one line.
    QString breakdownLine(Medium medium) const;

    // The items in the order the statements list them.
    static const QList<int>& listedItemOrder();
    // Advances and standing charges stand a little to the right of the other rows.
    static bool isIndented(TableRow tableRow);
    // Whether a custom item may be billed by the garden's area, and so show price and quantity.
    static bool canBeAreaLinked(int item);
    // Consumption rows print in bold italic.
    static bool isConsumption(TableRow tableRow);
    // Whether a row prints a unit price and a quantity beside its amount.
    static bool isPriced(TableRow tableRow);
    // A column as it stands, in a display format; nothing when the column is empty.
    static QString printedColumn(const Query& row, const QString& column, const QString& pattern);

private:
    struct Split;
    Split split(Medium medium) const;
    bool isShown(TableRow tableRow) const;
    bool isAreaLinked(int item) const;

    const Query& m_row;
    StatementOptions m_options;
    BillAmounts m_bill;
};
