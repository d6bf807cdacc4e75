#include "settlement/settlement_calc.h"

#include <cstdio>

#include "common/amounts.h"
#include "core/vb.h"

namespace qorarap {

namespace {

std::string Number(double value) { return qor::FormatDouble(value); }

double Rounded(double value, int32_t decimals) {
  return qor::CDbl(RoundAmount(qor::Variant(value), decimals));
}

}  // namespace

double CurrencyRate(double exchangeRate, std::string_view op) {
  if (op == "*") return exchangeRate;
  if (op == "/") {
    if (exchangeRate == 0) qor::RaiseError(11, "QORARAPBillInterface", "Division by zero");
    return 1 / exchangeRate;
  }
  return 0;
}

std::string FormatLocalAmount(double value, int32_t decimals) {
  if (decimals < 0) decimals = 0;
  double rounded = Rounded(value, decimals);
  if (rounded == 0) rounded = 0;  // no "-0.00"
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(decimals), rounded);
  return buffer;
}

double ReceivedFromDiscount(double discountPercent, double gross, int32_t decimals) {
  return Rounded(discountPercent * gross / 100, decimals);
}

double GrossFromReceived(double received, double discountPercent) {
  double q = discountPercent / 100;
  return q == 0 ? 0 : received / q;
}

std::string DocumentSelectionFilter(const SettlementSide& side, std::string filter,
                                    double counterpartyId, double currencyId,
                                    const std::vector<SettlementRowSource>& rows) {
  const std::string view(side.documentView);
  std::string exclusion;
  for (const SettlementRowSource& row : rows) {
    exclusion += "(" + view + ".FBillID =" + Number(row.interId) + " and " + view +
                 ".FEntryID_HXD_SRC = " + Number(row.entryId) + " and " + view +
                 ".FClassTypeID_SRC = " + Number(row.classId) + ")" + " or ";
  }
  // The last separator loses " or" and keeps its leading blank.
  if (!exclusion.empty()) exclusion.resize(exclusion.size() - 3);
  if (filter.empty()) filter = "  1=1 ";
  if (counterpartyId != 0) {
    filter += " and " + view + "." + std::string(side.documentCounterpartyColumn) + " =" +
              Number(counterpartyId);
  }
  if (currencyId < 1) return filter;
  if (currencyId != 1) filter += "  And " + view + ".fCurrencyid in(1," + Number(currencyId) + ")";
  if (!exclusion.empty()) filter += " and not (" + exclusion + ")";
  return filter;
}

RefundSelection RefundSelectionFilter(const SettlementSide& side, std::string filter,
                                      double counterpartyId, double currencyId,
                                      const std::vector<SettlementRowSource>& rows) {
  const std::string view(side.refundView);
  std::string taken;
  for (const SettlementRowSource& row : rows) {
    if (!taken.empty()) taken += ",";
    taken += Number(row.refundEntryId);
  }
  RefundSelection result;
  if (filter.empty()) filter = "  1=1 ";
  if (counterpartyId != 0) {
    filter += " and " + view + "." + std::string(side.refundCounterpartyColumn) + " =" +
              Number(counterpartyId);
  }
  if (currencyId > 0) {
    if (currencyId != 1) {
      filter += "  And " + view + ".fCurrencyid in(1," + Number(currencyId) + ")";
    }
    if (!taken.empty()) filter += " and " + view + ".FID not in(" + taken + ")";
    result.headSort = " " + view + ".Fbillid desc";
  }
  result.filter = filter;
  return result;
}

std::string EmployeeFilter(const SettlementSide& side, const std::string& departmentId) {
  std::string condition =
      " IsNull(FDepartmentID,'')='' or IsNull(FDepartmentID,'')=" + departmentId;
  if (!side.employeeFilterInParentheses) return condition;
  return " (" + condition.substr(1) + ")";
}

std::optional<double> PickedRowLocalAmount(double rate, double settleFor, double openFor,
                                           double amountFor, int32_t localDecimals) {
  if (settleFor != openFor) return Rounded(rate * settleFor, localDecimals);
  if (amountFor == openFor) return Rounded(rate * amountFor, localDecimals);
  return std::nullopt;
}

}  // namespace qorarap
