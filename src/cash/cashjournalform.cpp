#include "cash/cashjournalform.h"

#include "cash/cashbook.h"
#include "cash/cashreport.h"
#include "cash/sumlist.h"
#include "cash/vouchertypeselection.h"

#include "data/dm1.h"
#include "framework/dataentrywindow.h"
#include "framework/datagrid.h"
#include "framework/navigatorbar.h"
#include "framework/tablemodel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

QList<GridColumn> journalColumns() {
    using Kind = GridColumn::Kind;
    GridColumn number{QStringLiteral("Belegnr."), QStringLiteral("lfd_nr"), Kind::Number};
    number.format = QStringLiteral("0");
    number.readOnly = true;
    number.width = 70;
    GridColumn date{QStringLiteral("Datum"), QStringLiteral("datum"), Kind::Date};
    date.width = 95;
    GridColumn type{QStringLiteral("Belegart"), QStringLiteral("Art"), Kind::Text};
    type.width = 85;
    GridColumn text{QStringLiteral("Bezeichnung"), QStringLiteral("Bezeichnung"), Kind::Text};
    text.width = 360;
    text.stretch = true;
    GridColumn income{QStringLiteral("Einnahme"), QStringLiteral("Einnahme"), Kind::Number};
    income.width = 110;
    GridColumn expense{QStringLiteral("Ausgabe"), QStringLiteral("Ausgabe"), Kind::Number};
    expense.color = Qt::red;
    expense.width = 110;
    return {number, date, type, text, income, expense};
}

} // namespace

CashJournalForm::CashJournalForm(DM1& dm, Interaction& interaction, const CashBook& book,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_dm(dm)
    , m_interaction(interaction)
    , m_book(book) {
    setWindowTitle(book.label);
    makeDataEntryWindow(this);

    m_menuBar = new QMenuBar(this);
    QMenu* fileMenu = m_menuBar->addMenu(QStringLiteral("&Datei"));
    addCommand(fileMenu, QStringLiteral("&Anfangsbestand eingeben"),
               [this] { runChild(m_openingBalanceWindow); });
    addCommand(fileMenu, QStringLiteral("&Konto bearbeiten"),
               [this] { runChild(m_voucherTypesWindow); });
    addCommand(fileMenu, QStringLiteral("&Belegart selektieren"),
               [this] { runChild(m_selectionWindow); });
    addCommand(fileMenu, QStringLiteral("&Schließen"), [this] { closeCommand(); });

    Table& journal = book.journal(dm);
    m_navigator =
        new NavigatorBar(journal, interaction,
                         {QStringLiteral("Erster Eintrag"), QStringLiteral("Vorheriger Eintrag"),
                          QStringLiteral("Nächster Eintrag"), QStringLiteral("Letzter Eintrag"),
                          QStringLiteral("Neuer Eintrag")},
                         this);
    m_navigator->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* name = new QLabel(book.label, this);
    QFont nameFont = name->font();
    nameFont.setPointSize(18);
    nameFont.setBold(true);
    name->setFont(nameFont);
    m_yearLabel = new QLabel(this);
    QFont yearFont = nameFont;
    yearFont.setPointSize(14);
    m_yearLabel->setFont(yearFont);

    m_heading = new QHBoxLayout;
    m_heading->addWidget(m_navigator, 0, Qt::AlignVCenter);
    m_heading->addSpacing(24);
    m_heading->addWidget(name, 0, Qt::AlignVCenter);
    m_heading->addSpacing(16);
    m_heading->addWidget(m_yearLabel, 0, Qt::AlignVCenter);
    m_heading->addStretch();

    m_model = new TableModel(journal, journalColumns(), this);
    m_grid = new DataGrid(*m_model, interaction, this);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menuBar);
    layout->addLayout(m_heading);
    layout->addWidget(m_grid, 1);
    resize(920, 600);

    // The rule that refuses an unknown voucher type asks for the voucher types to be opened;
    // that happens once the edit that found it has finished.
    connect(&dm, &DM1::voucherTypeMissing, this, &CashJournalForm::voucherTypeMissing,
            Qt::QueuedConnection);
}

QMenu* CashJournalForm::addPrintMenu(const QString& cashReportCaption) {
    QMenu* printMenu = m_menuBar->addMenu(QStringLiteral("&Vorschau/Druck"));
    addCommand(printMenu, cashReportCaption, [this] {
        if (m_grid->storePendingRow())
            CashReport::run(m_dm, m_interaction, m_book);
    });
    addCommand(printMenu, QStringLiteral("Summenliste Belegarten"), [this] {
        if (m_grid->storePendingRow())
            SumList::run(m_dm, m_interaction, m_book);
    });
    return printMenu;
}

QAction* CashJournalForm::addCommand(QMenu* menu, const QString& text,
                                     std::function<void()> command) {
    QAction* action = menu->addAction(text);
    connect(action, &QAction::triggered, this, std::move(command));
    m_actions << action;
    return action;
}

QAction* CashJournalForm::addCommand(QMenuBar* bar, const QString& text,
                                     std::function<void()> command) {
    QAction* action = bar->addAction(text);
    connect(action, &QAction::triggered, this, std::move(command));
    m_actions << action;
    return action;
}

QAction* CashJournalForm::action(const QString& text) const {
    for (QAction* action : m_actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void CashJournalForm::activate() {
    Table& journal = m_book.journal(m_dm);
    journal.last();
    journal.first();
    m_dm.setArtcheck(true);
    rebuildPickList();
    Table& opening = m_book.openingBalance(m_dm);
    opening.open();
    m_yearLabel->setText(opening.text(QStringLiteral("Jahr")));
}

void CashJournalForm::rebuildPickList() {
    m_model->setPickList(m_model->columnOf(QStringLiteral("Art")),
                         VoucherTypeSelection::voucherTypeCodes(m_dm));
}

void CashJournalForm::runChild(QDialog* window) {
    if (!window || !m_grid->storePendingRow())
        return;
    window->exec();
    activate();
}

void CashJournalForm::closeCommand() {
    close();
}

void CashJournalForm::done(int result) {
    if (!m_grid->storePendingRow())
        return;
    QDialog::done(result);
}

void CashJournalForm::keyPressEvent(QKeyEvent* event) {
    // A data-entry window is not closed by Esc; Esc drops what was typed.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CashJournalForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        activate();
}

void CashJournalForm::voucherTypeMissing() {
    if (isVisible() && m_voucherTypesWindow && !m_voucherTypesWindow->isVisible())
        runChild(m_voucherTypesWindow);
}
