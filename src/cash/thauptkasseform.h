#pragma once

#include "cash/cashjournalform.h"

class QProgressBar;

// The main cash book (the association's bank account): besides what both books offer, it
// books paid plot invoices and prints the plot sums, and it refreshes the system voucher
// types from their master rows each time it becomes active.
class THauptkasseform : public CashJournalForm {
    Q_OBJECT

public:
    THauptkasseform(DM1& dm, Interaction& interaction, QWidget* parent = nullptr);

    QProgressBar* progressBar() const { return m_progress; }

    void activate() override;
    // "&Parzellenrechnungen in Hauptkasse buchen".
    void transferPaidInvoices();

protected:
    void closeCommand() override;

private:
    QProgressBar* m_progress = nullptr;
};
