#pragma once

#include <QByteArray>
#include <QString>

// Reads the quick-response code on one page of a PDF file as a scanner would: the page is
// rendered to an image (pdftoppm) and the code decoded from it (zbarimg). Returns what the
// code says, byte for byte, empty when the page has none; sets `error` when a tool is missing
// or fails. `skipped` is set when the tools are not installed, so that a test can skip. Two
// codes on one page run together: zbarimg gives the bytes without a separator.
QByteArray readCode(const QString& pdfPath, int page, QString* error, bool* skipped = nullptr,
                    int dotsPerInch = 150);
