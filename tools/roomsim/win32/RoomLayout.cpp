// Geometry and captions of the room window's children.
#include "RoomLayout.h"

namespace roomsim::win32 {
namespace {

constexpr int kMargin = 8;
constexpr int kListWidth = 150;
constexpr int kRowHeight = 26;
constexpr int kPerRow = 4;
constexpr int kSendWidth = 90;

}  // namespace

std::wstring ButtonCaption(int index) {
  static const wchar_t* const kCaptions[] = {L"Envoyer", L"Webcam",  L"Son",
                                             L"Couleur", L"Smileys", L"Privé",
                                             L"Inviter", L"Parler",  L"Appuyer pour parler"};
  if (index >= 1 && index <= 9) return kCaptions[index - 1];
  return L"Bouton " + std::to_wstring(index);
}

RoomGeometry ComputeGeometry(int width, int height, int buttons, int stripHeight) {
  RoomGeometry g{};
  const int rows = (buttons - 1 + kPerRow - 1) / kPerRow;
  const int top = stripHeight + kMargin;
  const int inputTop = height - kMargin - rows * (kRowHeight + 4) - 24 - kMargin;
  const int chatRight = width - kMargin - kListWidth - kMargin;
  g.chat = {kMargin, top, chatRight, inputTop - kMargin};
  g.list = {chatRight + kMargin, top, width - kMargin, inputTop - kMargin};
  g.input = {kMargin, inputTop, width - kMargin - kSendWidth - kMargin, inputTop + 24};
  g.buttonsTop = inputTop + 24 + kMargin;
  return g;
}

RECT ButtonRect(const RoomGeometry& g, int width, int index) {
  if (index == 1)
    return {width - kMargin - kSendWidth, g.input.top, width - kMargin, g.input.bottom};
  const int slot = index - 2;
  const int w = (width - 2 * kMargin - (kPerRow - 1) * 6) / kPerRow;
  const int left = kMargin + (slot % kPerRow) * (w + 6);
  const int top = g.buttonsTop + (slot / kPerRow) * (kRowHeight + 4);
  return {left, top, left + w, top + kRowHeight};
}

}  // namespace roomsim::win32
