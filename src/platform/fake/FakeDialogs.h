// Modal dialogs answered by the test. A script may advance the clock before it answers, as
// the real modal loops let the timers tick.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace vl {

class FakeClock;

struct DialogRequest {
  enum class Kind { Message, Input, OpenFile };
  Kind kind;
  std::uint64_t timeMs;
  std::wstring text;     // message or prompt; folder for OpenFile
  std::wstring caption;  // caption or title; description for OpenFile
  MessageBoxStyle style = MessageBoxStyle::Ok;
  std::wstring defaultAnswer;  // input box; pattern for OpenFile
  int left = 0, top = 0;       // input box position, twips
};

class FakeDialogs : public Dialogs {
 public:
  explicit FakeDialogs(FakeClock& clock) : clock_(clock) {}

  MessageBoxAnswer ShowMessage(const std::wstring& text, const std::wstring& caption,
                               MessageBoxStyle style) override;
  std::wstring InputBox(const std::wstring& prompt, const std::wstring& title,
                        const std::wstring& defaultAnswer, int leftTwips, int topTwips) override;
  std::wstring OpenFile(const std::wstring& folder, const std::wstring& description,
                        const std::wstring& pattern) override;

  // Test side: scripts for the next dialogs, in order. Without a script a message box is
  // answered Ok (or No), an input box with its default answer, a file dialog with Cancel.
  void AnswerMessage(std::function<MessageBoxAnswer(const DialogRequest&)> script);
  void AnswerMessage(MessageBoxAnswer answer);
  void AnswerInput(std::function<std::wstring(const DialogRequest&)> script);
  void AnswerInput(std::wstring answer);
  void AnswerOpenFile(std::wstring path);
  const std::vector<DialogRequest>& Requests() const { return requests_; }
  // The requests of one kind.
  std::vector<DialogRequest> Messages() const;

 private:
  DialogRequest& Record(DialogRequest request);

  FakeClock& clock_;
  std::vector<DialogRequest> requests_;
  std::deque<std::function<MessageBoxAnswer(const DialogRequest&)>> messageScripts_;
  std::deque<std::function<std::wstring(const DialogRequest&)>> inputScripts_;
  std::deque<std::wstring> fileAnswers_;
};

}  // namespace vl
