// The room bot: what it recognises in a line addressed to it and what it answers.
#include "roomsim/RoomBot.h"

#include <gtest/gtest.h>

#include "crypto/BotAnswer.h"
#include "crypto/SharedKey.h"

namespace roomsim {
namespace {

// A stand-in answer that shows its inputs, so the tests see which challenge and level were used.
std::wstring FakeAnswer(const std::wstring& challenge, int level) {
  return L"%" + challenge.substr(0, 4) + std::to_wstring(level);
}

class RoomBotTest : public ::testing::Test {
 protected:
  BotReply Say(const std::wstring& text, const std::wstring& sender = L"Modo") {
    EXPECT_TRUE(bot.IsAddressed(text)) << "not addressed: " << text.size();
    return bot.Handle(sender, text, users);
  }
  RoomBot bot{L"RoomBot", FakeAnswer};
  std::vector<std::wstring> users{L"Alice", L"Bob", L"Jean, dit Jo"};
};

TEST_F(RoomBotTest, AddressedOnlyWithItsNicknameAndABlank) {
  EXPECT_TRUE(bot.IsAddressed(L"/msg RoomBot Alice, kick"));
  EXPECT_FALSE(bot.IsAddressed(L"/msg RoomBot"));
  EXPECT_FALSE(bot.IsAddressed(L"/msg RoomBot "));
  EXPECT_FALSE(bot.IsAddressed(L"/msg RoomBotX Alice, kick"));
  EXPECT_FALSE(bot.IsAddressed(L"/MSG RoomBot Alice, kick"));
  EXPECT_FALSE(bot.IsAddressed(L"RoomBot: /msg RoomBot x"));
}

TEST_F(RoomBotTest, IdentificationWantsExactlyFiveDigitsAfterTheWord) {
  EXPECT_EQ(IdentificationChallenge(L"Verdelune12345"), L"12345");
  for (const wchar_t* body : {L"Verdelune1234", L"Verdelune123456", L"Verdelune 12345",
                              L"verdelune12345", L"Verdelune1234a", L"Verdelune"}) {
    EXPECT_EQ(IdentificationChallenge(body), L"") << body;
  }
}

TEST_F(RoomBotTest, AnswersTheIdentificationWithTheSendersLevel) {
  bot.SetLevel(L"Chef", 2);
  EXPECT_EQ(Say(L"/msg RoomBot Verdelune54321").text, L"Verdelune identifié %54321");
  EXPECT_EQ(Say(L"/msg RoomBot Verdelune54321", L"Chef").text, L"Verdelune identifié %54322");
  bot.SetLevel(L"Modo", 0);
  EXPECT_EQ(Say(L"/msg RoomBot Verdelune54321").text, L"Verdelune identifié %54320");
}

TEST_F(RoomBotTest, TheRealAnswerCarriesTheChallengesCipherTextUnderTheSharedKey) {
  RoomBot real(L"RoomBot",
               [](const std::wstring& c, int level) { return vl::BotAnswerText(c, level); });
  real.SetLevel(L"Chef", 2);
  for (const wchar_t* challenge : {L"10000", L"54321", L"99999"}) {
    const std::wstring line = std::wstring(L"/msg RoomBot Verdelune") + challenge;
    const std::wstring text = real.Handle(L"Chef", line, {}).text;
    // What the program's answer watcher compares: the five characters after the first "%".
    const auto p = text.find(L'%');
    ASSERT_NE(p, std::wstring::npos);
    ASSERT_EQ(text.size(), p + 6);
    const std::wstring hex = vl::ChallengeHexFor(challenge, vl::CipherKeyText());
    EXPECT_EQ(text.substr(p + 1, 4), hex.substr(0, 4)) << challenge;
    EXPECT_EQ(text.back(), L'2');
  }
}

TEST_F(RoomBotTest, WrongModeChangesEveryOneOfTheFourCharacters) {
  bot.SetWrong(true);
  const std::wstring text = Say(L"/msg RoomBot Verdelune9F0A5").text;  // not digits: no answer
  EXPECT_EQ(text.find(L"identifié"), std::wstring::npos);
  const std::wstring answer = SpoilAnswer(L"%AF091");
  ASSERT_EQ(answer.size(), 6u);
  for (int i = 1; i <= 4; ++i)
    EXPECT_NE(answer[i], L"%AF091"[i]) << i;
  EXPECT_EQ(answer[5], L'1');
  EXPECT_EQ(SpoilAnswer(L"x %ab1"), L"x %002");  // short and lower case still spoilt
  EXPECT_EQ(Say(L"/msg RoomBot Verdelune12345").text, L"Verdelune identifié %23451");
}

TEST_F(RoomBotTest, SilentIgnoresEverything) {
  bot.SetSilent(true);
  for (const wchar_t* line : {L"/msg RoomBot Verdelune12345", L"/msg RoomBot Alice, kick"}) {
    const BotReply r = Say(line);
    EXPECT_EQ(r.text, L"");
    EXPECT_EQ(r.removedUser, L"");
    EXPECT_NE(r.log.find(L"silent"), std::wstring::npos);
  }
}

TEST_F(RoomBotTest, CarriesOutEveryVerbWithAVisibleResult) {
  struct Case {
    const wchar_t* line;
    const wchar_t* result;
    const wchar_t* removed;
  } cases[] = {
      {L"/msg RoomBot Alice, kick non respect des CGU",
       L"Alice a été expulsé(e) : non respect des CGU", L"Alice"},
      {L"/msg RoomBot Alice, kick", L"Alice a été expulsé(e)", L"Alice"},
      {L"/msg RoomBot Alice, kick ", L"Alice a été expulsé(e)", L"Alice"},
      {L"/msg RoomBot Bob, puni spam, insultes (par Modo )",
       L"Bob a été puni(e) : spam, insultes (par Modo )", L""},
      {L"/msg RoomBot Bob, puni", L"Bob a été puni(e)", L""},
      {L"/msg RoomBot Bob, depuni", L"Bob n'est plus puni(e)", L""},
      {L"/msg RoomBot Bob, noir", L"Bob est mis(e) en noir", L""},
      {L"/msg RoomBot Bob, bleu", L"Bob est mis(e) en bleu", L""},
      {L"/msg RoomBot Bob, blocmic", L"micro de Bob coupé définitivement", L""},
      {L"/msg RoomBot Bob, ban1", L"Bob a été banni(e) pour 1 mois", L"Bob"},
      {L"/msg RoomBot Bob, ban2", L"Bob a été banni(e) définitivement", L"Bob"},
      {L"/msg RoomBot Alice, matequi", L"Alice regarde : Bob, Jean, dit Jo", L""},
      {L"/msg RoomBot Bob, mateparqui", L"Bob est regardé(e) par : Alice, Jean, dit Jo", L""},
      {L"/msg RoomBot Jean, dit Jo, kick", L"Jean, dit Jo a été expulsé(e)", L"Jean, dit Jo"},
  };
  for (const Case& c : cases) {
    const BotReply r = Say(c.line);
    EXPECT_EQ(r.text, c.result) << r.log.size();
    EXPECT_EQ(r.removedUser, c.removed);
  }
}

TEST_F(RoomBotTest, SwmicTogglesPerUser) {
  EXPECT_EQ(Say(L"/msg RoomBot Bob, swmic").text, L"micro de Bob coupé");
  EXPECT_EQ(Say(L"/msg RoomBot Alice, swmic").text, L"micro de Alice coupé");
  EXPECT_EQ(Say(L"/msg RoomBot Bob, swmic").text, L"micro de Bob remis");
}

TEST_F(RoomBotTest, AbsentUserUnknownCommandAndRights) {
  EXPECT_EQ(Say(L"/msg RoomBot Zoé, kick flood").text, L"Zoé n'est pas dans la salle");
  for (const wchar_t* line : {L"/msg RoomBot nimportequoi", L"/msg RoomBot Alice, danse",
                              L"/msg RoomBot Alice, noir et blanc", L"/msg RoomBot , kick",
                              L"/msg RoomBot Alice, ", L"/msg RoomBot Alice,kick"}) {
    const BotReply r = Say(line);
    EXPECT_EQ(r.text.rfind(L"commande inconnue", 0), 0u) << r.log.size();
    EXPECT_EQ(r.removedUser, L"");
  }
  bot.SetLevel(L"Modo", 2);
  EXPECT_EQ(Say(L"/msg RoomBot Alice, ban2").text, L"droits insuffisants pour ban2");
  EXPECT_EQ(Say(L"/msg RoomBot Alice, kick").removedUser, L"Alice");
  bot.SetLevel(L"Modo", 3);
  EXPECT_EQ(Say(L"/msg RoomBot Alice, noir").text, L"accès refusé pour Modo");
}

TEST_F(RoomBotTest, LevelMessages) {
  EXPECT_EQ(Say(L"/msg RoomBot !MSGNIV12 Message aux NIV 1 et 2 : salut (de Modo)").text,
            L"message transmis aux NIV 1 et 2 : Message aux NIV 1 et 2 : salut (de Modo)");
  EXPECT_EQ(Say(L"/msg RoomBot !MSGNIV1 Message aux NIV 1 : salut (de Modo)").text,
            L"message transmis aux NIV 1 : Message aux NIV 1 : salut (de Modo)");
  EXPECT_EQ(Say(L"/msg RoomBot !MSGNIV1").text, L"message transmis aux NIV 1 : ");
  EXPECT_EQ(Say(L"/msg RoomBot !MSGNIV123 x").text.rfind(L"commande inconnue", 0), 0u);
}

TEST(ClassMessages, RecognisesTheThreeClassesOnly) {
  EXPECT_EQ(ClassMessageTarget(L"/msg 'FOPW' Message aux bleus et plus : x (de M)"), L"FOPW");
  EXPECT_EQ(ClassMessageTarget(L"/msg 'OPW' x"), L"OPW");
  EXPECT_EQ(ClassMessageTarget(L"/msg 'OWNER' x"), L"OWNER");
  EXPECT_EQ(ClassMessageTarget(L"/msg OWNER x"), L"");
  EXPECT_EQ(ClassMessageTarget(L"/msg 'FOPW'x"), L"");
}

}  // namespace
}  // namespace roomsim
