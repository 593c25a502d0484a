#pragma once

// The two layouts of the annual statement.
enum class StatementLayout {
    WithTransferForm,    // the fields of the bank's pre-printed transfer form on each page
    WithoutTransferForm, // one column, with the association's bank details at the foot
};

// How the statements of one billing run are printed.
struct StatementOptions {
    StatementLayout layout = StatementLayout::WithTransferForm;
    // Whether the run shared a medium's losses equally among the metered plots: only then is
    // the consumption printed as own use plus loss share.
    bool electricityEqualShare = false;
    bool waterEqualShare = false;
};
