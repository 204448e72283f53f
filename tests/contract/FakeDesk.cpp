// The contract's desk over the fake platform: the virtual clock, and boxes answered by script.
#include <map>
#include <utility>

#include "contract/Desk.h"
#include "platform/fake/FakePlatform.h"

namespace contract {

struct FakeDesk : Desk {
  vl::Platform& platform() override { return fake_; }
  std::vector<WindowHandle> MakeRoom(const std::wstring& title, const Names& classes) override {
    vl::FakeDesktop& desktop = fake_.desktop();
    std::vector<WindowHandle> made{desktop.Create(0, L"ContractRoom", title)};
    for (const std::wstring& name : classes) {
      vl::FakeWindow& w = desktop.Window(made.emplace_back(desktop.Create(made[0], name)));
      // A click is a release that follows a press, as with BUTTON.
      w.onButtonDown = [this, h = w.handle] { pressed_ = h; };
      w.onButtonUp = [this, h = w.handle] { clicks_[h] += std::exchange(pressed_, 0) == h; };
    }
    return made;
  }
  void Destroy(WindowHandle window) override { fake_.desktop().Destroy(window); }
  void Disable(WindowHandle window) override { fake_.desktop().Window(window).enabled = false; }
  void RemoveFile(const std::wstring& path) override { fake_.fakeProfile().RemoveFile(path); }
  int Clicks(WindowHandle button) override { return clicks_[button]; }
  void Pass(int ms) override { fake_.Advance(ms); }
  void AnswerNextBox(int ms, vl::MessageBoxAnswer answer, std::wstring& shown) override {
    fake_.fakeDialogs().AnswerMessage([this, ms, answer, &shown](const vl::DialogRequest& box) {
      shown = box.text;
      fake_.Advance(ms);
      return answer;
    });
  }
  void ActivateOther() override {}  // another program's window: nothing the fake's forms see
  void Activate(vl::Form& form) override { fake_.Activate(form); }

  vl::FakePlatform fake_;
  WindowHandle pressed_ = 0;
  std::map<WindowHandle, int> clicks_;
};

std::unique_ptr<Desk> MakeDesk() {
  return std::make_unique<FakeDesk>();
}

}  // namespace contract
