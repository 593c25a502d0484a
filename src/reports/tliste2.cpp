#include "reports/tliste2.h"

#include "reports/tliste1.h"

#include "data/query.h"
#include "reports/statementitems.h"

using StatementItems::TableRow;

namespace {

ReportFont arial(double pointSize, bool bold = false) {
    return ReportFont{QStringLiteral("Arial"), pointSize, bold, false};
}

QString numbered(const char* name, int number) {
    return QLatin1String(name) + QString::number(number);
}

QRectF endingAt(double right, double y, double width, double height) {
    return QRectF(right - width, y, width, height);
}

const double bandWidth = 190.0;
const double indent = 2.6;
const double pitch = TListe1::rowPitch;
const double breakdownLeft = 16.7;

// Rows 2 to 19 of the main table with a breakdown line under each consumption row, then the
// twelve custom items.
const int tableLines = StatementItems::tableRowCount - 1 + 2;
const int itemLines = 12;
const double totalRuleY = TListe1::tableTop + (tableLines + itemLines) * pitch + 0.5;
const double totalY = totalRuleY + 1.0;
const double doubleRuleY = totalY + 5.5;
const double closingRuleY = doubleRuleY + 2.5;
const double paymentY = closingRuleY + 2.0;
const double reasonY = paymentY + 5.0;
const double bankRuleY = reasonY + 6.0;
const double bankY = bankRuleY + 1.5;

// Caption and value of each meter reading, side by side between the row text and the price.
const double readingCaptionLeft[4] = {33.0, 54.0, 72.0, 96.0};
const double readingValueRight[4] = {52.0, 68.5, 94.0, 113.0};
const char* const readingCaptions[4] = {"Z.alt:", "Z:", "Wz.alt:", "Wz:"};

} // namespace

TListe2::TListe2() {
    // The page header and the detail band fill the page, so each plot stands on its own page
    // without a forced break.
    ReportBand& detail =
        TListe1::addStatementBands(m_report, QMarginsF(20, 10, 0, 10), 28.3, false, 246.6);
    addDetail(detail);
    detail.beforePrint = [this](ReportBandContext& context) { DetailBand1BeforePrint(context); };
}

ReportDocument TListe2::preview(Query& rows, const QString& year, bool electricityEqualShare,
                                bool waterEqualShare, const QDate& printDate) {
    m_year = year;
    m_electricityEqualShare = electricityEqualShare;
    m_waterEqualShare = waterEqualShare;
    return m_report.layout(&rows, printDate);
}

void TListe2::DetailBand1BeforePrint(ReportBandContext& context) {
    if (!context.row())
        return;
    const Query& row = *context.row();
    TListe1::setLetterHeadCaptions(context, row, m_year);
    for (int r = int(TableRow::Lease); r <= StatementItems::tableRowCount; ++r)
        TListe1::setTableRowCaptions(context, row, TableRow(r));

    context.setCaption(QStringLiteral("electricityBreakdown"),
                       StatementItems::electricityBreakdownLine(row, m_electricityEqualShare));
    context.setCaption(QStringLiteral("waterBreakdown"),
                       StatementItems::waterBreakdownLine(row, m_waterEqualShare));

    const bool electricity = row.number(QStringLiteral("Strom")) > 0;
    const bool water = row.number(QStringLiteral("Wasser")) > 0;
    for (int i = 0; i < 4; ++i) {
        const QString caption = QString::fromLatin1(readingCaptions[i]);
        context.setCaption(numbered("electricityReadingCaption", i + 1),
                           electricity ? caption : QString());
        context.setCaption(numbered("waterReadingCaption", i + 1), water ? caption : QString());
    }

    for (int item : StatementItems::listedItemOrder()) {
        context.setCaption(numbered("itemLabel", item), StatementItems::customItemLabel(row, item));
        context.setCaption(numbered("itemAmount", item),
                           StatementItems::customItemFigure(row, item));
        if (item == 5 || item == 6) {
            context.setCaption(numbered("itemUnitPrice", item),
                               StatementItems::customItemUnitPrice(row, item));
            context.setCaption(numbered("itemQuantity", item),
                               StatementItems::customItemQuantity(row, item));
        }
    }
}

