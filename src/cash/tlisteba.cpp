#include "cash/tlisteba.h"

#include "data/query.h"
#include "data/rounding.h"
#include "framework/numberformat.h"
#include "framework/reportstyle.h"

using ReportStyle::arial;
using ReportStyle::endingAt;

namespace {

const QString sumFormat = QStringLiteral("0.00");

const double descriptionLeft = 20.0;
const double incomeRight = 150.0;
const double expenseRight = 185.0;

} // namespace

Tlisteba::Tlisteba() {
    m_report.title = QStringLiteral("Summenliste");

    ReportBand& header = m_report.addBand(ReportBand::Kind::PageHeader, 12.0);
    const ReportFont heading = arial(14, true);
    header.addLabel(QStringLiteral("title"), QStringLiteral("Belegartensummen"),
                    QRectF(0, 0, 70, 7), heading);
    header.addLabel(QStringLiteral("book"), QString(), QRectF(72.0, 0, 42, 7), heading);
    header.addLabel(QStringLiteral("year"), QString(), QRectF(116.0, 0, 20, 7), heading);
    header.beforePrint = [this](ReportBandContext& context) {
        context.setCaption(QStringLiteral("book"), m_bookLabel);
        context.setCaption(QStringLiteral("year"), m_year);
    };

    ReportBand& columns = m_report.addBand(ReportBand::Kind::ColumnHeader, 11.0);
    const ReportFont caption = arial(10, true);
    columns.addLabel(QStringLiteral("typeCaption"), QStringLiteral("BA"), QRectF(0, 0, 15, 5),
                     caption);
    columns.addLabel(QStringLiteral("descriptionCaption"), QStringLiteral("Bezeichnung"),
                     QRectF(descriptionLeft, 0, 60, 5), caption);
    columns.addLabel(QStringLiteral("incomeCaption"), QStringLiteral("Einnahme"),
                     endingAt(incomeRight, 0, 30, 5), caption, Qt::AlignRight);
    columns.addLabel(QStringLiteral("expenseCaption"), QStringLiteral("Ausgabe"),
                     endingAt(expenseRight, 0, 30, 5), caption, Qt::AlignRight);
    columns.addLabel(QStringLiteral("incomeUnit"), QStringLiteral("€"),
                     endingAt(incomeRight, 5.0, 10, 5), caption, Qt::AlignRight);
    columns.addLabel(QStringLiteral("expenseUnit"), QStringLiteral("€"),
                     endingAt(expenseRight, 5.0, 10, 5), caption, Qt::AlignRight);

    // A group per voucher type; its entries print nothing of their own.
    ReportBand& group = m_report.addBand(ReportBand::Kind::GroupHeader, 0.0);
    group.groupKey = [](const Query& row) {
        return QVariant(row.text(QStringLiteral("Art")).toLower());
    };
    ReportBand& detail = m_report.addBand(ReportBand::Kind::Detail, 0.0);
    detail.afterPrint = [this](ReportBandContext& context) {
        if (context.row())
            DetailBand1AfterPrint(*context.row());
    };

    ReportBand& footer = m_report.addBand(ReportBand::Kind::GroupFooter, 5.5);
    const ReportFont line = arial(10);
    footer.addField(QStringLiteral("Art"), QString(), QRectF(0, 0, 18, 5), line);
    footer.addField(QStringLiteral("bezeichnung_1"), QString(), QRectF(descriptionLeft, 0, 95, 5),
                    line);
    footer.addLabel(QStringLiteral("groupIncome"), QString(), endingAt(incomeRight, 0, 30, 5), line,
                    Qt::AlignRight);
    footer.addLabel(QStringLiteral("groupExpense"), QString(), endingAt(expenseRight, 0, 30, 5),
                    line, Qt::AlignRight);
    footer.beforePrint = [this](ReportBandContext& context) {
        GroupFooterBand1BeforePrint(context);
    };

    ReportBand& summary = m_report.addBand(ReportBand::Kind::Summary, 8.0);
    const ReportFont total = arial(10, true);
    summary.addLine(QPointF(0, 1.0), QPointF(expenseRight, 1.0));
    summary.addLabel(QStringLiteral("totalCaption"), QStringLiteral("Gesamt"),
                     QRectF(0, 2.0, 30, 5), total);
    summary.addLabel(QStringLiteral("totalIncome"), QString(), endingAt(incomeRight, 2.0, 30, 5),
                     total, Qt::AlignRight);
    summary.addLabel(QStringLiteral("totalExpense"), QString(), endingAt(expenseRight, 2.0, 30, 5),
                     total, Qt::AlignRight);
    summary.beforePrint = [this](ReportBandContext& context) { SummaryBand1BeforePrint(context); };
}

ReportDocument Tlisteba::layout(Query& rows, const QString& bookLabel, const QString& year,
                                const QDate& printDate) {
    m_bookLabel = bookLabel;
    m_year = year;
    m_groupIncome = m_groupExpense = m_totalIncome = m_totalExpense = 0;
    return m_report.layout(&rows, printDate);
}

void Tlisteba::DetailBand1AfterPrint(const Query& row) {
    const double income = row.number(QStringLiteral("Einnahme"));
    const double expense = row.number(QStringLiteral("Ausgabe"));
    m_groupIncome = Rounding::toCents(m_groupIncome + income);
    m_groupExpense = Rounding::toCents(m_groupExpense + expense);
    m_totalIncome = Rounding::toCents(m_totalIncome + income);
    m_totalExpense = Rounding::toCents(m_totalExpense + expense);
}

void Tlisteba::GroupFooterBand1BeforePrint(ReportBandContext& context) {
    context.setCaption(QStringLiteral("groupIncome"),
                       NumberFormat::format(m_groupIncome, sumFormat));
    context.setCaption(QStringLiteral("groupExpense"),
                       NumberFormat::format(m_groupExpense, sumFormat));
    // The next code's sums start from nothing.
    m_groupIncome = 0;
    m_groupExpense = 0;
}

void Tlisteba::SummaryBand1BeforePrint(ReportBandContext& context) {
    context.setCaption(QStringLiteral("totalIncome"),
                       NumberFormat::format(m_totalIncome, sumFormat));
    context.setCaption(QStringLiteral("totalExpense"),
                       NumberFormat::format(m_totalExpense, sumFormat));
}
