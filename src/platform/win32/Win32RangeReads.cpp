// The range reads of a rich edit, through a block of memory the client lends: its
// EM_GETTEXTLENGTHEX and EM_GETTEXTRANGE take pointers the system does not copy across
// processes.
#include <richedit.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/Win32ForeignWindows.h"

namespace vl::win32 {

namespace {

HWND H(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}
constexpr int kNameChars = 256;  // 255 characters and the NUL

// The block lent by the client: the length's structure, the range's, then the text the range
// receives.
constexpr std::size_t kLengthAt = 0;
constexpr std::size_t kRangeAt = 16;
constexpr std::size_t kHeaderBytes = 32;
constexpr std::size_t kBlockGrain = 4096;

// Only the Unicode rich edits: an ANSI one would fill the block with bytes, and the messages
// mean nothing, or something else, to other classes.
bool IsUnicodeRichEdit(HWND window) {
  wchar_t name[kNameChars] = {};
  GetClassNameW(window, name, kNameChars);
  return _wcsicmp(name, L"RichEdit20W") == 0 || _wcsicmp(name, L"RICHEDIT50W") == 0;
}

}  // namespace

void Win32ForeignWindows::GiveBack() {
  if (loan_.handle == nullptr) return;
  if (loan_.at != 0 && !loan_.outstanding) {
    VirtualFreeEx(loan_.handle, reinterpret_cast<void*>(loan_.at), 0, MEM_RELEASE);
  }
  CloseHandle(loan_.handle);
  loan_ = {};
}

bool Win32ForeignWindows::Borrow(WindowHandle window, std::size_t bytes) {
  if (!rangeReads_ || window == 0 || !IsUnicodeRichEdit(H(window))) return false;
  DWORD process = 0;
  if (GetWindowThreadProcessId(H(window), &process) == 0) return false;
  if (process != loan_.process) {
    GiveBack();
    loan_.process = process;
    loan_.handle = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                   PROCESS_QUERY_LIMITED_INFORMATION,
                               FALSE, process);
    BOOL wow64 = FALSE;
    if (loan_.handle != nullptr && IsWow64Process(loan_.handle, &wow64)) {
      loan_.client32 = wow64 != FALSE || sizeof(void*) == 4;
    }
  }
  if (loan_.handle == nullptr) return false;  // a client of higher rights: whole reads
  if (loan_.size >= bytes) return true;
  // A block still written to by a late message stays the client's; a new one takes its place.
  if (loan_.at != 0 && !loan_.outstanding) {
    VirtualFreeEx(loan_.handle, reinterpret_cast<void*>(loan_.at), 0, MEM_RELEASE);
  }
  loan_.outstanding = false;
  loan_.lengthWritten = false;
  loan_.rangeWritten[0] = loan_.rangeWritten[1] = -1;
  loan_.size = (bytes + kBlockGrain - 1) / kBlockGrain * kBlockGrain;
  loan_.at = reinterpret_cast<std::uintptr_t>(
      VirtualAllocEx(loan_.handle, nullptr, loan_.size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  // A 32-bit client's structure has room for a 4-byte pointer only.
  if (loan_.at != 0 && loan_.client32 && loan_.at + loan_.size > 0xFFFFFFFFu) {
    VirtualFreeEx(loan_.handle, reinterpret_cast<void*>(loan_.at), 0, MEM_RELEASE);
    loan_.at = 0;
  }
  if (loan_.at == 0) loan_.size = 0;
  return loan_.at != 0;
}

bool Win32ForeignWindows::WriteBlock(std::size_t offset, const void* bytes, std::size_t size) {
  if (WriteProcessMemory(loan_.handle, reinterpret_cast<void*>(loan_.at + offset), bytes, size,
                         nullptr)) {
    return true;
  }
  GiveBack();  // the process has ended (its id may come back for another): opened anew
  return false;
}

bool Win32ForeignWindows::SendBorrowed(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                       std::intptr_t lParam, std::uintptr_t* result) {
  const Outcome outcome = Call(window, message, wParam, lParam, result);
  // A message that timed out may still be taken later and write into the block: it is never
  // freed, but may be used again, as the client takes sent messages in order and each writes
  // within it.
  if (outcome == Outcome::TimedOut) loan_.outstanding = true;
  return outcome == Outcome::Answered;
}

// GTL_NUMCHARS without GTL_USECRLF: a paragraph end counts one, as in the ranges.
int Win32ForeignWindows::RichTextLength(WindowHandle window) {
  if (!Borrow(window, kHeaderBytes)) return -1;
  if (!loan_.lengthWritten) {
    const GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
    if (!WriteBlock(kLengthAt, &how, sizeof how)) return -1;
    loan_.lengthWritten = true;
  }
  std::uintptr_t length = 0;
  if (!SendBorrowed(window, EM_GETTEXTLENGTHEX, loan_.at + kLengthAt, 0, &length)) return -1;
  const auto signedLength = static_cast<std::intptr_t>(length);
  return signedLength < 0 || signedLength > 0x7FFFFFFF ? -1 : static_cast<int>(signedLength);
}

bool Win32ForeignWindows::ReadRichText(WindowHandle window, int from, int to, std::wstring& out) {
  if (from < 0 || to < from || to - from > kMaxRangeChars) return false;
  const auto chars = static_cast<std::size_t>(to - from);
  if (!Borrow(window, kHeaderBytes + (chars + 1) * sizeof(wchar_t))) return false;
  const std::uintptr_t text = loan_.at + kHeaderBytes;
  if (loan_.rangeWritten[0] != from || loan_.rangeWritten[1] != to) {
    // TEXTRANGEW as the client's bitness lays it out: two LONGs, then the text's address.
    unsigned char range[kHeaderBytes - kRangeAt] = {};
    const LONG bounds[2] = {from, to};
    std::memcpy(range, bounds, sizeof bounds);
    if (loan_.client32) {
      const auto text32 = static_cast<std::uint32_t>(text);
      std::memcpy(range + sizeof bounds, &text32, sizeof text32);
    } else {
      const auto text64 = static_cast<std::uint64_t>(text);
      std::memcpy(range + sizeof bounds, &text64, sizeof text64);
    }
    if (!WriteBlock(kRangeAt, range, sizeof range)) return false;
    loan_.rangeWritten[0] = from;
    loan_.rangeWritten[1] = to;
  }
  // Only what the control says it copied is read back.
  std::uintptr_t copied = 0;
  if (!SendBorrowed(window, EM_GETTEXTRANGE, 0, static_cast<std::intptr_t>(loan_.at + kRangeAt),
                    &copied)) {
    return false;
  }
  out.resize(std::min(static_cast<std::size_t>(copied), chars));
  SIZE_T got = 0;
  if (!out.empty() && (!ReadProcessMemory(loan_.handle, reinterpret_cast<void*>(text), out.data(),
                                          out.size() * sizeof(wchar_t), &got) ||
                       got != out.size() * sizeof(wchar_t))) {
    out.clear();
    return false;
  }
  return true;
}

}  // namespace vl::win32
