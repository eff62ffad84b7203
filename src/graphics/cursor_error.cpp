#include "graphics/cursor_error.h"

#include "support/messages.h"

namespace plorvane {

std::string_view CursorErrorMessage(CursorError error) {
  switch (error) {
    case CursorError::kNone:
      return {};
    case CursorError::kNotACursor:
      return msg::kUnknownFormat;
    case CursorError::kUnsupportedData:
      return msg::kUnsupportedFormat;
    case CursorError::kTruncated:
    case CursorError::kBadHeader:
    case CursorError::kTooLarge:
    case CursorError::kBadSequence:
    case CursorError::kBadHotSpot:
      return msg::kDataCorrupt;
  }
  return msg::kUnexpectedError;
}

}  // namespace plorvane
