#include "common/amounts.h"

#include <cmath>

#include "core/vb.h"
#include "core/vb_round.h"

namespace qorarap {

namespace {

// Amounts this large are out of the range the product stores; they count as 0.
constexpr double kAmountLimit = 922337203685478.0;

}  // namespace

qor::Variant RoundAmount(const qor::Variant& value, int32_t decimals) {
  if (decimals < 0) qor::RaiseError(qor::kErrInvalidCall, "QORARAPBillInterface");
  if (value.IsNull()) return qor::Variant(0);
  double amount = qor::CDbl(value);
  if (std::fabs(amount) >= kAmountLimit || amount == 0) return qor::Variant(0);
  return qor::Variant(qor::RoundHalfAway(value, decimals));
}

}  // namespace qorarap
