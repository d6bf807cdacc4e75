#include <set>

#include "core/vb.h"
#include "refhost/db/tsql.h"

namespace refhost::tsql {

using qor::LCase;
using qor::UCase;

namespace {

// Rewrites one statement token by token.
class Translator {
 public:
  explicit Translator(const Tokens& tokens) : m_Tokens(tokens) {}

  Translation Run() {
    for (m_Pos = 0; m_Pos < m_Tokens.size(); ++m_Pos) Step();
    while (!m_Limits.empty()) EmitLimit();
    return std::move(m_Out);
  }

 private:
  struct PendingLimit {
    int depth;
    std::string count;
  };

  void Emit(const std::string& text) { m_Out.sql += text; }

  void EmitLimit() {
    Emit(" LIMIT " + m_Limits.back().count);
    m_Limits.pop_back();
  }

  const Token* NextTok(size_t& at) const {
    at = NextSignificant(m_Tokens, m_Pos + 1);
    return at < m_Tokens.size() ? &m_Tokens[at] : nullptr;
  }

  void Step() {
    const Token& t = m_Tokens[m_Pos];
    switch (t.kind) {
      case TokenKind::kOpen:
        ++m_Depth;
        Emit(t.text);
        return;
      case TokenKind::kClose:
        if (!m_Limits.empty() && m_Limits.back().depth == m_Depth) EmitLimit();
        --m_Depth;
        Emit(t.text);
        return;
      case TokenKind::kVariable:
        m_Out.variables.push_back(UCase(t.text));
        Emit("?");
        return;
      case TokenKind::kPunct:
        EmitPunct(t);
        return;
      case TokenKind::kIdent:
        EmitIdent(t);
        return;
      case TokenKind::kQuoted:
        if (IsQuotedOwner(t)) return;
        Emit(t.text);
        return;
      default:
        Emit(t.text);
    }
  }

  // [dbo] (or "dbo") before a point: the owner prefix goes with its point.
  bool IsQuotedOwner(const Token& t) {
    size_t next = 0;
    const Token* following = NextTok(next);
    if (t.text.size() < 2 || !following || following->text != ".") return false;
    if (!qor::EqualsNoCase(t.text.substr(1, t.text.size() - 2), "dbo")) return false;
    m_Pos = next;
    return true;
  }

  // "+" next to a text literal joins texts.
  void EmitPunct(const Token& t) {
    if (t.text != "+") {
      Emit(t.text);
      return;
    }
    size_t before = PreviousSignificant(m_Tokens, m_Pos);
    size_t after = NextSignificant(m_Tokens, m_Pos + 1);
    bool textBefore = before < m_Tokens.size() && m_Tokens[before].kind == TokenKind::kString;
    bool textAfter = after < m_Tokens.size() && m_Tokens[after].kind == TokenKind::kString;
    Emit(textBefore || textAfter ? "||" : "+");
  }

  void EmitIdent(const Token& t) {
    const std::string word = t.Keyword();
    size_t next = 0;
    const Token* following = NextTok(next);
    bool call = following && following->kind == TokenKind::kOpen;
    if (word == "DBO" && following && following->text == ".") {
      m_Pos = next;  // drop the owner prefix and its point
      return;
    }
    if (word == "SELECT") {
      Emit(t.text);
      TakeTop();
      return;
    }
    if (call && (word == "ISNULL" || word == "LEFT" || word == "RIGHT")) {
      Emit("qor_" + LCase(word));  // keywords of SQLite, so the functions are renamed
      return;
    }
    if (call && (word == "DATEDIFF" || word == "DATEADD" || word == "DATEPART")) {
      EmitDateFunction(t, next);
      return;
    }
    if (call && word == "CONVERT") {
      EmitConvert(next);
      return;
    }
    if (word == "WITH" && call && SkipTableHint(next)) return;
    Emit(t.text);
  }

