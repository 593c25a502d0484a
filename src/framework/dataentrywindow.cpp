#include "framework/dataentrywindow.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {

// Watches the dialog: Enter reaches it only when the focused control had no use for it.
class DataEntryKeys : public QObject {
public:
    explicit DataEntryKeys(QDialog* window)
        : QObject(window)
        , m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Show) {
            // Before the dialog picks a default button of its own when it is shown; buttons
            // added after construction are caught here too.
            noDefaultButtons();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            if (enter && plain) {
                auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
                if (button && button->window() == m_window && button->isEnabled())
                    button->click();
                return true;
            }
        }
        return false;
    }

private:
    void noDefaultButtons() {
        for (QPushButton* button : m_window->findChildren<QPushButton*>()) {
            if (button->window() != m_window)
                continue;
            button->setAutoDefault(false);
            button->setDefault(false);
        }
    }

    QDialog* m_window;
};

} // namespace

void makeDataEntryWindow(QDialog* window) {
    window->installEventFilter(new DataEntryKeys(window));
}
