#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text side of the host's T-SQL compatibility: reading a batch of T-SQL into tokens,
// splitting it into statements and rewriting one statement into SQLite's dialect. Nothing
// here touches a database.
namespace refhost::tsql {

enum class TokenKind {
  kSpace,     // blanks and line breaks
  kComment,   // -- to the end of the line, or /* ... */
  kString,    // '...' (an N'...' literal is read without its N)
  kIdent,     // a bare identifier or keyword
  kQuoted,    // [name], "name" or `name`
  kVariable,  // @name or @@name
  kNumber,    // 12, 1.5, .5, 1e3
  kParam,     // ?
  kPunct,     // operators and the point: = < > <= >= <> != + - * / % || .
  kOpen,      // (
  kClose,     // )
  kComma,     // ,
  kSemicolon  // ;
};

struct Token {
  TokenKind kind;
  std::string text;

  bool Significant() const { return kind != TokenKind::kSpace && kind != TokenKind::kComment; }
  // Upper-case text of an identifier; empty for every other kind.
  std::string Keyword() const;
  bool IsKeyword(std::string_view upperWord) const;
};

using Tokens = std::vector<Token>;

// Reads T-SQL text into tokens; an unterminated literal, quoted name or comment is an
// error (qor::VbError, the provider's SQL error number).
Tokens Tokenize(std::string_view sql);

// Concatenates the texts of the tokens.
std::string Render(const Tokens& tokens);
// Render without the leading and trailing blanks and comments.
std::string RenderTrimmed(const Tokens& tokens);

// Splits a batch into its statements: at ";" and where a new statement begins at the outer
// level (DECLARE, SELECT, SET, INSERT, UPDATE, DELETE, ... that cannot continue the statement
// before), so that the lines of a batch joined by CR LF become one statement each while a
// statement written over several lines stays whole. Empty statements are dropped.
std::vector<Tokens> SplitBatch(const Tokens& tokens);

// Index of the first significant token at or after `from`; tokens.size() when none.
size_t NextSignificant(const Tokens& tokens, size_t from);
// Index of the last significant token before `before`; tokens.size() when none.
size_t PreviousSignificant(const Tokens& tokens, size_t before);
// Index of the parenthesis closing the one opened at `open`; tokens.size() when none.
size_t MatchingClose(const Tokens& tokens, size_t open);

// The rewritten form of one statement for SQLite, with its variables replaced by "?"
// parameters. `variables` receives the variable names in parameter order (upper case,
// with their "@").
struct Translation {
  std::string sql;
  std::vector<std::string> variables;
};

// Rewrites: N'..' literals, "dbo." prefixes, TOP n (to LIMIT n), the date part of
// DATEDIFF / DATEADD / DATEPART (to a text), CONVERT(type, x[, style]), the functions
// ISNULL / LEFT / RIGHT (keywords of SQLite, renamed qor_isnull / qor_left / qor_right),
// WITH (NOLOCK) hints, "+" next to a text literal (to "||") and @variables (to "?").
Translation Translate(const Tokens& tokens);

// A declared variable of a DECLARE statement: name (upper case, with "@"), type name
// (lower case, without its length) and the tokens of its initial value (empty when none).
struct Declaration {
  std::string name;
  std::string type;
  Tokens initial;
};
std::vector<Declaration> ParseDeclare(const Tokens& statement);

// An assignment "@v = expression" of a SELECT or SET statement.
struct Assignment {
  std::string name;
  Tokens expression;
};

// For "SELECT @a = x, @b = y FROM ...": the assignments and the statement rewritten as
// "SELECT x, y FROM ..." (returns false when the select list assigns nothing; mixing
// assignments and plain columns is an error).
bool SplitSelectAssignments(const Tokens& statement, std::vector<Assignment>& assignments,
                            Tokens& select);

// For "SET @v = expression": the assignment (returns false for SET options such as
// "SET NOCOUNT ON").
bool ParseSetVariable(const Tokens& statement, Assignment& assignment);

// The provider's error for T-SQL text the host does not support.
[[noreturn]] void RaiseUnsupported(const std::string& what, const std::string& statement);

}  // namespace refhost::tsql
