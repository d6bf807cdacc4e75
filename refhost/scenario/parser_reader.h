#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "refhost/scenario/command.h"

// What the command readers of parser.cpp and parser_expect.cpp share.
namespace refhost::scenario::parsing {

// No fixed limit on the arguments of a list (picks, answers, states).
constexpr size_t kAnyCount = static_cast<size_t>(-1);

// The tokens of a command line and the line's number, with the argument
// readers every command form shares.
class Reader {
 public:
  Reader(const SourceLine& line, size_t wordCount) : m_Line(line), m_WordCount(wordCount) {}

  int LineNumber() const { return m_Line.number; }
  size_t ArgCount() const { return m_Line.tokens.size() - m_WordCount; }
  const Token& Arg(size_t index) const { return m_Line.tokens[m_WordCount + index]; }
  // The argument is this word, written without quotes ("none", "all").
  bool IsWord(size_t index, std::string_view word) const {
    return index < ArgCount() && !Arg(index).quoted && Arg(index).text == word;
  }

  // Wrong number of arguments unless min <= count <= max.
  void RequireArgs(size_t min, size_t max, const std::string& usage) const;
  int32_t Integer(size_t index, const std::string& what) const;
  [[noreturn]] void Fail(const std::string& expected, const std::string& found) const;

 private:
  const SourceLine& m_Line;
  size_t m_WordCount;
};

bool AllDigits(std::string_view text);
int32_t ToInt(std::string_view digits, const Reader& reader, const std::string& what);
std::string Quoted(const std::string& text);

// "FAmount" or "FAmount[3]".
FieldRef ReadField(const Reader& reader, size_t index);
// Source-document picks from the argument first on; `all` (alone) picks
// every line offered.
std::vector<Pick> ReadPicks(const Reader& reader, size_t first);
// "caption=<text>", "value=<n>", ... or a plain state word among the allowed.
StateCheck ReadState(const Reader& reader, size_t index,
                     const std::vector<std::string_view>& allowed);

using Handler = std::function<void(const Reader&, Command&)>;

struct Form {
  CommandKind kind;
  Handler handler;
};

using FormMap = std::map<std::string, Form, std::less<>>;

Handler NoArgs(std::string usage);
// The forms of `expect <what> ...`, by what.
const FormMap& ExpectForms();

}  // namespace refhost::scenario::parsing
