#include "platform/headless/headless_application.h"

#include <string>
#include <utility>

namespace plorvane {

void HeadlessApplication::ProcessPendingEvents() {
  log_.Add("process events");
  ++processed_count_;
  queue_.RunPending();
  windowing_.DeliverPendingPaints();
}

void HeadlessApplication::Terminate(int exit_code) {
  log_.Add("terminate " + std::to_string(exit_code));
  if (!exit_code_) exit_code_ = exit_code;
}

bool HeadlessApplication::Synchronize(const std::function<void()>& task, std::stop_token stop) {
  return queue_.RunAndWait(task, std::move(stop), {});
}

}  // namespace plorvane
