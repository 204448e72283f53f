// The control panel open after a full handshake, with a target user to act on and the lines
// the room received from then on.
#pragma once

#include <string>
#include <vector>

#include "support/AttachFixture.h"

namespace vl::test {

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
  std::vector<std::wstring> Sent() {
    std::vector<std::wstring> lines(room.Posted().begin() + static_cast<long>(mark_),
                                    room.Posted().end());
    mark_ = room.Posted().size();
    return lines;
  }
  void SetTarget(const std::wstring& nick) { panel()[L"Label2"].SetText(nick); }
  bool Click(const wchar_t* button) { return fake.Click(panel()[button]); }
  // A phrase as stored by the editor.
  void SetPhrase(int slot, const std::wstring& text) {
    app.records.phrases[static_cast<size_t>(slot)] = text;
  }

 private:
  size_t mark_ = 0;
};

}  // namespace vl::test
