#include "plots/tmahncheck.h"

#include "framework/dataentrywindow.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr DunningLevel levels[] = {DunningLevel::First, DunningLevel::Second, DunningLevel::Third};

} // namespace

TMahncheck::TMahncheck(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QString());
    m_levels = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    for (DunningLevel level : levels) {
        auto* button = new QRadioButton(u'&' + dunningHeading(level), this);
        m_levels->addButton(button, int(level));
        layout->addWidget(button);
    }
    m_ok = new QPushButton(QStringLiteral("&ok"), this);
    m_cancel = new QPushButton(QStringLiteral("a&bbrechen"), this);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Enter must not print letters, and mark plots, behind the user's back.
    makeDataEntryWindow(this);
}

QRadioButton* TMahncheck::levelButton(DunningLevel level) const {
    return qobject_cast<QRadioButton*>(m_levels->button(int(level)));
}

std::optional<DunningLevel> TMahncheck::selectedLevel() const {
    const int id = m_levels->checkedId();
    if (id < 0)
        return std::nullopt;
    return DunningLevel(id);
}

std::optional<DunningLevel> TMahncheck::chooseLevel() {
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return selectedLevel();
}
