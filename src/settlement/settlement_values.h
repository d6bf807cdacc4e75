#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/variant.h"
#include "host/bill_editor.h"

// Reading the receipt or payment open in the editor as numbers, for the save
// checks, the automatic amounts and the bill commands.
namespace qorarap::settle {

// A side's key with "For" appended (the amount in the transaction currency).
std::string ForKey(std::string_view key);
// The stored value of the field (row -1 the header) read as a number; empty is 0.
double Number(const std::shared_ptr<qor::BillEvent>& editor, std::string_view key,
              int32_t row = -1);
// The field's value rounded to decimals, as a number.
double Rounded(const std::shared_ptr<qor::BillEvent>& editor, std::string_view key,
               int32_t decimals, int32_t row = -1);
// Decimals of a currency (its "ScaleX" in the ledger view).
int32_t CurrencyDecimals(int32_t currencyId);
// Rows of the settlement entry (entry page 2).
int32_t SettlementRowCount(const std::shared_ptr<qor::BillEvent>& editor);
// A field read from a recordset row: Null and empty count as 0.
double RecordNumber(const qor::Variant& value);

}  // namespace qorarap::settle
