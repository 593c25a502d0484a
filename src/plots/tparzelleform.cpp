#include "plots/tparzelleform.h"

#include "plots/addresscommands.h"
#include "plots/billingrun.h"
#include "plots/dunning.h"
#include "plots/plotcommands.h"
#include "plots/tbemerkungen.h"
#include "plots/tmahnform.h"
#include "plots/tsuchen.h"

#include "data/customitems.h"
#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"
#include "data/plotrules.h"
#include "framework/choicelink.h"
#include "framework/dataentrywindow.h"
#include "framework/fieldlink.h"
#include "framework/flaglink.h"
#include "framework/menubartooltips.h"
#include "framework/navigatorbar.h"
#include "framework/numberfieldlink.h"
#include "framework/textfieldlink.h"
#include "reports/statements.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString aqua = QStringLiteral("background-color: #00ffff;");
const QString lime = QStringLiteral("background-color: #00ff00;");
const QString connected = QStringLiteral("X");
const QString notConnected = QStringLiteral(" ");

// The plot custom items in the order the register shows them.
const int plotItemNumbers[] = {1, 2, 3, 4, 9, 10};

// A box that comes and goes keeps its place, so the fixed window does not jump.
void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void setShown(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* widget : widgets) {
        if (widget)
            widget->setVisible(shown);
    }
}

} // namespace

TParzelleform::TParzelleform(DM1& dm, Interaction& interaction, QWidget* parent)
    : QDialog(parent)
    , m_dm(dm)
    , m_interaction(interaction) {
    setWindowTitle(QStringLiteral("Die Parzelle"));
    m_remarksWindow = new Tbemerkungen(dm.parzelle(), this);

    auto* menuBar = new QMenuBar(this);
    createMenu(menuBar);
    showMenuBarToolTips(menuBar);

    auto* navigator =
        new NavigatorBar(dm.parzelle(), interaction,
                         {QStringLiteral("Erste Parzelle"), QStringLiteral("Vorherige Parzelle"),
                          QStringLiteral("Nächste Parzelle"), QStringLiteral("Letzte Parzelle"),
                          QStringLiteral("Neue Parzelle"), QStringLiteral("Parzelle löschen")},
                         this);

    auto* media = new QHBoxLayout;
    media->addWidget(createMediumBox(true));
    media->addWidget(createMediumBox(false));

    auto* right = new QVBoxLayout;
    right->addLayout(media);
    right->addWidget(createChargesBox());

    auto* body = new QHBoxLayout;
    body->addWidget(createTenantBox());
    body->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(navigator);
    layout->addLayout(body);

    connect(&dm.parzelle(), &Table::currentChanged, this, &TParzelleform::plotChanged);
    connect(&dm.parzelle(), &Table::valueChanged, this, [this](const QString& column) {
        if (column.compare(QStringLiteral("text1"), Qt::CaseInsensitive) == 0 ||
            column.compare(QStringLiteral("text2"), Qt::CaseInsensitive) == 0)
            updateConnections();
    });
    updateCustomItemLabels();
    plotChanged();
    setShown({m_edits.value(QStringLiteral("abschlag_strom_vorjahr")),
              m_labels.value(QStringLiteral("abschlag_strom_vorjahr")),
              m_edits.value(QStringLiteral("abschlag_wasser_vorjahr")),
              m_labels.value(QStringLiteral("abschlag_wasser_vorjahr"))},
             false);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    makeDataEntryWindow(this);
}

QLineEdit* TParzelleform::addNumber(const QString& column, const QString& caption,
                                    bool emptyToZero) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(column);
    edit->setMaximumWidth(110);
    auto* link = new NumberFieldLink(m_dm.parzelle(), column, edit, m_interaction);
    link->setEmptyToZero(emptyToZero);
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    keepPlaceWhenHidden(edit);
    keepPlaceWhenHidden(label);
    m_edits.insert(column.toLower(), edit);
    m_labels.insert(column.toLower(), label);
    return edit;
}

