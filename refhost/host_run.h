#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/variant.h"

namespace refhost {

// A failure of the scenario itself (not of the product): an unknown name, a
// question box without a queued answer, a pick the window does not offer.
class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct MessageBoxRecord {
  std::string text;
  int32_t buttons = 0;
  std::string title;
  int32_t result = 0;
  std::string session;
  bool checked = false;
};

// What the host showed besides message boxes, kept for the checks.
struct ShownRecords {
  std::optional<std::string> helpFile;
  std::string helpTopic;
  qor::Variant voucher;  // the last voucher opened (Empty when none)
  std::optional<int32_t> displayLines;
  std::string displayTitles;             // the last result display's column titles
  std::vector<std::string> displayRows;  // and its rows, columns joined by " | "
  std::optional<int32_t> billShown;
  std::optional<std::pair<int32_t, int32_t>> related;  // bill type, bill id
};

// One run of the host (one scenario): the database file every session opens,
// the date the host reports, the user's queued answers, the message boxes
// and what else the host showed, and the trace.
class HostRun {
 public:
  explicit HostRun(std::string dbPath);

  const std::string& DbPath() const { return m_DbPath; }
  // The date the host reports as today (OLE date); the machine's date unless set.
  double Today() const;
  void SetToday(double oleDate) { m_Today = oleDate; }

  // Shows a message box: records it and, for a question, takes the next
  // queued answer (ScenarioError when none is queued). Returns the button.
  int32_t ShowMessageBox(const std::string& text, int32_t buttons, const std::string& title,
                         const std::string& session);
  // Queues answers: 1 OK, 2 Cancel, 6 Yes, 7 No.
  void QueueAnswer(int32_t answer) { m_Answers.push_back(answer); }
  std::vector<MessageBoxRecord>& Messages() { return m_Messages; }

  ShownRecords& Shown() { return m_Shown; }

  void SetTraceSink(std::function<void(const std::string&)> sink) { m_Trace = std::move(sink); }
  bool Tracing() const { return static_cast<bool>(m_Trace); }
  void Trace(const std::string& line) const {
    if (m_Trace) m_Trace(line);
  }

 private:
  std::string m_DbPath;
  std::optional<double> m_Today;
  std::deque<int32_t> m_Answers;
  std::vector<MessageBoxRecord> m_Messages;
  ShownRecords m_Shown;
  std::function<void(const std::string&)> m_Trace;
};

// Texts of message-box results for the trace.
std::string AnswerName(int32_t result);

}  // namespace refhost
