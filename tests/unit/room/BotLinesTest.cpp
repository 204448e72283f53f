// The exact lines the room bot and the room receive.
#include "room/BotLines.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(BotLines, IdentificationLine) {
  EXPECT_EQ(IdentLine(L"RoomBot", L"12345"), L"/msg RoomBot Verdelune12345");
  EXPECT_EQ(IdentLine(L"Room Bot", L"54321"), L"/msg Room Bot Verdelune54321");
  EXPECT_EQ(IdentLine(L"", L"54321"), L"/msg  Verdelune54321");
}

TEST(BotLines, CommandsWithAndWithoutReason) {
  EXPECT_EQ(BotCommandLine(L"RoomBot", L"Alice", verb::kBlocmic), L"/msg RoomBot Alice, blocmic");
  EXPECT_EQ(BotCommandLine(L"RoomBot", L"Jean Paul", verb::kSwmic),
            L"/msg RoomBot Jean Paul, swmic");
  EXPECT_EQ(ReasonLine(L"RoomBot", L"Alice", verb::kKick, DefaultReason(false, L"Modo"), L""),
            L"/msg RoomBot Alice, kick non respect des CGU");
  EXPECT_EQ(ReasonLine(L"RoomBot", L"Alice", verb::kKick, DefaultReason(true, L"Modo"), L""),
            L"/msg RoomBot Alice, kick non respect des CGU (par Modo )");
  EXPECT_EQ(DefaultReason(true, L""), L"non respect des CGU (par  )");
  EXPECT_EQ(ReasonLine(L"B", L"U", verb::kPuni, L"flood", Signature(true, L"Me")),
            L"/msg B U, puni flood (par Me )");
  EXPECT_EQ(ReasonLine(L"B", L"U", verb::kKick, L"", L""), L"/msg B U, kick ");
  EXPECT_EQ(BareReasonLine(L"B", L"U", verb::kKick, L""), L"/msg B U, kick");
  EXPECT_EQ(BareReasonLine(L"B", L"U", verb::kPuni, Signature(true, L"Me")),
            L"/msg B U, puni (par Me )");
}

TEST(BotLines, LevelAndCategoryMessages) {
  EXPECT_EQ(LevelMessageLine(L"RoomBot", BotLevelGroup::Niv12, L"réunion", L"Modo"),
            L"/msg RoomBot !MSGNIV12 Message aux NIV 1 et 2 : réunion (de Modo)");
  EXPECT_EQ(LevelMessageLine(L"RoomBot", BotLevelGroup::Niv1, L"x", L"Modo"),
            L"/msg RoomBot !MSGNIV1 Message aux NIV 1 : x (de Modo)");
  EXPECT_EQ(CategoryMessageLine(UserCategory::BleusEtPlus, L"t", L"M"),
            L"/msg 'FOPW' Message aux bleus et plus : t (de M)");
  EXPECT_EQ(CategoryMessageLine(UserCategory::VertsEtRouges, L"t", L"M"),
            L"/msg 'OPW' Message aux verts et rouges : t (de M)");
  EXPECT_EQ(CategoryMessageLine(UserCategory::Rouges, L" t ", L"M"),
            L"/msg 'OWNER' Message aux rouges :  t  (de M)");
}

TEST(BotLines, WarningsAndGreetings) {
  EXPECT_EQ(WarningLine(L"Alice", L"  calme-toi"), L"Alice,   calme-toi");
  EXPECT_EQ(ReplaceNickPlaceholder(L"Bienvenue $N, salut $N !", L"Bob"),
            L"Bienvenue Bob, salut Bob !");
  EXPECT_EQ(ReplaceNickPlaceholder(L"prix $n et $", L"Bob"), L"prix $n et $");
  EXPECT_EQ(ReplaceNickPlaceholder(L"$N", L"$N$N"), L"$N$N") << "what is put in is not rescanned";
}

}  // namespace
}  // namespace vl
