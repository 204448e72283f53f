#include "app/Principale.h"

#include "core/BotNick.h"
#include "room/Challenge.h"
#include "room/HandshakeValues.h"
#include "settings/SettingsKeys.h"

namespace vl {
namespace {

const Colour kDarkGrey = 0x404040;
const Colour kYellow = 0xFFFF00;
const Colour kLightYellow = 0xFFFF80;
const Colour kLightGrey = 0xE0E0E0;
const Colour kRed = 0xFF0000;
const Colour kDarkBlue = 0x0000C0;
const Font kSansSerif{L"MS Sans Serif", 8.25, false};

const wchar_t* const kLabel3 = L"Robot de salle : verdelune.example.org";
const wchar_t* const kLabel4 =
    L"Verdelune est fait pour les utilisateurs d'un robot de salle dans les salons de "
    L"discussion par webcam. Il facilite le travail des modérateurs et des administrateurs "
    L"qui se servent des commandes rouges de ce robot.";
const wchar_t* const kLabel5 =
    L"Verdelune ne sert à rien sinon, il n'est pas non plus prévu pour être utilisé avec les "
    L"bots de camfrog. Si vous n'utilisez pas un room bot, désinstallez ce programme il n'a "
    L"aucune utilité !";
const wchar_t* const kLabel6 =
    L"Verdelune est gratuit. Vos remerciements et vos suggestions sont les bienvenus. Avant "
    L"de vous en servir, lisez la notice qui l'accompagne.";
const wchar_t* const kLabel7 = L"Pour appréciations et suggestions, merci d'écrire à l'auteur : ";
const wchar_t* const kContact = L"auteur@verdelune.example.org";
const wchar_t* const kLabel9 =
    L"Cette version ne peut fonctionner qu'avec le roombot 1.52 ou supérieur, ou le pseudo du "
    L"roombot est erroné !";

}  // namespace

Principale::Principale(const WindowContext& ctx)
    : Form(ctx.platform, FormDesign{L"Principale", L"Connexion à la room", 4740, 6030, kDarkGrey}),
      Connexion(AddTimer(L"Connexion", 500, false)),
      EnvoiCode(AddTimer(L"EnvoiCode", 2000, false)),
      ctx_(ctx),
      c_(AddControls()),
      instances_(ctx.platform.processes()),
      handshake_(ctx, *this) {
  Connexion.onTick = [this] { handshake_.AnswerWatcherTick(); };
  EnvoiCode.onTick = [this] { handshake_.ReSenderTick(); };
  AddMenu(L"newBot", L"Changer de robot").onClick = [this] { newBot_Click(); };
  c_.Check1.onClick = [this] { Check1_Click(); };
  c_.ReyCommand1.onClick = [this] { ReyCommand1_Click(); };
  c_.saisiepseudo.onKeyDown = [this](int key) { saisiepseudo_KeyDown(key); };
  c_.Connexionroom.onClick = [this] { Connexionroom_Click(); };
}

// Later controls lie above earlier ones: the frames cover the button and the picture.
Principale::Controls Principale::AddControls() {
  const Font title{L"MS Sans Serif", 13.5, false};
  Add({.name = L"Picture1",
       .kind = ControlKind::Picture,
       .text = L"emblem",
       .rect = {870, 1200, 3000, 3720}});
  Add({.name = L"Label1",
       .kind = ControlKind::Label,
       .text = L"Verdelune",
       .rect = {1320, 5160, 1500, 375},
       .back = kDarkGrey,
       .fore = kYellow,
       .font = title});
  Control& label2 = Add({.name = L"Label2",
                         .kind = ControlKind::Label,
                         .rect = {2880, 5175, 900, 375},
                         .back = kDarkGrey,
                         .fore = kYellow,
                         .font = title});
  Add({.name = L"Label3",
       .kind = ControlKind::Label,
       .text = kLabel3,
       .rect = {840, 5640, 3855, 255},
       .back = kDarkGrey,
       .fore = kYellow,
       .font = {L"MS Sans Serif", 9.75, false}});
  Control& connexionroom = Add({.name = L"Connexionroom",
                                .kind = ControlKind::Button,
                                .text = L"Connexion à la salle",
                                .rect = {360, 240, 3975, 735},
                                .back = kLightYellow,
                                .fore = 0x000000,
                                .font = {L"MS Sans Serif", 12, true}});

  Control& frame2 = Add({.name = L"Frame2",
                         .kind = ControlKind::Frame,
                         .rect = {360, kFrameNickHidden, 3975, 975},
                         .back = kLightGrey});
  Add({.name = L"Label8",
       .kind = ControlKind::Label,
       .text = L"Entrez le pseudo du roombot svp !",
       .rect = {120, 210, 3735, 255},
       .fore = kRed,
       .font = kSansSerif,
       .container = &frame2});
  Control& saisiepseudo = Add({.name = L"saisiepseudo",
                               .kind = ControlKind::TextBox,
                               .rect = {120, 480, 3735, 375},
                               .back = 0xFFFFFF,
                               .fore = kDarkBlue,
                               .font = {L"MS Sans Serif", 12, false},
                               .container = &frame2});

  Control& frame3 = Add({.name = L"Frame3",
                         .kind = ControlKind::Frame,
                         .rect = {360, kFrameNickHidden, 3975, 975},
                         .back = kLightGrey});
  Add({.name = L"Label9",
       .kind = ControlKind::Label,
       .text = kLabel9,
       .rect = {120, 150, 3735, 735},
       .fore = kRed,
       .font = {L"MS Sans Serif", 9.75, true},
       .align = Alignment::Center,
       .container = &frame3});

  Control& frame1 = Add({.name = L"Frame1",
                         .kind = ControlKind::Frame,
                         .text = L"Explications à lire la première fois !",
                         .rect = {0, kFrame1Hidden, 4695, 6015},
                         .back = kLightGrey});
  Add({.name = L"Label4",
       .kind = ControlKind::Label,
       .text = kLabel4,
       .rect = {120, 300, 4455, 960},
       .font = kSansSerif,
       .container = &frame1});
  Add({.name = L"Label5",
       .kind = ControlKind::Label,
       .text = kLabel5,
       .rect = {120, 1380, 4455, 960},
       .font = {L"MS Sans Serif", 8.25, true},
       .container = &frame1});
  Add({.name = L"Label6",
       .kind = ControlKind::Label,
       .text = kLabel6,
       .rect = {120, 2460, 4455, 960},
       .font = kSansSerif,
       .container = &frame1});
  Add({.name = L"Label7",
       .kind = ControlKind::Label,
       .text = kLabel7,
       .rect = {120, 3540, 4455, 480},
       .font = kSansSerif,
       .container = &frame1});
  Add({.name = L"Text1",
       .kind = ControlKind::TextBox,
       .text = kContact,
       .rect = {120, 4050, 4455, 315},
       .back = kLightGrey,
       .fore = kRed,
       .font = kSansSerif,
       .container = &frame1});
  Control& check1 = Add({.name = L"Check1",
                         .kind = ControlKind::CheckBox,
                         .text = L"Ne pas montrer ce message la prochaine fois",
                         .rect = {120, 4620, 4455, 315},
                         .back = kLightGrey,
                         .font = kSansSerif,
                         .container = &frame1});
  Control& reycommand1 = Add({.name = L"ReyCommand1",
                              .kind = ControlKind::Button,
                              .text = L"J'ai bien lu ... Fermer cette fenêtre",
                              .rect = {600, 5220, 3495, 495},
                              .back = kLightYellow,
                              .fore = 0x000000,
                              .font = {L"MS Sans Serif", 8.25, true},
                              .container = &frame1});
  return {label2, frame1, frame2, frame3, check1, reycommand1, saisiepseudo, connexionroom};
}

void Principale::OnLoad() {
  instances_.FermeAutresInstances(Handle());
  CentreOnScreen();
  SharedState& s = ctx_.records.shared;
  s.ChallengeText = DrawChallenge(platform().clock().NowMs());
  HandshakeValues values = PrepareHandshakeValues(s.ChallengeText);
  s.CipherKeyText = values.cipherKeyText;
  s.RefusalMessage = values.refusalMessage;
  s.ChallengeHex = values.challengeHex;
  s.VersionText = kVersionText;
  c_.Label2.SetText(s.VersionText);
  if (ctx_.settings.Read(key::kAffWarning) != L"N") c_.Frame1.SetTop(kFrame1Shown);
}

void Principale::OnActivate() {
  ReadBotNickAndAsk();
}

void Principale::ReadBotNickAndAsk() {
  std::wstring& nick = ctx_.records.shared.BotNick;
  nick = ctx_.settings.FileExists() ? ctx_.settings.Read(key::kBotNick) : L"";
  if (c_.Frame1.Top() == kFrame1Hidden && nick.empty()) AskBotNick();
}

// The box comes with the keyboard: what the moderator types next is the nickname.
void Principale::AskBotNick() {
  c_.Frame2.SetTop(kFrameNickShown);
  Focus(c_.saisiepseudo);
}

// The close box ends the whole program at once.
bool Principale::OnCloseRequest() {
  platform().EndProgram();
  return false;
}

void Principale::Check1_Click() {
  if (!c_.Check1.Checked()) return;
  ctx_.settings.Write(key::kAffWarning, L"N");
  c_.Check1.SetVisible(false);
}

void Principale::ReyCommand1_Click() {
  c_.Frame1.SetTop(kFrame1Hidden);
  ReadBotNickAndAsk();
}

void Principale::saisiepseudo_KeyDown(int keyCode) {
  if (keyCode != kKeyEnter) return;
  AdoptBotNick(ctx_, c_.saisiepseudo.Text());
  c_.saisiepseudo.SetText(L"");
  c_.Frame2.SetTop(kFrameNickHidden);
}

void Principale::newBot_Click() {
  AskBotNick();
}

void Principale::Connexionroom_Click() {
  Hide();
  ctx_.nav.ShowAttachWindow();
}

void Principale::StartHandshake() {
  EnvoiCode.SetEnabled(true);
  handshake_.connection();
}

void Principale::ShowIncompatibleBotNotice() {
  c_.Frame3.SetTop(kFrameNickShown);
}

}  // namespace vl
