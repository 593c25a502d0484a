#include "plots/tsuchen.h"

#include "plots/plotsearch.h"

#include "data/interaction.h"
#include "data/table.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString byName = QStringLiteral("Name");
const QString byNumber = QStringLiteral("Parz.-Nr.");

} // namespace

TSuchen::TSuchen(Table& plots, Interaction& interaction, QWidget* parent)
    : QDialog(parent)
    , m_plots(plots)
    , m_interaction(interaction) {
    setWindowTitle(QStringLiteral("Suchen"));

    m_field = new QComboBox(this);
    m_field->setEditable(true);
    m_field->addItems({byName, byNumber});
    m_field->setEditText(QString());
    auto* fieldLabel = new QLabel(QStringLiteral("Such&feld"), this);
    fieldLabel->setBuddy(m_field);

    m_value = new QLineEdit(this);
    m_value->setMinimumWidth(200);
    auto* valueLabel = new QLabel(QStringLiteral("Such&wert"), this);
    valueLabel->setBuddy(m_value);

    m_search = new QPushButton(QStringLiteral("&suchen"), this);
    m_next = new QPushButton(QStringLiteral("&nächster"), this);
    m_cancel = new QPushButton(QStringLiteral("&abbrechen"), this);
    // Enter in the search value searches; it never walks on or closes by accident.
    m_search->setDefault(true);
    m_next->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_search, &QPushButton::clicked, this, &TSuchen::search);
    connect(m_next, &QPushButton::clicked, this, [this] { m_plots.next(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(fieldLabel, 0, 0);
    grid->addWidget(m_field, 0, 1);
    grid->addWidget(valueLabel, 1, 0);
    grid->addWidget(m_value, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_search);
    buttons->addWidget(m_next);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSuchen::done(int result) {
    // Every search starts afresh.
    m_value->clear();
    m_field->setEditText(QString());
    QDialog::done(result);
}

void TSuchen::search() {
    const QString value = m_value->text();
    if (value.isEmpty()) {
        m_interaction.inform(QStringLiteral("kein Suchwert eingegeben!"));
        return;
    }
    const QString field = m_field->currentText();
    if (field == byName) {
        if (PlotSearch::findName(m_plots, value) == PlotSearch::Outcome::NotFound)
            m_interaction.inform(QStringLiteral("Name nicht gefunden..."));
    } else if (field == byNumber) {
        if (PlotSearch::findNumber(m_plots, value) == PlotSearch::Outcome::NotFound)
            m_interaction.inform(QStringLiteral("Nr nicht gefunden..."));
    }
    // Any other field, typed or empty, searches nothing. A plot whose changes the record
    // rules refused has been explained by them, and the search has not moved.
}
