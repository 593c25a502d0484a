#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// One run of another program, timed from fork to its end, with the peak memory the kernel
// counted for it.
struct MeasuredRun {
    QString error; // empty when the program ended normally with exit code 0
    double seconds = 0;
    double peakMegabytes = 0;

    bool ok() const { return error.isEmpty(); }
};

struct RunRequest {
    QString program;
    QStringList arguments;
    QString workingDirectory;
    QList<QPair<QString, QString>> environment; // set on top of our own environment
    QString errorLog;                           // its standard error; empty: discarded
    int timeoutSeconds = 120;
};

MeasuredRun runMeasured(const RunRequest& request);
