// The window's layout, its drag button and its settings file.
#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "animation/ui/animation_element_settings.h"
#include "animation_window_fixture.h"
#include "clipboard/link_io.h"
#include "support/paths.h"
#include "texttools/component_io.h"
#include "texttools/ui/tool_window_frame.h"

namespace plorvane::test {
namespace {

using WindowFrame = AnimationWindowTest;

QSize ScreenSize() { return QApplication::primaryScreen()->geometry().size(); }

TEST_F(WindowFrame, LaysOutTheToolPanelAndTheColumn) {
  EXPECT_EQ(window_.Form().windowTitle(), "Animation");
  const char* buttons[] = {"duplicate", "bring_to_top", "send_to_bottom", "copy", "paste", "drag_window"};
  const char* hints[] = {"Duplicate", "Bring to Top", "Send to Bottom", "Copy", "Paste", "Drag Window"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Button(buttons[i]).geometry(), QRect(25 * i, 2, 25, 25)) << buttons[i];
    EXPECT_EQ(Button(buttons[i]).toolTip(), hints[i]);
  }
  const QWidget& client = *window_.Form().centralWidget();
  EXPECT_EQ(client.width(), 6 * 25 + 2);

  const QRect bar = SpeedBar().geometry();
  EXPECT_EQ(bar.width(), 110);
  EXPECT_EQ(Button("fps_button").geometry(), QRect(bar.left() + 111, bar.top() - 1, 25, bar.height() + 2));
  const QRect amount = List("vertical_amount").geometry();
  EXPECT_EQ(List("vertical_direction").geometry(), QRect(amount.left() + 73, amount.top(), 75, amount.height()));
  EXPECT_EQ(client.height(), amount.bottom() + 1 + 5);

  // Each label 5 pixels under the control above it, its control 2 under the label.
  const auto top = [&](const char* name) { return window_.Form().findChild<QWidget*>(name)->geometry().top(); };
  const auto bottom = [&](const char* name) { return window_.Form().findChild<QWidget*>(name)->geometry().bottom() + 1; };
  EXPECT_EQ(top("options_label"), 29 + 5);
  EXPECT_EQ(top("transparent"), bottom("options_label") + 2);
  EXPECT_EQ(top("flip"), bottom("transparent") + 5);
  EXPECT_EQ(top("flash_label"), bottom("speed_bar") + 5);
  EXPECT_EQ(top("vertical_amount"), bottom("vertical_label") + 2);