QLineEdit* TParzelleform::addText(const QString& column, const QString& caption) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(column);
    new TextFieldLink(m_dm.parzelle(), column, edit);
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    m_edits.insert(column.toLower(), edit);
    m_labels.insert(column.toLower(), label);
    return edit;
}

QWidget* TParzelleform::createTenantBox() {
    auto* box = new QGroupBox(QStringLiteral("Pächter"), this);
    auto* grid = new QGridLayout(box);
    int row = 0;
    const auto addRow = [&](const QString& column) {
        grid->addWidget(m_labels.value(column.toLower()), row, 0);
        grid->addWidget(m_edits.value(column.toLower()), row, 1);
        ++row;
    };
    addText(QStringLiteral("Name"), QStringLiteral("Na&me"));
    addRow(QStringLiteral("Name"));
    addText(QStringLiteral("Vorname"), QStringLiteral("&Vorname"));
    addRow(QStringLiteral("Vorname"));
    addText(QStringLiteral("Anschrift"), QStringLiteral("Strass&e, Nr."));
    addRow(QStringLiteral("Anschrift"));
    addText(QStringLiteral("Ort"), QStringLiteral("&Ort"));
    addRow(QStringLiteral("Ort"));
    addText(QStringLiteral("PLZ"), QStringLiteral("P&lz"));
    addRow(QStringLiteral("PLZ"));
    addText(QStringLiteral("telefon"), QStringLiteral("&Tel."));
    addRow(QStringLiteral("telefon"));
    grid->setRowMinimumHeight(row++, 12);
    addText(QStringLiteral("Nr"), QStringLiteral("Par&z.Nr."));
    addRow(QStringLiteral("Nr"));
    addNumber(QStringLiteral("Flaeche"), QStringLiteral("&Größe[m²]"));
    addRow(QStringLiteral("Flaeche"));

    QLineEdit* total =
        addNumber(QStringLiteral("gesamt"), QStringLiteral("Rechnungsbetrag[€]"), false);
    total->setReadOnly(true);
    total->setFrame(false);
    total->setFocusPolicy(Qt::NoFocus);
    QFont bold = total->font();
    bold.setBold(true);
    total->setFont(bold);
    addRow(QStringLiteral("gesamt"));

    m_paid = new QCheckBox(QStringLiteral("über&wiesen"), box);
    new FlagLink(m_dm.parzelle(), QStringLiteral("gezahlt"), m_paid);
    m_paid->installEventFilter(this);
    grid->addWidget(m_paid, row++, 1);
    grid->setRowStretch(row, 1);
    for (QLineEdit* edit : box->findChildren<QLineEdit*>())
        edit->setMinimumWidth(190);
    // The boxes were created as children of the window; the grid adopts them.
    return box;
}

