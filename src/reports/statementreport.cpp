#include "reports/statementreport.h"

#include "framework/reportstyle.h"
#include "reports/letterparts.h"

#include "data/query.h"

using ReportStyle::arial;
using ReportStyle::endingAt;
using TableRow = StatementFigures::TableRow;

StatementReport::StatementReport(const QString& year, const StatementOptions& options,
                                 const Page& page)
    : m_year(year)
    , m_options(options)
    , m_page(page) {
    m_report.title = QStringLiteral("Jahresabrechnung");
    LetterParts::namePartsByPlot(m_report, QStringLiteral("Jahresabrechnung ") + year);
    m_report.paperSize = QSizeF(210, 297);
    m_report.margins = page.margins;
    addPageHeader(m_report.addBand(ReportBand::Kind::PageHeader, page.headerHeight));
    ReportBand& group = m_report.addBand(ReportBand::Kind::GroupHeader, 0);
    group.groupKey = [](const Query& row) { return row.value(QStringLiteral("Nr")); };
    group.forceNewPage = page.pagePerPlot;
    ReportBand& band = m_report.addBand(ReportBand::Kind::Detail, page.detailHeight);
    band.beforePrint = [this](ReportBandContext& context) { DetailBand1BeforePrint(context); };

    LetterParts::addSenderLines(band);
    LetterParts::addAssociationDetails(band, page.width);
    LetterParts::addTenantAddress(band);
    addHeading();
}

LetterParts::TransferFormContent StatementReport::transfer() const {
    LetterParts::TransferFormContent content;
    content.year = m_year;
    content.secondReferenceColumn = QStringLiteral("varzahlgrd");
    return content;
}

ReportDocument StatementReport::layout(Query& rows, const QDate& printDate) {
    return m_report.layout(&rows, printDate);
}

void StatementReport::addPageHeader(ReportBand& header) {
    LetterParts::addAssociationName(header, 14);
    header.addLabel(QString(), QStringLiteral("Der Vorstand"), QRectF(0, 7.5, 60, 4.5),
                    ReportStyle::bookAntiqua(10));
    header.addPrintDate(QRectF(141.8, 7.5, 28, 4.5), arial(10));
}

void StatementReport::addHeading() {
    ReportBand& band = detail();
    const ReportFont heading = arial(12, true);
    band.addLabel(QString(), QStringLiteral("Jahresabrechnung"), QRectF(0, 40.0, 39, 5), heading);
    band.addLabel(QString(), m_year, QRectF(39.5, 40.0, 11, 5), heading);
    band.addLabel(QString(), QStringLiteral("Parz."), QRectF(51.5, 40.0, 11, 5), heading);
    band.addField(QStringLiteral("Nr"), QString(), QRectF(63.5, 40.0, 20, 5), heading);

    const ReportFont normal = arial(10);
    band.addLabel(QString(), QStringLiteral("EUR/Einheit"), endingAt(priceRight, 51.5, 20, 4.5),
                  normal, Qt::AlignRight);
    band.addLabel(QString(), QStringLiteral("Menge"), endingAt(quantityRight, 51.5, 15, 4.5),
                  normal, Qt::AlignRight);
    band.addLabel(QString(), QStringLiteral("EUR"), endingAt(amountRight, 51.5, 20, 4.5), normal,
                  Qt::AlignRight);
    band.addLine(QPointF(0, 56.5), QPointF(m_page.width, 56.5));
}

void StatementReport::addTableRow(TableRow tableRow, double y) {
    ReportBand& band = detail();
    const int number = int(tableRow);
    const bool consumption = StatementFigures::isConsumption(tableRow);
    const ReportFont figure = arial(10, consumption, consumption);
    const double left = m_page.tableLeft;
    if (tableRow == TableRow::CarriedCustomItems) {
        band.addLabel(numbered("rowText", number), QString(), QRectF(left, y, 44, rowPitch),
                      arial(10, true, true), Qt::AlignHCenter);
    } else {
        const double x = left + (StatementFigures::isIndented(tableRow) ? m_page.indent : 0);
        band.addLabel(numbered("rowText", number), QString(), QRectF(x, y, 46, rowPitch), figure);
    }
    if (StatementFigures::isPriced(tableRow)) {
        band.addLabel(numbered("rowUnitPrice", number), QString(),
                      endingAt(priceRight, y, 18, rowPitch), figure, Qt::AlignRight);
        band.addLabel(numbered("rowQuantity", number), QString(),
                      endingAt(quantityRight, y, 15, rowPitch), figure, Qt::AlignRight);
    }
    const bool bold = consumption || tableRow == TableRow::CarriedCustomItems;
    band.addLabel(numbered("rowAmount", number), QString(), endingAt(amountRight, y, 22, rowPitch),
                  arial(10, bold), Qt::AlignRight);
}

QString StatementReport::numbered(const char* name, int number) {
    return QLatin1String(name) + QString::number(number);
}

double StatementReport::addTotal(double ruleY) {
    ReportBand& band = detail();
    const double totalY = ruleY + 1.0;
    const double doubleRuleY = totalY + 5.5;
    const double closingRuleY = doubleRuleY + 2.5;
    band.addLine(QPointF(amountRight - 22, ruleY), QPointF(amountRight, ruleY));
    band.addLabel(QString(), QStringLiteral("Rechnungsbetrag"),
                  QRectF(m_page.tableLeft, totalY, 40, 5.5), arial(11, true));
    band.addField(QStringLiteral("gesamt"), QStringLiteral("%8.2f"),
                  endingAt(amountRight, totalY, 25, 5.5), arial(11, true), Qt::AlignRight);
    LetterParts::addDoubleRule(band, amountRight - 22, amountRight, doubleRuleY);
    band.addLine(QPointF(0, closingRuleY), QPointF(m_page.width, closingRuleY));
    return closingRuleY;
}

void StatementReport::DetailBand1BeforePrint(ReportBandContext& context) {
    if (!context.row())
        return;
    const StatementFigures figures(*context.row(), m_options);
    for (int r = 1; r <= StatementFigures::tableRowCount; ++r) {
        const TableRow tableRow = TableRow(r);
        context.setCaption(numbered("rowText", r), figures.rowText(tableRow));
        context.setCaption(numbered("rowUnitPrice", r), figures.rowUnitPrice(tableRow));
        context.setCaption(numbered("rowQuantity", r), figures.rowQuantity(tableRow));
        context.setCaption(numbered("rowAmount", r), figures.rowAmount(tableRow));
    }
    for (int item = 1; item <= 12; ++item) {
        context.setCaption(numbered("itemLabel", item), figures.customItemLabel(item));
        context.setCaption(numbered("itemUnitPrice", item), figures.customItemUnitPrice(item));
        context.setCaption(numbered("itemQuantity", item), figures.customItemQuantity(item));
        context.setCaption(numbered("itemAmount", item), figures.customItemAmount(item));
    }
    setLayoutCaptions(context, figures);
}
