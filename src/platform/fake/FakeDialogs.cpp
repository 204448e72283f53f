#include "platform/fake/FakeDialogs.h"

#include "platform/fake/FakeClock.h"

namespace vl {

DialogRequest& FakeDialogs::Record(DialogRequest request) {
  request.timeMs = clock_.Now();
  requests_.push_back(std::move(request));
  return requests_.back();
}

MessageBoxAnswer FakeDialogs::ShowMessage(const std::wstring& text, const std::wstring& caption,
                                          MessageBoxStyle style) {
  DialogRequest request =
      Record(DialogRequest{DialogRequest::Kind::Message, 0, text, caption, style, {}, 0, 0});
  if (messageScripts_.empty()) {
    return style == MessageBoxStyle::Ok ? MessageBoxAnswer::Ok : MessageBoxAnswer::No;
  }
  auto script = std::move(messageScripts_.front());
  messageScripts_.pop_front();
  return script(request);
}

std::wstring FakeDialogs::InputBox(const std::wstring& prompt, const std::wstring& title,
                                   const std::wstring& defaultAnswer, int leftTwips, int topTwips) {
  DialogRequest request =
      Record(DialogRequest{DialogRequest::Kind::Input, 0, prompt, title, MessageBoxStyle::Ok,
                           defaultAnswer, leftTwips, topTwips});
  if (inputScripts_.empty()) return defaultAnswer;
  auto script = std::move(inputScripts_.front());
  inputScripts_.pop_front();
  return script(request);
}

std::wstring FakeDialogs::OpenFile(const std::wstring& folder, const std::wstring& description,
                                   const std::wstring& pattern) {
  Record(DialogRequest{DialogRequest::Kind::OpenFile, 0, folder, description, MessageBoxStyle::Ok,
                       pattern, 0, 0});
  if (fileAnswers_.empty()) return {};
  std::wstring path = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  return path;
}

void FakeDialogs::AnswerMessage(std::function<MessageBoxAnswer(const DialogRequest&)> script) {
  messageScripts_.push_back(std::move(script));
}

void FakeDialogs::AnswerMessage(MessageBoxAnswer answer) {
  AnswerMessage([answer](const DialogRequest&) { return answer; });
}

void FakeDialogs::AnswerInput(std::function<std::wstring(const DialogRequest&)> script) {
  inputScripts_.push_back(std::move(script));
}

void FakeDialogs::AnswerInput(std::wstring answer) {
  AnswerInput([answer](const DialogRequest&) { return answer; });
}

void FakeDialogs::AnswerOpenFile(std::wstring path) {
  fileAnswers_.push_back(std::move(path));
}

std::vector<DialogRequest> FakeDialogs::Messages() const {
  std::vector<DialogRequest> out;
  for (const DialogRequest& r : requests_) {
    if (r.kind == DialogRequest::Kind::Message) out.push_back(r);
  }
  return out;
}

}  // namespace vl
