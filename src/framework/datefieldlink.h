#pragma once

#include "framework/fieldlink.h"

class Interaction;
class QLineEdit;

// A date column in a line edit, as dd.mm.yyyy, or empty. The date is stored when the box is
// left; a date that does not exist ("31.02.2026") is refused with a message, and the box shows
// the stored date again and takes the focus back. Escape puts back the stored date of such a
// text.
class DateFieldLink : public FieldLink {
    Q_OBJECT

public:
    DateFieldLink(Table& table, const QString& column, QLineEdit* edit, Interaction& interaction);
    void refresh() override;
    bool commit() override;

protected:
    void rowChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The typed date; invalid when the text is no date (an empty text is no date either).
    QDate typedDate() const;
    void showStored();

    QLineEdit* m_edit;
    Interaction& m_interaction;
};