QWidget* TParzelleform::createMediumBox(bool electricity) {
    const QString unit = electricity ? QStringLiteral("kwh") : QStringLiteral("m³");
    const QString marker = electricity ? QStringLiteral("text1") : QStringLiteral("text2");
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* connection = new QGroupBox(electricity ? QStringLiteral("Energieanschluss")
                                                 : QStringLiteral("Wasseranschluss"),
                                     column);
    connection->setToolTip(QStringLiteral("Parzellen ohne Anschluss müssen mit 'nein' "
                                          "gekennzeichnet werden! Andernfalls arbeitet das "
                                          "Programm nicht korrekt."));
    auto* yes = new QRadioButton(QStringLiteral("ja"), connection);
    auto* no = new QRadioButton(QStringLiteral("nein"), connection);
    auto* connectionLayout = new QHBoxLayout(connection);
    connectionLayout->addWidget(yes);
    connectionLayout->addWidget(no);
    new ChoiceLink(m_dm.parzelle(), marker, {yes, no}, {connected, notConnected});
    m_connectionButtons.insert(marker + QStringLiteral("/ja"), yes);
    m_connectionButtons.insert(marker + QStringLiteral("/nein"), no);

    auto* usage =
        new QGroupBox(electricity ? QStringLiteral("Energie") : QStringLiteral("Wasser"), column);
    auto* usageGrid = new QGridLayout(usage);
    const QString consumption = electricity ? QStringLiteral("Strom") : QStringLiteral("Wasser");
    QLineEdit* consumptionEdit =
        addNumber(consumption, QStringLiteral("Verbrauch[%1]").arg(unit), false);
    consumptionEdit->setReadOnly(true);
    consumptionEdit->setStyleSheet(aqua);
    consumptionEdit->setFocusPolicy(Qt::NoFocus);
    usageGrid->addWidget(m_labels.value(consumption.toLower()), 0, 0);
    usageGrid->addWidget(consumptionEdit, 0, 1);
    auto* advance = new QCheckBox(QStringLiteral("Pauschale berechnen"), usage);
    usageGrid->addWidget(advance, 1, 0, 1, 2);
    const QString credit = electricity ? QStringLiteral("Abschlag_Strom_Vorjahr")
                                       : QStringLiteral("Abschlag_Wasser_Vorjahr");
    QLineEdit* creditEdit = addNumber(credit, QStringLiteral("Vorauszahlung-Gutschrift[€]"));
    if (electricity)
        creditEdit->setStyleSheet(lime);
    usageGrid->addWidget(m_labels.value(credit.toLower()), 2, 0);
    usageGrid->addWidget(creditEdit, 2, 1);
    connect(advance, &QCheckBox::clicked, this,
            [this, electricity] { advanceSwitched(electricity); });

    auto* meters = new QGroupBox(
        electricity ? QStringLiteral("Energiezähler") : QStringLiteral("Wasserzähler"), column);
    auto* meterGrid = new QGridLayout(meters);
    const QString prefix = electricity ? QStringLiteral("s") : QStringLiteral("w");
    const QString oldReading = prefix + QStringLiteral("za");
    const QString newReading = prefix + QStringLiteral("zn");
    const QString secondOld = QStringLiteral("n") + oldReading;
    const QString secondNew = QStringLiteral("n") + newReading;
    addNumber(oldReading, QStringLiteral("alt[%1]").arg(unit));
    addNumber(newReading, QStringLiteral("neu[%1]").arg(unit));
    auto* meterChange = new QCheckBox(QStringLiteral("Zählerwechsel"), meters);
    keepPlaceWhenHidden(meterChange);
    addNumber(secondOld, QStringLiteral("Anfangswert[%1]").arg(unit));
    addNumber(secondNew, QStringLiteral("Endwert[%1]").arg(unit));
    int row = 0;
    for (const QString& reading : {oldReading, newReading}) {
        meterGrid->addWidget(m_labels.value(reading), row, 0);
        meterGrid->addWidget(m_edits.value(reading), row++, 1);
    }
    meterGrid->addWidget(meterChange, row++, 0, 1, 2);
    for (const QString& reading : {secondOld, secondNew}) {
        meterGrid->addWidget(m_labels.value(reading), row, 0);
        meterGrid->addWidget(m_edits.value(reading), row++, 1);
    }
    meterGrid->setRowStretch(row, 1);
    connect(meterChange, &QCheckBox::toggled, this,
            [this, electricity] { showSecondMeter(electricity); });

    if (electricity) {
        m_electricityAdvance = advance;
        m_electricityMeterChange = meterChange;
    } else {
        m_waterAdvance = advance;
        m_waterMeterChange = meterChange;
    }
    layout->addWidget(connection);
    layout->addWidget(usage);
    layout->addWidget(meters, 1);
    return column;
}

