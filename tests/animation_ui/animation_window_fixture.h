#pragma once
// The animation element window over a real card clipboard and an editor card on the headless
// platform, attached to the card's animation group, with the helpers its tests share.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "animation/ui/animation_element_window.h"
#include "clipboard/clipboard_fixture.h"

namespace plorvane::test {

class AnimationWindowTest : public ClipboardTest {
 protected:
  AnimationWindowTest() { window_.Attach(); }

  // A control of the window by its object name; the test stops when there is none.
  template <class T>
  T& Control(const char* name) {
    T* control = window_.Form().findChild<T*>(name);
    if (control == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return *control;
  }
  QCheckBox& Box(const char* name) { return Control<QCheckBox>(name); }
  QComboBox& List(const char* name) { return Control<QComboBox>(name); }
  QToolButton& Button(const char* name) { return Control<QToolButton>(name); }
  QScrollBar& SpeedBar() { return Control<QScrollBar>("speed_bar"); }
  std::string SpeedLabel() { return Control<QLabel>("speed_label").text().toStdString(); }
  std::string Status() { return Control<QLabel>("status").text().toStdString(); }

  // A new shown element on `card` with the given settings, selected.
  static int PlaceSelected(TZarvickV2& card, const TElementRec& settings, std::uint32_t seed = 1) {
    const int index = PlaceAnimation(card, 12, 10, 3, seed);
    TElementRec element;
    card.Animations().GetElement(index, element);
    element.pT = settings.pT;
    element.pFV = settings.pFV;
    element.pFH = settings.pFH;
    element.pD = settings.pD;
    element.pF = settings.pF;
    element.pSH = settings.pSH;
    element.pSV = settings.pSV;
    card.Animations().SetElement(index, element);
    card.Animations().Select(index);
    return index;
  }
  int PlaceSelected(const TElementRec& settings = {}) { return PlaceSelected(*card_, settings); }
  TElementRec Selected() const {
    TElementRec element;
    card_->Animations().GetSelectedElement(element);
    return element;
  }
  static TElementRec WithInterval(int interval) {
    TElementRec element;
    element.pD = interval;
    return element;
  }

  TAnimationElementWindow window_{platform_, clipboard_};
};

}  // namespace plorvane::test
