#include "reports/tmahnung.h"

#include "framework/reportstyle.h"
#include "reports/dunningamounts.h"
#include "reports/letterparts.h"

#include "data/query.h"
#include "framework/germandate.h"
#include "framework/numberformat.h"

using ReportStyle::arial;
using ReportStyle::endingAt;

namespace {

const double bandWidth = 170.0;

// The sum block: captions from here, amounts ending there, each followed by "EUR".
const double captionLeft = 41.8;
const double plusLeft = 37.8;
const double amountRight = 97.0;
const double currencyLeft = 99.2;
const double lineHeight = 4.5;

// The form's fields on the dunning letter's paper: its boxes for the account, the
// reference and the payer stand a little lower than on the statement's.
LetterParts::TransferFormPositions transferFormPositions() {
    LetterParts::TransferFormPositions at;
    at.ibanY = 220.6;
    at.bicY = 229.3;
    at.referenceY = 246.3;
    at.payerY = 254.7;
    return at;
}

} // namespace

TMahnung::TMahnung(const QString& year, DunningLevel level)
    : m_year(year)
    , m_level(level) {
    m_report.title = QStringLiteral("Mahnungen");
    // "1. Mahnung 2026 Parz. 16 Lange.pdf" when a letter is saved on its own.
    LetterParts::namePartsByPlot(m_report, dunningHeading(level) + u' ' + year);
    m_report.paperSize = QSizeF(210, 297);
    m_report.margins = QMarginsF(bandLeft, 10, 10, 10);
    addPageHeader(m_report.addBand(ReportBand::Kind::PageHeader, bandTop - 10.0));
    // Header and letter fill the page, so each letter stands on a page of its own.
    ReportBand& band = m_report.addBand(ReportBand::Kind::Detail, 260.9);
    band.beforePrint = [this](ReportBandContext& context) { DetailBand1BeforePrint(context); };

    LetterParts::addSenderLines(band);
    LetterParts::addTenantAddress(band);
    band.addLabel(QStringLiteral("heading"), QString(), QRectF(0, 57.7, 60, 5.5),
                  ReportFont{QStringLiteral("Arial Unicode MS"), 12, true, false});
    const ReportFont normal = arial(10);
    band.addLabel(QStringLiteral("salutation"), QString(), QRectF(0, 70.0, bandWidth, lineHeight),
                  normal);
    band.addLabel(QStringLiteral("dueLine"), QString(), QRectF(0, 80.0, bandWidth, lineHeight),
                  normal);
    addSumBlock(band);

    LetterParts::TransferFormContent form;
    form.year = year;
    form.printAmount = true;
    form.payableCents = [](const Query& row) { return DunningAmounts::fromRow(row).totalCents(); };
    form.printDate = true;
    LetterParts::addTransferForm(band, QPointF(bandLeft, bandTop), form, transferFormPositions());
}

ReportDocument TMahnung::layout(Query& rows, const QDate& printDate) {
    return m_report.layout(&rows, printDate);
}

void TMahnung::addPageHeader(ReportBand& header) {
    LetterParts::addAssociationName(header, 16);
    header.addLabel(QString(), QStringLiteral("Datum:"), QRectF(110.9, 1.5, 20, lineHeight),
                    arial(10));
    header.addPrintDate(QRectF(132.0, 1.5, 30, lineHeight), arial(10));
}

void TMahnung::addSumBlock(ReportBand& band) {
    const ReportFont normal = arial(10);
    const ReportFont bold = arial(10, true);
    const struct {
        const char* caption;
        const char* amountName;
        double y;
    } lines[] = {
        {"Rechnungsendbetrag:", "billAmount", billY},
        {"Mahngebühr", "feeAmount", feeY},
        {"Gesamt", "totalAmount", totalY},
    };
    for (const auto& line : lines) {
        band.addLabel(QString(), QString::fromUtf8(line.caption),
                      QRectF(captionLeft, line.y, 40, lineHeight), normal);
        band.addLabel(QLatin1String(line.amountName), QString(),
                      endingAt(amountRight, line.y, 25, lineHeight), bold, Qt::AlignRight);
        band.addLabel(QString(), QStringLiteral("EUR"),
                      QRectF(currencyLeft, line.y, 10, lineHeight), bold);
    }
    band.addLabel(QString(), QStringLiteral("+"), QRectF(plusLeft, feeY, 4, lineHeight), normal);
    // The fee is added under a rule; what is owed now stands over a double rule.
    const double ruleLeft = amountRight - 22;
    const double ruleRight = currencyLeft + 7;
    band.addLine(QPointF(ruleLeft, totalY - 0.8), QPointF(ruleRight, totalY - 0.8));
    LetterParts::addDoubleRule(band, ruleLeft, ruleRight, totalY + lineHeight + 0.5);
}

void TMahnung::DetailBand1BeforePrint(ReportBandContext& context) {
    if (!context.row())
        return;
    const Query& row = *context.row();
    const DunningAmounts amounts = DunningAmounts::fromRow(row);
    context.setCaption(QStringLiteral("heading"), dunningHeading(m_level));
    context.setCaption(QStringLiteral("salutation"),
                       QStringLiteral("Sehr geehrte(r) ") + LetterParts::tenantLine(row));
    context.setCaption(
        QStringLiteral("dueLine"),
        QStringLiteral("Ihre Rechnung für das Jahr %1 war am %2 fällig.")
            .arg(m_year, GermanDate::format(row.value(QStringLiteral("Zahlfrist")).toDate())));
    context.setCaption(QStringLiteral("billAmount"),
                       NumberFormat::formatCents(amounts.billCents, QStringLiteral("%8.2f")));
    context.setCaption(QStringLiteral("feeAmount"),
                       NumberFormat::formatCents(amounts.feeCents, QStringLiteral("0.00")));
    context.setCaption(QStringLiteral("totalAmount"),
                       NumberFormat::formatCents(amounts.totalCents(), QStringLiteral("%8.2f")));
}