  // SELECT [DISTINCT | ALL] TOP n  ->  SELECT [DISTINCT | ALL] ... LIMIT n
  void TakeTop() {
    size_t at = NextSignificant(m_Tokens, m_Pos + 1);
    if (at < m_Tokens.size() &&
        (m_Tokens[at].IsKeyword("DISTINCT") || m_Tokens[at].IsKeyword("ALL"))) {
      for (size_t i = m_Pos + 1; i <= at; ++i) Emit(m_Tokens[i].text);
      m_Pos = at;
      at = NextSignificant(m_Tokens, m_Pos + 1);
    }
    if (at >= m_Tokens.size() || !m_Tokens[at].IsKeyword("TOP")) return;
    size_t count = NextSignificant(m_Tokens, at + 1);
    size_t last = count;
    if (count < m_Tokens.size() && m_Tokens[count].kind == TokenKind::kOpen) {
      last = MatchingClose(m_Tokens, count);
      count = NextSignificant(m_Tokens, count + 1);
    }
    if (count >= m_Tokens.size() || m_Tokens[count].kind != TokenKind::kNumber) {
      RaiseUnsupported("TOP without a number", Render(m_Tokens));
    }
    size_t after = NextSignificant(m_Tokens, last + 1);
    if (after < m_Tokens.size() &&
        (m_Tokens[after].IsKeyword("PERCENT") || m_Tokens[after].IsKeyword("WITH"))) {
      RaiseUnsupported("TOP ... PERCENT / WITH TIES", Render(m_Tokens));
    }
    m_Limits.push_back({m_Depth, m_Tokens[count].text});
    m_Pos = last;
  }

  void EmitDateFunction(const Token& name, size_t open) {
    size_t part = NextSignificant(m_Tokens, open + 1);
    Emit(name.text + "(");
    if (part < m_Tokens.size() && m_Tokens[part].kind == TokenKind::kIdent) {
      // append: g++ 12 at -O3 warns falsely (-Wrestrict) on "x" + string&&.
      Emit(std::string("'").append(LCase(m_Tokens[part].text)).append("'"));
      m_Pos = part;
    } else {
      m_Pos = open;
    }
    ++m_Depth;
  }

  // CONVERT(type, expression[, style])  ->  qor_convert('type', expression[, style])
  void EmitConvert(size_t open) {
    std::string type;
    int depth = 0;
    size_t i = open + 1;
    for (; i < m_Tokens.size(); ++i) {
      const Token& t = m_Tokens[i];
      if (t.kind == TokenKind::kOpen) ++depth;
      if (t.kind == TokenKind::kClose) {
        if (depth == 0) break;
        --depth;
      }
      if (t.kind == TokenKind::kComma && depth == 0) break;
      if (t.Significant()) type += t.text;
    }
    if (i >= m_Tokens.size() || m_Tokens[i].kind != TokenKind::kComma || type.empty()) {
      RaiseUnsupported("CONVERT without a type and a value", Render(m_Tokens));
    }
    Emit("qor_convert('" + LCase(type) + "',");
    ++m_Depth;
    m_Pos = i;
  }

  // Table hints such as WITH (NOLOCK) have no meaning here and are dropped.
  bool SkipTableHint(size_t open) {
    static const std::set<std::string> kHints = {"NOLOCK",  "READUNCOMMITTED", "ROWLOCK",
                                                 "UPDLOCK", "HOLDLOCK",        "READPAST"};
    size_t close = MatchingClose(m_Tokens, open);
    if (close >= m_Tokens.size()) return false;
    for (size_t i = open + 1; i < close; ++i) {
      const Token& t = m_Tokens[i];
      if (!t.Significant() || t.kind == TokenKind::kComma) continue;
      if (!kHints.count(t.Keyword())) return false;
    }
    m_Pos = close;
    return true;
  }

  const Tokens& m_Tokens;
  size_t m_Pos = 0;
  int m_Depth = 0;
  std::vector<PendingLimit> m_Limits;
  Translation m_Out;
};

}  // namespace

Translation Translate(const Tokens& tokens) { return Translator(tokens).Run(); }

}  // namespace refhost::tsql
