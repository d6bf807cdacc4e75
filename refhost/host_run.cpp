#include "refhost/host_run.h"

#include <ctime>
#include <initializer_list>

#include "core/vb.h"

namespace refhost {

namespace {

// The results a question box can give, by its button group (buttons & 7).
bool AnswerFits(int32_t buttons, int32_t answer) {
  auto oneOf = [answer](std::initializer_list<int32_t> allowed) {
    for (int32_t a : allowed) {
      if (a == answer) return true;
    }
    return false;
  };
  switch (buttons & 7) {
    case 1:
      return oneOf({1, 2});  // OK, Cancel
    case 2:
      return oneOf({3, 4, 5});  // Abort, Retry, Ignore
    case 3:
      return oneOf({6, 7, 2});  // Yes, No, Cancel
    case 4:
      return oneOf({6, 7});  // Yes, No
    case 5:
      return oneOf({4, 2});  // Retry, Cancel
    default:
      return true;
  }
}

double MachineDate() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return qor::DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace

HostRun::HostRun(std::string dbPath) : m_DbPath(std::move(dbPath)) {}

double HostRun::Today() const {
  if (m_Today) return *m_Today;
  return MachineDate();
}

int32_t HostRun::ShowMessageBox(const std::string& text, int32_t buttons, const std::string& title,
                                const std::string& session) {
  Trace("  message: \"" + text + "\" buttons=" + std::to_string(buttons) + " title=\"" + title +
        "\"");
  MessageBoxRecord record{text, buttons, title, 1, session, false};
  bool question = (buttons & 7) != 0;
  if (!question) {
    m_Messages.push_back(record);
    return record.result;
  }
  if (m_Answers.empty()) {
    record.result = 0;
    m_Messages.push_back(record);
    throw ScenarioError("question without an answer: " + text);
  }
  int32_t answer = m_Answers.front();
  m_Answers.pop_front();
  record.result = answer;
  m_Messages.push_back(record);
  if (!AnswerFits(buttons, answer)) {
    throw ScenarioError("answer " + AnswerName(answer) + " does not fit the question: " + text);
  }
  Trace("  answer: " + AnswerName(answer));
  return answer;
}

std::string AnswerName(int32_t result) {
  switch (result) {
    case 1:
      return "ok";
    case 2:
      return "cancel";
    case 3:
      return "abort";
    case 4:
      return "retry";
    case 5:
      return "ignore";
    case 6:
      return "yes";
    case 7:
      return "no";
    default:
      return std::to_string(result);
  }
}

}  // namespace refhost
