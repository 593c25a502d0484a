#include "reports/tparzellensummen.h"

#include "framework/reportstyle.h"

using ReportStyle::arial;

TParzellensummen::TParzellensummen() {
    m_report.title = QStringLiteral("Parzellen-Gesamtsummen");

    ReportBand& header = m_report.addBand(ReportBand::Kind::PageHeader, 17.7);
    header.addLabel(QStringLiteral("title"), QStringLiteral("Parzellen-Gesamtsummen"),
                    QRectF(0, 0, 52, 5), arial(10, true));
    header.addLabel(QStringLiteral("year"), QString(), QRectF(52.4, 0, 20, 5), arial(10, true));
    header.addPrintDate(QRectF(143.1, 0, 22, 5), arial(10));
    header.addPageNumber(QRectF(176.0, 0, 10, 5), arial(10), Qt::AlignRight);
    header.addLabel(QStringLiteral("associationCaption"), QStringLiteral("Verein:"),
                    QRectF(0, 6.9, 14, 4.5), arial(9));
    header.addLabel(QStringLiteral("association"), QString(), QRectF(14.8, 6.9, 120, 4.5),
                    arial(9));
    header.beforePrint = [this](ReportBandContext& context) {
        context.setCaption(QStringLiteral("year"), m_year);
        context.setCaption(QStringLiteral("association"), m_association);
    };

    ReportBand& columns = m_report.addBand(ReportBand::Kind::ColumnHeader, 10.3);
    columns.addLabel(QStringLiteral("numberCaption"), QStringLiteral("Parzellennummer"),
                     QRectF(12.2, 2.0, 38, 5), arial(10));
    columns.addLabel(QStringLiteral("amountCaption"), QStringLiteral("Betrag [€]"),
                     QRectF(52.4, 2.0, 25, 5), arial(10));

    ReportBand& detail = m_report.addBand(ReportBand::Kind::Detail, 6.3);
    detail.addField(QStringLiteral("Nr"), QString(), QRectF(12.2, 1.0, 30, 4.5), arial(9));
    detail.addField(QStringLiteral("gesamt"), QStringLiteral("0.00"), QRectF(42.7, 1.0, 25, 4.5),
                    arial(9), Qt::AlignRight);
    detail.addLine(QPointF(11.6, 6.0), QPointF(67.7, 6.0));
}

ReportDocument TParzellensummen::layout(Query& rows, const QString& association,
                                        const QString& year, const QDate& printDate) {
    m_association = association;
    m_year = year;
    return m_report.layout(&rows, printDate);
}
