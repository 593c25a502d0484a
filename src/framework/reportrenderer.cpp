#include "framework/reportrenderer.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

// The dark squares as few rectangles: each row's neighbouring squares joined, and a run that
// the next row repeats exactly grown downwards. Drawn in the code's own module grid, a PDF holds
// short whole-number rectangles filled at once (their union, so no seam shows in a viewer, and
// little for the page stream to compress); without antialiasing, touching squares meet exactly
// on screen as well.
QList<QRect> darkRectangles(const ReportCode& code) {
    QList<QRect> done;
    QList<QRect> growing; // runs of the row above, still open downwards
    for (int y = 0; y <= code.modules; ++y) {
        QList<QRect> row;
        for (int x = 0; y < code.modules && x < code.modules;) {
            if (!code.isDark(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < code.modules && code.isDark(x, y))
                ++x;
            row << QRect(start, y, x - start, 1);
        }
        for (QRect& run : row) {
            const auto same = std::find_if(growing.begin(), growing.end(), [&](const QRect& r) {
                return r.left() == run.left() && r.width() == run.width();
            });
            if (same != growing.end()) {
                run.setTop(same->top());
                growing.erase(same);
            }
        }
        done << growing;
        growing = row;
    }
    return done;
}

void paintCode(QPainter& painter, const ReportCode& code, double scale) {
    const QList<QRect> rectangles = darkRectangles(code);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double size = code.moduleSize() * scale;
    painter.translate(code.box.topLeft() * scale);
    painter.scale(size, size);
    painter.translate(code.quietZone, code.quietZone);
    painter.drawRects(rectangles.constData(), int(rectangles.size()));
    painter.restore();
}

} // namespace

namespace ReportRenderer {

QString resolvedFamily(const QString& family) {
    // Metrically similar faces from Debian's font packages.
    if (family.startsWith(QStringLiteral("Arial"), Qt::CaseInsensitive))
        return QStringLiteral("Liberation Sans");
    if (family.compare(QStringLiteral("Book Antiqua"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("P052");
    if (family.compare(QStringLiteral("Lucida Sans Typewriter"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    return family;
}

QFont fontFor(const ReportFont& font) {
    QFont result(resolvedFamily(font.family));
    result.setPointSizeF(font.pointSize);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setKerning(false);
    return result;
}

void paintPage(QPainter& painter, const ReportPage& page, double dotsPerInch) {
    const double scale = dotsPerInch / 25.4; // device dots per millimetre
    const auto toDevice = [scale](const QRectF& box) {
        return QRectF(box.x() * scale, box.y() * scale, box.width() * scale, box.height() * scale);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const ReportLine& line : page.lines) {
        painter.setPen(QPen(Qt::black, std::max(1.0, line.penWidth * scale)));
        painter.drawLine(QLineF(line.line.p1() * scale, line.line.p2() * scale));
    }
    for (const ReportFrame& frame : page.frames) {
        painter.setPen(QPen(Qt::black, std::max(1.0, frame.penWidth * scale)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(toDevice(frame.box));
    }
    for (const ReportCode& code : page.codes)
        paintCode(painter, code, scale);
    painter.setPen(Qt::black);
    for (const ReportText& text : page.texts) {
        painter.setFont(fontFor(text.font));
        QRectF box = toDevice(text.box);
        // A text may run past a narrow box rather than be cut off, as on paper.
        const int flags = int(text.alignment) | Qt::TextDontClip | Qt::TextSingleLine;
        painter.drawText(box, flags, text.text);
    }
    painter.restore();
}

QList<int> sheetOrder(int pageCount, const PrintSelection& selection) {
    QList<int> pages;
    for (int page = 1; page <= pageCount; ++page) {
        if (selection.pages.isEmpty() || selection.pages.contains(page))
            pages << page - 1;
    }
    if (selection.lastPageFirst)
        std::reverse(pages.begin(), pages.end());
    const int copies = std::max(1, selection.copies);
    QList<int> order;
    if (selection.collate) {
        for (int copy = 0; copy < copies; ++copy)
            order << pages;
    } else {
        for (int page : pages) {
            for (int copy = 0; copy < copies; ++copy)
                order << page;
        }
    }
    return order;
}

bool print(const ReportDocument& document, QPagedPaintDevice& device,
           const PrintSelection& selection, const PrintProgress& progress) {
    const QList<int> order = sheetOrder(int(document.pages.size()), selection);
    if (order.isEmpty())
        return false;
    device.setPageLayout(QPageLayout(QPageSize(document.paperSize, QPageSize::Millimeter),
                                     QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dpi = device.logicalDpiY();
    for (int i = 0; i < order.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, document.pages.at(order.at(i)), dpi);
        if (progress)
            progress(int((i + 1) * 100 / order.size()));
    }
    return painter.end();
}

QString writePdf(const ReportDocument& document, const QString& filePath,
                 const PrintProgress& progress) {
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2")
            .arg(filePath, file.errorString());
    QPdfWriter writer(&file);
    writer.setResolution(1200);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Lunetra"));
    if (!print(document, writer, {}, progress))
        return QStringLiteral("Die PDF-Datei „%1“ konnte nicht erzeugt werden.").arg(filePath);
    return {};
}

} // namespace ReportRenderer
