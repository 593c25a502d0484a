#include "framework/menubartooltips.h"

#include <QAction>
#include <QEvent>
#include <QHelpEvent>
#include <QMenuBar>
#include <QToolTip>

namespace {

class MenuBarToolTips : public QObject {
public:
    explicit MenuBarToolTips(QMenuBar* menuBar)
        : QObject(menuBar)
        , m_menuBar(menuBar) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_menuBar || event->type() != QEvent::ToolTip)
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        QAction* action = m_menuBar->actionAt(help->pos());
        // An action without a tooltip of its own has its text as tooltip: nothing to add.
        if (action && action->toolTip() != QString(action->text()).remove(u'&'))
            QToolTip::showText(help->globalPos(), action->toolTip(), m_menuBar,
                               m_menuBar->actionGeometry(action));
        else
            QToolTip::hideText();
        return true;
    }

private:
    QMenuBar* m_menuBar;
};

} // namespace

void showMenuBarToolTips(QMenuBar* menuBar) {
    menuBar->installEventFilter(new MenuBarToolTips(menuBar));
}
