#include "reports/tliste1.h"

#include "framework/reportstyle.h"
#include "reports/letterparts.h"

using ReportStyle::arial;
using ReportStyle::endingAt;
using TableRow = StatementFigures::TableRow;

namespace {

const double bandWidth = 170.0;
const double leftColumnRight = 67.7;
const double tableLeft = 69.6;

// Where the figures of the left column's side table end.
const double itemPriceRight = 41.5;
const double itemQuantityRight = 52.4;
const double itemAmountRight = 66.9;

} // namespace

TListe1::TListe1(const QString& year, const StatementOptions& options)
    : StatementReport(
          year, options,
          Page{QMarginsF(30, 10, 10, 10), 14.8, true, 260.6, bandWidth, tableLeft, 2.4}) {
    ReportBand& band = detail();
    const double totalRuleY = tableTop + StatementFigures::tableRowCount * rowPitch + 0.5;
    const double closingRuleY = totalRuleY + 9.0;
    // The vertical rule parts the left column from the main table down to the closing rule.
    const double divider = (leftColumnRight + tableLeft) / 2;
    band.addLine(QPointF(divider, 56.5), QPointF(divider, closingRuleY));

    for (int r = 1; r <= StatementFigures::tableRowCount; ++r)
        addTableRow(TableRow(r), tableTop + (r - 1) * rowPitch);
    addTotal(totalRuleY);

    const double paymentY = closingRuleY + 2.0;
    band.addLabel(QString(),
                  QStringLiteral("Bitte überweisen Sie den Rechnungsbetrag ohne Abzüge "
                                 "kontowirksam bis zum"),
                  QRectF(0, paymentY, 126, 4.5), arial(10));
    band.addField(QStringLiteral("Zahlfrist"), QString(), QRectF(127.0, paymentY, 30, 4.5),
                  arial(10));

    addLeftColumn(totalRuleY);

    LetterParts::addTransferForm(band, detailCorner(), transfer());
}

void TListe1::addLeftColumn(double totalRuleY) {
    ReportBand& band = detail();
    const ReportFont small = arial(8);
    for (int line = 0; line < 3; ++line) {
        band.addLabel(numbered("electricityBreakdown", line + 1), QString(),
                      QRectF(0, tableTop + line * 3.5, leftColumnRight, 3.5), small);
        band.addLabel(numbered("waterBreakdown", line + 1), QString(),
                      QRectF(0, tableTop + 11.5 + line * 3.5, leftColumnRight, 3.5), small);
    }

    // The side table's items stand from the eighth main table row on, so that both tables
    // close on one line.
    const double itemsTop = tableTop + 7 * rowPitch;
    const double headY = itemsTop - rowPitch;
    band.addLabel(QString(), QStringLiteral("Sonderposten"), QRectF(0, headY, 20, 3.5), small);
    band.addLabel(QString(), QStringLiteral("EUR/Einheit"),
                  endingAt(itemPriceRight, headY, 17, 3.5), small, Qt::AlignRight);
    band.addLabel(QString(), QStringLiteral("Menge"), endingAt(itemQuantityRight, headY, 10, 3.5),
                  small, Qt::AlignRight);
    band.addLabel(QString(), QStringLiteral("EUR"), endingAt(itemAmountRight, headY, 12, 3.5),
                  small, Qt::AlignRight);
    band.addLine(QPointF(0, itemsTop - 0.5), QPointF(leftColumnRight, itemsTop - 0.5));

    // The 7 pt texts sit a little lower, on the line of the 8 pt amount.
    const ReportFont tiny = arial(7);
    double y = itemsTop;
    for (int item : StatementFigures::listedItemOrder()) {
        band.addLabel(numbered("itemLabel", item), QString(), QRectF(0, y + 0.4, 30, 3.5), tiny);
        if (StatementFigures::canBeAreaLinked(item)) {
            band.addLabel(numbered("itemUnitPrice", item), QString(),
                          endingAt(itemPriceRight, y + 0.4, 10, 3.5), tiny, Qt::AlignRight);
            band.addLabel(numbered("itemQuantity", item), QString(),
                          endingAt(itemQuantityRight, y + 0.4, 10, 3.5), tiny, Qt::AlignRight);
        }
        band.addLabel(numbered("itemAmount", item), QString(),
                      endingAt(itemAmountRight, y, 14, 3.5), small, Qt::AlignRight);
        y += rowPitch;
    }

    const double totalY = totalRuleY + 1.0;
    band.addLine(QPointF(itemAmountRight - 14, totalRuleY), QPointF(itemAmountRight, totalRuleY));
    band.addLabel(QString(), QStringLiteral("Gesamt Sonderposten"),
                  QRectF(0, totalY + 0.5, 40, 4.5), arial(10, true));
    band.addLabel(QStringLiteral("customItemsTotal"), QString(),
                  endingAt(itemAmountRight, totalY + 0.5, 18, 4.5), arial(10, true),
                  Qt::AlignRight);
    LetterParts::addDoubleRule(band, itemAmountRight - 14, itemAmountRight, totalY + 5.5);
}

void TListe1::setLayoutCaptions(ReportBandContext& context, const StatementFigures& figures) {
    const QStringList electricity = figures.breakdown(StatementFigures::Medium::Electricity);
    const QStringList water = figures.breakdown(StatementFigures::Medium::Water);
    for (int line = 0; line < 3; ++line) {
        context.setCaption(numbered("electricityBreakdown", line + 1), electricity.at(line));
        context.setCaption(numbered("waterBreakdown", line + 1), water.at(line));
    }
    context.setCaption(QStringLiteral("customItemsTotal"), figures.customItemsSum());
}
