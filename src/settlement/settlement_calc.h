#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settlement/settlement_side.h"

// The arithmetic and SQL texts of the receipt and payment editor that need
// no editor: rates, discounts, the local amount format and the filters of
// the source selection.
namespace qorarap {

// Decimals the settlement rows show their exchange rate with.
inline constexpr int32_t kRowRateDecimals = 10;

// The rate of a currency from its "ExchangeRate" and "Operator": "*" the
// rate itself, "/" its reciprocal; any other operator gives 0.
double CurrencyRate(double exchangeRate, std::string_view op);

// An amount as text with exactly decimals places ("0." and one "0" per
// decimal), rounded half away from zero.
std::string FormatLocalAmount(double value, int32_t decimals);

// Amount received for a discount rate in percent of the gross amount,
// rounded to the currency's decimals.
double ReceivedFromDiscount(double discountPercent, double gross, int32_t decimals);
// Gross amount that a received amount makes at a discount rate in percent;
// 0 when the rate is 0.
double GrossFromReceived(double received, double discountPercent);

// The keys of a settlement row that tell which source line it settles.
struct SettlementRowSource {
  double interId = 0;        // "FInterID"
  double entryId = 0;        // "FEntryID_HXD_SRC"
  double classId = 0;        // "FClassID_SRC"
  double refundEntryId = 0;  // "FEntryID_SRC"
};

// The filter of the document selection: sFilter (as it arrives) narrowed to
// the counterparty, to the local and the bill's currency, and without the
// lines already on the bill. Nothing is added past the counterparty when
// the bill has no currency.
std::string DocumentSelectionFilter(const SettlementSide& side, std::string filter,
                                    double counterpartyId, double currencyId,
                                    const std::vector<SettlementRowSource>& rows);

// The filter of the refund selection and the order of its lines ("" keeps
// the window's own order).
struct RefundSelection {
  std::string filter;
  std::string headSort;
};
RefundSelection RefundSelectionFilter(const SettlementSide& side, std::string filter,
                                      double counterpartyId, double currencyId,
                                      const std::vector<SettlementRowSource>& rows);

// The lookup filter of the employee field: employees without department or
// of the department.
std::string EmployeeFilter(const SettlementSide& side, const std::string& departmentId);

// The local settlement amount of a row just picked: the settled part at the
// row rate; the whole document at the row rate when the whole open amount of
// a document never settled before is taken; nothing (keep what the
// selection copied) otherwise.
std::optional<double> PickedRowLocalAmount(double rate, double settleFor, double openFor,
                                           double amountFor, int32_t localDecimals);

}  // namespace qorarap
