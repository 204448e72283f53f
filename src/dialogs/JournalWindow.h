// The moderation journal's window: the commands of the journal, newest first, those about
// the nickname in the filter box, with that nickname's history in one line, and a button
// that opens the file itself.
#pragma once

#include <string>

#include "core/WindowContext.h"
#include "journal/JournalReader.h"
#include "platform/ui/Form.h"

namespace vl {

// More rows than a moderator reads in a list: the filter finds older ones.
inline constexpr std::size_t kJournalRowsShown = 1000;

class JournalWindow : public Form {
 public:
  explicit JournalWindow(const WindowContext& ctx);

  // Reads the journal again and shows it, filtered on `nick` (the panel's target user).
  void Open(const std::wstring& nick);

 protected:
  void OnActivate() override;

 private:
  // The controls the handlers touch, bound once.
  struct Controls {
    Control& Filtre;
    Control& Resume;
    Control& Lignes;
    Control& Note;
  };
  Controls LayOut();  // adds the controls
  void Reload();
  void Refresh();
  void OpenFile();

  WindowContext ctx_;
  Controls c_;
  JournalContents journal_;
  std::size_t readAt_ = 0;  // the journal's rows written when the file was read
};

}  // namespace vl
