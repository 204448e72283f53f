// Every section and key of the settings file, named once: a key spelt twice could drift,
// and a file written by one spelling would not be read by the other.
#pragma once

#include <string>

namespace vl::key {

inline const std::wstring kSectionParametres = L"Parametres";
inline const std::wstring kSectionRaisons = L"Raisons";  // phrases under keys 1 to 22

inline const std::wstring kBotNick = L"Pseudo RoomBot";
inline const std::wstring kAffWarning = L"AffWarning";        // "N": explanations not shown
inline const std::wstring kAnnSonore = L"AnnSonore";          // "O": entry sound on joins
inline const std::wstring kSalutNouvUser = L"SalutNouvUser";  // "O": greet joining users
inline const std::wstring kBipEntree = L"BipEntree";          // the entry sound's file
inline const std::wstring kSignekick = L"Signekick";          // "O": sign kicks and punishes

}  // namespace vl::key
