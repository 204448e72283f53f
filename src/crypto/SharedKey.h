// The key text shared with the room bot for the identification handshake.
#pragma once

#include <string>

namespace vl {

// The 20-character key, assembled from character codes at each call so that the program
// never holds it whole as a literal.
std::wstring CipherKeyText();

}  // namespace vl
