#pragma once

#include "framework/reportdocument.h"

class DM1;
struct BillingFlags;

// The annual statements of every plot in DruckQuery, in the layout with the bank transfer
// form or in the second one.
namespace Statements {

ReportDocument layout(DM1& dm, const BillingFlags& flags, bool secondLayout);

} // namespace Statements
