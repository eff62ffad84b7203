#pragma once
// The three carrier bitmaps the build packed and embedded in the editor (editor/resources).

namespace plorvane {

struct EditorCarriers;  // editor/main_form.h

// Copies of the embedded critical, support and help carrier bitmap files.
EditorCarriers EmbeddedCarriers();

}  // namespace plorvane
