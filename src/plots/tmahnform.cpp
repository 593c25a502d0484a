#include "plots/tmahnform.h"

#include "plots/tmahncheck.h"

#include "data/dm1.h"
#include "framework/datagrid.h"
#include "framework/querymodel.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

QList<GridColumn> plotColumns() {
    GridColumn number(QStringLiteral("Parz.-Nr"), QStringLiteral("Nr"));
    number.width = 80;
    GridColumn name(QStringLiteral("Name"), QStringLiteral("Name"));
    name.width = 170;
    GridColumn firstName(QStringLiteral("Vorname"), QStringLiteral("Vorname"));
    firstName.width = 150;
    firstName.stretch = true;
    return {number, name, firstName};
}

} // namespace

Tmahnform::Tmahnform(DM1& dm, Interaction& interaction, TMahncheck& levelDialog, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_dunning(dm, interaction)
    , m_levelDialog(levelDialog) {
    setWindowTitle(QStringLiteral("nichtbezahlte Rechnungen"));
    auto* menu = new QMenuBar(this);
    connect(menu->addAction(QStringLiteral("&Schliessen")), &QAction::triggered, this,
            &QWidget::close);
    m_print = menu->addAction(QStringLiteral("&Mahnungen drucken"));
    connect(m_print, &QAction::triggered, this, &Tmahnform::Mahnungendrucken1Click);

    auto* panel = new QLabel(QStringLiteral("noch nicht bezahlt haben:"), this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setMargin(8);

    m_model = new QueryModel(m_dunning.unpaidList(), plotColumns(), this);
    m_grid = new DataGrid(*m_model, interaction, this);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(panel);
    layout->addWidget(m_grid, 1);
    resize(460, 480);
}

void Tmahnform::showUnpaidPlots(const QDate& today) {
    if (!m_dunning.openUnpaidList(today))
        return;
    m_model->refresh();
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, 0));
    exec();
    m_dunning.closeUnpaidList();
    m_model->refresh();
}

void Tmahnform::Mahnungendrucken1Click() {
    if (const std::optional<DunningLevel> level = m_levelDialog.chooseLevel())
        m_dunning.printLetters(*level);
}
