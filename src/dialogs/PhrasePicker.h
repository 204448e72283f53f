// What the three phrase pickers share: a column of phrase lines taken from the shared list,
// a press on a line choosing its phrase and the release acting on it, and the panel they
// hide themselves behind after use.
#pragma once

#include <string>
#include <vector>

#include "core/WindowContext.h"
#include "platform/ui/Form.h"

namespace vl {

class Reglages;

inline const Colour kPhraseLineColour = 0x0000C0;

class PhrasePicker : public Form {
 public:
  PhrasePicker(const WindowContext& ctx, FormDesign design);

 protected:
  // The title of the list and the note beside it.
  void AddHeader(const wchar_t* titleName, const wchar_t* title, const wchar_t* noteName,
                 const wchar_t* note, int top);
  // Lines Label1(first) to Label1(first + count - 1) in a frame; line i shows phrase slot
  // i + 1. Returns the bottom of the frame.
  int AddPhraseList(const wchar_t* shapeName, int first, int count, int top);
  // The box for a phrase of the moment, with its title and note, under `top`; returns the box.
  Control& AddCustomBox(const wchar_t* titleName, const wchar_t* noteName, int top);
  // The client height that holds a custom box added at `top`.
  static int HeightWithBox(int top) { return top + 960; }
  void AddPhraseLines(int first, int count, int top);
  // Sets every line's caption from the shared list; an empty slot gives an empty line.
  void LoadLines();
  const std::vector<Control*>& Lines() const { return lines_; }
  virtual void LineReleased() = 0;

  Reglages& Panel();
  const std::wstring& Target();
  // Hides the picker and minimizes the panel.
  void HideAndMinimizePanel();
  void PlaceAtPanel();

  WindowContext ctx_;
  std::wstring PhraseChoisie;  // the phrase of the line last pressed

 private:
  int first_ = 0;
  std::vector<Control*> lines_;
};

// "Label1(13)", the name of one line of a control array.
std::wstring LineName(int index);

// Layout shared by the pickers, twips.
inline constexpr int kPickerWidth = 6240;
inline constexpr int kLineHeight = 255;
inline constexpr int kLinePitch = 300;

}  // namespace vl
