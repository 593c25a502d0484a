#include "data/engineerror.h"

#include <QSqlError>
#include <QStringList>

namespace {

struct KnownCause {
    const char* engineWords; // as the engine writes them, in lower case
    const char* german;
};

constexpr KnownCause knownCauses[] = {
    {"database or disk is full", "Der Datenträger ist voll."},
    {"readonly database", "Die Datei ist schreibgeschützt."},
    {"read-only", "Die Datei ist schreibgeschützt."},
    {"database is locked", "Die Datenbank wird gerade von einem anderen Programm benutzt."},
    {"disk i/o error", "Die Datei konnte nicht gelesen oder geschrieben werden."},
    {"malformed", "Die Datenbankdatei ist beschädigt."},
    {"file is not a database", "Die Datei ist keine Datenbank."},
    {"unable to open database file", "Die Datenbankdatei kann nicht geöffnet werden."},
};

} // namespace

namespace EngineError {

QString describe(const QString& engineText) {
    const QString detail = engineText.trimmed();
    const QString lower = detail.toLower();
    for (const KnownCause& cause : knownCauses) {
        if (lower.contains(QLatin1String(cause.engineWords)))
            return QStringLiteral("%1\n\n(%2)").arg(QString::fromUtf8(cause.german), detail);
    }
    return detail;
}

QString text(const QSqlError& error) {
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

} // namespace EngineError
