#include "support/pdfwords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString pdftotext() {
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

QString unescaped(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

} // namespace

bool canReadPdfWords() {
    return !pdftotext().isEmpty();
}

QList<PdfWord> pdfWords(const QString& pdfPath, int page, QString* error) {
    QString ignored;
    QString& reason = error ? *error : ignored;
    reason.clear();
    const QString program = pdftotext();
    if (program.isEmpty()) {
        reason = QStringLiteral("pdftotext (poppler-utils) is not installed");
        return {};
    }
    QProcess process;
    const QString number = QString::number(page);
    process.start(program, {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                            QStringLiteral("-l"), number, pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished() || process.exitCode() != 0) {
        reason = QStringLiteral("pdftotext failed: ") +
                 QString::fromUtf8(process.readAllStandardError());
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    const double mm = 25.4 / 72; // the boxes come in points
    QList<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QPointF topLeft(match.captured(1).toDouble() * mm, match.captured(2).toDouble() * mm);
        const QPointF bottomRight(match.captured(3).toDouble() * mm,
                                  match.captured(4).toDouble() * mm);
        words << PdfWord{unescaped(match.captured(5)), QRectF(topLeft, bottomRight)};
    }
    return words;
}

QString misplacedWords(const QList<PdfWord>& words, const QList<ExpectedWord>& expected,
                       double fromY) {
    for (const ExpectedWord& word : expected) {
        const QString text = QString::fromUtf8(word.text);
        QList<QPointF> found;
        for (const PdfWord& w : words) {
            if (w.text == text && w.box.top() > fromY)
                found << w.box.topLeft();
        }
        if (found.size() != 1)
            return QStringLiteral("%1 found %2 times").arg(text).arg(found.size());
        const QPointF corner = found.first();
        if (qAbs(corner.x() - word.x) > 0.3 || qAbs(corner.y() - word.y) > 0.3)
            return QStringLiteral("%1 at %2, %3 mm instead of %4, %5")
                .arg(text)
                .arg(corner.x(), 0, 'f', 2)
                .arg(corner.y(), 0, 'f', 2)
                .arg(word.x, 0, 'f', 2)
                .arg(word.y, 0, 'f', 2);
    }
    return {};
}
