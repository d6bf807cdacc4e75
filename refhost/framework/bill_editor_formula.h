#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace refhost {

// One field action of the bill editor: a formula "Target=expression" over
// field keys and numbers with + - * / and parentheses, such as
// "FDiscount=(FReceiveAmountFor/FAmountFor)*100".
class BillFormula {
 public:
  // Reads "Target=expression"; false when the text has no target or no
  // expression.
  static bool Parse(std::string_view text, BillFormula& formula);

  const std::string& Target() const { return m_Target; }
  const std::string& Expression() const { return m_Expression; }

  // The expression's value, field keys read through valueOf. Nothing when
  // it divides by zero, is not well formed or nests parentheses deeper
  // than 64: the target then keeps its
  // value.
  std::optional<double> Evaluate(const std::function<double(const std::string&)>& valueOf) const;

 private:
  std::string m_Target;
  std::string m_Expression;
};

}  // namespace refhost