void TListe2::addDetail(ReportBand& detail) {
    TListe1::addLetterHead(detail, bandWidth);

    double y = TListe1::tableTop;
    for (int r = int(TableRow::Lease); r <= StatementItems::tableRowCount; ++r) {
        const TableRow tableRow = TableRow(r);
        TListe1::addTableRow(detail, tableRow, 0, y, indent);
        y += pitch;
        if (tableRow == TableRow::Electricity) {
            addReadings(detail, QStringLiteral("electricity"), QStringLiteral("Strom"),
                        {QStringLiteral("sza"), QStringLiteral("szn"), QStringLiteral("nsza"),
                         QStringLiteral("nszn")},
                        y - pitch);
            detail.addLabel(QStringLiteral("electricityBreakdown"), QString(),
                            QRectF(breakdownLeft, y, 150, pitch), arial(10));
            y += pitch;
        } else if (tableRow == TableRow::Water) {
            addReadings(detail, QStringLiteral("water"), QStringLiteral("Wasser"),
                        {QStringLiteral("wza"), QStringLiteral("wzn"), QStringLiteral("nwza"),
                         QStringLiteral("nwzn")},
                        y - pitch);
            detail.addLabel(QStringLiteral("waterBreakdown"), QString(),
                            QRectF(breakdownLeft, y, 150, pitch), arial(10));
            y += pitch;
        }
    }

    const ReportFont normal = arial(10);
    for (int item : StatementItems::listedItemOrder()) {
        detail.addLabel(numbered("itemLabel", item), QString(), QRectF(0, y, 100, pitch), normal);
        if (item == 5 || item == 6) {
            detail.addLabel(numbered("itemUnitPrice", item), QString(),
                            endingAt(TListe1::priceRight, y, 18, pitch), normal, Qt::AlignRight);
            detail.addLabel(numbered("itemQuantity", item), QString(),
                            endingAt(TListe1::quantityRight, y, 15, pitch), normal, Qt::AlignRight);
        }
        detail.addLabel(numbered("itemAmount", item), QString(),
                        endingAt(TListe1::amountRight, y, 22, pitch), normal, Qt::AlignRight);
        y += pitch;
    }

    const double amountLeft = TListe1::amountRight - 22;
    detail.addLine(QPointF(amountLeft, totalRuleY), QPointF(TListe1::amountRight, totalRuleY));
    detail.addLabel(QStringLiteral("totalCaption"), QStringLiteral("Rechnungsbetrag"),
                    QRectF(0, totalY, 40, 5.5), arial(11, true));
    detail
        .addField(QStringLiteral("gesamt"), QStringLiteral("%8.2f"),
                  endingAt(TListe1::amountRight, totalY, 25, 5.5), arial(11, true), Qt::AlignRight)
        .name = QStringLiteral("total");
    TListe1::addDoubleRule(detail, amountLeft, TListe1::amountRight, doubleRuleY);
    detail.addLine(QPointF(0, closingRuleY), QPointF(bandWidth, closingRuleY));

    detail.addLabel(QStringLiteral("paymentRequest"),
                    QStringLiteral("Bitte überweisen Sie den Rechnungsbetrag ohne Abzüge "
                                   "kontowirksam bis zum:"),
                    QRectF(0, paymentY, 127, 4.5), normal);
    detail
        .addField(QStringLiteral("Zahlfrist"), QString(), QRectF(128.0, paymentY, 30, 4.5), normal)
        .name = QStringLiteral("dueDate");
    detail.addLabel(QStringLiteral("paymentReason"),
                    QStringLiteral("Als Zahlungsgrund geben Sie bitte Ihren Namen sowie Ihre "
                                   "Parzellennummer an."),
                    QRectF(0, reasonY, 150, 4.5), normal);

    detail.addLine(QPointF(0, bankRuleY), QPointF(bandWidth, bankRuleY));
    const ReportFont small = arial(8);
    detail.addLabel(QStringLiteral("bankCaption"), QStringLiteral("Bankverbindung:"),
                    QRectF(0, bankY, 23, 3.5), small);
    detail.addLabel(QStringLiteral("ibanCaption"), QStringLiteral("IBAN:"),
                    QRectF(24.0, bankY, 8, 3.5), small);
    detail.addField(QStringLiteral("Bank"), QString(), QRectF(32.5, bankY, 46, 3.5), small).name =
        QStringLiteral("iban");
    detail.addLabel(QStringLiteral("bicCaption"), QStringLiteral("BIC:"),
                    QRectF(80.0, bankY, 7, 3.5), small);
    detail.addField(QStringLiteral("Kto"), QString(), QRectF(87.0, bankY, 30, 3.5), small).name =
        QStringLiteral("bic");
}

void TListe2::addReadings(ReportBand& detail, const QString& medium, const QString& consumption,
                          const QStringList& readings, double y) {
    // The second meter's pair prints only when it has a new reading.
    const QString secondMeter = readings.last();
    for (int i = 0; i < 4; ++i) {
        detail.addLabel(QStringLiteral("%1ReadingCaption%2").arg(medium).arg(i + 1), QString(),
                        QRectF(readingCaptionLeft[i], y, 12, pitch), arial(10));
        const QString column = readings.at(i);
        const bool second = i >= 2;
        detail
            .addExpression(
                [consumption, column, second, secondMeter](const Query& row) {
                    const bool shown =
                        row.number(consumption) > 0 && (!second || row.number(secondMeter) > 0);
                    return shown ? StatementItems::printedColumn(row, column, QStringLiteral("0.0"))
                                 : QString();
                },
                endingAt(readingValueRight[i], y + 0.9, 11, 3.0), arial(7), Qt::AlignRight)
            .name = QStringLiteral("%1Reading%2").arg(medium).arg(i + 1);
    }
}
