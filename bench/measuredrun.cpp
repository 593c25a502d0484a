#include "measuredrun.h"

#include <QFile>

#include <cerrno>
#include <ctime>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

double now() {
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return double(time.tv_sec) + double(time.tv_nsec) / 1e9;
}

std::vector<std::string> environmentFor(const RunRequest& request) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry) {
        const QString line = QString::fromLocal8Bit(*entry);
        bool replaced = false;
        for (const auto& setting : request.environment)
            replaced = replaced || line.startsWith(setting.first + u'=');
        if (!replaced)
            result.emplace_back(*entry);
    }
    for (const auto& setting : request.environment)
        result.push_back((setting.first + u'=' + setting.second).toStdString());
    return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

QString endText(int status) {
    if (WIFEXITED(status))
        return WEXITSTATUS(status) == 0 ? QString()
                                        : QStringLiteral("Exit-Code %1").arg(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return QStringLiteral("beendet durch Signal %1").arg(WTERMSIG(status));
    return QStringLiteral("unerwartetes Ende");
}

} // namespace

MeasuredRun runMeasured(const RunRequest& request) {
    // Everything the child needs is prepared here: between fork and exec only plain system
    // calls are safe.
    std::vector<std::string> arguments{request.program.toStdString()};
    for (const QString& argument : request.arguments)
        arguments.push_back(argument.toStdString());
    std::vector<char*> argv = pointersTo(arguments);
    std::vector<std::string> environment = environmentFor(request);
    std::vector<char*> envp = pointersTo(environment);
    const std::string directory = request.workingDirectory.toStdString();
    const int nullDevice = open("/dev/null", O_RDWR | O_CLOEXEC);
    const int errorDevice = request.errorLog.isEmpty()
                                ? nullDevice
                                : open(QFile::encodeName(request.errorLog).constData(),
                                       O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (nullDevice < 0 || errorDevice < 0)
        return {QStringLiteral("/dev/null oder das Fehlerprotokoll ließ sich nicht öffnen"), 0, 0};

    MeasuredRun result;
    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(directory.c_str()) != 0 || dup2(nullDevice, STDIN_FILENO) < 0 ||
            dup2(nullDevice, STDOUT_FILENO) < 0 || dup2(errorDevice, STDERR_FILENO) < 0)
            _exit(126);
        execve(argv.front(), argv.data(), envp.data());
        _exit(127);
    }
    if (errorDevice != nullDevice)
        close(errorDevice);
    close(nullDevice);
    if (child < 0)
        return {QStringLiteral("fork fehlgeschlagen: %1").arg(errno), 0, 0};

    int status = 0;
    rusage usage{};
    // Polled rather than blocked on, so that a program hanging in a dialog is stopped.
    const timespec pause{0, 200000};
    for (;;) {
        const pid_t ended = wait4(child, &status, WNOHANG, &usage);
        if (ended == child)
            break;
        if (ended < 0 && errno != EINTR)
            return {QStringLiteral("wait4 fehlgeschlagen: %1").arg(errno), 0, 0};
        if (now() - start > request.timeoutSeconds) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            return {QStringLiteral("nach %1 s abgebrochen").arg(request.timeoutSeconds), 0, 0};
        }
        nanosleep(&pause, nullptr);
    }
    result.seconds = now() - start;
    result.peakMegabytes = double(usage.ru_maxrss) / 1024.0; // the kernel counts KiB
    result.error = endText(status);
    return result;
}
