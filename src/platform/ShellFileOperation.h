#pragma once

#include "Trash.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace orlivo::platform {

// Option flags of the shell's file operation, with the Windows meanings.
enum class FileOpFlag : unsigned {
    AllowUndo = 1u << 0,       // to the Recycle Bin (trash) instead of permanently
    FilesOnly = 1u << 1,       // with a wildcard path: files only, folders are left
    NoConfirmation = 1u << 2,  // ask nothing
    Silent = 1u << 3,          // no progress at all
    SimpleProgress = 1u << 4,  // progress without file names
    NoErrorUI = 1u << 5,       // failures are silent; the result is false
    NoRecursion = 1u << 6,     // a wildcard is matched in its own folder only; folders are not emptied
};

class FileOpFlags {
public:
    constexpr FileOpFlags() = default;
    constexpr FileOpFlags(FileOpFlag f) : fBits(unsigned(f)) {}
    constexpr FileOpFlags operator|(FileOpFlags o) const { return FileOpFlags(fBits | o.fBits); }
    constexpr bool has(FileOpFlag f) const { return (fBits & unsigned(f)) != 0; }

private:
    constexpr explicit FileOpFlags(unsigned bits) : fBits(bits) {}
    unsigned fBits = 0;
};
constexpr FileOpFlags operator|(FileOpFlag a, FileOpFlag b) {
    return FileOpFlags(a) | b;
}

// What the shell would show: its confirmation, its progress and its error messages. The application
// plugs its dialogs in; without an interface nothing is shown and a needed confirmation counts as No.
struct ShellOperationUi {
    std::function<bool(int itemCount, bool toTrash)> confirmDelete;
    std::function<void(const QString& itemOrEmpty, int done, int total)> progress;
    std::function<void(const QString& message)> showError;
};

// The shell file operation, delete only: the one the program uses. Sources are full paths or a path whose
// last part is a wildcard pattern (* and ?, "*.*" meaning every name, matched case-insensitively as the
// shell does). A folder named directly is deleted with its contents.
class ShellFileOperation {
public:
    explicit ShellFileOperation(Trash trash, ShellOperationUi ui = {})
        : fTrash(std::move(trash)), fUi(std::move(ui)) {}

    void clearSources() { fSources.clear(); }
    void addSource(const QString& path) { fSources << path; }
    const QStringList& sources() const { return fSources; }
    void setFlags(FileOpFlags flags) { fFlags = flags; }

    // True when every item was deleted (or moved to the trash). Failing items are skipped; the rest are
    // still deleted.
    bool execute();
    const QStringList& failures() const { return fFailures; }

private:
    QStringList expandedItems();
    bool deleteItem(const QString& path, QString* error) const;
    void report(const QString& message);

    Trash fTrash;
    ShellOperationUi fUi;
    QStringList fSources;
    FileOpFlags fFlags;
    QStringList fFailures;
};

}  // namespace orlivo::platform
