#include "reports/tliste2.h"

#include "framework/reportstyle.h"
#include "reports/letterparts.h"

#include "data/query.h"

using ReportStyle::arial;
using ReportStyle::endingAt;
using TableRow = StatementFigures::TableRow;

namespace {

const double bandWidth = 190.0;
const double breakdownLeft = 16.7;

// Caption and value of each meter reading, side by side between the row text and the price.
const double readingCaptionLeft[4] = {33.0, 54.0, 72.0, 96.0};
const double readingValueRight[4] = {52.0, 68.5, 94.0, 113.0};
const char* const readingCaptions[4] = {"Z.alt:", "Z:", "Wz.alt:", "Wz:"};

} // namespace

TListe2::TListe2(const QString& year, const StatementOptions& options)
    // The page header and the detail band fill the page, so each plot stands on its own page
    // without a forced break.
    : StatementReport(year, options,
                      Page{QMarginsF(20, 10, 0, 10), 28.3, false, 246.6, bandWidth, 0, 2.6}) {
    ReportBand& band = detail();
    // Rows 2 to 19 of the main table, with a breakdown line under each consumption row.
    double y = tableTop;
    for (int r = int(TableRow::Lease); r <= StatementFigures::tableRowCount; ++r) {
        const TableRow tableRow = TableRow(r);
        addTableRow(tableRow, y);
        y += rowPitch;
        if (tableRow == TableRow::Electricity) {
            addReadings(QStringLiteral("electricity"), QStringLiteral("Strom"),
                        {QStringLiteral("sza"), QStringLiteral("szn"), QStringLiteral("nsza"),
                         QStringLiteral("nszn")},
                        y - rowPitch);
            band.addLabel(QStringLiteral("electricityBreakdown"), QString(),
                          QRectF(breakdownLeft, y, 150, rowPitch), arial(10));
            y += rowPitch;
        } else if (tableRow == TableRow::Water) {
            addReadings(QStringLiteral("water"), QStringLiteral("Wasser"),
                        {QStringLiteral("wza"), QStringLiteral("wzn"), QStringLiteral("nwza"),
                         QStringLiteral("nwzn")},
                        y - rowPitch);
            band.addLabel(QStringLiteral("waterBreakdown"), QString(),
                          QRectF(breakdownLeft, y, 150, rowPitch), arial(10));
            y += rowPitch;
        }
    }

    // Then the custom items as ordinary rows.
    const ReportFont normal = arial(10);
    for (int item : StatementFigures::listedItemOrder()) {
        band.addLabel(numbered("itemLabel", item), QString(), QRectF(0, y, 100, rowPitch), normal);
        if (StatementFigures::canBeAreaLinked(item)) {
            band.addLabel(numbered("itemUnitPrice", item), QString(),
                          endingAt(priceRight, y, 18, rowPitch), normal, Qt::AlignRight);
            band.addLabel(numbered("itemQuantity", item), QString(),
                          endingAt(quantityRight, y, 15, rowPitch), normal, Qt::AlignRight);
        }
        band.addLabel(numbered("itemAmount", item), QString(),
                      endingAt(amountRight, y, 22, rowPitch), normal, Qt::AlignRight);
        y += rowPitch;
    }
    addFoot(addTotal(y + 0.5));
    // No form to fill in, but the same transfer to scan.
    LetterParts::addGiroCode(band, detailCorner(), transfer());
}

void TListe2::addFoot(double closingRuleY) {
    ReportBand& band = detail();
    const ReportFont normal = arial(10);
    const double paymentY = closingRuleY + 2.0;
    band.addLabel(QString(),
                  QStringLiteral("Bitte überweisen Sie den Rechnungsbetrag ohne Abzüge "
                                 "kontowirksam bis zum:"),
                  QRectF(0, paymentY, 127, 4.5), normal);
    band.addField(QStringLiteral("Zahlfrist"), QString(), QRectF(128.0, paymentY, 30, 4.5), normal);
    const double reasonY = paymentY + 5.0;
    band.addLabel(QString(),
                  QStringLiteral("Als Zahlungsgrund geben Sie bitte Ihren Namen sowie Ihre "
                                 "Parzellennummer an."),
                  QRectF(0, reasonY, 150, 4.5), normal);

    const double bankRuleY = reasonY + 6.0;
    const double bankY = bankRuleY + 1.5;
    band.addLine(QPointF(0, bankRuleY), QPointF(bandWidth, bankRuleY));
    const ReportFont small = arial(8);
    band.addLabel(QString(), QStringLiteral("Bankverbindung:"), QRectF(0, bankY, 23, 3.5), small);
    band.addLabel(QString(), QStringLiteral("IBAN:"), QRectF(24.0, bankY, 8, 3.5), small);
    band.addField(QStringLiteral("Bank"), QString(), QRectF(32.5, bankY, 46, 3.5), small);
    band.addLabel(QString(), QStringLiteral("BIC:"), QRectF(80.0, bankY, 7, 3.5), small);
    band.addField(QStringLiteral("Kto"), QString(), QRectF(87.0, bankY, 30, 3.5), small);
}

void TListe2::addReadings(const QString& medium, const QString& consumption,
                          const QStringList& readings, double y) {
    ReportBand& band = detail();
    // The second meter's pair prints only when it has a new reading.
    const QString secondMeter = readings.last();
    for (int i = 0; i < 4; ++i) {
        band.addLabel(QStringLiteral("%1ReadingCaption%2").arg(medium).arg(i + 1), QString(),
                      QRectF(readingCaptionLeft[i], y, 12, rowPitch), arial(10));
        const QString column = readings.at(i);
        const bool second = i >= 2;
        band.addExpression(
            [consumption, column, second, secondMeter](const Query& row) {
                const bool shown =
                    row.number(consumption) > 0 && (!second || row.number(secondMeter) > 0);
                return shown ? StatementFigures::printedColumn(row, column, QStringLiteral("0.0"))
                             : QString();
            },
            endingAt(readingValueRight[i], y + 0.9, 11, 3.0), arial(7), Qt::AlignRight);
    }
}

void TListe2::setLayoutCaptions(ReportBandContext& context, const StatementFigures& figures) {
    context.setCaption(QStringLiteral("electricityBreakdown"),
                       figures.breakdownLine(StatementFigures::Medium::Electricity));
    context.setCaption(QStringLiteral("waterBreakdown"),
                       figures.breakdownLine(StatementFigures::Medium::Water));

    const Query& row = *context.row();
    const bool electricity = row.number(QStringLiteral("Strom")) > 0;
    const bool water = row.number(QStringLiteral("Wasser")) > 0;
    for (int i = 0; i < 4; ++i) {
        const QString caption = QString::fromLatin1(readingCaptions[i]);
        context.setCaption(numbered("electricityReadingCaption", i + 1),
                           electricity ? caption : QString());
        context.setCaption(numbered("waterReadingCaption", i + 1), water ? caption : QString());
    }
}
