#pragma once

#include <cstdint>
#include <string>

#include "core/variant.h"

// Small rules shared by the commands of the other bills' editor and list.
namespace qorarap {

inline constexpr int32_t kBillOperationDelete = 0;
inline constexpr int32_t kBillOperationCheck = 1;
inline constexpr int32_t kBillOperationUnCheck = 2;

// The word of an operation: "删除", "审核", "反审核"; "" for any other.
std::string OperationWord(int32_t operation);
// A date as "yyyy-mm-dd"; "" for an empty or null value.
std::string DateText(const qor::Variant& date);
// Whether the date lies before the start of the current period, compared as
// "yyyy-mm-dd" texts (an empty date counts as earlier).
bool IsBeforePeriodStart(const qor::Variant& date, double periodStart);
// A system setting through the system component ("" when absent).
std::string ReadSystemProfile(const std::string& section, const std::string& key);
// Whether the user id is the logged-in user's.
bool IsCurrentUser(const qor::Variant& userId);

}  // namespace qorarap
