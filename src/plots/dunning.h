#pragma once

#include "reports/dunninglevel.h"

#include <QDate>
#include <QString>

class DM1;
class Interaction;
class Query;

// Dunning the plots whose bill is still unpaid once it has fallen due: the list of those
// plots (the data module's mahnquery), the dunning mark the first letter sets, and the
// letters.
class Dunning {
public:
    Dunning(DM1& dm, Interaction& interaction);

    // Why the list of unpaid plots does not open today, in German; empty when it does.
    QString whyNotOverdue(const QDate& today = QDate::currentDate());

    // Opens the list of every unpaid plot, in text order of the plot numbers, once the due
    // date has passed; what the plot register has not stored yet is stored first. Returns
    // false without a word before that, and after reporting when the list cannot be read.
    // The list keeps the rows it read until it is closed.
    bool openUnpaidList(const QDate& today = QDate::currentDate());
    Query& unpaidList();
    void closeUnpaidList();

    // Shows the letters of the level in the preview, one for every plot of the open list as
    // it was read, and returns when the preview is closed. The first level marks every plot
    // that is unpaid now as dunned first, so that the dunning fee is owed; a failure to mark
    // is reported, and the letters are shown all the same.
    void printLetters(DunningLevel level, const QDate& printDate = QDate::currentDate());

private:
    QDate dueDate();
    // Marks every unpaid plot as dunned, in one statement. Returns the engine's error text,
    // empty on success.
    QString markUnpaidPlots();

    DM1& m_dm;
    Interaction& m_interaction;
};
