#pragma once

#include <QString>

struct ReportDocument;

// A laid-out report as text, one line per printed item with its page, its place in
// millimetres, its face, size, style and text, for golden-file tests that a reviewer can read.
QString dumpDocument(const ReportDocument& document);

// Compares a dump with the golden file. With LUNETRA_UPDATE_GOLDEN=1 in the environment the
// golden file is written instead. Returns an empty string when they agree, otherwise the
// first line that differs.
QString compareWithGolden(const QString& dump, const QString& goldenPath);