  EXPECT_EQ(Status(), "Ready");
  EXPECT_FALSE(window_.Form().statusBar()->isSizeGripEnabled());
  const QPoint centre = QRect(QPoint(0, 0), ScreenSize()).center();
  EXPECT_LE(std::abs(window_.Form().frameGeometry().center().x() - centre.x()), 1);
  EXPECT_LE(std::abs(window_.Form().frameGeometry().center().y() - centre.y()), 1);
}

TEST_F(WindowFrame, TextsAreNotCut) {
  // The longest speed label: the slowest rate and the longest interval there is.
  PlaceSelected(WithInterval(5000));
  window_.Show();
  ASSERT_EQ(SpeedLabel(), "Speed 0.50fps [5000ms]");
  for (QWidget* control : window_.Form().centralWidget()->findChildren<QWidget*>()) {
    if (qobject_cast<QLabel*>(control) || qobject_cast<QCheckBox*>(control) || qobject_cast<QComboBox*>(control)) {
      EXPECT_LE(control->sizeHint().width(), control->width()) << control->objectName().toStdString();
      EXPECT_LE(control->geometry().right(), window_.Form().centralWidget()->width()) << control->objectName().toStdString();
    }
  }
  // Set this to look at the window.
  if (const char* shot = std::getenv("PLORVANE_ANIMATION_WINDOW_SHOT")) window_.Form().grab().save(shot);
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint global) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, widget.mapFromGlobal(global), global, Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

TEST_F(WindowFrame, DraggingKeeps32PixelsOnTheScreen) {
  window_.Show();
  QMainWindow& form = window_.Form();
  QToolButton& drag = Button("drag_window");
  const auto& panel = *static_cast<ToolPanel*>(drag.parentWidget());
  const QSize size = form.frameGeometry().size();

  struct Case {
    QPoint offset;  // how far the pointer goes from where it was pressed
    QPoint expected;
  };
  const QSize screen = ScreenSize();
  for (const Case c : {Case{{-5000, -5000}, {32 - size.width(), 32 - size.height()}},
                       Case{{5000, 5000}, {screen.width() - 32, screen.height() - 32}}}) {
    form.move(100, 100);
    const QPoint press = drag.mapToGlobal(QPoint(5, 5));
    SendMouse(drag, QEvent::MouseButtonPress, press);
    EXPECT_EQ(Status(), "Dragging");
    EXPECT_TRUE(panel.Highlighted());
    SendMouse(drag, QEvent::MouseMove, press + QPoint(7, 3));
    EXPECT_EQ(form.pos(), QPoint(107, 103));
    SendMouse(drag, QEvent::MouseMove, press + c.offset);
    EXPECT_EQ(form.pos(), c.expected);
    SendMouse(drag, QEvent::MouseButtonRelease, press + c.offset);
    EXPECT_EQ(Status(), "Ready");
    EXPECT_FALSE(panel.Highlighted());
  }
}

std::string SettingsFile() { return Paths().SettingsFolder("Settings") + std::string(TAnimationElementWindow::kSettingsFile); }

TEST_F(WindowFrame, SettingsRestorePlaceOnTopAndVisibility) {
  window_.Form().move(100, 120);
  window_.SetOnTop(true);
  window_.Show();
  ASSERT_TRUE(window_.SaveSettings()) << window_.LastError();

  TAnimationElementWindow restored(platform_, clipboard_);
  ASSERT_FALSE(restored.Form().isVisible());
  ASSERT_TRUE(restored.LoadSettings()) << restored.LastError();
  EXPECT_EQ(restored.Form().pos(), QPoint(100, 120));
  EXPECT_TRUE(restored.OnTop());
  EXPECT_TRUE(restored.Form().isVisible());
  EXPECT_EQ(restored.Form().size(), window_.Form().size());

  window_.SetOnTop(false);
  window_.Form().hide();
  ASSERT_TRUE(window_.SaveSettings());
  ASSERT_TRUE(restored.LoadSettings());
  EXPECT_FALSE(restored.OnTop());
  EXPECT_FALSE(restored.Form().isVisible());
}

TEST_F(WindowFrame, SettingsAreWrittenInTheirOrder) {
  ASSERT_TRUE(window_.SaveSettings());
  const std::string stored = testing::ReadTextFile(SettingsFile());
  EXPECT_EQ(stored.substr(4, 24), std::string("\x17TAnimationElementWindow", 24));
  std::size_t last = 0;
  for (const char* name : {"pWidth", "pHeight", "pLeft", "pTop", "pOnTop", "pVisible"}) {
    const std::size_t at = stored.find(name);
    ASSERT_NE(at, std::string::npos) << name;
    EXPECT_GT(at, last) << name;
    last = at;
  }
}

TEST_F(WindowFrame, PlaceFromTheSettingsStaysOnTheScreen) {
  AnimationElementSettings far_away;
  far_away.left = -5000;
  far_away.top = 99999;
  std::string error;
  ASSERT_TRUE(ComponentIO().SaveSettings(far_away, std::string(TAnimationElementWindow::kSettingsFile), error));
  ASSERT_TRUE(window_.LoadSettings());
  EXPECT_EQ(window_.Form().pos(), QPoint(32 - window_.Form().width(), ScreenSize().height() - 32));
}

TEST_F(WindowFrame, UnreadableSettingsChangeNothing) {
  const QPoint centred = window_.Form().pos();
  struct Case {
    const char* what;
    std::function<void()> write;
    std::string error;
  };
  const Case cases[] = {
      {"missing", [] {}, "File not found"},
      {"garbage", [] { testing::WriteTextFile(SettingsFile(), "not a settings file at all"); }, "Unknown format"},
      {"another class",
       [] {
         TLinkIO link;
         link.Link = "https://example.org";
         std::string ignored;
         ComponentIO().SaveSettings(link, std::string(TAnimationElementWindow::kSettingsFile), ignored);
       },
       "Unknown format"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(SettingsFile());
    c.write();
    EXPECT_FALSE(window_.LoadSettings()) << c.what;
    EXPECT_EQ(window_.LastError(), c.error) << c.what;
    EXPECT_EQ(window_.Form().pos(), centred) << c.what;
    EXPECT_FALSE(window_.Form().isVisible()) << c.what;
    EXPECT_FALSE(window_.OnTop()) << c.what;
  }
}

}  // namespace
}  // namespace plorvane::test
