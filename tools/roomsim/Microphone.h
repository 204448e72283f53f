// The room's microphone as its two buttons show it: free (both enabled), taken by the
// moderator (by a click on the first button, or push-to-talk on the second while it is held
// down), or taken by someone else (both disabled). It is driven by the button messages that
// reach the buttons, not by BN_CLICKED, so that a bare down/up pair sent by another program
// acts the same whether the button is enabled or not. Portable.
#pragma once

namespace roomsim {

enum class MicState { Free, Held, Talking, Other };

// Which microphone buttons are enabled in a state.
struct MicButtons {
  bool first = true;   // the eighth "Button" ("Parler")
  bool second = true;  // the ninth ("Appuyer pour parler")
  friend bool operator==(const MicButtons&, const MicButtons&) = default;
};

class Microphone {
 public:
  MicState State() const { return state_; }
  MicButtons Buttons() const;

  // The first button was clicked (down then up inside it): take it when free, release it
  // when the moderator holds it. Returns true when the state changed.
  bool OnFirstClick();
  // Push-to-talk: button-down on the second button talks while the microphone is free,
  // button-up ends the talk.
  bool OnSecondDown();
  bool OnSecondUp();
  // Someone else takes it, or it is freed, on command.
  bool SetOther();
  bool SetFree();

 private:
  bool Become(MicState next);
  MicState state_ = MicState::Free;
};

// "free", "moderator" (held or talking) or "other": the event log's words.
const char* MicWord(MicState state);

}  // namespace roomsim
