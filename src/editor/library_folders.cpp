#include "editor/library_folders.h"

#include "support/paths.h"

namespace plorvane {

std::string LibraryFolder(const std::string& name) { return Paths().MenuFolder(name, true); }

void ViewFolder(FormServices& form, const TDialogSpec& spec) {
  BusyScope busy(form);
  const std::string folder = FolderOf(spec.FileName);
  if (!folder.empty()) form.platform().shell().OpenDocument(folder);
}

void RegisterViewFolderCommands(CommandSet& commands, FormServices& form, const DialogSpecs& specs) {
  commands.Register("ViewFolder1", [&form, &specs] { ViewFolder(form, specs.PictureSpec); });
  commands.Register("ViewFolder2", [&form, &specs] { ViewFolder(form, specs.AnimationSpec); });
  commands.Register("ViewFolder3", [&form, &specs] { ViewFolder(form, specs.CursorSpec); });
  commands.Register("ViewFolder4", [&form, &specs] { ViewFolder(form, specs.SoundSpec); });
}

}  // namespace plorvane
