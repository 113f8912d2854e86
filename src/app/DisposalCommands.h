#pragma once

#include "AppContext.h"
#include "DisposalRules.h"
#include "DuplicatesPage.h"
#include "TZipEngine.h"

#include <QStringList>

namespace orlivo::app {

class OptionsPage;
class TWork_f;
class TsmMsg_f;

// The commands that take marked duplicates off the disk: into the rescue vault, to the Recycle Bin,
// into a chosen zip archive and then to the Recycle Bin or away for good, or away for good. A file
// leaves the disk only after its copy is complete in the archive that was to hold it.
class DisposalCommands {
public:
    DisposalCommands(AppContext& context, DuplicatesPage& page, TWork_f* work, TsmMsg_f* progress,
                     const OptionsPage* options);

    // Runs a command, the Manage menu's dispatchers included.
    void run(Disposal command);

    // The engine the commands share (tests fail its writes through it).
    zip::TZipEngine& engine() { return fEngine; }
    // The archive the last vault move wrote.
    const QString& lastArchive() const { return fLastArchive; }

private:
    void dispose(Disposal command);
    // The files of the marked entries that the archive holds complete; the others stay on disk.
    QStringList archived(const QStringList& files) const;
    int addToArchive(const QString& archive, const QStringList& files);
    QString vaultArchivePath() const;

    AppContext& fContext;
    DuplicatesPage& fPage;
    TWork_f* fWork;
    TsmMsg_f* fProgress;
    const OptionsPage* fOptions;
    zip::TZipEngine fEngine;
    QString fLastArchive;
};

}  // namespace orlivo::app
