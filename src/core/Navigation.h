// How one window reaches another without including every window: the application
// implements it, and each window receives it.
#pragma once

#include "room/Command.h"

namespace vl {

class Principale;
class Reglages;

class Navigation {
 public:
  virtual ~Navigation() = default;

  virtual Principale& MainWindow() = 0;
  // The control panel, made and loaded (not shown) at its first use.
  virtual Reglages& Panel() = 0;
  virtual void ShowAttachWindow() = 0;
  // The phrase dialogs: each picker is made at its first showing and then only hidden and
  // shown, and made anew after its close box destroyed it; the editor at each opening.
  // The reasons picker, asked for a kick or a punish (added to a request still waiting).
  virtual void ShowRaisonsKick(Action request) = 0;
  // The requests waiting in the reasons picker, withdrawn: the moderator went back to the
  // panel instead of picking a reason.
  virtual void WithdrawReasonRequests() = 0;
  virtual void ShowWarnings() = 0;
  virtual void ShowMessages() = 0;
  virtual void ShowEnvoimsg() = 0;
  virtual void OpenPhraseEditor() = 0;
  // The moderation journal, read again, filtered on the panel's target user.
  virtual void ShowJournal() = 0;
};

}  // namespace vl
