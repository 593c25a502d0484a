#include "plots/tparam.h"

#include "plots/plotsums.h"

#include "data/bankaccount.h"
#include "data/customitems.h"
#include "data/dm1.h"
#include "data/girocodesetting.h"
#include "data/interaction.h"
#include "framework/choicelink.h"
#include "framework/dataentrywindow.h"
#include "framework/datefieldlink.h"
#include "framework/fieldlink.h"
#include "framework/numberfieldlink.h"
#include "framework/numberformat.h"
#include "framework/singlerowstore.h"
#include "framework/textfieldlink.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>

namespace {

const QString computedHint = QStringLiteral("wird erst beim Rechnungsdruck berechnet");
// Computed values stand apart from what is typed; the association's own bills and the
// main-meter readings are what the treasurer must bring in each year.
const QString computedStyle = QStringLiteral("QLineEdit { background-color: #00ffff; }");
const QString ownBillStyle = QStringLiteral("QLineEdit { background-color: #ffff00; }");
// An IBAN or BIC that fails its check is kept, but stands out until it is mended.
const QString invalidStyle = QStringLiteral("QLineEdit { background-color: #ffc8c8; }");

constexpr int numberWidth = 90;
constexpr int textWidth = 190;
constexpr int customLabelWidth = 160;
// A custom item's name as long as the custom items window lets it be.
const QString longestName = QStringLiteral("Beitrag zur Instandhaltung der Gemeinschaftsanlage");

// The general custom items in their order, items 5-8, 11 and 12 of the twelve.
QList<const CustomItem*> generalCustomItems() {
    QList<const CustomItem*> items;
    for (const CustomItem& item : CustomItems::all()) {
        if (!item.isPerPlot())
            items << &item;
    }
    return items;
}

QGridLayout* gridOf(QGroupBox* box) {
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    return grid;
}

// The plot register's count and sums for the buttons beside the main meters; a failed count
// is said as such rather than shown as nothing.
std::optional<PlotSums> readSums(DM1& dm, Interaction& interaction) {
    PlotSums sums;
    const QString error = PlotSums::read(dm, QString(), sums);
    if (error.isEmpty())
        return sums;
    interaction.reportError(
        QStringLiteral("Die Parzellen konnten nicht gezählt werden.\n\n%1").arg(error));
    return std::nullopt;
}

} // namespace

