// The control panel open after a full handshake, with a target user to act on and the lines
// the room received from then on.
#pragma once

#include <string>
#include <vector>

#include "support/AttachFixture.h"

namespace vl::test {

using Lines = std::vector<std::wstring>;

class PanelFixture : public AttachFixture {
 protected:
  void OpenPanel(const std::string& settings = "") {
    room.onPosted = [this](const std::wstring& text) {
      if (text == app.records.shared.IdentText) room.AddLine(Answer(1));
    };
    StartAndAttach(settings);
    fake.Advance(500);
    ASSERT_TRUE(panel().Visible());
    room.onPosted = nullptr;
    mark_ = room.Posted().size();
  }
  // The lines posted since the panel opened (or since the last call).
  Lines Sent() {
    Lines lines(room.Posted().begin() + static_cast<long>(mark_), room.Posted().end());
    mark_ = room.Posted().size();
    return lines;
  }
  void SetTarget(const std::wstring& nick) { panel()[L"Label2"].SetText(nick); }
  bool Click(const wchar_t* button) { return fake.Click(panel()[button]); }
  // Opens a window from a panel button: a real click activates the panel first.
  void Open(const wchar_t* button) {
    fake.Activate(panel());
    Click(button);
  }
  bool OnTop(const Form& form) { return fake.fakeWindows().PeerOf(form)->Topmost(); }
  // A phrase as stored by the editor.
  void SetPhrase(int slot, const std::wstring& text) {
    app.records.phrases[static_cast<size_t>(slot)] = text;
  }

 private:
  size_t mark_ = 0;
};

// The same, open before each test.
class OpenPanelTest : public PanelFixture {
 protected:
  void SetUp() override { OpenPanel(); }
};

}  // namespace vl::test
