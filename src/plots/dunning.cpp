#include "plots/dunning.h"

#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"
#include "framework/germandate.h"
#include "reports/tmahnung.h"

namespace {

// The plots a letter goes to; marking and listing must agree on them.
const QString unpaid = QStringLiteral("where not gezahlt");

// Whether a bill due on that date is overdue today: a due date is set and has passed. On the
// due date itself it is not.
bool isOverdue(const QDate& dueDate, const QDate& today) {
    return dueDate.isValid() && today > dueDate;
}

} // namespace

Dunning::Dunning(DM1& dm, Interaction& interaction)
    : m_dm(dm)
    , m_interaction(interaction) {}

QDate Dunning::dueDate() {
    Table& parameters = m_dm.param();
    parameters.open();
    return parameters.date(QStringLiteral("Zahlfrist"));
}

QString Dunning::whyNotOverdue(const QDate& today) {
    const QDate due = dueDate();
    if (!due.isValid())
        return QStringLiteral("Die nicht bezahlten Rechnungen lassen sich erst nach dem "
                              "Fälligkeitsdatum auflisten; in den allgemeinen Eingaben ist noch "
                              "keins eingetragen.");
    if (!isOverdue(due, today))
        return QStringLiteral("Die nicht bezahlten Rechnungen lassen sich erst nach dem "
                              "Fälligkeitsdatum (%1) auflisten, also ab dem %2.")
            .arg(GermanDate::format(due), GermanDate::format(due.addDays(1)));
    return {};
}

bool Dunning::openUnpaidList(const QDate& today) {
    if (!isOverdue(dueDate(), today))
        return false;
    // A tick on "überwiesen" the register has not stored yet counts.
    m_dm.parzelle().checkBrowseMode();
    Query& list = unpaidList();
    list.setSql({QStringLiteral("select * from parzelle,param,nfelder"), unpaid,
                 QStringLiteral("order by nr")});
    if (list.open())
        return true;
    m_interaction.reportError(
        QStringLiteral("Die nicht bezahlten Rechnungen konnten nicht gelesen werden:\n") +
        EngineError::describe(list.lastError()));
    return false;
}

Query& Dunning::unpaidList() {
    return m_dm.mahnquery();
}

void Dunning::closeUnpaidList() {
    unpaidList().close();
}

QString Dunning::markUnpaidPlots() {
    Query& update = m_dm.parzupdateQuery();
    update.setSql({QStringLiteral("update parzelle set mahncheck = ?"), unpaid});
    update.setBindValues({true});
    const bool ok = update.open();
    const QString error = update.lastError();
    update.close();
    if (!ok)
        return error;
    // The register's current plot shows the mark, so that ticking "überwiesen" brings the fee
    // in.
    Table& plots = m_dm.parzelle();
    if (plots.isOpen()) {
        const QVariant current = plots.value(QStringLiteral("Nr"));
        plots.reopen();
        if (!current.isNull())
            plots.locate(QStringLiteral("Nr"), current);
    }
    return {};
}

void Dunning::printLetters(DunningLevel level, const QDate& printDate) {
    if (level == DunningLevel::First) {
        const QString error = markUnpaidPlots();
        if (!error.isEmpty())
            m_interaction.reportError(
                QStringLiteral("Die nicht bezahlten Parzellen konnten nicht als gemahnt "
                               "gekennzeichnet werden. Die Mahngebühr würde so bei der Übernahme "
                               "in die Hauptkasse nicht gebucht; bitte drucken Sie die 1. "
                               "Mahnung noch einmal, bevor Sie die Briefe verschicken.\n") +
                EngineError::describe(error));
    }
    TMahnung letters(m_dm.mainBookYear(), level);
    m_interaction.showReport(letters.layout(unpaidList(), printDate));
}
