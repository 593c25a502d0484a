#include "framework/bandedreport.h"

#include "framework/germandate.h"
#include "framework/numberformat.h"
#include "framework/qrcode.h"

#include "data/query.h"

namespace {

ReportElement textElement(ReportElement::Kind kind, const QRectF& box, const ReportFont& font,
                          Qt::Alignment alignment) {
    ReportElement element;
    element.kind = kind;
    element.box = box;
    element.font = font;
    element.alignment = alignment | Qt::AlignTop;
    return element;
}

ReportElement& added(QList<ReportElement>& elements, ReportElement element) {
    elements << std::move(element);
    return elements.last();
}

QString fieldText(const QVariant& value, const QString& mask) {
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return NumberFormat::format(value.toDouble(), mask);
    default:
        break;
    }
    const QString text = value.toString();
    // Dates are kept as yyyy-MM-dd and always printed the German way.
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (date.isValid() && text.size() >= 10 && text.at(4) == u'-')
        return GermanDate::format(date);
    return text;
}

} // namespace

ReportBandContext::ReportBandContext(BandedReport& report, const Query* row, int pageNumber)
    : m_report(report)
    , m_row(row)
    , m_pageNumber(pageNumber) {}

void ReportBandContext::setCaption(const QString& name, const QString& caption) {
    m_report.setCaption(name, caption);
}

QString ReportBandContext::caption(const QString& name) const {
    return m_report.caption(name);
}

ReportElement& ReportBand::addLabel(const QString& name, const QString& caption, const QRectF& box,
                                    const ReportFont& font, Qt::Alignment alignment) {
    ReportElement element = textElement(ReportElement::Kind::Label, box, font, alignment);
    element.name = name;
    element.caption = caption;
    return added(elements, element);
}

ReportElement& ReportBand::addField(const QString& field, const QString& mask, const QRectF& box,
                                    const ReportFont& font, Qt::Alignment alignment) {
    ReportElement element = textElement(ReportElement::Kind::Field, box, font, alignment);
    element.field = field;
    element.mask = mask;
    return added(elements, element);
}

ReportElement& ReportBand::addExpression(std::function<QString(const Query&)> expression,
                                         const QRectF& box, const ReportFont& font,
                                         Qt::Alignment alignment) {
    ReportElement element = textElement(ReportElement::Kind::Expression, box, font, alignment);
    element.expression = std::move(expression);
    return added(elements, element);
}

ReportElement& ReportBand::addPrintDate(const QRectF& box, const ReportFont& font,
                                        Qt::Alignment alignment) {
    ReportElement element = textElement(ReportElement::Kind::PrintDate, box, font, alignment);
    return added(elements, element);
}

ReportElement& ReportBand::addPageNumber(const QRectF& box, const ReportFont& font,
                                         Qt::Alignment alignment) {
    ReportElement element = textElement(ReportElement::Kind::PageNumber, box, font, alignment);
    return added(elements, element);
}

ReportElement& ReportBand::addLine(const QPointF& from, const QPointF& to, double penWidth) {
    ReportElement element;
    element.kind = ReportElement::Kind::Line;
    element.box = QRectF(from, to);
    element.penWidth = penWidth;
    return added(elements, element);
}

ReportElement& ReportBand::addFrame(const QRectF& box, double penWidth) {
    ReportElement element;
    element.kind = ReportElement::Kind::Frame;
    element.box = box;
    element.penWidth = penWidth;
    return added(elements, element);
}

ReportElement& ReportBand::addQrCode(std::function<QString(const Query&)> text, const QRectF& box) {
    ReportElement element;
    element.kind = ReportElement::Kind::QrCode;
    element.box = box;
    element.expression = std::move(text);
    return added(elements, element);
}

struct BandedReport::Cursor {
    ReportDocument document;
    Query* rows = nullptr;
    bool hasRow = false;
    QDate printDate;
    double y = 0; // top of the next band on the current page
    int pageNumber = 0;
    bool pageHasBody = false; // a band other than the headers stands on the page
};

ReportBand& BandedReport::addBand(ReportBand::Kind kind, double height) {
    ReportBand band;
    band.kind = kind;
    band.height = height;
    bands << band;
    return bands.last();
}

QString BandedReport::caption(const QString& name) const {
    for (const ReportBand& band : bands) {
        for (const ReportElement& element : band.elements) {
            if (element.kind == ReportElement::Kind::Label && element.name == name)
                return m_captions.value(name, element.caption);
        }
    }
    return m_captions.value(name);
}

