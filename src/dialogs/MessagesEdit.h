// The phrase editor: all 22 phrases in edit boxes, stored together by "Valider". Only its
// two buttons close it; it is made anew at each opening.
#pragma once

#include <array>
#include <functional>

#include "core/WindowContext.h"
#include "platform/ui/Form.h"

namespace vl {

inline constexpr Colour kEditedBoxColour = 0xFF0000;
inline constexpr Colour kFreshBoxColour = 0x0000FF;

class MessagesEdit : public Form {
 public:
  explicit MessagesEdit(const WindowContext& ctx);

 protected:
  void OnLoad() override;
  void OnActivate() override;
  bool OnCloseRequest() override;

 private:
  void AddGroup(const wchar_t* title, const wchar_t* titleName, const wchar_t* noteName,
                const wchar_t* note, int firstBox, int count, int& top,
                const std::function<void(int&)>& addUnderTitle = nullptr);
  void Valider_Click();
  void Annuler_Click();
  void RestorePanelOnTop();

  WindowContext ctx_;
  std::array<Control*, kPhraseCount> boxes_{};  // box i holds phrase slot i + 1
  bool mayClose_ = false;
  bool justOpened_ = false;  // the first box gets the keyboard once, at the opening
};

// "Text1(4)", the name of one edit box.
std::wstring BoxName(int index);

}  // namespace vl
