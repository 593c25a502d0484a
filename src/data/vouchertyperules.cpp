#include "data/vouchertyperules.h"

#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/table.h"

#include "data/interaction.h"

#include <QLocale>

VoucherTypeRules::VoucherTypeRules(DM1& dm)
    : m_dm(dm) {}

VoucherTypeRules::Verdict VoucherTypeRules::checkCode(const QString& code) {
    QString number = code.trimmed();
    number.replace(u',', u'.'); // "45,5" is the German way of writing 45.5
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok)
        return Verdict::NotANumber;
    return value > 29 && value < 61 ? Verdict::Reserved : Verdict::Accepted;
}

void VoucherTypeRules::beforeClose(Table& types) {
    types.edit();
    types.post();
}

void VoucherTypeRules::valueChanged(Table& types, const QString& column) {
    if (column.compare(QStringLiteral("art"), Qt::CaseInsensitive) != 0)
        return;
    const Verdict verdict = checkCode(types.text(QStringLiteral("art")));
    if (verdict == Verdict::Accepted)
        return;
    m_dm.interaction().inform(
        verdict == Verdict::Reserved
            ? QStringLiteral("Die Belegarten 30-60 dürfen hier nicht verwendet werden!")
            : QStringLiteral("Die Belegart muss eine Zahl sein, zum Beispiel 7 oder 100."));
    if (types.state() == Table::State::Insert)
        types.cancel();
    else
        types.revert(QStringLiteral("art"));
}

void VoucherTypeRules::postFailed(Table& types, const QString& engineError) {
    const bool duplicate = engineError.contains(QStringLiteral("UNIQUE"), Qt::CaseInsensitive);
    m_dm.interaction().inform(duplicate ? QStringLiteral("BA existiert bereits!")
                                        : EngineError::describe(engineError));
    if (types.state() == Table::State::Insert || m_retrying) {
        types.cancel();
        return;
    }
    // The stored voucher type keeps its code; whatever else was changed is still stored.
    m_retrying = true;
    types.revert(QStringLiteral("art"));
    types.post();
    m_retrying = false;
}
