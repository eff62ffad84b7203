#include "platform/dialogs.h"

namespace plorvane {

MessageAnswer CancellingAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk:
      return MessageAnswer::kOk;
    case MessageButtons::kYesNo:
      return MessageAnswer::kNo;
    case MessageButtons::kOkCancel:
    case MessageButtons::kYesCancel:
    case MessageButtons::kYesNoCancel:
      break;
  }
  return MessageAnswer::kCancel;
}

void KeepEffects(Font& chosen, const Font& initial) {
  chosen.underline = initial.underline;
  chosen.strikeout = initial.strikeout;
  chosen.colour = initial.colour;
}

}  // namespace plorvane
