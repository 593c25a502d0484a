#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// A face as a report names it ("Arial", "Book Antiqua", "Lucida Sans Typewriter"); the
// renderer puts a metrically similar free face in its place.
struct ReportFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
};

// Everything below is in millimetres from the top-left corner of the sheet.
struct ReportText {
    QRectF box;
    QString text;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

struct ReportLine {
    QLineF line;
    double penWidth = 0.2;
};

struct ReportFrame {
    QRectF box;
    double penWidth = 0.2;
};

struct ReportPage {
    QList<ReportText> texts;
    QList<ReportLine> lines;
    QList<ReportFrame> frames;

    // The first text item whose text is exactly this, or null.
    const ReportText* find(const QString& text) const;
    // The texts of the page in the order they were laid out.
    QStringList allTexts() const;
};

// A laid-out report: pages of positioned texts, rules and frames. The preview, the printer
// and PDF files all paint this one document.
struct ReportDocument {
    QString title;
    QSizeF paperSize{210, 297};
    QList<ReportPage> pages;
};
