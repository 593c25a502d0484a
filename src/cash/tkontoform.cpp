#include "cash/tkontoform.h"

#include "data/dm1.h"
#include "framework/dataentrywindow.h"
#include "framework/datagrid.h"
#include "framework/navigatorbar.h"
#include "framework/tablemodel.h"

#include <QMenuBar>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QList<GridColumn> voucherTypeColumns() {
    GridColumn code(QStringLiteral("Belegartart"), QStringLiteral("art"));
    code.width = 95;
    GridColumn text(QStringLiteral("Bezeichnung"), QStringLiteral("bezeichnung"));
    text.width = 330;
    text.stretch = true;
    GridColumn income(QStringLiteral("Einnahme"), QStringLiteral("einzahlung"),
                      GridColumn::Kind::YesNo);
    income.width = 80;
    return {code, text, income};
}

} // namespace

TKontoform::TKontoform(DM1& dm, Interaction& interaction, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_dm(dm) {
    setWindowTitle(QStringLiteral("Belegarten"));
    setObjectName(QStringLiteral("Kontoform"));
    makeDataEntryWindow(this);

    auto* menu = new QMenuBar(this);
    QMenu* file = menu->addMenu(QStringLiteral("&Datei"));
    connect(file->addAction(QStringLiteral("&Schließen")), &QAction::triggered, this,
            &QWidget::close);

    Table& types = dm.konto();
    m_navigator =
        new NavigatorBar(types, interaction,
                         {QStringLiteral("Erste Belegart"), QStringLiteral("Vorherige Belegart"),
                          QStringLiteral("Nächste Belegart"), QStringLiteral("Letzte Belegart"),
                          QStringLiteral("Neue Belegart"), QStringLiteral("Belegart löschen")},
                         this);
    m_model = new TableModel(types, voucherTypeColumns(), this);
    m_grid = new DataGrid(*m_model, interaction, this);
    m_grid->setToolTip(QStringLiteral("A c h t u n g ! Die Belegarten 30-60 werden "
                                      "programmintern verwendet und dürfen vom Anwender n i c h t "
                                      "vergeben werden!"));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(m_navigator);
    layout->addWidget(m_grid);
    setFixedSize(560, 520);
}

void TKontoform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Table& types = m_dm.konto();
    types.open();
    types.first();
}

void TKontoform::done(int result) {
    if (!m_grid->storePendingRow())
        return;
    QDialog::done(result);
    Q_EMIT voucherTypesClosed();
}
