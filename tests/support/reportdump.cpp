#include "support/reportdump.h"

#include "framework/reportdocument.h"

#include <QFile>
#include <QStringList>

namespace {

QString mm(double value) {
    return QString::number(value, 'f', 2);
}

QString style(const ReportFont& font) {
    if (font.bold && font.italic)
        return QStringLiteral("bold-italic");
    if (font.bold)
        return QStringLiteral("bold");
    return font.italic ? QStringLiteral("italic") : QStringLiteral("regular");
}

QString alignment(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("centre");
    return QStringLiteral("left");
}

} // namespace

QString dumpDocument(const ReportDocument& document) {
    QStringList lines;
    lines << QStringLiteral("document \"%1\" %2 x %3 mm, %4 page(s)")
                 .arg(document.title, mm(document.paperSize.width()),
                      mm(document.paperSize.height()))
                 .arg(document.pages.size());
    for (int p = 0; p < document.pages.size(); ++p) {
        const ReportPage& page = document.pages.at(p);
        const QString number = QString::number(p + 1);
        if (!page.partLabel.isEmpty())
            lines << QStringLiteral("%1 part \"%2\"").arg(number, page.partLabel);
        for (const ReportText& text : page.texts) {
            lines << QStringLiteral("%1 text %2 %3 %4x%5 %6 %7 %8 %9 \"%10\"")
                         .arg(number, mm(text.box.left()), mm(text.box.top()), mm(text.box.width()),
                              mm(text.box.height()), text.font.family,
                              QString::number(text.font.pointSize), style(text.font),
                              alignment(text.alignment))
                         .arg(text.text);
        }
        for (const ReportLine& line : page.lines) {
            lines << QStringLiteral("%1 line %2 %3 to %4 %5 pen %6")
                         .arg(number, mm(line.line.x1()), mm(line.line.y1()), mm(line.line.x2()),
                              mm(line.line.y2()), mm(line.penWidth));
        }
        for (const ReportFrame& frame : page.frames) {
            lines << QStringLiteral("%1 frame %2 %3 %4x%5 pen %6")
                         .arg(number, mm(frame.box.left()), mm(frame.box.top()),
                              mm(frame.box.width()), mm(frame.box.height()), mm(frame.penWidth));
        }
        // The squares themselves are libqrencode's; what the code says and where it stands
        // are the report's.
        for (const ReportCode& code : page.codes) {
            lines << QStringLiteral("%1 code %2 %3 %4x%5 %6 modules \"%7\"")
                         .arg(number, mm(code.box.left()), mm(code.box.top()), mm(code.box.width()),
                              mm(code.box.height()), QString::number(code.modules),
                              QString(code.text).replace(u'\n', QStringLiteral("\\n")));
        }
    }
    return lines.join(u'\n') + u'\n';
}

QString compareWithGolden(const QString& dump, const QString& goldenPath) {
    QFile golden(goldenPath);
    if (qEnvironmentVariableIntValue("LUNETRA_UPDATE_GOLDEN") == 1) {
        if (!golden.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write %1: %2").arg(goldenPath, golden.errorString());
        golden.write(dump.toUtf8());
        return {};
    }
    if (!golden.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1 (run with LUNETRA_UPDATE_GOLDEN=1 to create it)")
            .arg(goldenPath);
    const QStringList expected = QString::fromUtf8(golden.readAll()).split(u'\n');
    const QStringList actual = dump.split(u'\n');
    for (int i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        const QString want = expected.value(i, QStringLiteral("<end>"));
        const QString got = actual.value(i, QStringLiteral("<end>"));
        if (want != got)
            return QStringLiteral("%1:%2\n expected: %3\n actual:   %4")
                .arg(goldenPath)
                .arg(i + 1)
                .arg(want, got);
    }
    return {};
}
