#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/variant.h"

// The computations of the other bills: the due date from the partner's
// payment terms, the exchange rate of a currency, list membership. Dates are
// OLE dates (days since 1899-12-30).
namespace qorarap {

inline constexpr int32_t kTermsByDays = 1;   // due a number of days after the bill date
inline constexpr int32_t kTermsMonthly = 2;  // due on a day of the month

// One row of the payment terms (t_SetDl).
struct PaymentTerms {
  int32_t type = 0;
  int32_t standDays = 0;
  int32_t monthPayDay = 0;
  int32_t beforeDays = 0;
};

// Terms by days: the bill date plus the standard days. Monthly terms: the
// first pay day on or after the bill date plus the days before. No terms, or
// terms of another kind: the bill date itself.
double DueDateOf(double billDate, const std::optional<PaymentTerms>& terms);

// The rate from the currency to the local currency as the bill stores it:
// the rate itself for the operator "*", its reciprocal for "/", 0 for any
// other operator.
double BillExchangeRate(const std::string& op, double rate);

// True when an element of the list equals the value (variant equality).
bool IsInList(const qor::Variant& value, const std::vector<qor::Variant>& list);

}  // namespace qorarap
