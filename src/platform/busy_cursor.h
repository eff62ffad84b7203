#pragma once
// Shows the hourglass for as long as it lives, also when the work in between fails.

#include "platform/cursors.h"

namespace plorvane {

class BusyCursor {
 public:
  explicit BusyCursor(Cursors& cursors) : cursors_(cursors) { cursors_.SetBusy(true); }
  ~BusyCursor() { cursors_.SetBusy(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Cursors& cursors_;
};

}  // namespace plorvane
