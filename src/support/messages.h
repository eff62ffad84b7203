#pragma once
// The error texts every operation leaves in its LastError. They are shown to the user through
// the translation lookup, so they are used exactly as written here.

#include <array>
#include <string_view>

namespace plorvane::msg {

inline constexpr std::string_view kOutOfMemory = "Out of memory";
// Writing an object into a text says it with a full stop.
inline constexpr std::string_view kOutOfMemoryWritingText = "Out of memory.";
inline constexpr std::string_view kFileNotFound = "File not found";
inline constexpr std::string_view kFileInUse = "File in use";
inline constexpr std::string_view kOutOfDiskSpace = "Out of disk space";
inline constexpr std::string_view kUnknownFormat = "Unknown format";
inline constexpr std::string_view kUnsupportedFormat = "Unsupported format";
inline constexpr std::string_view kDataCorrupt = "Data corrupt";
inline constexpr std::string_view kTaskFailed = "Task failed";
inline constexpr std::string_view kTaskCancelled = "Task cancelled";
inline constexpr std::string_view kUnexpectedError = "Unexpected error";
inline constexpr std::string_view kIndexOutOfRange = "Index out of range";
inline constexpr std::string_view kEmpty = "Empty";
inline constexpr std::string_view kCapacityReached = "Capacity reached";
inline constexpr std::string_view kLocked = "Locked";
inline constexpr std::string_view kUnsupportedEncoding = "Unsupported encoding";
inline constexpr std::string_view kMoreFramesThanColumns = "More frames than the image has pixel columns";
inline constexpr std::string_view kProgramExists = "A program exists with that name\rUse another";

// Every text above, for the template of texts that language tables translate.
inline constexpr std::array kAllMessages = {
    kOutOfMemory, kOutOfMemoryWritingText, kFileNotFound, kFileInUse, kOutOfDiskSpace, kUnknownFormat,
    kUnsupportedFormat, kDataCorrupt, kTaskFailed, kTaskCancelled, kUnexpectedError, kIndexOutOfRange,
    kEmpty, kCapacityReached, kLocked, kUnsupportedEncoding, kMoreFramesThanColumns, kProgramExists};

}  // namespace plorvane::msg
