#pragma once
// The program's event loop, its end and its main thread, on Qt.

#include <QObject>

#include "platform/application.h"
#include "platform/main_thread_queue.h"

namespace plorvane {

class QtApplication final : public Application {
 public:
  // Made on the main thread, after the QApplication.
  QtApplication() = default;

  void ProcessPendingEvents() override;
  void Terminate(int exit_code) override;
  bool Synchronize(const std::function<void()>& task, std::stop_token stop) override;

 private:
  MainThreadQueue queue_;
  // Queued drains go to this object, so none runs after the application service is gone.
  QObject context_;
};

}  // namespace plorvane
