// The microphone state machine of the simulated room.
#include "Microphone.h"

namespace roomsim {

MicButtons Microphone::Buttons() const {
  switch (state_) {
    case MicState::Free:
      return {true, true};
    case MicState::Held:  // the first button stays usable by hand, to give it back
      return {true, false};
    case MicState::Talking:  // the second button stays usable, for its button-up
      return {false, true};
    case MicState::Other:
      break;
  }
  return {false, false};
}

bool Microphone::Become(MicState next) {
  const bool changed = next != state_;
  state_ = next;
  return changed;
}

bool Microphone::OnFirstClick() {
  if (state_ == MicState::Free) return Become(MicState::Held);
  if (state_ == MicState::Held) return Become(MicState::Free);
  return false;
}

bool Microphone::OnSecondDown() {
  return state_ == MicState::Free ? Become(MicState::Talking) : false;
}

bool Microphone::OnSecondUp() {
  return state_ == MicState::Talking ? Become(MicState::Free) : false;
}

bool Microphone::SetOther() {
  return Become(MicState::Other);
}

bool Microphone::SetFree() {
  return Become(MicState::Free);
}

const char* MicWord(MicState state) {
  switch (state) {
    case MicState::Free:
      return "free";
    case MicState::Held:
    case MicState::Talking:
      return "moderator";
    case MicState::Other:
      break;
  }
  return "other";
}

}  // namespace roomsim
