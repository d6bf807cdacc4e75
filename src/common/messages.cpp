#include "common/messages.h"

#include "core/vb.h"
#include "host/platform.h"

namespace qorarap {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string LoadText(const std::string& text) { return text; }

// "%n" with n from 1 to the number of arguments takes the n-th argument;
// any other "%" stays as it is.
std::string FormatTextArgs(const std::string& text, const std::vector<qor::Variant>& args) {
  std::string source = LoadText(text);
  std::string result;
  size_t at = 0;
  while (at < source.size()) {
    size_t end = at + 1;
    size_t number = 0;
    while (source[at] == '%' && end < source.size() && IsDigit(source[end])) {
      if (number <= args.size()) number = number * 10 + static_cast<size_t>(source[end] - '0');
      ++end;
    }
    if (number >= 1 && number <= args.size()) {
      result += qor::StrOf(args[number - 1]);
      at = end;
      continue;
    }
    result += source[at++];
  }
  return result;
}

int32_t ShowMessage(const std::string& text, int32_t buttons, const std::string& title) {
  return qor::CurrentPlatform().MsgBox(qor::ReplaceAll(text, "单据体1", ""), buttons, title);
}

void ShowInfo(const std::string& text) {
  qor::CurrentPlatform().MsgBox(text, kMsgInformation, kMessageTitle);
}

}  // namespace qorarap
