#pragma once
// TComponentIO: moves an object's published properties to and from strings, memory streams and
// files as one property-stream record. The tool windows keep their settings with it, and the
// clipboard objects (fonts, card frames and links) travel through it.
//
// Each operation sets its `error` out-parameter and LastError to the text of the step it begins,
// answers success and never raises. Reading applies the entries present in the record and
// leaves the other properties as they were; a record that fails to read changes nothing in an
// object that can be copied.

#include <string>
#include <string_view>
#include <type_traits>

#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "support/messages.h"

namespace plorvane {

class TComponentIO {
 public:
  template <class T>
  bool ComponentToString(const T& component, std::string& text, std::string& error) {
    Step(msg::kOutOfMemoryWritingText, error);
    try {
      MemoryStream stream;
      if (!WriteObject(stream, component)) return false;
      text = stream.AsString();
      return true;
    } catch (...) {
      return false;
    }
  }

  template <class T>
  bool StringToComponent(std::string_view text, T& component, std::string& error) {
    Step(msg::kUnknownFormat, error);
    try {
      MemoryStream stream(text);
      return ReadInto(stream, component);
    } catch (...) {
      return false;
    }
  }

  // At the stream's position.
  template <class T>
  bool ComponentToStream(const T& component, MemoryStream& stream, std::string& error) {
    Step(msg::kOutOfMemory, error);
    try {
      return WriteObject(stream, component);
    } catch (...) {
      return false;
    }
  }

  // From the stream's position.
  template <class T>
  bool StreamToComponent(MemoryStream& stream, T& component, std::string& error) {
    Step(msg::kUnknownFormat, error);
    try {
      return ReadInto(stream, component);
    } catch (...) {
      return false;
    }
  }

  // The stream's whole content replaces the file (written beside it, then renamed over it), so a
  // reader never sees half a file and a failed write keeps the old one. "File in use" when the
  // file cannot be replaced, "Out of disk space" when the bytes could not be written.
  bool StreamToFile(const MemoryStream& stream, const std::string& file_name, std::string& error);
  // "File not found", "Out of memory", then "File in use" while the whole file is read.
  bool FileToStream(const std::string& file_name, MemoryStream& stream, std::string& error);

  template <class T>
  bool SaveComponent(const T& component, const std::string& file_name, std::string& error) {
    Step(msg::kOutOfMemory, error);
    try {
      MemoryStream stream;
      return ComponentToStream(component, stream, error) && StreamToFile(stream, file_name, error);
    } catch (...) {
      return false;
    }
  }

  template <class T>
  bool LoadComponent(T& component, const std::string& file_name, std::string& error) {
    try {
      MemoryStream stream;
      return FileToStream(file_name, stream, error) && StreamToComponent(stream, component, error);
    } catch (...) {
      return false;
    }
  }

  // The same in the settings folder of the settings tree.
  template <class T>
  bool SaveSettings(const T& component, const std::string& file_name, std::string& error) {
    return SaveComponent(component, SettingsFile(file_name), error);
  }
  // A settings file is read only when this class wrote it: the tool windows' records share
  // entry names (pLeft, pTop, pVisible ...), so another window's file would otherwise read as
  // this one's. "Unknown format" when another class wrote it.
  template <class T>
  bool LoadSettings(T& component, const std::string& file_name, std::string& error) {
    try {
      MemoryStream stream;
      if (!FileToStream(SettingsFile(file_name), stream, error)) return false;
      if (!RecordOfClass(stream, T::kClassName)) {
        Step(msg::kUnknownFormat, error);
        return false;
      }
      return StreamToComponent(stream, component, error);
    } catch (...) {
      return false;
    }
  }

  [[nodiscard]] const std::string& LastError() const { return last_error_; }

 private:
  void Step(std::string_view text, std::string& error) {
    last_error_ = text;
    error = text;
  }

  static std::string SettingsFile(const std::string& file_name);
  // Whether the record at the stream's start names `class_name`; the stream is back at its start.
  static bool RecordOfClass(MemoryStream& stream, std::string_view class_name);

  template <class T>
  static bool ReadInto(MemoryStream& stream, T& component) {
    if constexpr (std::is_copy_assignable_v<T> && std::is_copy_constructible_v<T>) {
      T read = component;
      if (!ReadObject(stream, read)) return false;
      component = std::move(read);
      return true;
    } else {
      return ReadObject(stream, component);
    }
  }

  std::string last_error_;
};

// The one shared instance, made on first use.
TComponentIO& ComponentIO();

}  // namespace plorvane
