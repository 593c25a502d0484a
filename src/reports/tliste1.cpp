#include "reports/tliste1.h"

#include "data/query.h"

using StatementItems::TableRow;

namespace {

ReportFont arial(double pointSize, bool bold = false, bool italic = false) {
    return ReportFont{QStringLiteral("Arial"), pointSize, bold, italic};
}

ReportFont bookAntiqua(double pointSize, bool bold = false) {
    return ReportFont{QStringLiteral("Book Antiqua"), pointSize, bold, false};
}

// The transfer form's fields must match the boxes of the pre-printed paper.
ReportFont typewriter() {
    return ReportFont{QStringLiteral("Lucida Sans Typewriter"), 12, false, false};
}

QString numbered(const char* name, int number) {
    return QLatin1String(name) + QString::number(number);
}

// A box whose text ends at `right`.
QRectF endingAt(double right, double y, double width, double height) {
    return QRectF(right - width, y, width, height);
}

const double bandWidth = 170.0;
const double leftColumnRight = 67.7;
const double tableLeft = 69.6;
const double indent = 2.4;
const double rowHeight = TListe1::rowPitch;

// The left column's side table: items from the eighth main table row on, so that both
// tables close on one line.
const double itemsTop = TListe1::tableTop + 7 * TListe1::rowPitch;
const double itemPriceRight = 41.5;
const double itemQuantityRight = 52.4;
const double itemAmountRight = 66.9;

const double totalRuleY =
    TListe1::tableTop + StatementItems::tableRowCount * TListe1::rowPitch + 0.5;
const double totalY = totalRuleY + 1.0;
const double doubleRuleY = totalY + 5.5;
const double closingRuleY = doubleRuleY + 2.5;
const double paymentY = closingRuleY + 2.0;

} // namespace

TListe1::TListe1() {
    ReportBand& detail = addStatementBands(m_report, QMarginsF(30, 10, 10, 10), 14.8, true, 260.6);
    addDetail(detail);
    detail.beforePrint = [this](ReportBandContext& context) { DetailBand1BeforePrint(context); };
}

ReportBand& TListe1::addStatementBands(BandedReport& report, const QMarginsF& margins,
                                       double headerHeight, bool pagePerPlot, double detailHeight) {
    report.title = QStringLiteral("Jahresabrechnung");
    report.paperSize = QSizeF(210, 297);
    report.margins = margins;
    addPageHeader(report.addBand(ReportBand::Kind::PageHeader, headerHeight));
    ReportBand& group = report.addBand(ReportBand::Kind::GroupHeader, 0);
    group.groupKey = [](const Query& row) { return row.value(QStringLiteral("Nr")); };
    group.forceNewPage = pagePerPlot;
    return report.addBand(ReportBand::Kind::Detail, detailHeight);
}

ReportDocument TListe1::preview(Query& rows, const QString& year, bool electricityEqualShare,
                                bool waterEqualShare, const QDate& printDate) {
    m_year = year;
    m_electricityEqualShare = electricityEqualShare;
    m_waterEqualShare = waterEqualShare;
    return m_report.layout(&rows, printDate);
}

