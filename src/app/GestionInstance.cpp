#include "app/GestionInstance.h"

#include "crypto/Windows1252.h"
#include "room/TextOps.h"

namespace vl {
namespace {

// The executable-file field without its NUL padding, blanks trimmed.
std::wstring FieldName(const std::string& field) {
  return std::wstring(TrimBlanks(RemoveAll(FromWindows1252(field), std::wstring(1, L'\0'))));
}

}  // namespace

void GestionInstance::FermeAutresInstances(WindowHandle mainWindow) {
  std::wstring name = NomExecutable(mainWindow);
  ListeProcessus(name);
  if (matches_.size() < 2) return;
  const std::vector<std::uint32_t> others = matches_;
  for (std::uint32_t id : others) {
    if (id == ownProcessId_) continue;
    std::uint32_t target = id;
    WindowHandle none = 0;
    TueProcessus(target, none);
  }
}

std::wstring GestionInstance::NomExecutable(WindowHandle window) {
  ownProcessId_ = processes_.OwnerProcess(window);
  for (const ProcessEntry& entry : processes_.Snapshot()) {
    if (entry.id == ownProcessId_) return FieldName(entry.exeFile);
  }
  return kNoExecutableFound;
}

void GestionInstance::ListeProcessus(const std::wstring& name) {
  matches_.clear();
  // Every name begins with the empty one: a name that could not be told matches nothing.
  if (name.empty()) return;
  const std::string wanted = ToWindows1252(name);
  for (const ProcessEntry& entry : processes_.Snapshot()) {
    // The first n characters of the padded field, n the length of the name.
    if (entry.exeFile.size() >= wanted.size() &&
        entry.exeFile.compare(0, wanted.size(), wanted) == 0) {
      matches_.push_back(entry.id);
    }
  }
}

bool GestionInstance::TueProcessus(std::uint32_t& processId, WindowHandle& window) {
  if (window != 0) processId = processes_.OwnerProcess(window);
  if (processId == 0) return false;
  processes_.EnableDebugPrivilege();  // without it, termination is tried all the same
  return processes_.Terminate(processId);
}

}  // namespace vl