ReportDocument BandedReport::layout(Query* rows, const QDate& printDate) {
    m_captions.clear();
    Cursor cursor;
    cursor.document.title = title;
    cursor.document.partTitle = partTitle;
    cursor.document.paperSize = paperSize;
    cursor.rows = rows;
    cursor.printDate = printDate;

    const auto bandsOf = [this](ReportBand::Kind kind) {
        QList<ReportBand*> found;
        for (ReportBand& band : bands) {
            if (band.kind == kind)
                found << &band;
        }
        return found;
    };

    // The first page header shows the first row's fields, as every later one shows its own.
    const bool any = rows && rows->isOpen() && !rows->isEmpty();
    if (any) {
        rows->first();
        cursor.hasRow = true;
    }
    startPage(cursor);
    QVariant previousGroup;
    bool first = true;
    if (any) {
        for (rows->first(); !rows->atEnd(); rows->next()) {
            cursor.hasRow = true;
            for (ReportBand* header : bandsOf(ReportBand::Kind::GroupHeader)) {
                const QVariant key = header->groupKey ? header->groupKey(*rows) : QVariant();
                if (!first && key == previousGroup)
                    continue;
                if (!first) {
                    for (ReportBand* footer : bandsOf(ReportBand::Kind::GroupFooter)) {
                        rows->moveTo(rows->position() - 1);
                        printBand(cursor, *footer);
                        rows->moveTo(rows->position() + 1);
                    }
                }
                if (header->forceNewPage && cursor.pageHasBody) {
                    finishPage(cursor);
                    startPage(cursor);
                }
                previousGroup = key;
                printBand(cursor, *header);
            }
            for (ReportBand* detail : bandsOf(ReportBand::Kind::Detail))
                printBand(cursor, *detail);
            first = false;
        }
        rows->moveTo(rows->rowCount() - 1);
        for (ReportBand* footer : bandsOf(ReportBand::Kind::GroupFooter))
            printBand(cursor, *footer);
    }
    cursor.hasRow = false;
    for (ReportBand* summary : bandsOf(ReportBand::Kind::Summary))
        printBand(cursor, *summary);
    finishPage(cursor);
    return cursor.document;
}

double BandedReport::footerHeight() const {
    double height = 0;
    for (const ReportBand& band : bands) {
        if (band.kind == ReportBand::Kind::PageFooter)
            height += band.height;
    }
    return height;
}

bool BandedReport::fits(const Cursor& cursor, double height) const {
    const double bottom = paperSize.height() - margins.bottom() - footerHeight();
    return cursor.y + height <= bottom + 0.001;
}

void BandedReport::startPage(Cursor& cursor) {
    cursor.document.pages << ReportPage();
    ++cursor.pageNumber;
    cursor.y = margins.top();
    cursor.pageHasBody = false;
    for (ReportBand& band : bands) {
        if (band.kind == ReportBand::Kind::PageHeader ||
            band.kind == ReportBand::Kind::ColumnHeader)
            printBand(cursor, band);
    }
}

void BandedReport::finishPage(Cursor& cursor) {
    cursor.y = paperSize.height() - margins.bottom() - footerHeight();
    for (ReportBand& band : bands) {
        if (band.kind == ReportBand::Kind::PageFooter)
            printBand(cursor, band);
    }
}

void BandedReport::printBand(Cursor& cursor, ReportBand& band) {
    const bool pageBand = band.kind == ReportBand::Kind::PageHeader ||
                          band.kind == ReportBand::Kind::ColumnHeader ||
                          band.kind == ReportBand::Kind::PageFooter;
    if (!pageBand && !fits(cursor, band.height) && cursor.pageHasBody) {
        finishPage(cursor);
        startPage(cursor);
    }
    const Query* row = cursor.hasRow ? cursor.rows : nullptr;
    ReportBandContext context(*this, row, cursor.pageNumber);
    if (band.beforePrint)
        band.beforePrint(context);
    if (!context.print)
        return;

    ReportPage& page = cursor.document.pages.last();
    if (band.kind == ReportBand::Kind::Detail && row && partLabel && page.partLabel.isEmpty())
        page.partLabel = partLabel(*row);
    const QPointF origin(margins.left(), cursor.y);
    for (const ReportElement& element : band.elements) {
        const QRectF box = element.box.translated(origin);
        switch (element.kind) {
        case ReportElement::Kind::Line:
            page.lines << ReportLine{QLineF(box.topLeft(), box.bottomRight()), element.penWidth};
            break;
        case ReportElement::Kind::Frame:
            page.frames << ReportFrame{box, element.penWidth};
            break;
        case ReportElement::Kind::QrCode: {
            const QString text = textOf(element, cursor);
            const QrCode code = QrCode::encode(text.toUtf8());
            if (!code.isNull())
                page.codes << ReportCode{box, code.size(), 4, code.modules(), text};
            break;
        }
        default: {
            const QString text = textOf(element, cursor);
            // An empty text prints nothing and keeps its place.
            if (!text.isEmpty())
                page.texts << ReportText{box, text, element.font, element.alignment};
        }
        }
    }
    cursor.y += band.height;
    if (!pageBand)
        cursor.pageHasBody = true;
    if (band.afterPrint)
        band.afterPrint(context);
}

QString BandedReport::textOf(const ReportElement& element, const Cursor& cursor) const {
    switch (element.kind) {
    case ReportElement::Kind::Label:
        return m_captions.value(element.name, element.caption);
    case ReportElement::Kind::Field:
        return cursor.hasRow ? fieldText(cursor.rows->value(element.field), element.mask)
                             : QString();
    case ReportElement::Kind::Expression:
    case ReportElement::Kind::QrCode:
        return cursor.hasRow && element.expression ? element.expression(*cursor.rows) : QString();
    case ReportElement::Kind::PrintDate:
        return GermanDate::format(cursor.printDate);
    case ReportElement::Kind::PageNumber:
        return QString::number(cursor.pageNumber);
    default:
        return {};
    }
}
