#pragma once

#include <QString>

class DM1;

// The voucher types 30 to 60 that the transfer of paid invoices books under: their master
// rows live in syskonto, and konto gets a fresh copy of them whenever the main cash book is
// opened, beside the treasurer's own codes.
namespace SystemVoucherTypes {

// Replaces the codes 30 to 60 in konto by the rows of syskonto in one unit of work, then
// shows konto afresh. A failure leaves konto as it was; returns the engine's text, empty on
// success.
QString rebuild(DM1& dm);

} // namespace SystemVoucherTypes
