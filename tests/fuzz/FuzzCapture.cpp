// The capture of a nickname from the room's input box, on any text and on texts built around
// a nickname taken from it, whose capture is known.
#include "FuzzInput.h"
#include "room/ChatReader.h"

using namespace vl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = fuzz::WideOf(data, size);
  for (const bool markerLeft : {false, true}) {
    if (const auto nick = CapturedNick(text, markerLeft)) {
      FUZZ_CHECK(text.ends_with(L", ") || text.ends_with(L", ."));
      FUZZ_CHECK(text.find(L' ') >= text.find(L','));
      FUZZ_CHECK(nick->size() + 2 <= text.size());
      FUZZ_CHECK(fuzz::IsSubsequence(*nick, text));
    }
  }
  // After a capture the box holds "."; the moderator's pick lands before it or after it. Every
  // other full stop is the nickname's.
  const std::wstring nick = fuzz::Without(text, L", ");
  FUZZ_CHECK(CapturedNick(nick + L", ", false) == nick);
  FUZZ_CHECK(CapturedNick(L"." + nick + L", ", true) == nick);
  FUZZ_CHECK(CapturedNick(nick + L", .", true) == nick);
  FUZZ_CHECK(CapturedNick(nick + L", " + nick + L", ", false) == nick + nick);
  FUZZ_CHECK(!CapturedNick(fuzz::Without(text, L",") + L" " + nick + L", ", false));
  return 0;
}
