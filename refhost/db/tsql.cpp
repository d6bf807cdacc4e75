#include "refhost/db/tsql.h"

#include <algorithm>
#include <set>

#include "core/vb.h"
#include "core/vb_error.h"
#include "refhost/db/sql_error.h"

namespace refhost::tsql {

using qor::EqualsNoCase;
using qor::LCase;
using qor::UCase;

namespace {

bool IsIdentStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '#' || c >= 0x80;
}

bool IsIdentChar(unsigned char c) { return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '$'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

[[noreturn]] void RaiseSyntax(const std::string& what, std::string_view sql) {
  RaiseSqlError(what, std::string(sql));
}

// Reads a run of characters up to (and including) the closing character; a doubled closing
// character stands for itself. Returns the end position.
size_t ReadDelimited(std::string_view sql, size_t start, char close, const char* what) {
  size_t i = start + 1;
  while (i < sql.size()) {
    if (sql[i] == close) {
      if (i + 1 < sql.size() && sql[i + 1] == close) {
        i += 2;
        continue;
      }
      return i + 1;
    }
    ++i;
  }
  RaiseSyntax(what, sql);
}

size_t ReadNumber(std::string_view sql, size_t i) {
  while (i < sql.size() && IsDigit(sql[i])) ++i;
  if (i < sql.size() && sql[i] == '.') {
    ++i;
    while (i < sql.size() && IsDigit(sql[i])) ++i;
  }
  if (i < sql.size() && (sql[i] == 'e' || sql[i] == 'E')) {
    size_t j = i + 1;
    if (j < sql.size() && (sql[j] == '+' || sql[j] == '-')) ++j;
    if (j < sql.size() && IsDigit(sql[j])) {
      i = j;
      while (i < sql.size() && IsDigit(sql[i])) ++i;
    }
  }
  return i;
}

size_t ReadOperator(std::string_view sql, size_t i) {
  static const char* const kTwoChar[] = {"<=", ">=", "<>", "!=", "||", "!<", "!>", "=="};
  if (i + 1 < sql.size()) {
    for (const char* op : kTwoChar) {
      if (sql[i] == op[0] && sql[i + 1] == op[1]) return i + 2;
    }
  }
  return i + 1;
}

// A SELECT after UNION / EXCEPT / INTERSECT (ALL) continues the statement, and so does a
// ROLLBACK that is a conflict clause (INSERT OR ROLLBACK, ON CONFLICT ROLLBACK).
bool ContinuesStatement(const std::string& word, const std::string& previous) {
  if (word == "SELECT") {
    return previous == "UNION" || previous == "ALL" || previous == "EXCEPT" ||
           previous == "INTERSECT" || previous == "AS";
  }
  if (word == "ROLLBACK") return previous == "OR" || previous == "CONFLICT";
  return false;
}

// State of the statement being collected while a batch is split.
struct SplitState {
  std::string first;        // first keyword of the statement
  std::string previous;     // keyword of the previous significant token ("" for others)
  bool hasTokens = false;   // a significant token has been collected
  bool updateSet = false;   // the SET clause of an UPDATE has been seen
  bool insertBody = false;  // VALUES / SELECT of an INSERT has been seen
  bool withBody = false;    // the main statement of a WITH has been seen
};

bool StartsStatement(const std::string& word, const SplitState& state) {
  if (!state.hasTokens) return false;
  if (state.first == "CREATE" || state.first == "DROP" || state.first == "ALTER" ||
      state.first == "PRAGMA") {
    return false;
  }
  if (ContinuesStatement(word, state.previous)) return false;
  if (word == "DECLARE" || word == "IF" || word == "WHILE" || word == "EXEC" || word == "EXECUTE" ||
      word == "PRINT" || word == "TRUNCATE" || word == "BEGIN" || word == "COMMIT" ||
      word == "ROLLBACK" || word == "GO" || word == "RETURN") {
    return true;
  }
  if (word == "SET") return !(state.first == "UPDATE" && !state.updateSet);
  if (word == "SELECT") {
    if (state.first == "INSERT" && !state.insertBody) return false;
    if (state.first == "WITH" && !state.withBody) return false;
    return true;
  }
  if (word == "INSERT" || word == "UPDATE" || word == "DELETE") {
    return !(state.first == "WITH" && !state.withBody);
  }
  return false;
}

void NoteKeyword(const std::string& word, int depth, SplitState& state) {
  if (!state.hasTokens) {
    state.first = word;
    state.hasTokens = true;
    return;
  }
  if (depth != 0) return;
  if (state.first == "UPDATE" && word == "SET") state.updateSet = true;
  if (state.first == "INSERT" && (word == "VALUES" || word == "SELECT")) state.insertBody = true;
  if (state.first == "WITH" &&
      (word == "SELECT" || word == "INSERT" || word == "UPDATE" || word == "DELETE")) {
    state.withBody = true;
  }
}

bool HasSignificant(const Tokens& tokens) {
  return std::any_of(tokens.begin(), tokens.end(), [](const Token& t) { return t.Significant(); });
}

// Splits tokens [from, to) at the commas of the outer level.
std::vector<Tokens> SplitAtCommas(const Tokens& tokens, size_t from, size_t to) {
  std::vector<Tokens> parts(1);
  int depth = 0;
  for (size_t i = from; i < to; ++i) {
    const Token& t = tokens[i];
    if (t.kind == TokenKind::kOpen) ++depth;
    if (t.kind == TokenKind::kClose) --depth;
    if (t.kind == TokenKind::kComma && depth == 0) {
      parts.emplace_back();
      continue;
    }
    parts.back().push_back(t);
  }
  return parts;
}

// Words that end a select list.
bool EndsSelectList(const Token& t) {
  static const std::set<std::string> kEnd = {"FROM",  "WHERE", "GROUP",  "ORDER",     "HAVING",
                                             "UNION", "LIMIT", "EXCEPT", "INTERSECT", "INTO"};
  return t.kind == TokenKind::kIdent && kEnd.count(t.Keyword()) > 0;
}

// "@v = expression" -> the assignment; false when the item is not one.
bool ReadAssignment(const Tokens& item, Assignment& assignment) {
  size_t first = NextSignificant(item, 0);
  if (first >= item.size() || item[first].kind != TokenKind::kVariable) return false;
  size_t eq = NextSignificant(item, first + 1);
  if (eq >= item.size() || item[eq].text != "=") return false;
  assignment.name = UCase(item[first].text);
  assignment.expression.assign(item.begin() + static_cast<std::ptrdiff_t>(eq) + 1, item.end());
  return true;
}

}  // namespace

std::string Token::Keyword() const { return kind == TokenKind::kIdent ? UCase(text) : ""; }

bool Token::IsKeyword(std::string_view upperWord) const {
  return kind == TokenKind::kIdent && EqualsNoCase(text, upperWord);
}

Tokens Tokenize(std::string_view sql) {
  Tokens tokens;
  size_t i = 0;
  auto add = [&](TokenKind kind, size_t end) {
    tokens.push_back({kind, std::string(sql.substr(i, end - i))});
    i = end;
  };
  while (i < sql.size()) {
    const char c = sql[i];
    const char n = i + 1 < sql.size() ? sql[i + 1] : '\0';
    if (IsSpace(c)) {
      size_t j = i;
      while (j < sql.size() && IsSpace(sql[j])) ++j;
      add(TokenKind::kSpace, j);
    } else if (c == '-' && n == '-') {
      size_t j = sql.find('\n', i);
      add(TokenKind::kComment, j == std::string_view::npos ? sql.size() : j);
    } else if (c == '/' && n == '*') {
      size_t j = sql.find("*/", i + 2);
      if (j == std::string_view::npos) RaiseSyntax("Missing end comment mark '*/'.", sql);
      add(TokenKind::kComment, j + 2);
    } else if ((c == 'N' || c == 'n') && n == '\'') {
      ++i;  // N'...' is an ordinary text here
      add(TokenKind::kString, ReadDelimited(sql, i, '\'', "Unclosed quotation mark."));
    } else if (c == '\'') {
      add(TokenKind::kString, ReadDelimited(sql, i, '\'', "Unclosed quotation mark."));
    } else if (c == '[') {
      add(TokenKind::kQuoted, ReadDelimited(sql, i, ']', "Unclosed bracketed name."));
    } else if (c == '"' || c == '`') {
      add(TokenKind::kQuoted, ReadDelimited(sql, i, c, "Unclosed quoted name."));
    } else if (c == '@') {
      size_t j = i + 1;
      if (j < sql.size() && sql[j] == '@') ++j;
      while (j < sql.size() && IsIdentChar(static_cast<unsigned char>(sql[j]))) ++j;
      add(TokenKind::kVariable, j);
    } else if (IsDigit(c) || (c == '.' && IsDigit(n))) {
      add(TokenKind::kNumber, ReadNumber(sql, i));
    } else if (IsIdentStart(static_cast<unsigned char>(c))) {
      size_t j = i;
      while (j < sql.size() && IsIdentChar(static_cast<unsigned char>(sql[j]))) ++j;
      add(TokenKind::kIdent, j);
    } else if (c == '(') {
      add(TokenKind::kOpen, i + 1);
    } else if (c == ')') {
      add(TokenKind::kClose, i + 1);
    } else if (c == ',') {
      add(TokenKind::kComma, i + 1);
    } else if (c == ';') {
      add(TokenKind::kSemicolon, i + 1);
    } else if (c == '?') {
      add(TokenKind::kParam, i + 1);
    } else {
      add(TokenKind::kPunct, ReadOperator(sql, i));
    }
  }
  return tokens;
}

std::string Render(const Tokens& tokens) {
  std::string text;
  for (const Token& t : tokens) text += t.text;
  return text;
}

std::string RenderTrimmed(const Tokens& tokens) {
  size_t first = NextSignificant(tokens, 0);
  size_t last = tokens.size();
  while (last > first && !tokens[last - 1].Significant()) --last;
  std::string text;
  for (size_t i = first; i < last; ++i) text += tokens[i].text;
  return text;
}

size_t NextSignificant(const Tokens& tokens, size_t from) {
  while (from < tokens.size() && !tokens[from].Significant()) ++from;
  return from;
}

size_t PreviousSignificant(const Tokens& tokens, size_t before) {
  while (before > 0) {
    --before;
    if (tokens[before].Significant()) return before;
  }
  return tokens.size();
}

// Position just after the parenthesis closing the one opened at `open`.
size_t MatchingClose(const Tokens& tokens, size_t open) {
  int depth = 0;
  for (size_t i = open; i < tokens.size(); ++i) {
    if (tokens[i].kind == TokenKind::kOpen) ++depth;
    if (tokens[i].kind == TokenKind::kClose && --depth == 0) return i;
  }
  return tokens.size();
}

std::vector<Tokens> SplitBatch(const Tokens& tokens) {
  std::vector<Tokens> statements;
  Tokens current;
  SplitState state;
  int depth = 0;
  auto flush = [&]() {
    if (HasSignificant(current)) statements.push_back(std::move(current));
    current.clear();
    state = SplitState();
    depth = 0;
  };
  for (const Token& t : tokens) {
    if (t.kind == TokenKind::kSemicolon && depth == 0) {
      flush();
      continue;
    }
    if (t.kind == TokenKind::kOpen) ++depth;
    if (t.kind == TokenKind::kClose && depth > 0) --depth;
    const std::string word = t.Keyword();
    if (!word.empty() && depth == 0 && StartsStatement(word, state)) flush();
    current.push_back(t);
    if (!t.Significant()) continue;
    if (!word.empty()) NoteKeyword(word, depth, state);
    if (word.empty() && !state.hasTokens) state.hasTokens = true;
    state.previous = word;
  }
  flush();
  return statements;
}

std::vector<Declaration> ParseDeclare(const Tokens& statement) {
  size_t start = NextSignificant(statement, 0);  // DECLARE
  std::vector<Declaration> result;
  for (const Tokens& part : SplitAtCommas(statement, start + 1, statement.size())) {
    size_t at = NextSignificant(part, 0);
    if (at >= part.size() || part[at].kind != TokenKind::kVariable) {
      RaiseUnsupported("DECLARE without a variable", Render(statement));
    }
    Declaration d;
    d.name = UCase(part[at].text);
    at = NextSignificant(part, at + 1);
    if (at < part.size() && part[at].IsKeyword("AS")) at = NextSignificant(part, at + 1);
    if (at >= part.size() || part[at].kind != TokenKind::kIdent) {
      RaiseUnsupported("DECLARE without a type", Render(statement));
    }
    d.type = LCase(part[at].text);
    if (d.type == "table" || d.type == "cursor") {
      RaiseUnsupported("table and cursor variables", Render(statement));
    }
    at = NextSignificant(part, at + 1);
    if (at < part.size() && part[at].kind == TokenKind::kOpen) {
      at = NextSignificant(part, MatchingClose(part, at) + 1);
    }
    if (at < part.size()) {
      if (part[at].text != "=") RaiseUnsupported("DECLARE syntax", Render(statement));
      d.initial.assign(part.begin() + static_cast<std::ptrdiff_t>(at) + 1, part.end());
    }
    result.push_back(std::move(d));
  }
  return result;
}

bool SplitSelectAssignments(const Tokens& statement, std::vector<Assignment>& assignments,
                            Tokens& select) {
  assignments.clear();
  size_t head = NextSignificant(statement, 0);  // SELECT
  size_t listStart = head + 1;
  size_t at = NextSignificant(statement, listStart);
  if (at < statement.size() &&
      (statement[at].IsKeyword("DISTINCT") || statement[at].IsKeyword("ALL"))) {
    listStart = at + 1;
    at = NextSignificant(statement, listStart);
  }
  if (at < statement.size() && statement[at].IsKeyword("TOP")) {
    size_t count = NextSignificant(statement, at + 1);
    if (count < statement.size() && statement[count].kind == TokenKind::kOpen) {
      count = MatchingClose(statement, count);
    }
    listStart = count + 1;
  }
  size_t listEnd = listStart;
  int depth = 0;
  for (; listEnd < statement.size(); ++listEnd) {
    const Token& t = statement[listEnd];
    if (t.kind == TokenKind::kOpen) ++depth;
    if (t.kind == TokenKind::kClose) --depth;
    if (depth == 0 && EndsSelectList(t)) break;
  }
  std::vector<Tokens> items = SplitAtCommas(statement, listStart, listEnd);
  size_t assigning = 0;
  for (const Tokens& item : items) {
    Assignment a;
    if (ReadAssignment(item, a)) {
      ++assigning;
      assignments.push_back(std::move(a));
    }
  }
  if (assigning == 0) return false;
  if (assigning != items.size()) {
    RaiseSqlError(
        "A SELECT statement that assigns a value to a variable must not be combined with "
        "data-retrieval operations.",
        Render(statement));
  }
  select.assign(statement.begin(), statement.begin() + static_cast<std::ptrdiff_t>(listStart));
  select.push_back({TokenKind::kSpace, " "});
  for (size_t i = 0; i < assignments.size(); ++i) {
    if (i > 0) select.push_back({TokenKind::kComma, ","});
    select.insert(select.end(), assignments[i].expression.begin(), assignments[i].expression.end());
  }
  select.push_back({TokenKind::kSpace, " "});
  select.insert(select.end(), statement.begin() + static_cast<std::ptrdiff_t>(listEnd),
                statement.end());
  return true;
}

bool ParseSetVariable(const Tokens& statement, Assignment& assignment) {
  size_t head = NextSignificant(statement, 0);  // SET
  Tokens rest(statement.begin() + static_cast<std::ptrdiff_t>(head) + 1, statement.end());
  if (!ReadAssignment(rest, assignment)) {
    size_t first = NextSignificant(rest, 0);
    if (first < rest.size() && rest[first].kind == TokenKind::kVariable) {
      RaiseUnsupported("SET with an operator other than =", Render(statement));
    }
    return false;
  }
  return true;
}

void RaiseUnsupported(const std::string& what, const std::string& statement) {
  RaiseSqlError("T-SQL not supported by the host's connection: " + what + ".", statement);
}

}  // namespace refhost::tsql
