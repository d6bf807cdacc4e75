#include "refhost/scenario/tokenizer.h"

namespace refhost::scenario {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Reads a quoted part starting after the opening quote; returns the index
// after the closing quote.
size_t ReadQuoted(std::string_view line, size_t pos, int lineNumber, std::string& out) {
  while (pos < line.size()) {
    char c = line[pos];
    if (c == '"') return pos + 1;
    if (c == '\\' && pos + 1 < line.size()) {
      char next = line[pos + 1];
      if (next == '"' || next == '\\' || next == 'r' || next == 'n') {
        out += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
        pos += 2;
        continue;
      }
    }
    out += c;
    ++pos;
  }
  throw ParseError(lineNumber, "a closing quote", "end of line");
}

}  // namespace

ParseError::ParseError(int line, std::string expected, std::string found)
    : std::runtime_error("line " + std::to_string(line) + ": " + expected + " / " + found),
      m_Line(line),
      m_Expected(std::move(expected)),
      m_Found(std::move(found)) {}

std::vector<Token> TokenizeLine(std::string_view line, int lineNumber) {
  std::vector<Token> tokens;
  size_t pos = 0;
  while (pos < line.size()) {
    if (IsBlank(line[pos])) {
      ++pos;
      continue;
    }
    Token token;
    while (pos < line.size() && !IsBlank(line[pos])) {
      if (line[pos] == '"') {
        token.quoted = true;
        pos = ReadQuoted(line, pos + 1, lineNumber, token.text);
        continue;
      }
      token.text += line[pos];
      ++pos;
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

std::vector<SourceLine> TokenizeText(std::string_view text) {
  std::vector<SourceLine> lines;
  std::vector<std::string> comments;
  int number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(start, end - start);
    ++number;
    start = end + 1;
    if (number == 1 && raw.starts_with(kByteOrderMark)) raw.remove_prefix(kByteOrderMark.size());
    std::string_view trimmed = TrimBlanks(raw);
    if (trimmed.empty()) {
      // A blank line keeps the comments: a comment block explains the next command.
    } else if (trimmed[0] == '#') {
      comments.emplace_back(TrimBlanks(trimmed.substr(1)));
    } else {
      SourceLine line;
      line.number = number;
      line.text = trimmed;
      line.comments = std::move(comments);
      try {
        line.tokens = TokenizeLine(trimmed, number);
      } catch (const ParseError& error) {
        line.error = error;
      }
      comments.clear();
      lines.push_back(std::move(line));
    }
    if (end == text.size()) break;
  }
  return lines;
}

}  // namespace refhost::scenario
