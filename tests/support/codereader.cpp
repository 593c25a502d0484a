#include "support/codereader.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

bool run(const QString& program, const QStringList& arguments, QByteArray* output, QString* error) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        *error = QStringLiteral("%1 did not finish").arg(program);
        return false;
    }
    *output = process.readAllStandardOutput();
    if (process.exitCode() != 0) {
        *error = QStringLiteral("%1 failed (%2): %3")
                     .arg(program)
                     .arg(process.exitCode())
                     .arg(QString::fromLocal8Bit(process.readAllStandardError()));
        return false;
    }
    return true;
}

} // namespace

QByteArray readCode(const QString& pdfPath, int page, QString* error, bool* skipped,
                    int dotsPerInch) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (skipped)
        *skipped = pdftoppm.isEmpty() || zbarimg.isEmpty();
    if (pdftoppm.isEmpty() || zbarimg.isEmpty()) {
        *error = QStringLiteral("pdftoppm (poppler-utils) or zbarimg (zbar-tools) is missing");
        return {};
    }
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("page"));
    QByteArray output;
    if (!run(pdftoppm,
             {QStringLiteral("-png"), QStringLiteral("-gray"), QStringLiteral("-singlefile"),
              QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"),
              QString::number(page), QStringLiteral("-l"), QString::number(page), pdfPath, image},
             &output, error))
        return {};
    // Binary: the bytes as the code holds them, not guessed into another character set.
    if (!run(zbarimg,
             {QStringLiteral("--quiet"), QStringLiteral("--raw"), QStringLiteral("-Sbinary"),
              QStringLiteral("--nodbus"), image + QStringLiteral(".png")},
             &output, error)) {
        // zbarimg says 4 when it found no code: that is an answer, not a failure.
        if (error->contains(QStringLiteral("(4)"))) {
            error->clear();
            return {};
        }
        return {};
    }
    if (output.endsWith('\n'))
        output.chop(1);
    return output;
}
