#pragma once

#include "EntryReader.h"
#include "MessageTable.h"
#include "NameIndex.h"
#include "PartWriter.h"
#include "ReadFile.h"
#include "WriteFile.h"
#include "ZipDirectory.h"
#include "ZipEngineDialogs.h"
#include "ZipError.h"
#include "ZipTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orlivo::zip {

class Volumes;

// The program's zip engine: opens, lists, tests and extracts zip archives (single or multi-part).
// Operations run to completion on the calling thread and talk back through the events; each returns a
// message id, 0 for success.
class TZipEngine {
public:
    TZipEngine();
    ~TZipEngine();
    TZipEngine(const TZipEngine&) = delete;
    TZipEngine& operator=(const TZipEngine&) = delete;

    // --- Properties
    // Setting opens the archive and loads its directory; an empty name closes it.
    void setZipFileName(const std::string& name);
    const std::string& ZipFileName() const { return fZipFileName; }
    int Count() const { return int(fVisible.size()); }
    // Entry i of 0..Count-1 (folder-only entries are left out); an empty entry out of range.
    TZipDirEntry DirEntry(int i) const;
    int DirOnlyCnt() const { return fDirOnlyCount; }
    std::uint64_t ZipFileSize() const { return fZipFileSize; }
    int SuccessCnt() const { return fSuccessCount; }
    TZipStates State() const { return fState; }
    bool Cancel() const { return fPendingCancel != 0; }
    void setCancel(bool) { fPendingCancel = msg::UserCancelled; }
    int ErrCode() const { return fErrCode; }
    const std::string& ErrMessage() const { return fErrMessage; }

    std::vector<std::string> FSpecArgs;
    std::vector<std::string> FSpecArgsExcl;
    TZipExtrOpts ExtrOptions;
    TZipAddOpts AddOptions;
    TZipWriteOpts WriteOptions;
    std::string ExtrBaseDir;
    std::string RootDir;
    std::string Password;
    bool Unattended = false;
    TZipSkipSet NoSkipping{TZipSkipTypes::StDupName, TZipSkipTypes::StReadError};
    bool Verbose = false;
    bool Trace = false;
    int PasswordReqCount = 1;
    int AddCompLevel = 9;
    TZipAddStoreSuffixes AddStoreSuffixes = defaultStoreSuffixes();
    std::int64_t MaxVolumeSize = 0;
    std::int32_t KeepFreeOnAllDisks = 0;
    std::int32_t KeepFreeOnDisk1 = 0;
    std::int32_t MinFreeVolumeSize = 65536;
    TZipSpanOpts SpanOptions;
    TZipDeleteOpts HowToDelete = TZipDeleteOpts::HtdAllowUndo;
    // Where interim archives are written; the system's temporary folder by default.
    std::string TempDir;
    // How the engine creates files (tests put a failing one here).
    WriteFileFactory CreateFile = createPosixFile;
    // Removes a source file after an add with AddMove; by default the file is deleted permanently.
    std::function<bool(const std::string& path)> OnRemoveSource;

    static TZipAddStoreSuffixes defaultStoreSuffixes();
    // The password for adding: on an unattended engine 127 and empty; else asked twice.
    std::string AddPassword();

    // --- Operations
    int Extract();
    // The whole data of one entry, by exact name (case ignored); null when it could not be read. The
    // data belongs to the engine and stays valid until the next operation.
    const std::string* ExtractFileToStream(const std::string& name);
    static std::string AppendSlash(const std::string& dir);
    int Add();
    int Delete();
    int Rename(std::vector<TZipRenameRec>& list, std::uint32_t dateTime, TZipRenameOpts how);

