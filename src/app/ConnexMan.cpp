#include "app/ConnexMan.h"

#include "app/App.h"
#include "room/ChatSender.h"

namespace vl {
namespace {

const wchar_t* const kInstructions =
    L"Pour connecter la room, vous devez simplement faire ce qui suit : connectez-vous à la "
    L"room désirée. Ensuite posez votre souris sur cette fenêtre, puis cliquez à gauche. Le "
    L"curseur se transforme en main. Sans lâcher le bouton de la souris, emmenez la main sur le "
    L"titre du site de la room, juste au dessus de la fenêtre de la room. Lâchez alors la "
    L"souris. Si vous ne vous êtes pas trompé, le robot se connectera tout seul.";

}  // namespace

ConnexMan::ConnexMan(App& app)
    : Form(app.platform, FormDesign{L"ConnexMan", L"Connexion à la room", 4560, 2880, 0xFFFFE0}),
      Timer1(AddTimer(L"Timer1", 100, true)),
      app_(app) {
  Add({.name = L"Label1",
       .kind = ControlKind::Label,
       .text = kInstructions,
       .rect = {180, 180, 4200, 2520},
       .fore = 0x000080,
       .font = {L"MS Sans Serif", 9.75, false}});
}

void ConnexMan::OnActivate() {
  SetAlwaysOnTop(*this);
}

// The close box ends the whole program at once.
bool ConnexMan::OnCloseRequest() {
  platform().EndProgram();
  return false;
}

}  // namespace vl
