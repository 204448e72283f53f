// The panel's command buttons: each turns a room bot command into one click on the target
// user, or opens the picker that sends it.
#pragma once

#include <string>

namespace vl {

class App;
class Reglages;

inline constexpr int kErrorFrameShown = 960;
inline constexpr int kErrorFrameHidden = 5400;
inline constexpr int kErrorFramePauseMs = 1000;

class CommandButtons {
 public:
  CommandButtons(App& app, Reglages& panel);

  // The missing-nickname signal: the red frame over the "Pseudo" line for one second.
  void MontreErreurPseudo();

 private:
  void SimpleCommand(const std::wstring& verb);
  void Query(const std::wstring& verb);
  void DefaultReasonCommand(const std::wstring& verb);
  void PickedReasonCommand(bool& request);
  void Warning();
  void Announcements();
  void CategoryMessages();
  void Bind(const wchar_t* button, void (CommandButtons::*action)(const std::wstring&),
            const std::wstring& verb);
  const std::wstring& Target() const;
  void Send(const std::wstring& line);

  App& app_;
  Reglages& panel_;
};

}  // namespace vl