    // --- Events
    std::function<void()> OnDirUpdate;
    std::function<void(TZipProgressDetails&)> OnProgress;
    std::function<void(int id, const std::string& text)> OnMessage;
    std::function<void()> OnTick;
    std::function<void(bool& abort)> OnCheckTerminate;
    std::function<void(const std::string& path, bool isOlder, bool& overwrite, int index)> OnExtractOverwrite;
    // Return a result from 1 to 14 to answer instead of the engine's own dialog.
    std::function<void(const std::string& title, std::string& text, int& result, int buttons)> OnZipDialog;
    void setDialogs(ZipEngineDialogs* dialogs) { fDialogs = dialogs; }

    // The loaded directory, all entries in archive order.
    const ZipDirectory& directory() const { return fDirectory; }
    // What the last operation skipped, with the reasons.
    const std::vector<std::pair<std::string, TZipSkipTypes>>& skipped() const { return fSkipped; }
    static TZipSkipTypes skipReasonFor(int id);

private:
    // Runs an operation: busy refusal, state, clean error and count fields, errors caught and reported.
    // body's flag tells whether a progress batch is open.
    int run(const std::function<void(bool& batchOpen)>& body, bool changesArchive = false);
    // Writes a new archive through fill into an interim file in TempDir (keeping a prefix of the old
    // one) and puts it in place of the old archive only when all of it was written.
    void rewriteArchive(const std::function<void(PartWriter& out, Volumes* old)>& fill);
    void putInPlace(const std::string& interim);
    // Writes the whole new archive into the interim file; an exception leaves nothing of it.
    void writeInterim(const std::string& interim, const std::function<void(PartWriter&, Volumes*)>& fill,
                      bool keepPrefix);
    // The interim file's name, removed again when the operation is over, whatever happened.
    struct InterimFile {
        std::string path;
        ~InterimFile();
    };
    void removeArchiveFiles();
    std::string interimName() const;
    void checkUnchanged();
    // Takes the directory just written as the loaded one, instead of reading it back.
    void adoptWritten(std::vector<CentralEntry>&& entries, const EndInfo& end);
    CentralEntry streamEntry(const struct AddSource& f, CentralEntry e, int level,
                             const std::string* password, PartWriter& out);
    void writeSpanned(const std::function<void(PartWriter& out, Volumes* old)>& fill);
    void report(int id, const std::vector<std::string>& args = {});
    void inform(const std::string& text);
    void keepAlive();
    void checkCancel();
    void progress(TZipProgressType order, const std::string& item, std::int64_t size, std::int64_t position);
    void loadDirectory();
    void indexDirectory();
    void clearDirectory();
    std::unique_ptr<Volumes> openVolumes();
    std::vector<std::size_t> select(const std::vector<std::string>& specs,
                                    const std::vector<std::string>& excl);
    std::string passwordFor(Volumes& volumes, const CentralEntry& entry, const DataLocation& at);
    void extractEntry(Volumes& volumes, std::size_t index);
    void testEntry(Volumes& volumes, std::size_t index);
    // Records a failing entry as skipped, or stops the operation when its reason may not be skipped.
    void skipOrStop(const std::string& name, const ZipError& error);

    std::string fZipFileName;
    ZipDirectory fDirectory;
    std::vector<std::size_t> fVisible;  // entries that are not folder-only
    NameIndex fIndex;
    int fDirOnlyCount = 0;
    std::uint64_t fZipFileSize = 0;
    std::vector<std::pair<std::string, FileStamp>> fStamps;  // each part as loaded
    PartNames fParts;
    bool fLoaded = false;
    bool fAdopted = false;  // the last operation's own directory is the loaded one

    TZipStates fState = TZipStates::ZsIdle;
    int fPendingCancel = 0;
    bool fStopRequested = false;
    int fErrCode = 0;
    std::string fErrMessage;
    int fSuccessCount = 0;
    std::vector<std::string> fActedOn;
    std::vector<std::pair<std::string, TZipSkipTypes>> fSkipped;
    TZipProgressDetails fProgress;
    std::string fStream;
    ZipEngineDialogs* fDialogs = nullptr;
    const MessageTable& fMessages;
};

}  // namespace orlivo::zip