Tparam::Tparam(DM1& dm, Interaction& interaction, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_dm(dm)
    , m_interaction(interaction) {
    setWindowTitle(QStringLiteral("Allgemeine Eingaben"));

    // Built column by column, so the tab order runs down each column.
    auto* first = new QVBoxLayout;
    first->addWidget(energyBox());
    first->addWidget(waterBox());
    first->addStretch();

    auto* second = new QVBoxLayout;
    second->addWidget(insuranceBox());
    second->addWidget(feesBox());
    second->addStretch();

    auto* third = new QVBoxLayout;
    third->addWidget(associationBox());
    third->addWidget(senderBox());
    third->addStretch();

    auto* fourth = new QVBoxLayout;
    fourth->addWidget(customItemsBox());
    fourth->addWidget(countBox());
    fourth->addStretch();
    m_okButton = new QPushButton(QStringLiteral("ok"), this);
    m_okButton->setMinimumWidth(100);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    fourth->addWidget(m_okButton, 0, Qt::AlignRight);

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(10, 10, 10, 10);
    columns->setSpacing(10);
    columns->addLayout(first);
    columns->addLayout(second);
    columns->addLayout(third);
    columns->addLayout(fourth);

    // Size the window for the longest labels the custom items can have (50 characters), so
    // that naming them later never crowds the window; activation then hides the unnamed.
    for (const CustomItem* item : generalCustomItems())
        label(item->amountColumn)->setText(longestName);
    adjustSize();
    setFixedSize(sizeHint());
    // The size is fixed here once; the layout must not shrink it when captions change.
    columns->setSizeConstraint(QLayout::SetNoConstraint);
    for (const CustomItem* item : generalCustomItems())
        label(item->amountColumn)->clear();
    makeDataEntryWindow(this);
}

QGroupBox* Tparam::energyBox() {
    auto* box = new QGroupBox(QStringLiteral("Energie"), this);
    auto* grid = gridOf(box);
    grid->addWidget(lossSharingBox(QStringLiteral("Umlage Energieverluste"), m_electricityButtons),
                    0, 0, 1, 2);
    for (int i = 0; i < m_electricityButtons.size(); ++i)
        connect(m_electricityButtons.at(i), &QRadioButton::clicked, this,
                [this, i] { chooseElectricity(i); });
    addNumber(grid, QStringLiteral("Preis_kwh"), QStringLiteral("Energiepreis[€/kwh]"),
              Kind::Computed);
    addNumber(grid, QStringLiteral("strech"), QStringLiteral("&Energie Verein[€]"),
              Kind::OwnFigure);
    addNumber(grid, QStringLiteral("Wartungsgebuehr"),
              QStringLiteral("Uml. Grundgebühr Energie [€]"), Kind::Computed);
    addNumber(grid, QStringLiteral("grundg_verein"), QStringLiteral("&Grundgeb. Energie Verein[€]"),
              Kind::OwnFigure);
    addNumber(grid, QStringLiteral("z6"), QStringLiteral("Verbrauch &Hauptzähler[kwh]"),
              Kind::OwnFigure);
    addMainMeterNote(grid, QStringLiteral("z6"));
    addNumber(grid, QStringLiteral("z21"), QStringLiteral("Energie&pauschale in %"), Kind::Input);
    return box;
}

QGroupBox* Tparam::waterBox() {
    auto* box = new QGroupBox(QStringLiteral("Wasser"), this);
    auto* grid = gridOf(box);
    grid->addWidget(lossSharingBox(QStringLiteral("Umlage Wasserverluste"), m_waterButtons), 0, 0,
                    1, 2);
    for (int i = 0; i < m_waterButtons.size(); ++i)
        connect(m_waterButtons.at(i), &QRadioButton::clicked, this, [this, i] { chooseWater(i); });
    addNumber(grid, QStringLiteral("Preis_qm"), QStringLiteral("Wasserpreis[€/m³]"),
              Kind::Computed);
    addNumber(grid, QStringLiteral("warech"), QStringLiteral("&Wasser Verein[€]"), Kind::OwnFigure);
    addNumber(grid, QStringLiteral("Grundgebuehr_W"), QStringLiteral("Uml. Grundgeb. Wasser[€]"),
              Kind::Computed);
    addNumber(grid, QStringLiteral("Grundgebuehr_W_Verein"),
              QStringLiteral("Grundgeb. Wa&sser Verein[€]"), Kind::OwnFigure);
    addNumber(grid, QStringLiteral("z7"), QStringLiteral("Ver&brauch Hauptzähler [m³]"),
              Kind::OwnFigure);
    addMainMeterNote(grid, QStringLiteral("z7"));
    addNumber(grid, QStringLiteral("z22"), QStringLiteral("Wasserpauscha&le in %"), Kind::Input);
    return box;
}

QGroupBox* Tparam::insuranceBox() {
    auto* box = new QGroupBox(QStringLiteral("Versicherungen und Straßenreinigung"), this);
    auto* grid = gridOf(box);
    addNumber(grid, QStringLiteral("haftpflv"), QStringLiteral("&Feuerschadenber.vers.[€]"),
              Kind::OwnFigure);
    addNumber(grid, QStringLiteral("Vereinshaftpflicht"),
              QStringLiteral("Uml. Feuerschadenber.vers.[€]"), Kind::Computed);
    addNumber(grid, QStringLiteral("unfallv"), QStringLiteral("&Unfallvers. Verein[€]"),
              Kind::OwnFigure);
    addNumber(grid, QStringLiteral("Vereinsunfallversicherung"),
              QStringLiteral("Uml.Vereinsunfallvers.[€]"), Kind::Computed);
    addNumber(grid, QStringLiteral("strreiv"), QStringLiteral("St&rassenreinigungsgeb.[€]"),
              Kind::OwnFigure);
    addNumber(grid, QStringLiteral("Strassenreinigung"),
              QStringLiteral("Uml. Strassenreinigungsgeb.[€]"), Kind::Computed);
    return box;
}

QGroupBox* Tparam::feesBox() {
    auto* box = new QGroupBox(QStringLiteral("Beiträge und Gebühren"), this);
    auto* grid = gridOf(box);
    addNumber(grid, QStringLiteral("Beitrag"), QStringLiteral("&Mitgliedsbeitrag[€]"), Kind::Input);
    addNumber(grid, QStringLiteral("Pachtzins"), QStringLiteral("Pacht&zins[€/m²]"), Kind::Input);
    addNumber(grid, QStringLiteral("Preis_Arbeitsstunde"),
              QStringLiteral("Preis/&Arbeitsstunde[€/h]"), Kind::Input);
    addNumber(grid, QStringLiteral("Umlagen"), QStringLiteral("allg. Umlage&n[€]"), Kind::Input);
    addNumber(grid, QStringLiteral("Neuvermessung"), QStringLiteral("Anteil Gemeinfläche[m²]"),
              Kind::Input);
    addNumber(grid, QStringLiteral("Mahngebuehr"), QStringLiteral("Mahngebühr[€]"), Kind::Input);
    return box;
}

QGroupBox* Tparam::associationBox() {
    auto* box = new QGroupBox(QStringLiteral("Verein und Zahlung"), this);
    auto* grid = gridOf(box);
    addText(grid, QStringLiteral("Verein"), QStringLiteral("Name &Verein"));
    addText(grid, QStringLiteral("Ort"), QStringLiteral("&Ort"));
    addText(grid, QStringLiteral("Bank"), QStringLiteral("&IBAN"));
    addText(grid, QStringLiteral("Kto"), QStringLiteral("BI&C"));
    // A German IBAN in its groups of four shows whole.
    QLineEdit* iban = edit(QStringLiteral("Bank"));
    iban->setMinimumWidth(std::max(
        textWidth,
        iban->fontMetrics().horizontalAdvance(QStringLiteral("DE00 0000 0000 0000 0000 00")) + 14));
    for (const QString& column : {QStringLiteral("Bank"), QStringLiteral("Kto")}) {
        // Connected after the box's link, so the row holds the text when it is checked.
        connect(edit(column), &QLineEdit::editingFinished, this,
                [this, column] { checkBankDetail(column, true); });
    }
    addGiroCodeBox(grid);
    addDate(grid, QStringLiteral("Zahlfrist"), QStringLiteral("Fällig&keitsdatum"));
    addText(grid, QStringLiteral("varzahlgrd"), QStringLiteral("Variabler Zahlungsgrun&d"));
    addText(grid, QStringLiteral("text6"), QStringLiteral("S&teuer-Nr."));
    addText(grid, QStringLiteral("text7"), QStringLiteral("Kassierer"));
    addText(grid, QStringLiteral("text8"), QStringLiteral("Telefon"));
    return box;
}

QGroupBox* Tparam::senderBox() {
    auto* box = new QGroupBox(QStringLiteral("Absender"), this);
    auto* grid = gridOf(box);
    addText(grid, QStringLiteral("absname"), QStringLiteral("Name"));
    addText(grid, QStringLiteral("absvorname"), QStringLiteral("Vorname"));
    addText(grid, QStringLiteral("absstrasse"), QStringLiteral("Strasse"));
    addText(grid, QStringLiteral("absort"), QStringLiteral("Ort"));
    addText(grid, QStringLiteral("absplz"), QStringLiteral("PLZ"));
    return box;
}

QGroupBox* Tparam::customItemsBox() {
    // Named in the custom items window; each row shows only while its item has a name.
    auto* box = new QGroupBox(QStringLiteral("neue Felder"), this);
    auto* grid = gridOf(box);
    for (const CustomItem* item : generalCustomItems()) {
        addNumber(grid, item->amountColumn, QString(), Kind::Input);
        QLabel* caption = label(item->amountColumn);
        // The treasurer's own names: shown as typed, wrapped rather than widening the window.
        caption->setTextFormat(Qt::PlainText);
        caption->setBuddy(nullptr);
        caption->setWordWrap(true);
        caption->setFixedWidth(customLabelWidth);
    }
    return box;
}

QGroupBox* Tparam::countBox() {
    auto* box = new QGroupBox(this);
    auto* column = new QVBoxLayout(box);
    m_plotCountButton = new QPushButton(QStringLiteral("Anzahl Parzellen"), box);
    m_electricitySumButton = new QPushButton(QStringLiteral("Kwh Strom Parz. ges."), box);
    m_waterSumButton = new QPushButton(QStringLiteral("m³ Wasser Parz. ges."), box);
    for (QPushButton* button : {m_plotCountButton, m_electricitySumButton, m_waterSumButton})
        column->addWidget(button);
    connect(m_plotCountButton, &QPushButton::clicked, this, &Tparam::showPlotCount);
    connect(m_electricitySumButton, &QPushButton::clicked, this, &Tparam::showElectricitySum);
    connect(m_waterSumButton, &QPushButton::clicked, this, &Tparam::showWaterSum);
    return box;
}

QGroupBox* Tparam::lossSharingBox(const QString& title, QList<QRadioButton*>& buttons) {
    auto* box = new QGroupBox(title, this);
    auto* row = new QHBoxLayout(box);
    for (const QString& caption :
         {QStringLiteral("gleichmässig"), QStringLiteral("verbrauchsabhängig")}) {
        auto* button = new QRadioButton(caption, box);
        // Checked only from the stored choice, which may be none.
        button->setAutoExclusive(false);
        row->addWidget(button);
        buttons << button;
    }
    row->addStretch();
    return box;
}

void Tparam::addNumber(QGridLayout* grid, const QString& column, const QString& caption,
                       Kind kind) {
    auto* edit = new QLineEdit(grid->parentWidget());
    edit->setFixedWidth(numberWidth);
    auto* link = new NumberFieldLink(m_dm.param(), column, edit, m_interaction);
    QLabel* text = addRow(grid, column, caption, edit);
    switch (kind) {
    case Kind::Computed:
        edit->setReadOnly(true);
        edit->setStyleSheet(computedStyle);
        edit->setToolTip(computedHint);
        text->setToolTip(computedHint);
        // Nothing to type here, so Tab passes it by; a click still lets the figure be copied.
        edit->setFocusPolicy(Qt::ClickFocus);
        text->setBuddy(nullptr);
        break;
    case Kind::OwnFigure:
        edit->setStyleSheet(ownBillStyle);
        link->setEmptyToZero(true);
        break;
    case Kind::Input:
        link->setEmptyToZero(true);
        break;
    }
    m_numberLinks.insert(column.toLower(), link);
}

void Tparam::addText(QGridLayout* grid, const QString& column, const QString& caption) {
    auto* edit = new QLineEdit(grid->parentWidget());
    edit->setMinimumWidth(textWidth);
    new TextFieldLink(m_dm.param(), column, edit);
    addRow(grid, column, caption, edit);
}

void Tparam::addDate(QGridLayout* grid, const QString& column, const QString& caption) {
    auto* edit = new QLineEdit(grid->parentWidget());
    edit->setMinimumWidth(textWidth);
    new DateFieldLink(m_dm.param(), column, edit, m_interaction);
    addRow(grid, column, caption, edit);
}

QLabel* Tparam::addRow(QGridLayout* grid, const QString& column, const QString& caption,
                       QLineEdit* edit) {
    auto* text = new QLabel(caption, grid->parentWidget());
    text->setBuddy(edit);
    const int row = grid->rowCount();
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    m_edits.insert(column.toLower(), edit);
    m_labels.insert(column.toLower(), text);
    return text;
}

void Tparam::addMainMeterNote(QGridLayout* grid, const QString& column) {
    auto* note = new QLabel(QStringLiteral("(falls gleichm. Umlage)"), grid->parentWidget());
    grid->addWidget(note, grid->rowCount(), 0);
    m_notes.insert(column.toLower(), note);
}

void Tparam::addGiroCodeBox(QGridLayout* grid) {
    m_giroCodeBox = new QCheckBox(QStringLiteral("GiroCode drucken"), grid->parentWidget());
    m_giroCodeBox->setToolTip(
        QStringLiteral("Rechnungen und Mahnungen tragen einen Code, mit dem das Mitglied die "
                       "Überweisung in seiner Banking-App ausfüllen lässt (nur mit gültiger "
                       "IBAN und einem Betrag über 0)."));
    grid->addWidget(m_giroCodeBox, grid->rowCount(), 1);
    connect(m_giroCodeBox, &QCheckBox::clicked, this, [this](bool checked) {
        Table& param = m_dm.param();
        if (param.isOpen() && !param.isEmpty())
            GiroCodeSetting::set(param, checked);
    });
}

void Tparam::checkBankDetail(const QString& column, bool warn) {
    const bool iban = column == QStringLiteral("Bank");
    const QString text = m_dm.param().text(column).trimmed();
    const QString problem = text.isEmpty() ? QString()
                            : iban         ? BankAccount::ibanProblem(text)
                                           : BankAccount::bicProblem(text);
    QLineEdit* box = edit(column);
    box->setStyleSheet(problem.isEmpty() ? QString() : invalidStyle);
    box->setToolTip(problem);

    QString& checked = m_checkedBankText[column.toLower()];
    const bool changed = text != checked;
    checked = text;
    if (!warn || !changed || problem.isEmpty())
        return;
    m_interaction.inform(
        iban ? QStringLiteral("Die IBAN „%1“ ist nicht gültig. %2\n\nSie wird so gespeichert, "
                              "wie sie eingegeben ist. Solange sie nicht stimmt, tragen "
                              "Rechnungen und Mahnungen keinen GiroCode.")
                   .arg(text, problem)
             : QStringLiteral("Der BIC „%1“ ist nicht gültig. %2\n\nEr wird so gespeichert, wie "
                              "er eingegeben ist; der GiroCode kommt ohne ihn aus.")
                   .arg(text, problem));
}

QLineEdit* Tparam::edit(const QString& column) const {
    return m_edits.value(column.toLower());
}

QLabel* Tparam::label(const QString& column) const {
    return m_labels.value(column.toLower());
}

QLabel* Tparam::noteLabel(const QString& column) const {
    return m_notes.value(column.toLower());
}

void Tparam::showEvent(QShowEvent* event) {
    // A modal window is shown before it becomes active; preparing it here means it never
    // appears with stale captions, even where the platform reports no activation.
    activate();
    QDialog::showEvent(event);
}

void Tparam::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activate();
    QDialog::changeEvent(event);
}

