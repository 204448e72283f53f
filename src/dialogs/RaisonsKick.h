// The kick and punish reasons picker: the nine stored reasons and a box for a reason of the
// moment. It holds the kick and punish requests it was opened with; a pick sends them for
// the target user.
#pragma once

#include <optional>
#include <string>

#include "dialogs/PhrasePicker.h"

namespace vl {

class RaisonsKick : public PhrasePicker {
 public:
  explicit RaisonsKick(const WindowContext& ctx);

  // A kick or punish waiting for its reason, beside any other request still waiting.
  void Ask(Action request);
  void Withdraw() { kick_ = punish_ = false; }

 protected:
  void OnLoad() override { PlaceAtPanel(); }  // placed once, where the moderator works
  void OnActivate() override;
  void LineReleased() override;

 private:
  Control& LayOut();  // adds the controls; returns the box for a reason of the moment
  void Text1_KeyDown(int keyCode);
  // A stored reason that is empty sends the verb alone.
  void SendRequests(const std::wstring& target, std::optional<std::wstring> reason);
  void EndPick();

  Control& Text1_;
  bool kick_ = false;
  bool punish_ = false;
};

}  // namespace vl
