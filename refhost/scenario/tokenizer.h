#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace refhost::scenario {

// A malformed scenario file: the line and what is wrong with it.
class ParseError : public std::runtime_error {
 public:
  ParseError(int line, std::string expected, std::string found);
  int Line() const { return m_Line; }
  const std::string& Expected() const { return m_Expected; }
  const std::string& Found() const { return m_Found; }

 private:
  int m_Line;
  std::string m_Expected;
  std::string m_Found;
};

// One blank-separated word of a line. Quoted parts ("...", with \" and \\)
// may hold blanks and may sit inside a word (title="a b"); the text is
// given without the quotes.
struct Token {
  std::string text;
  bool quoted = false;  // some part of the word was written in quotes

  bool operator==(const Token&) const = default;
};

// A line holding a command, with the comment lines just above it.
struct SourceLine {
  int number = 0;
  std::vector<Token> tokens;
  std::string text;                   // the line as written, trimmed
  std::vector<std::string> comments;  // the "#" lines right above, without "#"
  std::optional<ParseError> error;    // the line could not be split (unterminated quote)
};

// Splits one line into tokens; ParseError for an unterminated quote.
std::vector<Token> TokenizeLine(std::string_view line, int lineNumber);

// Splits a whole file: blank lines and comment lines are dropped (comments
// are attached to the next command line). Line numbers count from 1. A line
// that cannot be split carries its error.
std::vector<SourceLine> TokenizeText(std::string_view text);

}  // namespace refhost::scenario
