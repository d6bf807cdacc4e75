#include "core/recordset_filter.h"

#include <optional>

#include "core/vb.h"

namespace qor {

namespace {

enum class TokenKind { End, Word, Field, Operator, Open, Close, Text, Number, Date };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;
  double number = 0;
};

enum class Op { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual, Like };

enum class LiteralKind { Number, Text, Date, Null };

struct Literal {
  LiteralKind kind = LiteralKind::Null;
  double number = 0;
  std::string text;
};

constexpr int kMaxDepth = 100;

[[noreturn]] void Malformed() { RaiseError(kErrFilterArguments, "Recordset"); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool EndsWord(char c) {
  return IsSpace(c) || std::string_view("()[]'#<>=").find(c) != std::string_view::npos;
}

// "m/d/yyyy", the other way dates are written between # signs.
bool ParseMonthFirstDate(std::string_view text, double& oleDate) {
  int parts[3] = {0, 0, 0};
  size_t digits[3] = {0, 0, 0};
  size_t part = 0;
  for (char c : text) {
    if (c == '/' && part < 2 && digits[part] > 0) {
      ++part;
    } else if (IsDigit(c) && digits[part] < 4) {
      parts[part] = parts[part] * 10 + (c - '0');
      ++digits[part];
    } else {
      return false;
    }
  }
  if (part != 2 || digits[0] > 2 || digits[1] > 2 || digits[2] != 4) return false;
  std::string iso =
      std::to_string(parts[2]) + "-" + std::to_string(parts[0]) + "-" + std::to_string(parts[1]);
  return ParseDate(iso, oleDate);
}

class Lexer {
 public:
  explicit Lexer(std::string_view text) : m_Text(text) {}

  Token Next() {
    while (m_Pos < m_Text.size() && IsSpace(m_Text[m_Pos])) ++m_Pos;
    if (m_Pos >= m_Text.size()) return {};
    char c = m_Text[m_Pos];
    if (c == '(' || c == ')') {
      ++m_Pos;
      return {c == '(' ? TokenKind::Open : TokenKind::Close, std::string(1, c)};
    }
    if (c == '[') return Delimited(']', TokenKind::Field);
    if (c == '\'') return QuotedText();
    if (c == '#') return DateLiteral();
    if (c == '<' || c == '>' || c == '=') return Comparison();
    if (StartsNumber()) return NumberLiteral();
    return WordToken();
  }

 private:
  Token Delimited(char close, TokenKind kind) {
    size_t end = m_Text.find(close, m_Pos + 1);
    if (end == std::string_view::npos) Malformed();
    Token token{kind, std::string(m_Text.substr(m_Pos + 1, end - m_Pos - 1))};
    m_Pos = end + 1;
    return token;
  }

  // Quotes inside a text are doubled: 'O''Brien'.
  Token QuotedText() {
    std::string text;
    for (size_t pos = m_Pos + 1; pos < m_Text.size(); ++pos) {
      if (m_Text[pos] != '\'') {
        text += m_Text[pos];
        continue;
      }
      if (pos + 1 < m_Text.size() && m_Text[pos + 1] == '\'') {
        text += '\'';
        ++pos;
        continue;
      }
      m_Pos = pos + 1;
      return {TokenKind::Text, text};
    }
    Malformed();
  }

  Token DateLiteral() {
    Token token = Delimited('#', TokenKind::Date);
    if (!ParseDate(token.text, token.number) && !ParseMonthFirstDate(token.text, token.number)) {
      Malformed();
    }
    return token;
  }

  Token Comparison() {
    std::string op(1, m_Text[m_Pos++]);
    if (m_Pos < m_Text.size()) {
      char next = m_Text[m_Pos];
      if ((op == "<" && (next == '>' || next == '=')) || (op == ">" && next == '=')) {
        op += next;
        ++m_Pos;
      }
    }
    return {TokenKind::Operator, op};
  }

  bool StartsNumber() const {
    size_t pos = m_Pos;
    if (m_Text[pos] == '+' || m_Text[pos] == '-') ++pos;
    if (pos < m_Text.size() && m_Text[pos] == '.') ++pos;
    return pos < m_Text.size() && IsDigit(m_Text[pos]);
  }

  // Sign, digits, point, exponent; the text must be a whole number literal.
  Token NumberLiteral() {
    size_t start = m_Pos;
    if (m_Text[m_Pos] == '+' || m_Text[m_Pos] == '-') ++m_Pos;
    while (m_Pos < m_Text.size() && (IsDigit(m_Text[m_Pos]) || m_Text[m_Pos] == '.')) ++m_Pos;
    if (m_Pos < m_Text.size() && (m_Text[m_Pos] == 'E' || m_Text[m_Pos] == 'e')) {
      ++m_Pos;
      if (m_Pos < m_Text.size() && (m_Text[m_Pos] == '+' || m_Text[m_Pos] == '-')) ++m_Pos;
      while (m_Pos < m_Text.size() && IsDigit(m_Text[m_Pos])) ++m_Pos;
    }
    std::string text(m_Text.substr(start, m_Pos - start));
    if (!IsNumericText(text) || text.find(',') != std::string::npos) Malformed();
    return {TokenKind::Number, text, CDbl(text)};
  }

  Token WordToken() {
    size_t start = m_Pos;
    while (m_Pos < m_Text.size() && !EndsWord(m_Text[m_Pos])) ++m_Pos;
    return {TokenKind::Word, std::string(m_Text.substr(start, m_Pos - start))};
  }

  std::string_view m_Text;
  size_t m_Pos = 0;
};

}  // namespace

struct RecordsetFilter::Node {
  enum class Kind { Comparison, And, Or };
  Kind kind = Kind::Comparison;
  size_t column = 0;
  Op op = Op::Equal;
  Literal literal;
  std::unique_ptr<Node> left;
  std::unique_ptr<Node> right;
};

namespace {

using Node = RecordsetFilter::Node;

class Parser {
 public:
  Parser(std::string_view text, const std::vector<std::string>& columns)
      : m_Lexer(text), m_Columns(columns) {
    Advance();
  }

