// The capture of a nickname from the room's input box, on any text and on texts built around
// a nickname taken from it, whose capture is known.
#include "FuzzInput.h"
#include "room/ChatReader.h"

using namespace vl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = fuzz::WideOf(data, size);
  if (const auto nick = CapturedNick(text)) {
    FUZZ_CHECK(text.ends_with(L", ") || text.ends_with(L", ."));
    FUZZ_CHECK(text.find(L' ') >= text.find(L','));
    FUZZ_CHECK(nick->find(L'.') == std::wstring::npos && nick->size() + 2 <= text.size());
    FUZZ_CHECK(fuzz::IsSubsequence(*nick, text));
  }
  // After a capture the box holds "."; the moderator's pick lands before it or after it.
  const std::wstring nick = fuzz::Without(text, L", .");
  for (const std::wstring& box : {nick + L", ", L"." + nick + L", ", nick + L", ."})
    FUZZ_CHECK(CapturedNick(box) == nick);
  FUZZ_CHECK(CapturedNick(nick + L", " + nick + L", ") == nick + nick);
  FUZZ_CHECK(!CapturedNick(fuzz::Without(text, L",") + L" " + nick + L", "));
  return 0;
}