void Tparam::activate() {
    Table& param = m_dm.param();
    if (!param.isOpen())
        param.open();

    // The custom items window may have named items or linked them to the plot area since the
    // last showing.
    Table& nfelder = m_dm.nfelder();
    for (const CustomItem* item : generalCustomItems()) {
        if (!item->areaLinkColumn.isEmpty()) {
            NumberFieldLink* link = m_numberLinks.value(item->amountColumn.toLower());
            link->setFormat(nfelder.flag(item->areaLinkColumn) ? QStringLiteral("0.0000")
                                                               : QStringLiteral("0.00"));
        }
        const QString name = nfelder.text(item->labelColumn);
        QLabel* caption = label(item->amountColumn);
        if (!name.isEmpty())
            caption->setText(name);
        caption->setVisible(!name.isEmpty());
        edit(item->amountColumn)->setVisible(!name.isEmpty());
    }

    showLossSharing();

    const QSignalBlocker blocker(m_giroCodeBox);
    m_giroCodeBox->setEnabled(param.isOpen() && !param.isEmpty());
    m_giroCodeBox->setChecked(GiroCodeSetting::isOn(param));
    for (const QString& column : {QStringLiteral("Bank"), QStringLiteral("Kto")})
        checkBankDetail(column, false);
}

void Tparam::showLossSharing() {
    const Table& param = m_dm.param();
    const auto indexOf = [](LossSharing method) {
        return method == LossSharing::Equal ? 0 : method == LossSharing::ByConsumption ? 1 : -1;
    };
    const LossSharing electricity = LossSharingChoice::electricity(param);
    const LossSharing water = LossSharingChoice::water(param);
    checkOnly(m_electricityButtons, indexOf(electricity));
    checkOnly(m_waterButtons, indexOf(water));
    // Until a method is chosen the main-meter boxes stay in view: equal sharing needs them.
    showMainMeter(QStringLiteral("z6"), electricity != LossSharing::ByConsumption);
    showMainMeter(QStringLiteral("z7"), water != LossSharing::ByConsumption);
}

