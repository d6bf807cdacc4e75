#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/variant.h"

// Message texts and message boxes. Every message box of the library carries
// the title kMessageTitle unless a caller gives its own.
namespace qorarap {

inline constexpr char kMessageTitle[] = "青岚提示";
inline constexpr int32_t kMsgExclamation = 48;
inline constexpr int32_t kMsgInformation = 64;
inline constexpr int32_t kMsgYesNoInformation = 68;
inline constexpr int32_t kAnswerYes = 6;

// The text of a literal message (returned unchanged).
std::string LoadText(const std::string& text);
// LoadText(text) with "%1", "%2", ... replaced by the arguments in order.
std::string FormatTextArgs(const std::string& text, const std::vector<qor::Variant>& args);
template <class... Args>
std::string FormatText(const std::string& text, Args&&... args) {
  return FormatTextArgs(text, std::vector<qor::Variant>{qor::Variant(std::forward<Args>(args))...});
}
// Shows text (without any "单据体1") with the buttons and title; returns the
// button pressed (6 is yes).
int32_t ShowMessage(const std::string& text, int32_t buttons,
                    const std::string& title = kMessageTitle);
// An information box with the standard title.
void ShowInfo(const std::string& text);

}  // namespace qorarap
