#pragma once

#include "framework/reportdocument.h"

#include <QDate>
#include <QHash>
#include <QMarginsF>
#include <QVariant>

#include <functional>

class Query;

// One printed thing of a band, at a fixed place in millimetres from the band's top-left
// corner.
struct ReportElement {
    enum class Kind { Label, Field, Expression, PrintDate, PageNumber, Line, Frame, QrCode };

    Kind kind = Kind::Label;
    QString name;    // by which hooks set a label's caption
    QRectF box;      // a line runs from the box's top-left to its bottom-right corner
    QString caption; // Label: the text until a hook sets another; empty prints nothing
    QString field;   // Field: the query column
    QString mask;    // Field: display format ("0.00", "%8.2f", "" plain; dates always dd.MM.yyyy)
    // Expression: the text for the row; QrCode: what the code says, nothing for no code
    std::function<QString(const Query&)> expression;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    double penWidth = 0.2; // Line and Frame, in millimetres
};

class BandedReport;

// What a hook sees and may change while its band is being printed.
class ReportBandContext {
public:
    ReportBandContext(BandedReport& report, const Query* row, int pageNumber);

    // Sets the caption of a label of the report by name; an empty caption hides the label
    // and nothing moves up.
    void setCaption(const QString& name, const QString& caption);
    QString caption(const QString& name) const;
    const Query* row() const { return m_row; }
    int pageNumber() const { return m_pageNumber; }
    // A before-print hook may keep its band from printing.
    bool print = true;

private:
    BandedReport& m_report;
    const Query* m_row;
    int m_pageNumber;
};

struct ReportBand {
    enum class Kind {
        PageHeader,
        ColumnHeader,
        GroupHeader,
        Detail,
        GroupFooter,
        Summary,
        PageFooter
    };

    Kind kind = Kind::Detail;
    double height = 0; // millimetres
    QList<ReportElement> elements;
    // Group header and footer: the value whose change starts a new group.
    std::function<QVariant(const Query&)> groupKey;
    bool forceNewPage = false; // a group header that starts each group on a fresh page
    std::function<void(ReportBandContext&)> beforePrint;
    std::function<void(ReportBandContext&)> afterPrint;

    ReportElement& addLabel(const QString& name, const QString& caption, const QRectF& box,
                            const ReportFont& font, Qt::Alignment alignment = Qt::AlignLeft);
    ReportElement& addField(const QString& field, const QString& mask, const QRectF& box,
                            const ReportFont& font, Qt::Alignment alignment = Qt::AlignLeft);
    ReportElement& addExpression(std::function<QString(const Query&)> expression, const QRectF& box,
                                 const ReportFont& font, Qt::Alignment alignment = Qt::AlignLeft);
    ReportElement& addPrintDate(const QRectF& box, const ReportFont& font,
                                Qt::Alignment alignment = Qt::AlignLeft);
    ReportElement& addPageNumber(const QRectF& box, const ReportFont& font,
                                 Qt::Alignment alignment = Qt::AlignLeft);
    // A horizontal rule from x1 to x2 at height y, or any straight line.
    ReportElement& addLine(const QPointF& from, const QPointF& to, double penWidth = 0.2);
    ReportElement& addFrame(const QRectF& box, double penWidth = 0.2);
    // A quick-response code of the row's text (UTF-8), filling the square box with its quiet
    // zone; an empty text prints nothing.
    ReportElement& addQrCode(std::function<QString(const Query&)> text, const QRectF& box);
};

// A report of bands of fixed height over the rows of a query: a page header on every page,
// column header, group header and footer, one detail band per row, summary and page footer.
// Laying it out gives a document; the report itself keeps only the captions its hooks set.
class BandedReport {
public:
    QString title;
    QSizeF paperSize{210, 297};
    QMarginsF margins{10, 10, 10, 10}; // left, top, right, bottom
    QList<ReportBand> bands;
    // Names the part of the document a row's pages belong to (a plot and its tenant), so
    // that each part can be saved on its own, in a file called `partTitle` and the label.
    std::function<QString(const Query&)> partLabel;
    QString partTitle;

    ReportBand& addBand(ReportBand::Kind kind, double height);

    // Lays the report out over every row of the open query (or no rows), printed today or
    // on the given date. An empty query still gives one page with its page header.
    ReportDocument layout(Query* rows, const QDate& printDate = QDate::currentDate());

    void setCaption(const QString& name, const QString& caption) { m_captions[name] = caption; }
    QString caption(const QString& name) const;

private:
    struct Cursor;
    void startPage(Cursor& cursor);
    void finishPage(Cursor& cursor);
    void printBand(Cursor& cursor, ReportBand& band);
    bool fits(const Cursor& cursor, double height) const;
    double footerHeight() const;
    QString textOf(const ReportElement& element, const Cursor& cursor) const;

    QHash<QString, QString> m_captions;
};