void Tparam::chooseElectricity(int index) {
    checkOnly(m_electricityButtons, index);
    Table& param = m_dm.param();
    if (param.isOpen())
        LossSharingChoice::setElectricity(param, index == 0 ? LossSharing::Equal
                                                            : LossSharing::ByConsumption);
    showMainMeter(QStringLiteral("z6"), index == 0);
}

void Tparam::chooseWater(int index) {
    checkOnly(m_waterButtons, index);
    Table& param = m_dm.param();
    if (param.isOpen())
        LossSharingChoice::setWater(param,
                                    index == 0 ? LossSharing::Equal : LossSharing::ByConsumption);
    showMainMeter(QStringLiteral("z7"), index == 0);
}

void Tparam::showMainMeter(const QString& column, bool visible) {
    label(column)->setVisible(visible);
    noteLabel(column)->setVisible(visible);
    edit(column)->setVisible(visible);
}

void Tparam::done(int result) {
    // A number the box refused keeps the window open on that box; a row that cannot be stored
    // keeps it open with what was typed.
    if (!commitFocusedEdit(this) || !store())
        return;
    QDialog::done(result);
}

bool Tparam::store() {
    if (m_storing)
        return false;
    m_storing = true;
    Table& param = m_dm.param();
    if (!param.isOpen())
        param.open();
    const bool stored = SingleRowStore::storeBeforeClosing(
        {&param}, m_interaction, QStringLiteral("Die allgemeinen Eingaben"));
    m_storing = false;
    return stored;
}

void Tparam::showPlotCount() {
    if (const std::optional<PlotSums> sums = readSums(m_dm, m_interaction))
        m_interaction.inform(QString::number(sums->count));
}

void Tparam::showElectricitySum() {
    if (const std::optional<PlotSums> sums = readSums(m_dm, m_interaction))
        m_interaction.inform(NumberFormat::format(sums->electricity, QString()) +
                             QStringLiteral(" kwh"));
}

void Tparam::showWaterSum() {
    if (const std::optional<PlotSums> sums = readSums(m_dm, m_interaction))
        m_interaction.inform(NumberFormat::format(sums->water, QString()) + QStringLiteral(" m³"));
}
