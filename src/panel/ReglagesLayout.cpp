// The control panel's controls: positions in twips, colours and fonts of the design. Later
// controls lie above earlier ones: the manual entry, the pause notice and the error frame
// cover what they stand over.
#include "panel/Reglages.h"

namespace vl {
namespace {

const Colour kBlue = 0x0000C0;
const Colour kRed = 0xFF0000;
const Colour kGreen = 0x008000;
const Colour kPeach = 0xFFE0C0;
const Font kLabelFont{L"MS Sans Serif", 8.25, false};
const Font kComic{L"Comic Sans MS", 8.25, true};
const Font kArial{L"Arial", 8.25, true};

struct ButtonSpec {
  const wchar_t* name;
  const wchar_t* caption;
  Rect rect;
  Colour back;
  Colour fore;
  bool comic;
};

}  // namespace

PanelControls Reglages::AddControls() {
  Add({.name = L"Shape1",
       .kind = ControlKind::Shape,
       .rect = {15, 120, 4215, 5010},
       .border = kGreen});
  Add({.name = L"Label8",
       .kind = ControlKind::Label,
       .rect = {0, 120, 4215, 255},
       .fore = kBlue,
       .font = {L"MS Sans Serif", 8.25, true},
       .align = Alignment::Center});
  Add({.name = L"Label7",
       .kind = ControlKind::Label,
       .rect = {120, 480, 3975, 315},
       .fore = 0xFF8000,
       .font = {L"MS Sans Serif", 12, true},
       .align = Alignment::Center});
  Add({.name = L"Label5",
       .kind = ControlKind::Label,
       .text = L"Pseudo",
       .rect = {740, 1020, 855, 255},
       .fore = kBlue,
       .font = kLabelFont});
  Add({.name = L"Label2",
       .kind = ControlKind::Label,
       .rect = {1680, 960, 2055, 375},
       .back = kPeach,
       .fore = 0x004000,
       .font = {L"MS Sans Serif", 9.75, true},
       .align = Alignment::Center});
  Add({.name = L"PseudoManu",
       .kind = ControlKind::TextBox,
       .text = L"Text1",
       .rect = {1680, 6720, 2055, 375},
       .back = kPeach,
       .fore = kRed,
       .font = {L"MS Sans Serif", 9.75, true}});

  Add({.name = L"Shape2",
       .kind = ControlKind::Shape,
       .rect = {2085, 2110, 2055, 1480},
       .border = kGreen});
  Control& frame2 = Add({.name = L"Frame2",
                         .kind = ControlKind::Frame,
                         .rect = {2100, 2145, 2010, 1420},
                         .back = kPeach});
  Add({.name = L"Label1",
       .kind = ControlKind::Label,
       .text = L"Avec raison",
       .rect = {120, 0, 735, 375},
       .fore = kBlue,
       .font = kLabelFont,
       .align = Alignment::Center,
       .container = &frame2});
  Add({.name = L"Label4",
       .kind = ControlKind::Label,
       .text = L"Sans raison",
       .rect = {1155, 0, 735, 375},
       .fore = kBlue,
       .font = kLabelFont,
       .align = Alignment::Center,
       .container = &frame2});
  Add({.name = L"Line1",
       .kind = ControlKind::Line,
       .rect = {1000, 0, 0, 1400},
       .border = kGreen,
       .container = &frame2});

  Add({.name = L"Shape3",
       .kind = ControlKind::Shape,
       .rect = {2110, 4170, 2020, 420},
       .border = kRed});
  Control& frame3 = Add({.name = L"Frame3",
                         .kind = ControlKind::Frame,
                         .rect = {2150, 4200, 1980, 360},
                         .back = 0xFFC0C0});
  Add({.name = L"Label3",
       .kind = ControlKind::Label,
       .text = L"Bannir",
       .rect = {80, 60, 600, 255},
       .fore = kRed,
       .font = {L"MS Sans Serif", 8.25, true},
       .container = &frame3});

  AddCommandButtons();

  // The pause notice stands above the target user's line, so that the moderator still sees
  // and types the target while the capture is paused; the missing-nickname signal, added
  // after it, lies above it.
  Add({.name = L"Label6",
       .kind = ControlKind::Label,
       .text = L"Robot en pause ! Recliquez sur \"Pause\" pour le remettre en service !",
       .rect = {75, kPauseNoticeHidden, 4110, 600},
       .back = kRed,
       .fore = 0xFFFFFF,
       .font = {L"Comic Sans MS", 9.75, true},
       .align = Alignment::Center});
  Control& error = Add({.name = L"frameerreur",
                        .kind = ControlKind::Frame,
                        .rect = {720, 5400, 3015, 375},
                        .back = kRed});
  Add({.name = L"erreur",
       .kind = ControlKind::Label,
       .text = L" Pseudo user manquant !",
       .rect = {0, 0, 3015, 375},
       .back = kRed,
       .fore = 0xFFFFFF,
       .font = {L"Comic Sans MS", 12, true},
       .container = &error});

  auto c = [this](const wchar_t* name) -> Control& { return (*this)[name]; };
  return {.Label8 = c(L"Label8"),
          .Label7 = c(L"Label7"),
          .Label2 = c(L"Label2"),
          .PseudoManu = c(L"PseudoManu"),
          .frameerreur = c(L"frameerreur"),
          .Label6 = c(L"Label6"),
          .Label3 = c(L"Label3"),
          .Frame2 = c(L"Frame2"),
          .Shape2 = c(L"Shape2"),
          .Frame3 = c(L"Frame3"),
          .Shape3 = c(L"Shape3"),
          .ReyCommand1 = c(L"ReyCommand1"),
          .ReyCommand2 = c(L"ReyCommand2"),
          .ReyCommand3 = c(L"ReyCommand3"),
          .ReyCommand4 = c(L"ReyCommand4"),
          .ReyCommand5 = c(L"ReyCommand5"),
          .ReyCommand6 = c(L"ReyCommand6"),
          .ReyCommand7 = c(L"ReyCommand7"),
          .ReyCommand8 = c(L"ReyCommand8"),
          .ReyCommand9 = c(L"ReyCommand9"),
          .ReyCommand10 = c(L"ReyCommand10"),
          .ReyCommand11 = c(L"ReyCommand11"),
          .ReyCommand12 = c(L"ReyCommand12"),
          .ReyCommand13 = c(L"ReyCommand13"),
          .ReyCommand14 = c(L"ReyCommand14"),
          .ReyCommand15 = c(L"ReyCommand15"),
          .ReyCommand16 = c(L"ReyCommand16"),
          .ReyCommand17 = c(L"ReyCommand17")};
}

void Reglages::AddCommandButtons() {
  static const ButtonSpec kPanelButtons[] = {
      {L"ReyCommand17", L"Micro svp !", {240, 1320, 1095, 315}, 0xFFC0C0, kRed, true},
      {L"ReyCommand14", L"Avertir", {2160, 1680, 1935, 375}, 0xFFFF80, kRed, false},
      {L"ReyCommand10", L"Coupe/Remet micro", {120, 1695, 1905, 375}, 0x80FFFF, 0x004000, false},
      {L"ReyCommand9", L"Dépunir", {120, 2160, 1905, 375}, 0x80FFFF, 0x004000, false},
      {L"ReyCommand11", L"Coupe micro perm.", {120, 2640, 1905, 375}, 0x80FFFF, 0x004000, false},
      {L"ReyCommand3", L"Met noir", {120, 3150, 900, 375}, 0xC0C0C0, 0x000000, false},
      {L"ReyCommand12", L"Met bleu", {1125, 3150, 900, 375}, 0xC0C0FF, 0x0000C0, false},
      {L"ReyCommand1", L"Regarde qui", {120, 3720, 1815, 375}, 0xFFFF80, kGreen, false},
      {L"ReyCommand15", L"Diffuser annonce", {2145, 3705, 1935, 375}, 0x80FFFF, 0x004000, false},
      {L"ReyCommand2", L"Regardé par qui", {120, 4200, 1815, 375}, 0xFFFF80, kGreen, false},
      {L"ReyCommand13",
       L"Message aux modos / bleus / verts / rouges",
       {120, 4725, 4020, 285},
       0xFF8080,
       0x0000FF,
       false},
  };
  static const ButtonSpec kKickButtons[] = {
      {L"ReyCommand4", L"Kick", {120, 480, 795, 345}, 0xFF80FF, kRed, false},
      {L"ReyCommand5", L"Punish", {100, 915, 800, 350}, 0xFF80FF, kRed, false},
      {L"ReyCommand8", L"Kick", {1140, 480, 800, 350}, 0xFF80FF, kRed, false},
      {L"ReyCommand16", L"Punish", {1140, 915, 800, 350}, 0xFF80FF, kRed, false},
  };
  static const ButtonSpec kBanButtons[] = {
      {L"ReyCommand7", L"1 mois", {720, 50, 615, 310}, 0xFF80FF, kRed, true},
      {L"ReyCommand6", L"perm", {1440, 45, 495, 315}, 0xFF80FF, kRed, true},
  };
  auto add = [this](const ButtonSpec& b, Control* container) {
    Add({.name = b.name,
         .kind = ControlKind::Button,
         .text = b.caption,
         .rect = b.rect,
         .back = b.back,
         .fore = b.fore,
         .font = b.comic ? kComic : kArial,
         .container = container});
  };
  for (const ButtonSpec& b : kPanelButtons)
    add(b, nullptr);
  for (const ButtonSpec& b : kKickButtons)
    add(b, &(*this)[L"Frame2"]);
  for (const ButtonSpec& b : kBanButtons)
    add(b, &(*this)[L"Frame3"]);
}

Reglages::OptionMenus Reglages::AddMenus() {
  MenuItem& configurer = AddMenu(L"configurer", L"Configurer");
  AddMenu(L"changepseudoroombot", L"Changer pseudo Roombot", &configurer).onClick = [this] {
    changepseudoroombot_Click();
  };
  AddMenu(L"Mesgusers", L"Messages et raisons", &configurer).onClick = [this] {
    Mesgusers_Click();
  };
  MenuItem& sound = AddMenu(L"AnnonceEntree", L"Annonce sonore entrée user", &configurer);
  AddMenu(L"ChoixWavEntree", L"Choix annonce sonore entrée user", &configurer).onClick = [this] {
    ChoixWavEntree_Click();
  };
  MenuItem& greet = AddMenu(L"SalutNewUser", L"Salut auto entrée user", &configurer);
  MenuItem& sign = AddMenu(L"signe", L"Signer les kicks de votre pseudo", &configurer);
  AddMenu(L"journal", L"Journal de modération...", &configurer).onClick = [this] {
    ctx_.nav.ShowJournal();
  };
  AddMenu(L"standby", L"Pause").onClick = [this] { standby_Click(); };
  AddMenu(L"Quitter", L"Quitter").onClick = [this] { Quitter_Click(); };
  return {sound, greet, sign};
}

}  // namespace vl