QWidget* TParzelleform::createChargesBox() {
    auto* box = new QGroupBox(QStringLiteral("Gebühren und Sonderposten"), this);
    auto* grid = new QGridLayout(box);
    const QStringList fixedCharges = {QStringLiteral("Laubenversicherung"),
                                      QStringLiteral("nicht_gel_Arbeitsstunden"),
                                      QStringLiteral("Parkplatzgebuehr")};
    const QStringList captions = {QStringLiteral("Laubenversicherung[€]"),
                                  QStringLiteral("nicht gel. Arbeitsstunden[h]"),
                                  QStringLiteral("Parkplatzgebühr[€]")};
    for (int i = 0; i < fixedCharges.size(); ++i) {
        addNumber(fixedCharges.at(i), captions.at(i));
        grid->addWidget(m_labels.value(fixedCharges.at(i).toLower()), i, 0);
        grid->addWidget(m_edits.value(fixedCharges.at(i).toLower()), i, 1);
    }
    int row = 0;
    for (int number : plotItemNumbers) {
        const QString column = QStringLiteral("Reserve%1").arg(number);
        addNumber(column, QString());
        grid->addWidget(m_labels.value(column.toLower()), row % 3, 2 + 2 * (row / 3));
        grid->addWidget(m_edits.value(column.toLower()), row % 3, 3 + 2 * (row / 3));
        ++row;
    }

    m_dunningTotalButton =
        new QPushButton(QStringLiteral("Rechnungsbetrag. nac&h Mahnung aktualisieren"), box);
    m_resetButton = new QPushButton(QStringLiteral("&Checks-Reset"), box);
    m_remarksButton = new QPushButton(QStringLiteral("&Bemerkungen"), box);
    connect(m_dunningTotalButton, &QPushButton::clicked, this, &TParzelleform::addDunningFee);
    connect(m_resetButton, &QPushButton::clicked, this, &TParzelleform::resetPaidFlags);
    connect(m_remarksButton, &QPushButton::clicked, this, &TParzelleform::showRemarks);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_dunningTotalButton);
    buttons->addWidget(m_resetButton);
    buttons->addStretch();
    buttons->addWidget(m_remarksButton);
    grid->addLayout(buttons, 3, 0, 1, 8);
    return box;
}

void TParzelleform::createMenu(QMenuBar* menuBar) {
    const auto remember = [this](QAction* action) {
        m_actions << action;
        return action;
    };
    QMenu* file = menuBar->addMenu(QStringLiteral("&Datei"));
    connect(remember(file->addAction(QStringLiteral("&Schließen"))), &QAction::triggered, this,
            &QDialog::accept);

    QAction* parameters = remember(menuBar->addAction(QStringLiteral("&alllgemeine Eingaben")));
    parameters->setToolTip(QStringLiteral("allgemeine Parameter eingeben/ändern"));
    parameters->setStatusTip(parameters->toolTip());
    connect(parameters, &QAction::triggered, this, &TParzelleform::openParameters);

    QMenu* print = menuBar->addMenu(QStringLiteral("D&ruck"));
    connect(remember(print->addAction(QStringLiteral("&Jahresabrechnung mit Überweiser"))),
            &QAction::triggered, this, [this] { runBilling(StatementLayout::WithTransferForm); });
    connect(remember(print->addAction(QStringLiteral("Jahresabrechnung ohne Überweiser"))),
            &QAction::triggered, this,
            [this] { runBilling(StatementLayout::WithoutTransferForm); });
    connect(remember(print->addAction(QStringLiteral("Adr&essen"))), &QAction::triggered, this,
            [this] {
                if (!commitFocusedEdit(this))
                    return;
                AddressCommands::showAddressList(m_dm, m_interaction);
            });
    auto* search = new TSuchen(m_dm.parzelle(), m_interaction, this);
    connect(remember(menuBar->addAction(QStringLiteral("&Suchen"))), &QAction::triggered, this,
            [this, search] {
                if (!commitFocusedEdit(this))
                    return;
                search->exec();
            });
    m_unpaidListAction = remember(menuBar->addAction(QStringLiteral("&nichtbezahlte Rechnungen")));
    // Open once the due date is known to have passed.
    m_unpaidListAction->setEnabled(false);
    connect(m_unpaidListAction, &QAction::triggered, this, &TParzelleform::showUnpaidPlots);
    connect(remember(menuBar->addAction(QStringLiteral("&neue Felder"))), &QAction::triggered, this,
            &TParzelleform::openCustomItems);
    connect(remember(menuBar->addAction(QStringLiteral("Daten exportieren"))), &QAction::triggered,
            this, [this] {
                if (!commitFocusedEdit(this))
                    return;
                AddressCommands::exportAddresses(m_dm, m_interaction);
            });
    connect(remember(menuBar->addAction(QStringLiteral("&?"))), &QAction::triggered, this, [this] {
        m_interaction.inform(QStringLiteral("Öffnen Sie bitte die Datei \"Hilfe.pdf\" in Ihrem "
                                            "Arbeitsverzeichnis mit Ihrem "
                                            "Standard-Internetbrowser"));
    });
}

