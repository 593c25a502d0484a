#include "cash/tkassenbericht.h"

#include "data/query.h"
#include "data/rounding.h"
#include "framework/numberformat.h"
#include "framework/reportstyle.h"

using ReportStyle::arial;
using ReportStyle::endingAt;

namespace {

const QString money = QStringLiteral("#,##0.00");

// Columns of the journal, from the band's left edge.
const double width = 190.0;
const double numberRight = 10.0;
const double textLeft = 13.0;
const double dateLeft = 91.0;
const double typeLeft = 111.0;
const double incomeRight = 143.0;
const double expenseRight = 166.5;
const double balanceRight = width;
const double rowHeight = 3.6;

} // namespace

TKassenbericht::TKassenbericht() {
    m_report.title = QStringLiteral("Kassenbericht");
    m_report.paperSize = paperSize;
    m_report.margins = QMarginsF(10, 10, 10, 10);

    ReportBand& header = m_report.addBand(ReportBand::Kind::PageHeader, 30.0);
    addPageHeader(header);
    header.beforePrint = [this](ReportBandContext& context) {
        PageHeaderBand1BeforePrint(context);
    };
    header.afterPrint = [this](ReportBandContext&) { PageHeaderBand1AfterPrint(); };

    addColumnHeader(m_report.addBand(ReportBand::Kind::ColumnHeader, 9.0));

    // Each month starts on a page of its own; the group band itself prints nothing.
    ReportBand& month = m_report.addBand(ReportBand::Kind::GroupHeader, 0.0);
    month.groupKey = [](const Query& row) { return row.value(QStringLiteral("monat")); };
    month.forceNewPage = true;

    ReportBand& detail = m_report.addBand(ReportBand::Kind::Detail, rowHeight);
    addDetail(detail);
    detail.afterPrint = [this](ReportBandContext& context) {
        if (context.row())
            DetailBand1AfterPrint(*context.row());
    };

    ReportBand& footer = m_report.addBand(ReportBand::Kind::PageFooter, 8.0);
    addPageFooter(footer);
    footer.beforePrint = [this](ReportBandContext& context) {
        PageFooterBand1BeforePrint(context);
    };
}

ReportDocument TKassenbericht::layout(Query& rows, const CashReportHeading& heading,
                                      const QDate& printDate) {
    m_heading = heading;
    m_incomeTotal = heading.openingBalance;
    m_expenseTotal = 0;
    m_carryOver = heading.openingBalance;
    return m_report.layout(&rows, printDate);
}

void TKassenbericht::addPageHeader(ReportBand& band) {
    band.addLabel(QStringLiteral("title"), QStringLiteral("Kassenbericht"), QRectF(0, 0, 80, 7),
                  arial(14, true));
    band.addPageNumber(endingAt(width, 1.0, 30, 5), arial(10), Qt::AlignRight);
    band.addLabel(QStringLiteral("associationCaption"), QStringLiteral("Verein:"),
                  QRectF(0, 8.0, 15, 5), arial(10));
    band.addLabel(QStringLiteral("association"), QString(), QRectF(15.5, 8.0, 120, 5), arial(10));
    band.addPrintDate(endingAt(width, 8.0, 30, 5), arial(10), Qt::AlignRight);
    band.addLine(QPointF(0, 14.5), QPointF(width, 14.5));
    band.addLabel(QStringLiteral("bookCaption"), QStringLiteral("K a s s e n b u c h     :"),
                  QRectF(0, 16.0, 44, 5), arial(10));
    band.addLabel(QStringLiteral("book"), QString(), QRectF(44.0, 16.0, 30, 5), arial(10, true));
    band.addLabel(QStringLiteral("month"), QString(), QRectF(76.0, 16.0, 25, 5), arial(10, true));
    band.addLine(QPointF(0, 22.0), QPointF(width, 22.0));
    band.addLabel(QStringLiteral("carryOverCaption"), QStringLiteral("Ü b e r t r a g :"),
                  QRectF(0, 23.5, 40, 5), arial(10));
    band.addLabel(QStringLiteral("carryOver"), QString(), endingAt(balanceRight, 23.5, 40, 5),
                  arial(10), Qt::AlignRight);
}

