#include "refhost/framework/bill_editor_formula.h"

#include <cctype>
#include <cstdlib>

#include "core/vb.h"
#include "core/vb_error.h"

namespace refhost {

namespace {

constexpr int kMaxNesting = 64;

// Recursive descent over one expression:
//   sum     := product (('+' | '-') product)*
//   product := factor (('*' | '/') factor)*
//   factor  := ('+' | '-') factor | number | key | '(' sum ')'
// Every step answers nothing once the expression failed, or once
// parentheses and signs nest deeper than kMaxNesting (a formula is data: a
// broken one must not exhaust the stack).
class Calculator {
 public:
  Calculator(std::string_view text, const std::function<double(const std::string&)>& valueOf)
      : m_Text(text), m_ValueOf(valueOf) {}

  std::optional<double> Run() {
    std::optional<double> value = Sum();
    SkipBlanks();
    if (m_Pos != m_Text.size()) return std::nullopt;
    return value;
  }

 private:
  std::optional<double> Sum() {
    std::optional<double> value = Product();
    while (value) {
      char op = Peek();
      if (op != '+' && op != '-') break;
      ++m_Pos;
      std::optional<double> right = Product();
      if (!right) return std::nullopt;
      value = op == '+' ? *value + *right : *value - *right;
    }
    return value;
  }

  std::optional<double> Product() {
    std::optional<double> value = Factor();
    while (value) {
      char op = Peek();
      if (op != '*' && op != '/') break;
      ++m_Pos;
      std::optional<double> right = Factor();
      if (!right) return std::nullopt;
      if (op == '/' && *right == 0) return std::nullopt;
      value = op == '*' ? *value * *right : *value / *right;
    }
    return value;
  }

  std::optional<double> Factor() {
    if (++m_Depth > kMaxNesting) return std::nullopt;
    std::optional<double> value = NestedFactor();
    --m_Depth;
    return value;
  }

  std::optional<double> NestedFactor() {
    char c = Peek();
    if (c == '-' || c == '+') {
      ++m_Pos;
      std::optional<double> value = Factor();
      if (!value) return std::nullopt;
      return c == '-' ? -*value : *value;
    }
    if (c == '(') {
      ++m_Pos;
      std::optional<double> value = Sum();
      if (!value || Peek() != ')') return std::nullopt;
      ++m_Pos;
      return value;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return Number();
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return Key();
    return std::nullopt;
  }

  std::optional<double> Number() {
    size_t start = m_Pos;
    while (m_Pos < m_Text.size() &&
           (std::isdigit(static_cast<unsigned char>(m_Text[m_Pos])) || m_Text[m_Pos] == '.')) {
      ++m_Pos;
    }
    std::string digits(m_Text.substr(start, m_Pos - start));
    if (!qor::IsNumericText(digits)) return std::nullopt;
    try {
      return qor::CDbl(qor::Variant(digits));
    } catch (const qor::VbError&) {
      return std::nullopt;  // beyond what a number holds
    }
  }

  std::optional<double> Key() {
    size_t start = m_Pos;
    while (m_Pos < m_Text.size() &&
           (std::isalnum(static_cast<unsigned char>(m_Text[m_Pos])) || m_Text[m_Pos] == '_')) {
      ++m_Pos;
    }
    return m_ValueOf(std::string(m_Text.substr(start, m_Pos - start)));
  }

  char Peek() {
    SkipBlanks();
    return m_Pos < m_Text.size() ? m_Text[m_Pos] : '\0';
  }

  void SkipBlanks() {
    while (m_Pos < m_Text.size() && std::isspace(static_cast<unsigned char>(m_Text[m_Pos]))) {
      ++m_Pos;
    }
  }

  std::string_view m_Text;
  const std::function<double(const std::string&)>& m_ValueOf;
  size_t m_Pos = 0;
  int m_Depth = 0;
};

}  // namespace

bool BillFormula::Parse(std::string_view text, BillFormula& formula) {
  size_t equals = text.find('=');
  if (equals == std::string_view::npos) return false;
  std::string target = qor::Trim(text.substr(0, equals));
  std::string expression = qor::Trim(text.substr(equals + 1));
  if (target.empty() || expression.empty()) return false;
  formula.m_Target = std::move(target);
  formula.m_Expression = std::move(expression);
  return true;
}

std::optional<double> BillFormula::Evaluate(
    const std::function<double(const std::string&)>& valueOf) const {
  return Calculator(m_Expression, valueOf).Run();
}

}  // namespace refhost
