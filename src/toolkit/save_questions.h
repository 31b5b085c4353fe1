#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workspace/prompter.h"
#include "workspace/workspace.h"

// The questions of the toolkit's save protocol, shared by text windows and
// matrix windows.
namespace lorvex {

// The file name of a path without its folder ("mat1.fma" of "/x/mat1.fma").
std::string baseName(std::string_view path);

// True when the file may be written: it does not exist yet, or "&sim" was
// the answer to "sobreescrever o arquivo existente?" (caption "cuidado!",
// yes/no/cancel).
bool mayOverwrite(Prompter& prompter, const std::string& path);

// A save dialog with the filter, default extension and proposed name, then
// the overwrite question for an existing file: the path to write, or
// nothing when either was declined.
std::optional<std::string> askSavePath(Prompter& prompter, std::string_view filter,
                                       std::string_view defaultExtension,
                                       std::string_view proposedName);

// "salvar mudanças para <base name>?" under "cuidado!", yes/no/cancel: the
// question a window with unsaved changes asks before it goes.
Prompter::Answer askSaveChanges(Prompter& prompter, std::string_view documentName);

// The answer to the one question about every unsaved matrix as the program
// ends.
enum class UnsavedChoice { SaveAll, Discard, OneByOne, Cancel };

// "matrizes não salvas:" and the unsaved documents of the workspace, one
// line per mode with the letters ("real: A C"), then the step documents by
// their titles; under "cuidado!" with the buttons "salvar todas",
// "descartar", "uma por uma" and "cancelar". Closing the box cancels.
UnsavedChoice askAboutUnsaved(Prompter& prompter, Workspace& workspace);

}  // namespace lorvex