void TListe1::DetailBand1BeforePrint(ReportBandContext& context) {
    if (!context.row())
        return;
    const Query& row = *context.row();
    setLetterHeadCaptions(context, row, m_year);

    for (int r = 1; r <= StatementItems::tableRowCount; ++r)
        setTableRowCaptions(context, row, TableRow(r));

    const QStringList electricity =
        StatementItems::electricityBreakdown(row, m_electricityEqualShare);
    const QStringList water = StatementItems::waterBreakdown(row, m_waterEqualShare);
    for (int line = 0; line < 3; ++line) {
        context.setCaption(numbered("electricityBreakdown", line + 1), electricity.at(line));
        context.setCaption(numbered("waterBreakdown", line + 1), water.at(line));
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
    context.setCaption(QStringLiteral("customItemsTotal"),
                       StatementItems::rowAmount(row, TableRow::CarriedCustomItems));
    context.setCaption(QStringLiteral("transferYear"), m_year);
}

void TListe1::addPageHeader(ReportBand& header) {
    header.addField(QStringLiteral("Verein"), QString(), QRectF(0, 0, 140, 6.5),
                    bookAntiqua(14, true));
    header.addLabel(QStringLiteral("board"), QStringLiteral("Der Vorstand"),
                    QRectF(0, 7.5, 60, 4.5), bookAntiqua(10));
    header.addPrintDate(QRectF(141.8, 7.5, 28, 4.5), arial(10));
}

void TListe1::addLetterHead(ReportBand& detail, double width) {
    const ReportFont small = arial(8);
    detail.addLabel(QStringLiteral("senderLine1"), QString(), QRectF(0, 0, 100, 3.5), small);
    detail.addLabel(QStringLiteral("senderLine2"), QString(), QRectF(0, 3.5, 100, 3.5), small);

    const double right = 106.4;
    const double value = right + 21.0;
    detail.addLabel(QStringLiteral("taxNumberCaption"), QStringLiteral("Steuernummer:"),
                    QRectF(right, 0, 21, 3.5), small);
    detail.addField(QStringLiteral("text6"), QString(), QRectF(value, 0, width - value, 3.5), small)
        .name = QStringLiteral("taxNumber");
    detail.addLabel(QStringLiteral("treasurerCaption"), QStringLiteral("Kassierer:"),
                    QRectF(right, 3.5, 21, 3.5), small);
    detail
        .addField(QStringLiteral("text7"), QString(), QRectF(value, 3.5, width - value, 3.5), small)
        .name = QStringLiteral("treasurer");
    detail.addLabel(QStringLiteral("phoneCaption"), QStringLiteral("Telefon:"),
                    QRectF(right, 7.0, 21, 3.5), small);
    detail
        .addField(QStringLiteral("text8"), QString(), QRectF(value, 7.0, width - value, 3.5), small)
        .name = QStringLiteral("phone");
    detail.addLabel(QStringLiteral("notice1"),
                    QStringLiteral("Diese Rechnung ist maschinell erstellt und besitzt daher auch"),
                    QRectF(right, 11.5, width - right, 2.6), arial(6));
    detail.addLabel(QStringLiteral("notice2"),
                    QStringLiteral("ohne Unterschrift volle Gültigkeit."),
                    QRectF(right, 14.1, width - right, 2.6), arial(6));

    // The tenant's address sits in the window of a folded letter.
    const ReportFont normal = arial(10);
    detail.addLabel(QStringLiteral("tenantLine"), QString(), QRectF(0, 20.6, 90, 4.5), normal);
    detail.addField(QStringLiteral("Anschrift"), QString(), QRectF(0, 25.1, 90, 4.5), normal).name =
        QStringLiteral("street");
    detail
        .addExpression(
            [](const Query& row) {
                return (row.text(QStringLiteral("PLZ")) + u' ' + row.text(QStringLiteral("Ort")))
                    .trimmed();
            },
            QRectF(0, 29.6, 90, 4.5), normal)
        .name = QStringLiteral("place");

    const ReportFont heading = arial(12, true);
    detail.addLabel(QStringLiteral("heading"), QStringLiteral("Jahresabrechnung"),
                    QRectF(0, 40.0, 39, 5), heading);
    detail.addLabel(QStringLiteral("headingYear"), QString(), QRectF(39.5, 40.0, 11, 5), heading);
    detail.addLabel(QStringLiteral("headingPlotCaption"), QStringLiteral("Parz."),
                    QRectF(51.5, 40.0, 11, 5), heading);
    detail.addField(QStringLiteral("Nr"), QString(), QRectF(63.5, 40.0, 20, 5), heading).name =
        QStringLiteral("headingPlot");

    detail.addLabel(QStringLiteral("priceHead"), QStringLiteral("EUR/Einheit"),
                    endingAt(priceRight, 51.5, 20, 4.5), normal, Qt::AlignRight);
    detail.addLabel(QStringLiteral("quantityHead"), QStringLiteral("Menge"),
                    endingAt(quantityRight, 51.5, 15, 4.5), normal, Qt::AlignRight);
    detail.addLabel(QStringLiteral("amountHead"), QStringLiteral("EUR"),
                    endingAt(amountRight, 51.5, 20, 4.5), normal, Qt::AlignRight);
    detail.addLine(QPointF(0, 56.5), QPointF(width, 56.5));
}

void TListe1::setLetterHeadCaptions(ReportBandContext& context, const Query& row,
                                    const QString& year) {
    context.setCaption(QStringLiteral("senderLine1"), StatementItems::senderLine(row));
    context.setCaption(QStringLiteral("senderLine2"), StatementItems::senderPlaceLine(row));
    context.setCaption(QStringLiteral("tenantLine"), StatementItems::tenantLine(row));
    context.setCaption(QStringLiteral("headingYear"), year);
}

void TListe1::addTableRow(ReportBand& detail, TableRow tableRow, double left, double y,
                          double indent) {
    const int number = int(tableRow);
    const bool consumption = StatementItems::isConsumption(tableRow);
    const ReportFont figure = arial(10, consumption, consumption);
    if (tableRow == TableRow::CarriedCustomItems) {
        detail.addLabel(numbered("rowText", number), QString(), QRectF(left, y, 44, rowHeight),
                        arial(10, true, true), Qt::AlignHCenter);
    } else {
        const double x = left + (StatementItems::isIndented(tableRow) ? indent : 0);
        detail.addLabel(numbered("rowText", number), QString(), QRectF(x, y, 46, rowHeight),
                        figure);
    }

    const bool priced = tableRow == TableRow::Lease || tableRow == TableRow::CommonArea ||
                        tableRow == TableRow::MissedHours || consumption;
    if (priced) {
        detail
            .addExpression(
                [tableRow](const Query& row) {
                    return StatementItems::rowUnitPrice(row, tableRow);
                },
                endingAt(priceRight, y, 18, rowHeight), figure, Qt::AlignRight)
            .name = numbered("rowUnitPrice", number);
        detail
            .addExpression(
                [tableRow](const Query& row) { return StatementItems::rowQuantity(row, tableRow); },
                endingAt(quantityRight, y, 15, rowHeight), figure, Qt::AlignRight)
            .name = numbered("rowQuantity", number);
    }

    // The carried sum, the lease and the common-area share are the hook's own figures.
    const ReportFont amount = arial(10, consumption || tableRow == TableRow::CarriedCustomItems);
    if (number <= int(TableRow::CommonArea)) {
        detail.addLabel(numbered("rowAmount", number), QString(),
                        endingAt(amountRight, y, 22, rowHeight), amount, Qt::AlignRight);
    } else {
        detail
            .addExpression(
                [tableRow](const Query& row) { return StatementItems::rowAmount(row, tableRow); },
                endingAt(amountRight, y, 22, rowHeight), amount, Qt::AlignRight)
            .name = numbered("rowAmount", number);
    }
}

void TListe1::setTableRowCaptions(ReportBandContext& context, const Query& row, TableRow tableRow) {
    const int number = int(tableRow);
    context.setCaption(numbered("rowText", number), StatementItems::rowText(row, tableRow));
    if (number <= int(TableRow::CommonArea))
        context.setCaption(numbered("rowAmount", number), StatementItems::rowAmount(row, tableRow));
}

void TListe1::addDoubleRule(ReportBand& detail, double left, double right, double y) {
    detail.addLine(QPointF(left, y), QPointF(right, y), 0.4);
    detail.addLine(QPointF(left, y + 0.9), QPointF(right, y + 0.9), 0.4);
}

void TListe1::addDetail(ReportBand& detail) {
    addLetterHead(detail, bandWidth);
    // The vertical rule parts the left column from the main table down to the closing rule.
    const double divider = (leftColumnRight + tableLeft) / 2;
    detail.addLine(QPointF(divider, 56.5), QPointF(divider, closingRuleY));

    for (int r = 1; r <= StatementItems::tableRowCount; ++r)
        addTableRow(detail, TableRow(r), tableLeft, tableTop + (r - 1) * rowPitch, indent);

    detail.addLine(QPointF(amountRight - 22, totalRuleY), QPointF(amountRight, totalRuleY));
    detail.addLabel(QStringLiteral("totalCaption"), QStringLiteral("Rechnungsbetrag"),
                    QRectF(tableLeft, totalY, 40, 5.5), arial(11, true));
    detail
        .addField(QStringLiteral("gesamt"), QStringLiteral("%8.2f"),
                  endingAt(amountRight, totalY, 25, 5.5), arial(11, true), Qt::AlignRight)
        .name = QStringLiteral("total");
    addDoubleRule(detail, amountRight - 22, amountRight, doubleRuleY);
    detail.addLine(QPointF(0, closingRuleY), QPointF(bandWidth, closingRuleY));

    detail.addLabel(QStringLiteral("paymentRequest"),
                    QStringLiteral("Bitte überweisen Sie den Rechnungsbetrag ohne Abzüge "
                                   "kontowirksam bis zum"),
                    QRectF(0, paymentY, 126, 4.5), arial(10));
    detail
        .addField(QStringLiteral("Zahlfrist"), QString(), QRectF(127.0, paymentY, 30, 4.5),
                  arial(10))
        .name = QStringLiteral("dueDate");

    addLeftColumn(detail);
    addTransferForm(detail);
}

void TListe1::addLeftColumn(ReportBand& detail) {
    const ReportFont small = arial(8);
    for (int line = 0; line < 3; ++line) {
        detail.addLabel(numbered("electricityBreakdown", line + 1), QString(),
                        QRectF(0, tableTop + line * 3.5, leftColumnRight, 3.5), small);
        detail.addLabel(numbered("waterBreakdown", line + 1), QString(),
                        QRectF(0, tableTop + 11.5 + line * 3.5, leftColumnRight, 3.5), small);
    }

    const double headY = itemsTop - rowPitch;
    detail.addLabel(QStringLiteral("itemsHead"), QStringLiteral("Sonderposten"),
                    QRectF(0, headY, 20, 3.5), small);
    detail.addLabel(QStringLiteral("itemsPriceHead"), QStringLiteral("EUR/Einheit"),
                    endingAt(itemPriceRight, headY, 17, 3.5), small, Qt::AlignRight);
    detail.addLabel(QStringLiteral("itemsQuantityHead"), QStringLiteral("Menge"),
                    endingAt(itemQuantityRight, headY, 10, 3.5), small, Qt::AlignRight);
    detail.addLabel(QStringLiteral("itemsAmountHead"), QStringLiteral("EUR"),
                    endingAt(itemAmountRight, headY, 12, 3.5), small, Qt::AlignRight);
    detail.addLine(QPointF(0, itemsTop - 0.5), QPointF(leftColumnRight, itemsTop - 0.5));

    // The 7 pt texts sit a little lower, on the line of the 8 pt amount.
    const ReportFont tiny = arial(7);
    double y = itemsTop;
    for (int item : StatementItems::listedItemOrder()) {
        detail.addLabel(numbered("itemLabel", item), QString(), QRectF(0, y + 0.4, 30, 3.5), tiny);
        if (item == 5 || item == 6) {
            detail.addLabel(numbered("itemUnitPrice", item), QString(),
                            endingAt(itemPriceRight, y + 0.4, 10, 3.5), tiny, Qt::AlignRight);
            detail.addLabel(numbered("itemQuantity", item), QString(),
                            endingAt(itemQuantityRight, y + 0.4, 10, 3.5), tiny, Qt::AlignRight);
        }
        detail.addLabel(numbered("itemAmount", item), QString(),
                        endingAt(itemAmountRight, y, 14, 3.5), small, Qt::AlignRight);
        y += rowPitch;
    }

    detail.addLine(QPointF(itemAmountRight - 14, totalRuleY), QPointF(itemAmountRight, totalRuleY));
    detail.addLabel(QStringLiteral("customItemsTotalCaption"),
                    QStringLiteral("Gesamt Sonderposten"), QRectF(0, totalY + 0.5, 40, 4.5),
                    arial(10, true));
    detail.addLabel(QStringLiteral("customItemsTotal"), QString(),
                    endingAt(itemAmountRight, totalY + 0.5, 18, 4.5), arial(10, true),
                    Qt::AlignRight);
    addDoubleRule(detail, itemAmountRight - 14, itemAmountRight, doubleRuleY);
}

void TListe1::addTransferForm(ReportBand& detail) {
    const ReportFont form = typewriter();
    const double left = 39.4;
    const auto field = [&](const char* name, const char* column, double x, double y) {
        detail.addField(QLatin1String(column), QString(), QRectF(x, y, 130 - x, 5.5), form).name =
            QLatin1String(name);
    };
    field("transferRecipient", "Verein", left, 187.3);
    field("transferIban", "Bank", left, 195.5);
    field("transferBic", "Kto", left, 204.0);
    detail.addLabel(QStringLiteral("transferReference"), QStringLiteral("Abrechng. "),
                    QRectF(left, 221.2, 27.3, 5.5), form);
    detail.addLabel(QStringLiteral("transferYear"), QString(), QRectF(67.2, 221.2, 14, 5.5), form);
    detail.addLabel(QStringLiteral("transferPlotCaption"), QStringLiteral("Parz."),
                    QRectF(81.8, 221.2, 16, 5.5), form);
    field("transferPlot", "Nr", 98.4, 221.2);
    field("transferReason", "varzahlgrd", left, 229.7);
    field("transferPayer", "Name", left, 238.1);
}
