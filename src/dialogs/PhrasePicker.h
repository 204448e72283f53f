// What the three phrase pickers share: a column of phrase lines taken from the shared list,
// a press on a line choosing its phrase and the release acting on it, and the panel they
// hide themselves behind after use.
#pragma once

#include <string>

#include "platform/ui/Form.h"

namespace vl {

class App;
class Reglages;

inline const Colour kPhraseLineColour = 0x0000C0;

class PhrasePicker : public Form {
 public:
  PhrasePicker(App& app, FormDesign design);

 protected:
  // Lines Label1(first) to Label1(first + count - 1); line i shows phrase slot i + 1.
  void AddPhraseLines(int first, int count, int top);
  // Sets every line's caption from the shared list; an empty slot gives an empty line.
  void LoadLines();
  virtual void LineReleased() = 0;

  Reglages& Panel();
  const std::wstring& Target();
  // Hides the picker and minimizes the panel.
  void HideAndMinimizePanel();
  void Send(const std::wstring& line);
  void PlaceAtPanel();

  App& app_;
  int first_ = 0;
  int count_ = 0;
};

// "Label1(13)", the name of one line of a control array.
std::wstring LineName(int index);

// Layout shared by the pickers, twips.
inline constexpr int kPickerWidth = 5400;
inline constexpr int kLineHeight = 255;
inline constexpr int kLinePitch = 300;

}  // namespace vl
