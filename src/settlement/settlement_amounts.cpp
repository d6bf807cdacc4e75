#include "settlement/settlement_amounts.h"

#include <cmath>

#include "common/amounts.h"
#include "core/vb.h"
#include "core/vb_error.h"

namespace qorarap {

namespace {

constexpr int32_t kErrDivisionByZero = 11;

int Sign(double x) { return (x > 0) - (x < 0); }

double Divide(double a, double b) {
  if (b == 0) qor::RaiseError(kErrDivisionByZero, "QORARAPBillInterface");
  return a / b;
}

// The whole open amount of the row; returns what it takes in header currency.
RowSettlement SettleFully(const SplitRow& row) {
  return {RoundTo(row.openAmount, row.decimals),
          RoundTo(row.openAmount * row.exchangeRate, row.localDecimals)};
}

std::optional<RowSettlement> SplitSameCurrency(const SplitRow& row, double& remaining) {
  double open = row.openAmount;
  bool sameDirection = Sign(remaining) == Sign(open) || remaining <= 0;
  if (sameDirection && std::fabs(remaining) <= std::fabs(open)) {
    RowSettlement part{RoundTo(remaining, row.decimals),
                       RoundTo(remaining * row.exchangeRate, row.localDecimals)};
    remaining = 0;
    return part;
  }
  remaining -= open;
  return SettleFully(row);
}

// Local header, foreign row: the header amount is local money.
std::optional<RowSettlement> SplitForeignRow(const SplitHeader& header, const SplitRow& row,
                                             double& remaining) {
  double rate = row.exchangeRate;
  double openLocal = RoundTo(row.openAmount * rate, header.decimals);
  bool credit = Sign(openLocal) != Sign(remaining) && remaining > 0;
  if (!credit && std::fabs(Divide(remaining, rate)) <= std::fabs(row.openAmount)) {
    RowSettlement part{RoundTo(Divide(remaining, rate), row.decimals),
                       RoundTo(remaining, row.localDecimals)};
    remaining = 0;
    return part;
  }
  remaining -= openLocal;
  return SettleFully(row);
}

// Foreign header, local row: the header rate turns the remainder into local money.
std::optional<RowSettlement> SplitLocalRow(const SplitHeader& header, const SplitRow& row,
                                           double& remaining) {
  double rate = header.exchangeRate;
  double openInHeader = RoundTo(Divide(row.openAmount, rate), header.decimals);
  bool credit = Sign(openInHeader) != Sign(remaining) && remaining > 0;
  if (credit || std::fabs(remaining * rate) > std::fabs(row.openAmount)) {
    remaining -= openInHeader;
    return RowSettlement{RoundTo(row.openAmount, row.decimals),
                         RoundTo(row.openAmount, row.localDecimals)};
  }
  RowSettlement part{RoundTo(remaining * rate, row.decimals),
                     RoundTo(remaining * rate, row.localDecimals)};
  remaining = 0;
  return part;
}

}  // namespace

double RoundTo(double amount, int32_t decimals) {
  return qor::CDbl(RoundAmount(qor::Variant(amount), decimals));
}

std::optional<RowSettlement> SplitRowAmount(const SplitHeader& header, const SplitRow& row,
                                            double& remaining) {
  if (row.currency == header.currency) return SplitSameCurrency(row, remaining);
  if (header.currency == kLocalCurrency) return SplitForeignRow(header, row, remaining);
  if (row.currency == kLocalCurrency) return SplitLocalRow(header, row, remaining);
  return std::nullopt;
}

HeaderAmounts SumHeaderAmounts(const SumInput& in) {
  int32_t dH = in.headerDecimals;
  int32_t dL = in.localDecimals;
  double d = in.discount;
  double total = in.total;
  if (in.rowCurrency != in.headerCurrency && in.headerCurrency != kLocalCurrency) {
    // Local rows under a foreign header: the total is local money.
    return {RoundTo(Divide(total, in.exchangeRate), dH), RoundTo(total, dL),
            RoundTo(Divide(total, in.exchangeRate) * d / 100, dH), d * RoundTo(total, dL) / 100};
  }
  if (in.rowCurrency == in.headerCurrency && in.headerCurrency != kLocalCurrency) {
    return {RoundTo(total, dH), RoundTo(in.totalLocal, dL), RoundTo(d * total / 100, dH),
            RoundTo(d * in.totalLocal / 100, dL)};
  }
  // A local header: the total is local money whatever the rows' currency.
  return {RoundTo(total, dH), RoundTo(total, dL), RoundTo(d * total / 100, dH),
          RoundTo(d * total / 100, dL)};
}

}  // namespace qorarap
