#pragma once
// What the main window's command groups need of the window: the platform, the card, the busy
// state and its error box. The form implements it; each command group holds a reference.

#include <string_view>

#include "platform/platform.h"

namespace plorvane {

class TCompactSplash;
class THelp;
class TZarvickV2;

class FormServices {
 public:
  virtual ~FormServices() = default;
  virtual Platform& platform() = 0;
  virtual TZarvickV2& card() = 0;
  virtual THelp& help() = 0;
  virtual TCompactSplash& splash() = 0;
  virtual void SetBusy(bool busy) = 0;
  // The form's own failures: the text in the error box (translated there).
  virtual void ShowError(std::string_view error_text) = 0;
};

// Busy from here to the end of the scope, also when the command fails on the way.
class BusyScope {
 public:
  explicit BusyScope(FormServices& form) : form_(form) { form_.SetBusy(true); }
  ~BusyScope() { form_.SetBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  FormServices& form_;
};

}  // namespace plorvane
