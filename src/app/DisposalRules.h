#pragma once

#include "DuplicatesPage.h"
#include "ShellOptionSets.h"

#include <QString>

namespace orlivo::app {

// How one disposal command takes the marked files off the disk, and what it says.
struct DisposalRule {
    enum class Archive { None, Vault, ChosenZip };
    bool grouped = false;  // acts on the grouped view's checked rows, else on the flat view's selection
    Archive archive = Archive::None;
    platform::FileOpFlags shellFlags;
    bool leavesOutMissing = false;
    bool yesNoCancel = false;
    QString nothingMarked;
    QString confirmation;  // %1: the number of marked files
    QString deleteFailed;  // empty: none is shown
};

inline const QString kNothingCheckedText =
    QStringLiteral("At least one item in the list should be selected. Select items by setting the checkbox.");
inline const QString kNothingSelectedText = QStringLiteral(
    "At least one item in the list should be selected. Please select items to continue. You may select "
    "multiple items by holding the \"CTRL\" key and clicking items.");

// The rule of a command that acts on a view (the dispatchers of the Manage menu have none of their own).
inline DisposalRule disposalRule(Disposal command) {
    using A = DisposalRule::Archive;
    const QString toBin = QStringLiteral(
        "You are about to move %1 files to the Recycle Bin. You will be able to recover all the files from "
        "the "
        "Recycle Bin if any of the files were deleted by mistake. Continue?");
    const QString zipToBin = QStringLiteral(
        "This action will create a zip archive and move %1 files to the Recycle Bin. You will be able to "
        "recover "
        "all the files from the Recycle Bin if any of the files were deleted by mistake. Continue?");
    const QString runAgain = QStringLiteral(
        "An error occurred deleting a file, run the scan again to refresh the list and try again.");
    const QString runScan =
        QStringLiteral("An error occurred deleting a file, run scan to refresh list and try again.");
    switch (command) {
        case Disposal::lvRescueV:
            return {true,
                    A::Vault,
                    shellsets::RemoveRescued,
                    false,
                    false,
                    kNothingCheckedText,
                    "This action will move %1 to the Rescue Vault. You will be able to recover all the files "
                    "from "
                    "the Rescue Vault if any of the files were deleted by mistake. Continue?",
                    {}};
        case Disposal::Moveselectedfiles1:
            return {false,
                    A::Vault,
                    shellsets::RemoveRescued,
                    true,
                    false,
                    kNothingSelectedText,
                    "This action will move %1 files to the Rescue Vault. You will be able to recover all the "
                    "files "
                    "from the Rescue Vault if any of the files were deleted by mistake. Continue?",
                    runScan};
        case Disposal::lvRecycleBin:
            return {true,
                    A::None,
                    shellsets::DuplicatesToRecycleBin,
                    true,
                    false,
                    kNothingCheckedText,
                    toBin,
                    "Error deleting files. Please try again."};
        case Disposal::Deleteselected1:
            return {false, A::None, shellsets::DuplicatesToRecycleBin, true, true, kNothingSelectedText,
                    toBin, runScan};
        case Disposal::lvZipDelete:
            return {true,
                    A::ChosenZip,
                    shellsets::DuplicatesToRecycleBin,
                    false,
                    false,
                    kNothingCheckedText,
                    zipToBin,
                    "An error occurred deleting a file, file not found. Run scan to refresh the list and try "
                    "again."};
        case Disposal::Zipanddeletefiles1:
            return {false,
                    A::ChosenZip,
                    shellsets::DuplicatesToRecycleBin,
                    false,
                    false,
                    kNothingSelectedText,
                    zipToBin,
                    "Error deleting files. Please try again."};
        case Disposal::zDeleteP:
            return {false,
                    A::ChosenZip,
                    shellsets::DuplicatesPermanently,
                    false,
                    false,
                    kNothingSelectedText,
                    "This action will create a Zip archive and permanently delete %1 files. You will NOT be "
                    "able to "
                    "recover these files from the Recycle Bin but they will be saved in the Zip archive. "
                    "Continue?",
                    runAgain};
        case Disposal::DeleteP:
        default:
            return {false,
                    A::None,
                    shellsets::DuplicatesPermanently,
                    false,
                    false,
                    kNothingSelectedText,
                    "This action will permanently delete %1 files. You will NOT be able to recover these "
                    "files. Do "
                    "you want to continue?",
                    runAgain};
    }
}

}  // namespace orlivo::app
