#include "cash/thauptkasseform.h"

#include "cash/cashbook.h"
#include "cash/paidinvoicetransfer.h"
#include "cash/systemvouchertypes.h"

#include "data/dm1.h"
#include "data/interaction.h"
#include "framework/busycursor.h"
#include "framework/datagrid.h"
#include "framework/tablemodel.h"
#include "reports/plottotalsreport.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>

THauptkasseform::THauptkasseform(DM1& dm, Interaction& interaction, QWidget* parent)
    : CashJournalForm(dm, interaction, CashBook::main(), parent) {
    setObjectName(QStringLiteral("HauptkasseForm"));
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setFixedWidth(220);
    m_progress->hide();
    heading()->addWidget(m_progress, 0, Qt::AlignVCenter);

    addCommand(menuBar(), QStringLiteral("&Parzellenrechnungen in Hauptkasse buchen"),
               [this] { transferPaidInvoices(); });
    QMenu* print = addPrintMenu(QStringLiteral("&Kassenbericht"));
    addCommand(print, QStringLiteral("Parzellensummen"), [this] {
        if (grid()->storePendingRow())
            PlotTotalsReport::run(m_dm, m_interaction);
    });
}

void THauptkasseform::activate() {
    // The system voucher types come fresh from their master rows first. Should that fail,
    // konto keeps the rows it has, and the transfer says which code it misses.
    SystemVoucherTypes::rebuild(m_dm);
    CashJournalForm::activate();
}

void THauptkasseform::closeCommand() {
    Table& types = m_dm.konto();
    types.edit();
    types.post();
    CashJournalForm::closeCommand();
}

void THauptkasseform::transferPaidInvoices() {
    if (!grid()->storePendingRow())
        return;
    PaidInvoiceTransfer transfer(m_dm);
    transfer.setProgress([this](int percent) {
        m_progress->show();
        m_progress->setValue(percent);
    });
    // Thousands of new entries are shown once, at the end.
    model()->setSuspended(true);
    PaidInvoiceTransfer::Result result;
    {
        BusyCursor busy;
        result = transfer.run();
    }
    m_progress->hide();
    m_progress->reset();
    model()->setSuspended(false);
    grid()->showTableRow();
    if (!result.completed())
        m_interaction.reportError(result.message);
}