QRadioButton* TParzelleform::connectionButton(const QString& column, bool yes) const {
    return m_connectionButtons.value(column.toLower() +
                                     (yes ? QStringLiteral("/ja") : QStringLiteral("/nein")));
}

QAction* TParzelleform::action(const QString& text) const {
    for (QAction* action : m_actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

bool TParzelleform::chargesElectricityAdvance() const {
    return m_electricityAdvance->isChecked();
}

bool TParzelleform::chargesWaterAdvance() const {
    return m_waterAdvance->isChecked();
}

void TParzelleform::updateCustomItemLabels() {
    Table& items = m_dm.nfelder();
    for (int number : plotItemNumbers) {
        const QString column = QStringLiteral("reserve%1").arg(number);
        const QString name = items.isOpen() ? items.text(column) : QString();
        QLabel* caption = m_labels.value(column);
        caption->setText(name);
        setShown({caption, m_edits.value(column)}, !name.isEmpty());
    }
}

void TParzelleform::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
    QDialog::changeEvent(event);
}

void TParzelleform::activated() {
    m_dm.param().open();
    m_dm.setArtcheck(true);
    updateCustomItemLabels();
    updateUnpaidListCommand();
}

bool TParzelleform::eventFilter(QObject* watched, QEvent* event) {
    // Marking a dunned plot as paid brings the dunning fee into its total.
    if (watched == m_paid && event->type() == QEvent::FocusIn)
        PlotCommands::addDunningFee(m_dm);
    return QDialog::eventFilter(watched, event);
}

void TParzelleform::done(int result) {
    // A refused entry, like a plot the rules refuse, stays on screen for correction.
    if (!commitFocusedEdit(this))
        return;
    Table& plots = m_dm.parzelle();
    if (!plots.checkBrowseMode() && plots.isEditing())
        return;
    if (plots.isOpen())
        plots.reopen();
    QDialog::done(result);
}

void TParzelleform::plotChanged() {
    Table& plots = m_dm.parzelle();
    m_electricityMeterChange->setChecked(PlotRules::hasReplacedElectricityMeter(plots));
    m_waterMeterChange->setChecked(PlotRules::hasReplacedWaterMeter(plots));
    showSecondMeter(true);
    showSecondMeter(false);
    updateRemarksCaption();
    updateConnections();
}

void TParzelleform::updateRemarksCaption() {
    // A red caption tells that the plot has remarks.
    m_remarksButton->setStyleSheet(
        PlotRules::hasRemarks(m_dm.parzelle()) ? QStringLiteral("color: red;") : QString());
}

void TParzelleform::updateConnections() {
    Table& plots = m_dm.parzelle();
    const bool electricity = plots.text(QStringLiteral("text1")) == connected;
    const bool water = plots.text(QStringLiteral("text2")) == connected;
    setShown({m_edits.value(QStringLiteral("sza")), m_labels.value(QStringLiteral("sza")),
              m_edits.value(QStringLiteral("szn")), m_labels.value(QStringLiteral("szn")),
              m_electricityMeterChange},
             electricity);
    setShown({m_edits.value(QStringLiteral("wza")), m_labels.value(QStringLiteral("wza")),
              m_edits.value(QStringLiteral("wzn")), m_labels.value(QStringLiteral("wzn")),
              m_waterMeterChange},
             water);
}

void TParzelleform::showSecondMeter(bool electricity) {
    const QString old = electricity ? QStringLiteral("nsza") : QStringLiteral("nwza");
    const QString current = electricity ? QStringLiteral("nszn") : QStringLiteral("nwzn");
    const bool shown = (electricity ? m_electricityMeterChange : m_waterMeterChange)->isChecked();
    setShown(
        {m_edits.value(old), m_labels.value(old), m_edits.value(current), m_labels.value(current)},
        shown);
}

void TParzelleform::advanceSwitched(bool electricity) {
    QCheckBox* box = electricity ? m_electricityAdvance : m_waterAdvance;
    const QString credit = electricity ? QStringLiteral("abschlag_strom_vorjahr")
                                       : QStringLiteral("abschlag_wasser_vorjahr");
    if (box->isChecked()) {
        m_dm.param().open();
        const double percentage =
            m_dm.param().number(electricity ? QStringLiteral("z21") : QStringLiteral("z22"));
        if (percentage <= 0) {
            m_interaction.inform(
                electricity ? QStringLiteral("Sie müssen noch die Energiepauschale im Formular "
                                             "'Allgemeine Eingaben' eingeben")
                            : QStringLiteral("Sie müssen noch die Wasserpauschale im Formular "
                                             "'Allgemeine Eingaben' eingeben"));
            box->setChecked(false);
        }
    }
    setShown({m_edits.value(credit), m_labels.value(credit)}, box->isChecked());
}

void TParzelleform::openParameters() {
    if (PlotCommands::paidInvoicesAwaitTransfer(m_dm)) {
        m_interaction.inform(QStringLiteral(
            " A C H T U N G ! Es sind noch überwiesene Parzellenrechnungen in die Hauptkasse zu "
            "übernehmen. Vorher dürfen keine Änderungen an den allg. Parametern vorgenommen "
            "werden!"));
        return;
    }
    if (m_parametersWindow)
        m_parametersWindow->exec();
    // The due date may have changed there.
    updateUnpaidListCommand();
}

void TParzelleform::openCustomItems() {
    if (m_customItemsWindow)
        m_customItemsWindow->exec();
    updateCustomItemLabels();
}

void TParzelleform::showRemarks() {
    m_remarksWindow->exec();
    updateRemarksCaption();
}

void TParzelleform::resetPaidFlags() {
    if (!m_interaction.askYesNo(QStringLiteral("Alle übernommenen Parzellen-Rechnungen in der "
                                               "Hauptkasse werden jetzt gelöscht und müssen "
                                               "erneut übernommen werden.")))
        return;
    const QString error = PlotCommands::resetPaidFlags(m_dm);
    if (!error.isEmpty())
        m_interaction.reportError(
            QStringLiteral("Das Zurücksetzen ist nicht gelungen; es wurde nichts geändert:\n%1")
                .arg(EngineError::describe(error)));
}

void TParzelleform::runBilling(StatementLayout layout) {
    BillingRun run(m_dm, m_interaction);
    run.setShowParameters([this] {
        if (m_parametersWindow)
            m_parametersWindow->exec();
    });
    run.setShowStatements([&](Query& rows, const QString& year, const StatementOptions& options) {
        m_interaction.showReport(Statements::layout(rows, year, options));
    });
    // The layout holds for this run only: the next one prints what its command asks for.
    run.run({chargesElectricityAdvance(), chargesWaterAdvance(), layout});
}

void TParzelleform::addDunningFee() {
    PlotCommands::addDunningFee(m_dm);
}

void TParzelleform::updateUnpaidListCommand() {
    const QString reason = Dunning(m_dm, m_interaction).whyNotOverdue();
    m_unpaidListAction->setEnabled(reason.isEmpty());
    m_unpaidListAction->setToolTip(reason);
}

void TParzelleform::showUnpaidPlots() {
    if (!commitFocusedEdit(this))
        return;
    if (m_unpaidListWindow)
        m_unpaidListWindow->showUnpaidPlots();
}