  std::unique_ptr<Node> ParseAll() {
    auto root = Expression(0);
    if (m_Token.kind != TokenKind::End) Malformed();
    return root;
  }

 private:
  void Advance() { m_Token = m_Lexer.Next(); }

  bool AtKeyword(std::string_view keyword) const {
    return m_Token.kind == TokenKind::Word && EqualsNoCase(m_Token.text, keyword);
  }

  std::unique_ptr<Node> Join(Node::Kind kind, std::unique_ptr<Node> left,
                             std::unique_ptr<Node> right) {
    auto node = std::make_unique<Node>();
    node->kind = kind;
    node->left = std::move(left);
    node->right = std::move(right);
    return node;
  }

  // Or-joined terms; And binds tighter.
  std::unique_ptr<Node> Expression(int depth) {
    if (depth > kMaxDepth) Malformed();
    auto node = Term(depth);
    while (AtKeyword("Or")) {
      Advance();
      node = Join(Node::Kind::Or, std::move(node), Term(depth));
    }
    return node;
  }

  std::unique_ptr<Node> Term(int depth) {
    auto node = Factor(depth);
    while (AtKeyword("And")) {
      Advance();
      node = Join(Node::Kind::And, std::move(node), Factor(depth));
    }
    return node;
  }

  std::unique_ptr<Node> Factor(int depth) {
    if (m_Token.kind != TokenKind::Open) return Comparison();
    Advance();
    auto node = Expression(depth + 1);
    if (m_Token.kind != TokenKind::Close) Malformed();
    Advance();
    return node;
  }

  std::unique_ptr<Node> Comparison() {
    auto node = std::make_unique<Node>();
    node->column = Column();
    node->op = Operator();
    node->literal = Value();
    bool nullAllowed = node->op == Op::Equal || node->op == Op::NotEqual;
    if (node->literal.kind == LiteralKind::Null && !nullAllowed) Malformed();
    if (node->op == Op::Like && node->literal.kind == LiteralKind::Date) Malformed();
    return node;
  }

  size_t Column() {
    bool isName = m_Token.kind == TokenKind::Field ||
                  (m_Token.kind == TokenKind::Word && !AtKeyword("And") && !AtKeyword("Or"));
    if (!isName) Malformed();
    for (size_t i = 0; i < m_Columns.size(); ++i) {
      if (EqualsNoCase(m_Columns[i], m_Token.text)) {
        Advance();
        return i;
      }
    }
    Malformed();
  }

  Op Operator() {
    static const std::pair<std::string_view, Op> kOperators[] = {
        {"=", Op::Equal},   {"<>", Op::NotEqual},  {"<", Op::Less},
        {">", Op::Greater}, {"<=", Op::LessEqual}, {">=", Op::GreaterEqual}};
    if (AtKeyword("Like")) {
      Advance();
      return Op::Like;
    }
    if (m_Token.kind != TokenKind::Operator) Malformed();
    for (const auto& [text, op] : kOperators) {
      if (m_Token.text == text) {
        Advance();
        return op;
      }
    }
    Malformed();
  }

