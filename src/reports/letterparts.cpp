#include "reports/letterparts.h"

#include "reports/girocode.h"

#include "data/girocodesetting.h"
#include "data/query.h"
#include "data/rounding.h"
#include "framework/numberformat.h"
#include "framework/reportstyle.h"

namespace LetterParts {

using ReportStyle::arial;
using ReportStyle::bookAntiqua;
using ReportStyle::endingAt;
using ReportStyle::typewriter;

void addAssociationName(ReportBand& header, double pointSize) {
    header.addField(QStringLiteral("Verein"), QString(), QRectF(0, 0, 140, 6.5),
                    bookAntiqua(pointSize, true));
}

QString senderLine(const Query& row) {
    return row.text(QStringLiteral("absvorname")) + u' ' + row.text(QStringLiteral("absname")) +
           QStringLiteral(", ") + row.text(QStringLiteral("absstrasse"));
}

QString senderPlaceLine(const Query& row) {
    return row.text(QStringLiteral("absplz")) + u' ' + row.text(QStringLiteral("absort"));
}

QString tenantLine(const Query& row) {
    return row.text(QStringLiteral("Vorname")) + u' ' + row.text(QStringLiteral("Name"));
}

void addSenderLines(ReportBand& detail) {
    const ReportFont small = arial(8);
    detail.addExpression(senderLine, QRectF(0, 0, 100, 3.5), small).name =
        QStringLiteral("senderLine1");
    detail.addExpression(senderPlaceLine, QRectF(0, 3.5, 100, 3.5), small).name =
        QStringLiteral("senderLine2");
}

void addAssociationDetails(ReportBand& detail, double width) {
    const ReportFont small = arial(8);
    const double left = 106.4;
    const double value = left + 21.0;
    const struct {
        const char* caption;
        const char* column;
        double y;
    } lines[] = {
        {"Steuernummer:", "text6", 0}, {"Kassierer:", "text7", 3.5}, {"Telefon:", "text8", 7.0}};
    for (const auto& line : lines) {
        detail.addLabel(QString(), QString::fromUtf8(line.caption), QRectF(left, line.y, 21, 3.5),
                        small);
        detail.addField(QLatin1String(line.column), QString(),
                        QRectF(value, line.y, width - value, 3.5), small);
    }
    detail.addLabel(QString(),
                    QStringLiteral("Diese Rechnung ist maschinell erstellt und besitzt daher auch"),
                    QRectF(left, 11.5, width - left, 2.6), arial(6));
    detail.addLabel(QString(), QStringLiteral("ohne Unterschrift volle Gültigkeit."),
                    QRectF(left, 14.1, width - left, 2.6), arial(6));
}

void addTenantAddress(ReportBand& detail) {
    const ReportFont normal = arial(10);
    detail.addExpression(tenantLine, QRectF(0, 20.6, 90, 4.5), normal).name =
        QStringLiteral("tenantLine");
    detail.addField(QStringLiteral("Anschrift"), QString(), QRectF(0, 25.1, 90, 4.5), normal);
    detail.addExpression(
        [](const Query& row) {
            return (row.text(QStringLiteral("PLZ")) + u' ' + row.text(QStringLiteral("Ort")))
                .trimmed();
        },
        QRectF(0, 29.6, 90, 4.5), normal);
}

void addDoubleRule(ReportBand& detail, double left, double right, double y) {
    detail.addLine(QPointF(left, y), QPointF(right, y), 0.4);
    detail.addLine(QPointF(left, y + 0.9), QPointF(right, y + 0.9), 0.4);
}

QString plotAndTenant(const Query& row) {
    return (QStringLiteral("Parz. ") + row.text(QStringLiteral("Nr")).trimmed() + u' ' +
            row.text(QStringLiteral("Name")))
        .simplified();
}

void namePartsByPlot(BandedReport& report, const QString& title) {
    report.partTitle = title;
    report.partLabel = plotAndTenant;
}

QString transferReference(const Query& row, const TransferFormContent& content) {
    QString reference = QStringLiteral("Abrechng. %1 Parz. %2")
                            .arg(content.year, row.text(QStringLiteral("Nr")).trimmed());
    if (!content.secondReferenceColumn.isEmpty()) {
        const QString second = row.text(content.secondReferenceColumn).simplified();
        if (!second.isEmpty())
            reference += u' ' + second;
    }
    return reference;
}

qint64 payableCents(const Query& row, const TransferFormContent& content) {
    return content.payableCents
               ? content.payableCents(row)
               : Rounding::wholeCents(row.number(QStringLiteral("gesamt"))).value_or(0);
}

QString giroCodePayload(const Query& row, const TransferFormContent& content) {
    if (!GiroCodeSetting::isOn(row.value(GiroCodeSetting::column())))
        return {};
    GiroCodeTransfer transfer;
    transfer.bic = row.text(QStringLiteral("Kto"));
    transfer.recipient = row.text(QStringLiteral("Verein"));
    transfer.iban = row.text(QStringLiteral("Bank"));
    transfer.amountCents = payableCents(row, content);
    transfer.reference = transferReference(row, content);
    return GiroCode::payload(transfer);
}

void addGiroCode(ReportBand& detail, const QPointF& bandCorner,
                 const TransferFormContent& content) {
    const double size = 28.0;
    const double right = 200.0 - bandCorner.x();
    const double top = 18.5;
    const auto payload = [content](const Query& row) { return giroCodePayload(row, content); };
    detail.addQrCode(payload, QRectF(right - size, top, size, size));
    // The caption may reach left of the code rather than wrap.
    detail.addExpression(
        [payload](const Query& row) {
            return payload(row).isEmpty()
                       ? QString()
                       : QStringLiteral("GiroCode – mit der Banking-App scannen");
        },
        endingAt(right, top + size + 0.2, 48, 2.6), arial(6.5), Qt::AlignRight);
}

void addTransferForm(ReportBand& detail, const QPointF& bandCorner,
                     const TransferFormContent& content, const TransferFormPositions& at) {
    const ReportFont form = typewriter();
    const double height = 5.5;
    // The paper's boxes end here.
    const double right = 160.0 - bandCorner.x();
    const auto box = [&](double sheetX, double sheetY, double width = 0) {
        const double x = sheetX - bandCorner.x();
        return QRectF(x, sheetY - bandCorner.y(), width > 0 ? width : right - x, height);
    };
    const auto field = [&](const QString& column, double sheetX, double sheetY) {
        detail.addField(column, QString(), box(sheetX, sheetY), form);
    };

    field(QStringLiteral("Verein"), at.left, at.recipientY);
    field(QStringLiteral("Bank"), at.left, at.ibanY);
    field(QStringLiteral("Kto"), at.left, at.bicY);
    if (content.printAmount)
        detail.addExpression(
            [content](const Query& row) {
                return NumberFormat::formatCents(payableCents(row, content),
                                                 QStringLiteral("%8.2f"));
            },
            box(at.amount.x(), at.amount.y(), 40), form);

    // "Abrechng. " has a box of its own width, so that the year stands in its column.
    detail.addLabel(QString(), QStringLiteral("Abrechng. "), box(at.left, at.referenceY, 27.3),
                    form);
    detail.addLabel(QString(), content.year, box(at.referenceYearX, at.referenceY, 14), form);
    detail.addLabel(QString(), QStringLiteral("Parz."),
                    box(at.referencePlotCaptionX, at.referenceY, 16), form);
    field(QStringLiteral("Nr"), at.referencePlotX, at.referenceY);
    if (!content.secondReferenceColumn.isEmpty())
        field(content.secondReferenceColumn, at.left, at.secondReferenceY);

    field(QStringLiteral("Name"), at.left, at.payerY);
    if (content.printDate)
        detail.addPrintDate(box(at.date.x(), at.date.y(), 30), typewriter(10));

    addGiroCode(detail, bandCorner, content);
}

} // namespace LetterParts
