#pragma once

#include <QDate>
#include <QString>

#include <functional>

class DM1;

// Books every paid plot that has not been booked yet into the main cash book, one entry per
// charge component of its bill, and marks it transferred. The whole run is one unit of work:
// every due plot is booked completely, or, when anything fails, nothing is, and the books and
// flags stay as they were. Entries go through the journal's table object, so they get their
// running numbers and months as any other entry does.
class PaidInvoiceTransfer {
public:
    struct Result {
        enum class Outcome {
            Completed, // every due plot booked (maybe none was due)
            Refused,   // a plot could not be booked as it stands; nothing was written
            Failed,    // the engine refused to store; nothing was written
        };
        Outcome outcome = Outcome::Completed;
        int plots = 0;   // plots booked
        int entries = 0; // entries made
        QString message; // German, for Refused and Failed

        bool completed() const { return outcome == Outcome::Completed; }
    };

    explicit PaidInvoiceTransfer(DM1& dm);

    // Reports the share of due plots booked, 0 to 100.
    void setProgress(std::function<void(int percent)> report) { m_progress = std::move(report); }

    Result run(const QDate& bookingDate = QDate::currentDate());

private:
    Result book(const QDate& bookingDate);

    DM1& m_dm;
    std::function<void(int)> m_progress;
};
