#pragma once
// The captions of the player menu and the other words a playing card shows, as written before
// translation.

#include <array>
#include <string_view>

namespace plorvane::player_texts {

inline constexpr std::string_view kPlay = "Play";
inline constexpr std::string_view kStop = "Stop";
inline constexpr std::string_view kAbout = "About";
inline constexpr std::string_view kEdit = "Edit";
inline constexpr std::string_view kSendToDesktop = "Send To Desktop...";
inline constexpr std::string_view kSendToStartButton = "Send To Start Button...";
inline constexpr std::string_view kExit = "Exit";
inline constexpr std::string_view kMenuLabel = "menu";         // the label that opens the menu
inline constexpr std::string_view kCardsFilter = "Zarvicks";   // the label of the card files' filter
inline constexpr std::string_view kErrorCaption = "Error";

inline constexpr std::array kAll = {kPlay, kStop, kAbout, kEdit, kSendToDesktop, kSendToStartButton,
                                    kExit, kMenuLabel, kCardsFilter, kErrorCaption};

}  // namespace plorvane::player_texts
