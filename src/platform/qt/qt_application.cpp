#include "platform/qt/qt_application.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace plorvane {

void QtApplication::ProcessPendingEvents() {
  QCoreApplication::processEvents();
  queue_.RunPending();
}

void QtApplication::Terminate(int exit_code) { QCoreApplication::exit(exit_code); }

bool QtApplication::Synchronize(const std::function<void()>& task, std::stop_token stop) {
  return queue_.RunAndWait(task, std::move(stop), [this] {
    QMetaObject::invokeMethod(&context_, [this] { queue_.RunPending(); }, Qt::QueuedConnection);
  });
}

}  // namespace plorvane
