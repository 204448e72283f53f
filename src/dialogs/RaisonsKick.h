// The kick and punish reasons picker: the nine stored reasons and a box for a reason of the
// moment. A pick sends the requested kick and/or punish line for the target user.
#pragma once

#include <string>

#include "dialogs/PhrasePicker.h"

namespace vl {

class RaisonsKick : public PhrasePicker {
 public:
  explicit RaisonsKick(const WindowContext& ctx);

 protected:
  void OnLoad() override { PlaceAtPanel(); }  // placed once, where the moderator works
  void OnActivate() override;
  void LineReleased() override;

 private:
  Control& LayOut();  // adds the controls; returns the box for a reason of the moment
  void Text1_KeyDown(int keyCode);
  void SendRequests(const std::wstring& target, const std::wstring& reason, bool stored);
  void EndPick();

  Control& Text1_;
};

}  // namespace vl
