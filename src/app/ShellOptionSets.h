#pragma once

#include "ShellFileOperation.h"

namespace orlivo::app::shellsets {

using platform::FileOpFlag;
using platform::FileOpFlags;

// The fixed option sets with which the program runs the shell file operation, by purpose.
inline constexpr FileOpFlags EmptyTemp =
    FileOpFlag::NoConfirmation | FileOpFlag::Silent | FileOpFlag::NoErrorUI;
inline constexpr FileOpFlags DuplicatesToRecycleBin =
    FileOpFlag::AllowUndo | FileOpFlag::FilesOnly | FileOpFlag::NoConfirmation | FileOpFlag::SimpleProgress;
inline constexpr FileOpFlags DuplicatesPermanently =
    FileOpFlag::FilesOnly | FileOpFlag::NoConfirmation | FileOpFlag::Silent | FileOpFlag::SimpleProgress;
inline constexpr FileOpFlags RemoveRescued =
    FileOpFlag::FilesOnly | FileOpFlag::NoConfirmation | FileOpFlag::SimpleProgress | FileOpFlag::NoErrorUI;
inline constexpr FileOpFlags DeleteArchive = FileOpFlag::AllowUndo | FileOpFlag::NoRecursion;
inline constexpr FileOpFlags DeleteArchiveList = FileOpFlag::Silent | FileOpFlag::NoErrorUI;

}  // namespace orlivo::app::shellsets
