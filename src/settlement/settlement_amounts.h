#pragma once

#include <cstdint>
#include <optional>

// The arithmetic of spreading a receipt's or payment's amount over its
// settlement rows and of adding the rows up into the header. Amounts of a
// row are in the row's (source document's) currency ("For") and in local
// currency; currency 1 is the local currency.
namespace qorarap {

inline constexpr int32_t kLocalCurrency = 1;

// Rounds half away from zero to decimals places, as RoundAmount does.
double RoundTo(double amount, int32_t decimals);

// What the split needs to know of the bill header.
struct SplitHeader {
  int32_t currency = kLocalCurrency;
  double exchangeRate = 1;  // header rate (local = header amount x rate)
  int32_t decimals = 2;     // decimals of the header currency
};

// One settlement row carrying a source document.
struct SplitRow {
  int32_t currency = kLocalCurrency;
  double exchangeRate = 1;  // the row's rate
  double openAmount = 0;    // still open on the source, in its currency
  int32_t decimals = 2;     // decimals of the row currency
  int32_t localDecimals = 2;
};

// The amounts the split writes into a row.
struct RowSettlement {
  double amountFor = 0;  // in the row's currency
  double amount = 0;     // in local currency
};

// Settles one row out of what is left of the header amount, in row order,
// and lowers remaining by what the row took (in header currency). A row in
// a second foreign currency, with a foreign header, is left alone (nullopt).
// A row whose open amount has the sign opposite to a positive remainder (a
// credit) is settled in full, which raises the remainder. A zero rate where
// the split divides by it is error 11.
std::optional<RowSettlement> SplitRowAmount(const SplitHeader& header, const SplitRow& row,
                                            double& remaining);

// The header amounts the sum writes, from the rows' settled amounts.
struct SumInput {
  int32_t headerCurrency = kLocalCurrency;
  int32_t rowCurrency = kLocalCurrency;  // currency of the last row carrying a source
  double exchangeRate = 1;               // header rate
  double discount = 100;                 // percentage actually received
  double total = 0;       // local settled amounts (local header), else the rows' "For" amounts
  double totalLocal = 0;  // the rows' local amounts, each rounded (foreign header only)
  int32_t headerDecimals = 2;
  int32_t localDecimals = 2;
};

struct HeaderAmounts {
  double amountFor = 0;      // gross, header currency
  double amount = 0;         // gross, local
  double paidAmountFor = 0;  // after the discount, header currency
  double paidAmount = 0;     // after the discount, local
};

HeaderAmounts SumHeaderAmounts(const SumInput& input);

}  // namespace qorarap
