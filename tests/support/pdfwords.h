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
