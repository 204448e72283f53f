// The program's title: the caption of its message boxes.
#pragma once

#include <string>

namespace vl {

inline const std::wstring kProgramTitle = L"Verdelune";

}  // namespace vl