  Literal Value() {
    Literal literal;
    literal.text = m_Token.text;
    literal.number = m_Token.number;
    switch (m_Token.kind) {
      case TokenKind::Number:
        literal.kind = LiteralKind::Number;
        break;
      case TokenKind::Text:
        literal.kind = LiteralKind::Text;
        break;
      case TokenKind::Date:
        literal.kind = LiteralKind::Date;
        break;
      default:
        if (!AtKeyword("Null")) Malformed();
        literal.kind = LiteralKind::Null;
    }
    Advance();
    return literal;
  }

  Lexer m_Lexer;
  const std::vector<std::string>& m_Columns;
  Token m_Token;
};

// Texts compare without regard to case.
int CompareText(std::string_view a, std::string_view b) { return LCase(a).compare(LCase(b)); }

int CompareNumber(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

bool IsNumberLike(const Variant& value) { return value.IsNumber() || value.IsDate(); }

// Ordering of a field value against a literal, converting the literal to
// the field's kind where it reads as one; nothing when they cannot meet.
std::optional<int> CompareValue(const Variant& field, const Literal& literal) {
  if (field.IsObject()) return std::nullopt;
  double parsed = 0;
  switch (literal.kind) {
    case LiteralKind::Number:
      if (IsNumberLike(field)) return CompareNumber(CDbl(field), literal.number);
      if (IsNumericText(field.StringValue())) return CompareNumber(CDbl(field), literal.number);
      return CompareText(field.StringValue(), literal.text);
    case LiteralKind::Date:
      if (IsNumberLike(field)) return CompareNumber(CDbl(field), literal.number);
      if (ParseDate(field.StringValue(), parsed)) return CompareNumber(parsed, literal.number);
      return CompareText(field.StringValue(), FormatDate(literal.number));
    case LiteralKind::Text:
      if (field.IsString()) return CompareText(field.StringValue(), literal.text);
      if (field.IsDate() && ParseDate(literal.text, parsed)) {
        return CompareNumber(field.DoubleValue(), parsed);
      }
      if (!field.IsDate() && IsNumericText(literal.text)) {
        return CompareNumber(CDbl(field), CDbl(literal.text));
      }
      return CompareText(CStr(field), literal.text);
    case LiteralKind::Null:
      break;
  }
  return std::nullopt;
}

// "*" and "%" stand for any run of characters.
bool LikeMatch(std::string_view text, std::string_view pattern) {
  size_t t = 0;
  size_t p = 0;
  size_t starAt = std::string_view::npos;
  size_t resumeAt = 0;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == '*' || pattern[p] == '%')) {
      starAt = p++;
      resumeAt = t;
    } else if (p < pattern.size() && lower(pattern[p]) == lower(text[t])) {
      ++p;
      ++t;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      t = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && (pattern[p] == '*' || pattern[p] == '%')) ++p;
  return p == pattern.size();
}

bool Evaluate(const Node& node, const std::vector<Variant>& row) {
  if (node.kind == Node::Kind::And) return Evaluate(*node.left, row) && Evaluate(*node.right, row);
  if (node.kind == Node::Kind::Or) return Evaluate(*node.left, row) || Evaluate(*node.right, row);
  const Variant& field = row[node.column];
  bool fieldIsNull = field.IsNull() || field.IsEmpty();
  if (node.literal.kind == LiteralKind::Null) {
    return (node.op == Op::Equal) == fieldIsNull;
  }
  if (fieldIsNull) return false;
  if (node.op == Op::Like) return !field.IsObject() && LikeMatch(CStr(field), node.literal.text);
  std::optional<int> order = CompareValue(field, node.literal);
  if (!order) return false;
  switch (node.op) {
    case Op::Equal:
      return *order == 0;
    case Op::NotEqual:
      return *order != 0;
    case Op::Less:
      return *order < 0;
    case Op::Greater:
      return *order > 0;
    case Op::LessEqual:
      return *order <= 0;
    case Op::GreaterEqual:
      return *order >= 0;
    case Op::Like:
      break;
  }
  return false;
}

}  // namespace

RecordsetFilter RecordsetFilter::Parse(std::string_view text,
                                       const std::vector<std::string>& columns) {
  Parser parser(text, columns);
  return RecordsetFilter(parser.ParseAll());
}

bool RecordsetFilter::Matches(const std::vector<Variant>& row) const {
  return Evaluate(*m_Root, row);
}

}  // namespace qor
