#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

// Presses Enter in every box of a window that takes typing, as a treasurer finishing an entry
// does. Returns what went wrong (a button that was pressed, a window that closed); empty when
// Enter only ended the edit in each box.
inline QString pressEnterInEveryBox(QWidget* window) {
    QStringList pressed;
    QList<QMetaObject::Connection> connections;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        connections << QObject::connect(button, &QAbstractButton::clicked,
                                        [&pressed, button] { pressed << button->text(); });
    }
    QString problem;
    int boxes = 0;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->isVisible() || !edit->isEnabled() || edit->isReadOnly())
            continue;
        ++boxes;
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
        const QString box = QStringLiteral("box %1 („%2“)").arg(boxes).arg(edit->text());
        if (!pressed.isEmpty()) {
            problem = QStringLiteral("Enter in %1 pressed %2").arg(box, pressed.join(u','));
            break;
        }
        if (!window->isVisible()) {
            problem = QStringLiteral("Enter in %1 closed the window").arg(box);
            break;
        }
    }
    for (const QMetaObject::Connection& connection : connections)
        QObject::disconnect(connection);
    if (problem.isEmpty() && boxes == 0)
        problem = QStringLiteral("the window has no box to type into");
    return problem;
}
