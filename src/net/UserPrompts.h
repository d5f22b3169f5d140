#pragma once
// The message boxes the network logic shows, as an interface: the screens
// hand in the toolkit's boxes, tests a recorder.
#include "platform/text/WString.h"

namespace tarvo {

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // A top-most Yes/No question; true for Yes.
  virtual bool AskYesNo(WStringView caption, WStringView text) = 0;
  // A message with an OK button.
  virtual void Tell(WStringView caption, WStringView text) = 0;
};

}  // namespace tarvo
