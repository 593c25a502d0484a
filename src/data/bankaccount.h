#pragma once

#include <QString>

// The association's bank account as the parameter row keeps it: an IBAN in `Bank`, a BIC in
// `Kto`. Both are stored as typed (old data may hold something else there), so the checks
// only say what is wrong, in words for the treasurer.
namespace BankAccount {

// The IBAN without blanks, in capitals: "DE02 1203 0000 0000 2020 51" → "DE02120300000000202051".
QString compactIban(const QString& typed);
// The BIC without blanks, in capitals.
QString compactBic(const QString& typed);

// Why the IBAN is not valid (its country code, its length for that country, the ISO 7064
// mod-97 check), as a German sentence; empty when it is valid. Blanks between the groups are
// allowed.
QString ibanProblem(const QString& typed);
bool isValidIban(const QString& typed);

// Why the BIC is not valid: 8 or 11 characters, four letters for the bank, two for the
// country, two letters or digits for the place and perhaps three for the branch. Empty when
// it is valid.
QString bicProblem(const QString& typed);
bool isValidBic(const QString& typed);

} // namespace BankAccount
