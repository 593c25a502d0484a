#include "cash/tselect.h"

#include "data/dm1.h"
#include "framework/dataentrywindow.h"
#include "framework/datagrid.h"
#include "framework/navigatorbar.h"
#include "framework/numberformat.h"
#include "framework/querymodel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QList<GridColumn> entryColumns() {
    using Kind = GridColumn::Kind;
    GridColumn number(QStringLiteral("Beleg-Nr."), QStringLiteral("lfd_nr"), Kind::Number);
    number.format = QStringLiteral("0");
    number.width = 75;
    GridColumn date(QStringLiteral("Datum"), QStringLiteral("datum"), Kind::Date);
    date.width = 95;
    GridColumn type(QStringLiteral("Belegart"), QStringLiteral("Art"));
    type.width = 75;
    GridColumn text(QStringLiteral("Bezeichnung"), QStringLiteral("Bezeichnung"));
    text.width = 340;
    text.stretch = true;
    GridColumn income(QStringLiteral("Einnahme"), QStringLiteral("Einnahme"), Kind::Number);
    income.format = QStringLiteral("0.00");
    income.width = 100;
    GridColumn expense(QStringLiteral("Ausgabe"), QStringLiteral("Ausgabe"), Kind::Number);
    expense.format = QStringLiteral("0.00");
    expense.width = 100;
    return {number, date, type, text, income, expense};
}

QString sum(const Query& sums, const QString& field) {
    if (!sums.isOpen() || sums.isEmpty() || sums.valueAt(0, field).isNull())
        return {};
    return NumberFormat::format(sums.valueAt(0, field).toDouble(), QStringLiteral("0.00"));
}

} // namespace

Tselect::Tselect(DM1& dm, Interaction& interaction, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_dm(dm) {
    makeDataEntryWindow(this);
    auto* menu = new QMenuBar(this);
    connect(menu->addAction(QStringLiteral("&Schließen")), &QAction::triggered, this,
            &QWidget::close);

    m_model = new QueryModel(dm.selectQuery(), entryColumns(), this);
    m_grid = new DataGrid(*m_model, interaction, this);
    m_navigator =
        new NavigatorBar(*m_grid,
                         {QStringLiteral("Erster Eintrag"), QStringLiteral("Vorheriger Eintrag"),
                          QStringLiteral("Nächster Eintrag"), QStringLiteral("Letzter Eintrag")},
                         this);
    m_navigator->hide();

    m_income = new QLabel(this);
    m_expense = new QLabel(this);
    for (QLabel* label : {m_income, m_expense}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(110);
    }
    auto* sums = new QGridLayout;
    sums->addWidget(new QLabel(QStringLiteral("Einnahmen[€] :"), this), 0, 0);
    sums->addWidget(m_income, 0, 1);
    sums->addWidget(new QLabel(QStringLiteral("Ausgaben[€]   :"), this), 1, 0);
    sums->addWidget(m_expense, 1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(m_navigator, 0, Qt::AlignVCenter);
    top->addStretch();
    top->addLayout(sums);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addLayout(top);
    layout->addWidget(m_grid);
    setFixedSize(860, 560);
}

void Tselect::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    setWindowTitle(QStringLiteral("Belegart ") + m_code);
    m_navigator->setVisible(m_navigatorShown);
    m_model->refresh();
    const Query& sums = m_dm.sumQuery();
    m_income->setText(sum(sums, QStringLiteral("einnahme")));
    m_expense->setText(sum(sums, QStringLiteral("ausgabe")));
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, 0));
}