void TKassenbericht::addColumnHeader(ReportBand& band) {
    const ReportFont font = arial(8, true);
    band.addLine(QPointF(0, 0), QPointF(width, 0));
    const double first = 0.8;
    const double second = 4.3;
    band.addLabel(QStringLiteral("numberCaption1"), QStringLiteral("Beleg-"),
                  QRectF(0, first, 12, 4), font);
    band.addLabel(QStringLiteral("numberCaption2"), QStringLiteral("Nr."), QRectF(0, second, 12, 4),
                  font);
    band.addLabel(QStringLiteral("textCaption"), QStringLiteral("Buchungstext"),
                  QRectF(textLeft, first, 40, 4), font);
    band.addLabel(QStringLiteral("dateCaption"), QStringLiteral("Datum"),
                  QRectF(dateLeft, first, 18, 4), font);
    band.addLabel(QStringLiteral("typeCaption1"), QStringLiteral("Bel."),
                  QRectF(typeLeft, first, 10, 4), font);
    band.addLabel(QStringLiteral("typeCaption2"), QStringLiteral("Art"),
                  QRectF(typeLeft, second, 10, 4), font);
    band.addLabel(QStringLiteral("incomeCaption"), QStringLiteral("Einnahme"),
                  endingAt(incomeRight, first, 22, 4), font, Qt::AlignRight);
    band.addLabel(QStringLiteral("expenseCaption"), QStringLiteral("Ausgabe"),
                  endingAt(expenseRight, first, 22, 4), font, Qt::AlignRight);
    band.addLabel(QStringLiteral("balanceCaption"), QStringLiteral("Saldo"),
                  endingAt(balanceRight, first, 22, 4), font, Qt::AlignRight);
    band.addLine(QPointF(0, 8.5), QPointF(width, 8.5));
}

void TKassenbericht::addDetail(ReportBand& band) {
    const ReportFont font = arial(7);
    band.addField(QStringLiteral("lfd_nr"), QString(), QRectF(0, 0, numberRight, rowHeight), font,
                  Qt::AlignRight);
    band.addField(QStringLiteral("Bezeichnung"), QString(), QRectF(textLeft, 0, 75, rowHeight),
                  font);
    band.addField(QStringLiteral("datum"), QString(), QRectF(dateLeft, 0, 18, rowHeight), font);
    band.addField(QStringLiteral("Art"), QString(), QRectF(typeLeft, 0, 12, rowHeight), font);
    band.addField(QStringLiteral("Einnahme"), money, endingAt(incomeRight, 0, 22, rowHeight), font,
                  Qt::AlignRight);
    band.addField(QStringLiteral("Ausgabe"), money, endingAt(expenseRight, 0, 22, rowHeight), font,
                  Qt::AlignRight);
    band.addField(QStringLiteral("saldo"), money, endingAt(balanceRight, 0, 22, rowHeight), font,
                  Qt::AlignRight);
}

void TKassenbericht::addPageFooter(ReportBand& band) {
    band.addLine(QPointF(0, 0.5), QPointF(width, 0.5));
    band.addLabel(QStringLiteral("stockCaption"), QStringLiteral("K a s s e n b e s t a n d :"),
                  QRectF(0, 1.8, 60, 5), arial(9, true));
    const ReportFont font = arial(8, true);
    band.addLabel(QStringLiteral("incomeTotal"), QString(), endingAt(incomeRight, 2.0, 30, 5), font,
                  Qt::AlignRight);
    band.addLabel(QStringLiteral("expenseTotal"), QString(), endingAt(expenseRight, 2.0, 22, 5),
                  font, Qt::AlignRight);
    band.addLabel(QStringLiteral("balanceTotal"), QString(), endingAt(balanceRight, 2.0, 22, 5),
                  font, Qt::AlignRight);
}

void TKassenbericht::PageHeaderBand1BeforePrint(ReportBandContext& context) {
    // Every run starts from the opening balance, whichever entry comes first.
    if (context.pageNumber() == 1)
        m_carryOver = m_heading.openingBalance;
    context.setCaption(QStringLiteral("book"), m_heading.bookLabel);
    context.setCaption(QStringLiteral("association"), m_heading.association);
    context.setCaption(QStringLiteral("carryOver"), NumberFormat::format(m_carryOver, money));
    context.setCaption(QStringLiteral("month"),
                       context.row() ? context.row()->text(QStringLiteral("monat")) : QString());
}

void TKassenbericht::PageHeaderBand1AfterPrint() {
    m_incomeTotal = m_carryOver;
    m_expenseTotal = 0;
}

void TKassenbericht::DetailBand1AfterPrint(const Query& row) {
    m_incomeTotal = Rounding::toCents(m_incomeTotal + row.number(QStringLiteral("Einnahme")));
    m_expenseTotal = Rounding::toCents(m_expenseTotal + row.number(QStringLiteral("Ausgabe")));
    m_carryOver = row.number(QStringLiteral("saldo"));
}

void TKassenbericht::PageFooterBand1BeforePrint(ReportBandContext& context) {
    context.setCaption(QStringLiteral("incomeTotal"), NumberFormat::format(m_incomeTotal, money));
    context.setCaption(QStringLiteral("expenseTotal"), NumberFormat::format(m_expenseTotal, money));
    context.setCaption(QStringLiteral("balanceTotal"), NumberFormat::format(m_carryOver, money));
}
