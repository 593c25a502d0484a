#include "plots/tneufelder.h"

#include "data/customitems.h"
#include "data/dm1.h"
#include "data/table.h"
#include "framework/dataentrywindow.h"
#include "framework/fieldlink.h"
#include "framework/flaglink.h"
#include "framework/singlerowstore.h"
#include "framework/textfieldlink.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

// Room for a label of about thirty characters; longer ones scroll.
constexpr int labelEditWidth = 230;

// Item numbers of one column of the window, in the order of its rows.
QList<int> itemNumbers(bool perPlot) {
    QList<int> numbers;
    for (const CustomItem& item : CustomItems::all()) {
        if (item.isPerPlot() == perPlot)
            numbers << item.number;
    }
    return numbers;
}

} // namespace

Tneufelder::Tneufelder(DM1& dm, QWidget* parent)
    : QDialog(parent)
    , m_dm(dm) {
    setWindowTitle(QStringLiteral("neue Felder"));

    auto* menu = new QMenuBar(this);
    QAction* schliessen1 = menu->addAction(QStringLiteral("schliessen"));
    schliessen1->setObjectName(QStringLiteral("schliessen1"));
    connect(schliessen1, &QAction::triggered, this, &QWidget::close);

    // The two lines read as one sentence, with the two blanks it has always had.
    auto* heading1 = new QLabel(QStringLiteral("Definieren Sie  hier weitere Eingabefelder für"));
    auto* heading2 =
        new QLabel(QStringLiteral("die Formulare 'Parzelle' und 'allgemeine Eingaben'"));
    QFont headingFont = heading1->font();
    headingFont.setBold(true);
    heading1->setFont(headingFont);
    heading2->setFont(headingFont);

    QGroupBox* plotItems = createGroup(QStringLiteral("Felder für 'Parzelle'"), itemNumbers(true));
    QGroupBox* generalItems =
        createGroup(QStringLiteral("Felder für 'allgemeine Eingaben'"), itemNumbers(false));

    auto* columns = new QHBoxLayout;
    columns->addWidget(plotItems, 0, Qt::AlignTop);
    columns->addWidget(generalItems, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(heading1);
    layout->addWidget(heading2);
    layout->addSpacing(8);
    layout->addLayout(columns);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Down the plot items, then down the general items, each row from left to right.
    QList<QWidget*> order;
    for (const QList<int>& column : {itemNumbers(true), itemNumbers(false)}) {
        for (int number : column) {
            order << m_labelEdits.value(number) << m_incomeBoxes.value(number);
            if (QCheckBox* link = m_areaLinkBoxes.value(number))
                order << link;
        }
    }
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
    order.first()->setFocus();
    makeDataEntryWindow(this);
}

QGroupBox* Tneufelder::createGroup(const QString& title, const QList<int>& itemNumbers) {
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    Table& items = m_dm.nfelder();
    int row = 0;
    for (int number : itemNumbers) {
        const CustomItem& item = CustomItems::all().at(number - 1);

        auto* edit = new QLineEdit(group);
        edit->setFixedWidth(labelEditWidth);
        // Stored when the box is left: a label emptied on the way to a new one must not
        // clear the item's amounts.
        new TextFieldLink(items, item.labelColumn, edit, TextFieldLink::Commit::OnLeave);
        m_labelEdits.insert(number, edit);

        // Alt+digit reaches the row; the same digit in the other column takes turns.
        auto* caption = new QLabel(QStringLiteral("Feld &%1").arg(row + 1), group);
        caption->setBuddy(edit);

        auto* income = new QCheckBox(QStringLiteral("Einnahme"), group);
        new FlagLink(items, item.flagColumn, income);
        m_incomeBoxes.insert(number, income);

        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(income, row, 2);
        if (!item.areaLinkColumn.isEmpty()) {
            auto* link = new QCheckBox(QStringLiteral("verknüpfen mit Gartenfläche"), group);
            new FlagLink(items, item.areaLinkColumn, link);
            m_areaLinkBoxes.insert(number, link);
            grid->addWidget(link, row, 3);
        }
        ++row;
    }
    return group;
}

void Tneufelder::done(int result) {
    // Items that cannot be stored keep the window open with what was typed.
    if (!storeItems())
        return;
    QDialog::done(result);
}

bool Tneufelder::storeItems() {
    // A label still being typed has not been stored yet.
    commitFocusedEdit(this);
    Table& systemTypes = m_dm.syskonto();
    systemTypes.open();
    // The voucher type of the item last touched may still wait in editing.
    const bool closing = SingleRowStore::storeBeforeClosing(
        {&m_dm.nfelder(), &systemTypes}, m_dm.interaction(), QStringLiteral("Die neuen Felder"));
    if (closing)
        Q_EMIT itemsChanged();
    return closing;
}
