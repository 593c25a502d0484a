#pragma once

#include <QBitArray>
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

// A two-dimensional code, painted as filled squares so that it prints sharp at any
// resolution: `modules` × `modules` squares of equal size, surrounded by a light quiet zone
// of `quietZone` squares, fill the box.
struct ReportCode {
    QRectF box; // the code with its quiet zone
    int modules = 0;
    int quietZone = 4;
    QBitArray dark; // row by row, top to bottom
    QString text;   // what the code says
    double moduleSize() const { return box.width() / (modules + 2 * quietZone); }
    bool isDark(int x, int y) const { return dark.testBit(y * modules + x); }
};

struct ReportPage {
    QList<ReportText> texts;
    QList<ReportLine> lines;
    QList<ReportFrame> frames;
    QList<ReportCode> codes;
    // The part of the document the page belongs to, as it names one (a plot and its tenant,
    // "Parz. 16 Lange"); empty for a page of no part.
    QString partLabel;

    // The first text item whose text is exactly this, or null.
    const ReportText* find(const QString& text) const;
    // The texts of the page in the order they were laid out.
    QStringList allTexts() const;
};

// Pages of a document that belong together, in their order.
struct ReportPart {
    QString label;
    QList<int> pages; // indexes into the document's pages
};

// A laid-out report: pages of positioned texts, rules, frames and codes. The preview, the
// printer and PDF files all paint this one document.
struct ReportDocument {
    QString title;
    // What a part's own file is called before its label ("Jahresabrechnung 2026"); empty
    // when the document is not meant to be saved part by part.
    QString partTitle;
    QSizeF paperSize{210, 297};
    QList<ReportPage> pages;

    // The labelled parts in the order their first pages come; pages of one label make one
    // part wherever they stand.
    QList<ReportPart> parts() const;
    // A document of just these pages, in this order.
    ReportDocument pagesOf(const QList<int>& pageIndexes) const;
};
