#include "app/ConnexMan.h"

#include "app/Principale.h"
#include "panel/Reglages.h"
#include "room/RoomChildren.h"
#include "room/TextOps.h"

namespace vl {
namespace {

const wchar_t* const kInstructions =
    L"Pour connecter la room, vous devez simplement faire ce qui suit : connectez-vous à la "
    L"room désirée. Ensuite posez votre souris sur cette fenêtre, puis cliquez à gauche. Le "
    L"curseur se transforme en main. Sans lâcher le bouton de la souris, emmenez la main sur le "
    L"titre du site de la room, juste au dessus de la fenêtre de la room. Lâchez alors la "
    L"souris. Si vous ne vous êtes pas trompé, le robot se connectera tout seul.";

}  // namespace

ConnexMan::ConnexMan(const WindowContext& ctx)
    : Form(ctx.platform, FormDesign{L"ConnexMan", L"Connexion à la room", 4560, 2880, 0xFFFFE0}),
      Timer1(AddTimer(L"Timer1", 100, true)),
      ctx_(ctx) {
  Control& label = Add({.name = L"Label1",
                        .kind = ControlKind::Label,
                        .text = kInstructions,
                        .rect = {180, 180, 4200, 2520},
                        .fore = 0x000080,
                        .font = {L"MS Sans Serif", 9.75, false}});
  label.onMouseDown = [this](MouseButton) { Pressed(); };
  label.onMouseUp = [this](MouseButton) { Released(); };
  Timer1.onTick = [this] { Timer1_Tick(); };
}

void ConnexMan::OnActivate() {
  SetAlwaysOnTop();
}

// The close box ends the whole program at once.
bool ConnexMan::OnCloseRequest() {
  platform().EndProgram();
  return false;
}

void ConnexMan::Timer1_Tick() {
  ForeignWindows& windows = platform().foreign();
  ctx_.records.room.PickedWindow = windows.WindowAtPoint(windows.CursorPosition());
}

// The window keeps the mouse while the button is held, so the release comes back here
// wherever it happens. Without the cursor file the drag works with the usual pointer.
void ConnexMan::Pressed() {
  Timer1.SetEnabled(true);
  SetPointerFromFile(ctx_.settings.ExecutableFolder() + L"\\H_MOVE.CUR");
  CaptureMouse();
}

void ConnexMan::Released() {
  Timer1.SetEnabled(false);
  ReleaseMouse();
  ResetPointer();
  RoomWindowSet& room = ctx_.records.room;
  FindRoomChildren(platform().foreign(), room.PickedWindow, room);
  if (!IsAttach(room)) return;  // the moderator may drag again

  WindowHandle site = room.RoomWindow;
  std::wstring name = ReplaceAll(ChercheNomSite(platform().foreign(), site), L",", L";");
  ctx_.nav.Panel().SetSiteName(name);
  Hide();
  ctx_.nav.MainWindow().StartHandshake();
}

}  // namespace vl
