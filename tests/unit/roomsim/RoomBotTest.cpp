// The room bot: what it recognises in a line addressed to it and what it answers.
#include "roomsim/RoomBot.h"

#include <gtest/gtest.h>

#include <tuple>

namespace roomsim {
namespace {

class RoomBotTest : public ::testing::Test {
 protected:
  // `body` as the moderator's client sends it: "/msg RoomBot " + body.
  BotReply Say(const std::wstring& body) {
    const std::wstring text = L"/msg RoomBot " + body;
    EXPECT_TRUE(bot.IsAddressed(text)) << text;
    return bot.Handle(L"Modo", text, users);
  }
  // A stand-in answer that shows which challenge and level it was given.
  RoomBot bot{L"RoomBot", [](const std::wstring& challenge, int level) {
                return L"%" + challenge.substr(0, 4) + std::to_wstring(level);
              }};
  std::vector<std::wstring> users{L"Alice", L"Bob", L"Jean, dit Jo"};
};

TEST_F(RoomBotTest, AnswersWithTheSendersLevelWrongOrNotAtAll) {
  EXPECT_EQ(Say(L"Verdelune54321").text, L"Verdelune identifié %54321");
  bot.SetLevel(L"Modo", 0);
  EXPECT_EQ(Say(L"Verdelune54321").text, L"Verdelune identifié %54320");
  // Wrong: every one of the four characters changes, the level stays.
  bot.SetWrong(true);
  EXPECT_EQ(Say(L"Verdelune12345").text, L"Verdelune identifié %23450");
  const std::wstring spoilt = SpoilAnswer(L"%AF091");  // F wraps round to 0
  for (std::size_t i = 1; i <= 4; ++i)
    EXPECT_NE(spoilt.at(i), L"%AF091"[i]) << i;
  EXPECT_EQ(spoilt.substr(5), L"1");
  bot.SetSilent(true);
  const BotReply silent = Say(L"Verdelune12345");
  EXPECT_EQ(silent.text, L"");
  EXPECT_NE(silent.log.find(L"silent"), std::wstring::npos);
}

TEST_F(RoomBotTest, CarriesOutEveryCommandWithAVisibleResult) {
  // The body, the bot's line, the user it takes out of the room.
  const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
      {L"Alice, kick abus (par Modo )", L"Alice a été expulsé(e) : abus (par Modo )", L"Alice"},
      {L"Bob, puni spam, flood", L"Bob a été puni(e) : spam, flood", L""},
      {L"Bob, puni", L"Bob a été puni(e)", L""},
      {L"Bob, noir", L"Bob est mis(e) en noir", L""},
      {L"Bob, ban1", L"Bob a été banni(e) pour 1 mois", L"Bob"},
      {L"Alice, matequi", L"Alice regarde : Bob, Jean, dit Jo", L""},
      {L"Jean, dit Jo, kick", L"Jean, dit Jo a été expulsé(e)", L"Jean, dit Jo"},
      {L"Bob, swmic", L"micro de Bob coupé", L""},  // swmic toggles per user
      {L"Alice, swmic", L"micro de Alice coupé", L""},
      {L"Bob, swmic", L"micro de Bob remis", L""},
      {L"Bob, swmic", L"micro de Bob coupé", L""},
      {L"Zoé, kick flood", L"Zoé n'est pas dans la salle", L""},
      {L"!MSGNIV12 a : x", L"message transmis aux NIV 1 et 2 : a : x", L""},
      {L"!MSGNIV1", L"message transmis aux NIV 1 : ", L""},
  };
  for (const auto& [body, result, removed] : cases) {
    const BotReply r = Say(body);
    EXPECT_EQ(r.text, result) << body;
    EXPECT_EQ(r.removedUser, removed) << body;
  }
}

TEST_F(RoomBotTest, AnythingElseIsNotForItOrAnUnknownCommand) {
  for (const wchar_t* line : {L"/msg RoomBot", L"/msg RoomBot ", L"/msg RoomBotX Alice, kick",
                              L"RoomBot: /msg RoomBot x"}) {
    EXPECT_FALSE(bot.IsAddressed(line)) << line;
  }
  for (const std::wstring target : {L"FOPW", L"OPW", L"OWNER"})
    EXPECT_EQ(ClassMessageTarget(L"/msg '" + target + L"' Message aux bleus : x"), target);
  // Identification wants exactly five digits right after the word.
  for (const wchar_t* body :
       {L"Verdelune1234", L"Verdelune123456", L"Verdelune 12345", L"verdelune12345",
        L"Verdelune1234a", L"nimportequoi", L"Alice, danse", L"Alice, noir et blanc", L", kick",
        L"Alice,kick", L"!MSGNIV123 x"}) {
    const BotReply r = Say(body);
    EXPECT_EQ(r.text, L"commande inconnue : " + std::wstring(body));
    EXPECT_EQ(r.removedUser, L"");
  }
}

}  // namespace
}  // namespace roomsim
