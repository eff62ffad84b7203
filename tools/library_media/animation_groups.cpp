#include "animation_groups.h"

#include "animation/animation_group.h"
#include "animation_arts.h"
#include "platform/clock.h"

namespace plorvane::library {

using art::Rgb;

namespace {

constexpr Colour kRed = Rgb(225, 40, 50);
constexpr Colour kYellow = Rgb(255, 200, 30);
constexpr Colour kBlue = Rgb(50, 120, 230);
constexpr Colour kGreen = Rgb(50, 170, 90);
constexpr Colour kPurple = Rgb(160, 70, 210);
constexpr Colour kGold = Rgb(255, 205, 40);

GroupArt BirthdayParty() {
  return {"Birthday Party",
          {Banner("Happy Birthday Banner", "HAPPY BIRTHDAY!", Rgb(215, 35, 60), kYellow), Balloon("Red Balloon", kRed),
           Balloon("Blue Balloon", kBlue), Balloon("Yellow Balloon", kYellow), BirthdayCandle(), FallingConfetti()},
          {{5, 100, 90}, {0, 5, 6}, {1, 12, 110}, {2, 250, 96, 130}, {3, 58, 150, 110}, {4, 150, 220}, {4, 190, 220, 100}}};
}

GroupArt BalloonBunch() {
  return {"Balloon Bunch",
          {Balloon("Red Balloon", kRed), Balloon("Yellow Balloon", kYellow), Balloon("Blue Balloon", kBlue),
           Balloon("Green Balloon", kGreen), Balloon("Purple Balloon", kPurple)},
          {{0, 90, 70, 120}, {1, 140, 40, 135}, {2, 190, 75, 110}, {3, 115, 110, 145}, {4, 165, 115, 125}}};
}

GroupArt WinterWonderland() {
  return {"Winter Wonderland",
          {FallingSnow(), SpinningSnowflake(), TwinklingStar(kGold)},
          {{0, 0, 0}, {0, 130, 0, 140}, {0, 200, 100, 110}, {0, 40, 150, 130}, {0, 150, 200, 125},
           {1, 30, 40}, {1, 220, 180, 130}, {2, 240, 20}}};
}

GroupArt HeartsOfLove() {
  return {"Hearts of Love",
          {FloatingHearts(), BeatingHeart(Rgb(225, 30, 70)), Sparkles()},
          {{0, 20, 170}, {0, 220, 150, 120, true}, {0, 120, 190, 90}, {1, 125, 100}, {2, 30, 30}, {2, 200, 40, 110}}};
}

GroupArt SpringGarden() {
  return {"Spring Garden",
          {BloomingFlower("Pink Flower", Rgb(240, 90, 160)), BloomingFlower("Yellow Flower", Rgb(250, 200, 40)),
           BloomingFlower("Violet Flower", Rgb(150, 90, 220)), SpinningDaisy(),
           Butterfly("Orange Butterfly", Rgb(250, 150, 30), Rgb(255, 240, 200)),
           Butterfly("Blue Butterfly", Rgb(70, 140, 240), Rgb(230, 245, 255))},
          {{0, 30, 210}, {1, 120, 220, 170}, {2, 220, 205, 160}, {3, 80, 160, 120}, {3, 250, 140},
           {4, 60, 40}, {5, 200, 60, 90, true}}};
}

GroupArt FireworksNight() {
  return {"Fireworks Night",
          {FireworkBurst("Red Firework", Rgb(255, 70, 90)), FireworkBurst("Gold Firework", kGold),
           FireworkBurst("Green Firework", Rgb(90, 230, 120)), FireworkBurst("Blue Firework", Rgb(100, 170, 255)),
           Sparkles()},
          {{0, 10, 20}, {1, 110, 0, 90}, {2, 200, 30, 70}, {3, 60, 130, 100}, {1, 180, 150, 85}, {4, 130, 220}}};
}

GroupArt ChristmasEve() {
  return {"Christmas Eve",
          {Banner("Merry Christmas Banner", "MERRY CHRISTMAS!", Rgb(30, 140, 70), kGold), SwingingBell(),
           TwinklingStar(kGold), FallingSnow()},
          {{3, 0, 100}, {3, 200, 120, 135}, {0, 0, 10}, {1, 60, 110}, {1, 180, 110, 90, true}, {2, 20, 240, 140},
           {2, 240, 240}}};
}

}  // namespace

std::vector<GroupArt> LibraryGroups() {
  return {BirthdayParty(), BalloonBunch(), WinterWonderland(), HeartsOfLove(), SpringGarden(), FireworksNight(),
          ChristmasEve()};
}

bool WriteGroup(const GroupArt& group, const std::string& path, std::string& error) {
  ManualClock clock;
  TSAG sag(clock);
  std::vector<TElementRec> templates;
  for (const AnimationArt& art : group.arts) {
    auto animation = MakeAnimation(art);
    if (!animation) {
      error = group.name + ": cannot draw " + art.name;
      return false;
    }
    TElementRec settings;
    animation->GetTemplate(settings);
    settings.pID = sag.RegisterAnimation(std::move(animation));
    if (settings.pID < 0) {
      error = group.name + ": too many animations";
      return false;
    }
    templates.push_back(settings);
  }
  for (const Placement& placement : group.placements) {
    TElementRec element = templates.at(static_cast<std::size_t>(placement.art));
    element.pX = placement.x;
    element.pY = placement.y;
    if (placement.interval > 0) element.pD = placement.interval;
    element.pFH = placement.mirror;
    const int index = sag.AddElement(element);
    if (index < 0) {
      error = group.name + ": cannot place " + group.arts.at(static_cast<std::size_t>(placement.art)).name;
      return false;
    }
    // Only shown elements are written.
    sag.GetElement(index, element);
    element.Shown = true;
    sag.SetElement(index, element);
  }
  if (!sag.SaveToFile(path)) {
    error = group.name + ": " + sag.LastError();
    return false;
  }
  return true;
}

}  // namespace plorvane::library
