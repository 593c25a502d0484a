#include "reports/tadressen.h"

#include "framework/reportstyle.h"

using ReportStyle::arial;

namespace {

// The columns of a plot's line: query column and where its text starts.
struct AddressColumn {
    const char* field;
    double left;
};

constexpr AddressColumn addressColumns[] = {
    {"Nr", 0},      {"Name", 16.1}, {"Vorname", 43.4},  {"Anschrift", 79.6},
    {"PLZ", 123.6}, {"Ort", 133.6}, {"telefon", 174.4},
};

const double bandWidth = 190.0;

} // namespace

TAdressen::TAdressen() {
    m_report.title = QStringLiteral("Adressenverzeichnis");
    m_report.paperSize = QSizeF(210, 297);
    m_report.margins = QMarginsF(10, 10, 10, 10);

    ReportBand& header = m_report.addBand(ReportBand::Kind::PageHeader, 15.6);
    const ReportFont title = arial(12, false, true);
    header.addLabel(QStringLiteral("title"), QStringLiteral("Adressenverzeichnis"),
                    QRectF(0, 0, 52, 5.5), title);
    header.addLabel(QStringLiteral("association"), QString(), QRectF(52.9, 0, 106, 5.5), title);
    header.addLabel(QStringLiteral("pageCaption"), QStringLiteral("Seite"),
                    QRectF(160.3, 0, 10, 4.5), arial(10));
    header.addPageNumber(QRectF(170.7, 0, 19.3, 4.5), arial(10));
    header.addPrintDate(QRectF(160.3, 8.5, 29.7, 4.5), arial(10));
    header.beforePrint = [this](ReportBandContext& context) {
        context.setCaption(QStringLiteral("association"), m_association);
    };

    ReportBand& detail = m_report.addBand(ReportBand::Kind::Detail, 9.3);
    const int count = int(std::size(addressColumns));
    for (int i = 0; i < count; ++i) {
        const AddressColumn& column = addressColumns[i];
        const double right = i + 1 < count ? addressColumns[i + 1].left - 0.5 : bandWidth;
        detail.addField(QLatin1String(column.field), QString(),
                        QRectF(column.left, 0, right - column.left, 3.5), arial(8));
    }
}

ReportDocument TAdressen::preview(Query& rows, const QString& association, const QDate& printDate) {
    m_association = association;
    return m_report.layout(&rows, printDate);
}
