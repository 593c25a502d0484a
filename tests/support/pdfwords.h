#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// A word of a written PDF as `pdftotext -bbox` reads it back, its box in millimetres from
// the top-left corner of the sheet.
struct PdfWord {
    QString text;
    QRectF box;
};

// Whether pdftotext (poppler-utils) is there to read PDFs back.
bool canReadPdfWords();

// The words of one page (counted from 1) in reading order. Empty, with the reason in `error`,
// when the file cannot be read.
QList<PdfWord> pdfWords(const QString& pdfPath, int page, QString* error = nullptr);

// A word expected on the sheet, its box's top-left corner at x, y millimetres.
struct ExpectedWord {
    const char* text; // UTF-8
    double x;
    double y;
};

// Whether each word stands once below `fromY` (millimetres from the sheet's top), within
// 0.3 mm of where it is expected: empty when they do, otherwise the first that does not.
QString misplacedWords(const QList<PdfWord>& words, const QList<ExpectedWord>& expected,
                       double fromY = 0);
