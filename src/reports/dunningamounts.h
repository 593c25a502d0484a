#pragma once

#include <QtGlobal>

class Query;

// What a dunning letter asks of a plot, in whole cents: the bill as it stood before any
// dunning fee, the fee, and both together. The plot register may already have added the fee
// to the stored total (and marked that it did); it is taken out of the bill again, so that
// the letter asks for the fee once and its lines add up to what it asks for.
struct DunningAmounts {
    qint64 billCents = 0;
    qint64 feeCents = 0;
    qint64 totalCents() const { return billCents + feeCents; }

    // From one row of "select * from parzelle,param,nfelder": gesamt, Mahngebuehr and the
    // plot's mark that gesamt holds the fee.
    static DunningAmounts fromRow(const Query& row);
};
