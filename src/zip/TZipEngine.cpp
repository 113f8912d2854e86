#include "TZipEngine.h"

#include "Selection.h"
#include "Volumes.h"

#include <unistd.h>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <new>

namespace orlivo::zip {
namespace {

std::string absolutePath(const std::string& name) {
    if (name.empty() || name[0] == '/')
        return name;
    char cwd[PATH_MAX];
    if (!::getcwd(cwd, sizeof cwd))
        return name;
    return std::string(cwd) + "/" + name;
}

}  // namespace

TZipEngine::TZipEngine() : fMessages(MessageTable::builtIn()) {}

TZipEngine::~TZipEngine() = default;

std::string TZipEngine::AppendSlash(const std::string& dir) {
    std::string out = dir;
    while (!out.empty() && (out.back() == '\\' || out.back() == '/')) out.pop_back();
    return out + '\\';
}

TZipAddStoreSuffixes TZipEngine::defaultStoreSuffixes() {
    TZipAddStoreSuffixes all;
    for (int i = 0; i <= int(TZipAddStoreSuffixEnum::AssAVI); ++i) all.include(TZipAddStoreSuffixEnum(i));
    all.exclude(TZipAddStoreSuffixEnum::AssEXE);
    all.exclude(TZipAddStoreSuffixEnum::AssEXT);
    return all;
}

TZipSkipTypes TZipEngine::skipReasonFor(int id) {
    switch (id) {
        case 24:
            return TZipSkipTypes::StCRCError;
        case 26:
        case 38:
        case 57:
        case 71:
        case 73:
        case 75:
        case 83:
        case 90:
        case 110:
        case 114:
        case 116:
        case 134:
        case 137:
            return TZipSkipTypes::StGeneralExtractError;
        case 30:
            return TZipSkipTypes::StPathError;
        case 45:
            return TZipSkipTypes::StUser;
        case 92:
            return TZipSkipTypes::StNoOverwrite;
        case 100:
            return TZipSkipTypes::StOnFreshen;
        case 111:
        case 128:
        case 135:
            return TZipSkipTypes::StBadPassword;
        case 117:
        case 118:
        case 119:
        case 120:
            return TZipSkipTypes::StWarning;
        case 131:
            return TZipSkipTypes::StCompressionUnknown;
        default:
            return TZipSkipTypes::StNoSkip;
    }
}

TZipDirEntry TZipEngine::DirEntry(int i) const {
    if (i < 0 || std::size_t(i) >= fVisible.size())
        return {};
    const CentralEntry& c = fDirectory.entries[fVisible[std::size_t(i)]];
    return {c.name, c.compressedSize,     c.uncompressedSize, c.dosDateTime, c.encrypted(),
            c.crc,  c.externalAttributes, c.isDirOnly};
}

// --- Reporting and keep-alive

void TZipEngine::report(int id, const std::vector<std::string>& args) {
    std::string text = fMessages.format(id, args);
    if (!Unattended && id != msg::UserAbort && id != msg::UserCancelled) {
        int result = 0;
        if (OnZipDialog)
            OnZipDialog("Error", text, result, 0);
        if ((result < 1 || result > 14) && fDialogs)
            fDialogs->messageBox(text);
    }
    if (fErrCode == 0) {
        fErrCode = id;
        fErrMessage = text;
    }
    if (OnMessage)
        OnMessage(id, text);
    keepAlive();
}

void TZipEngine::inform(const std::string& text) {
    if ((Verbose || Trace) && OnMessage)
        OnMessage(0, text);
}

void TZipEngine::keepAlive() {
    if (OnTick)
        OnTick();
    if (OnCheckTerminate) {
        bool abort = fPendingCancel != 0;
        OnCheckTerminate(abort);
        if (abort && fPendingCancel == 0)
            fPendingCancel = msg::UserCancelled;
    }
}

void TZipEngine::checkCancel() {
    if (fPendingCancel != 0)
        fail(fPendingCancel);
}

void TZipEngine::progress(TZipProgressType order, const std::string& item, std::int64_t size,
                          std::int64_t position) {
    TZipProgressDetails& p = fProgress;
    p.Order = order;
    switch (order) {
        case TZipProgressType::TotalFiles2Process:
            p.TotalCount = size;
            p.ItemNumber = 0;
            break;
        case TZipProgressType::TotalSize2Process:
            p.TotalSize = size;
            p.TotalPosition = 0;
            break;
        case TZipProgressType::NewFile:
            p.ItemName = item;
            p.ItemSize = size;
            p.ItemPosition = 0;
            ++p.ItemNumber;
            break;
        case TZipProgressType::ProgressUpdate:
            p.TotalPosition += position - p.ItemPosition;
            p.ItemPosition = position;
            break;
        case TZipProgressType::EndOfItem:
            p.TotalPosition += p.ItemSize - p.ItemPosition;
            p.ItemPosition = p.ItemSize;
            break;
        default:
            break;
    }
    p.Stop = false;
    if (OnProgress) {
        OnProgress(p);
        if (p.Stop)
            fStopRequested = true;
    }
    keepAlive();
}

// --- Running an operation

int TZipEngine::run(const std::function<void(bool&)>& body, bool changesArchive) {
    if (fState >= TZipStates::ZsBusy || fState == TZipStates::ZsDisabled) {
        const TZipStates before = fState;
        if (before >= TZipStates::ZsBusy)
            fState = TZipStates::ZsReentry;
        fState = before;
        return msg::Busy;
    }
    fState = TZipStates::ZsBusy;
    fErrCode = 0;
    fErrMessage.clear();
    fSuccessCount = 0;
    fActedOn.clear();
    fSkipped.clear();
    fStopRequested = false;
    fAdopted = false;
    fProgress = {};
    bool open = false;
    try {
        if (!fMessages.loaded()) {
            fErrCode = MessageTable::kSlots;
            fErrMessage = MessageTable::kLoadFailure;
            if (OnMessage)
                OnMessage(fErrCode, fErrMessage);
        } else {
            body(open);
        }
    } catch (const ZipError& e) {
        if (open)
            progress(TZipProgressType::EndOfBatch, {}, 0, 0);
        report(e.id, e.args);
    } catch (const std::bad_alloc&) {
        report(msg::RequestedMemory);
    } catch (...) {
        report(63);
    }
    fPendingCancel = 0;
    if (changesArchive) {
        // After a change the directory is read again; after a cancel it is cleared.
        const bool cancelled = fErrCode == msg::UserCancelled || fErrCode == msg::UserAbort;
        const int code = fErrCode;
        const std::string text = fErrMessage;
        if (!fAdopted)
            clearDirectory();
        if (!fAdopted && !cancelled && FileStamp::of(fParts.lastPart()).exists) {
            try {
                loadDirectory();
            } catch (const ZipError& e) {
                clearDirectory();
                report(e.id, e.args);
            }
        }
        fErrCode = code == 0 ? fErrCode : code;
        fErrMessage = code == 0 && fErrCode != 0 ? fErrMessage : text;
        if (OnDirUpdate)
            OnDirUpdate();
    }
    fState = TZipStates::ZsIdle;
    // A success that brought warnings keeps their text ("Finished with N warnings").
    if (fErrCode == 0 && fErrMessage.empty())
        fErrMessage = fMessages.text(msg::Success);
    return fErrCode;
}

// --- Opening

void TZipEngine::clearDirectory() {
    fDirectory = {};
    fVisible.clear();
    fIndex = {};
    fDirOnlyCount = 0;
    fZipFileSize = 0;
    fStamps.clear();
    fLoaded = false;
}

void TZipEngine::setZipFileName(const std::string& name) {
    clearDirectory();
    fZipFileName = absolutePath(name);
    if (!fZipFileName.empty()) {
        fErrCode = 0;
        fErrMessage.clear();
        fParts = PartNames::recognise(fZipFileName);
        fZipFileName = fParts.archiveName;
        if (!FileStamp::of(fParts.lastPart()).exists) {
            fErrMessage = fMessages.text(msg::InputMissing);
        } else {
            try {
                loadDirectory();
            } catch (const ZipError& e) {
                clearDirectory();
                report(e.id, e.args);
            } catch (const std::bad_alloc&) {
                clearDirectory();
                report(msg::RequestedMemory);
            }
        }
        if (fLoaded && fDirectory.end.totalDisks > 1) {
            WriteOptions.include(TZipWriteOptsEnum::ZwoDiskSpan);
        } else if (fLoaded) {
            WriteOptions.exclude(TZipWriteOptsEnum::ZwoDiskSpan);
        }
    }
    if (OnDirUpdate)
        OnDirUpdate();
}

std::unique_ptr<Volumes> TZipEngine::openVolumes() {
    return std::make_unique<Volumes>(fParts, int(fDirectory.end.totalDisks));
}

void TZipEngine::loadDirectory() {
    const EndInfo end = readEndInfo(fParts.lastPart());
    if (end.totalDisks > PartNames::kMaxParts)
        fail(msg::TooManyParts);
    if (end.totalDisks > 1 && fParts.scheme == PartNames::Scheme::Single)
        fParts.scheme = PartNames::Scheme::Compatible;
    Volumes volumes(fParts, int(end.totalDisks));
    for (int d = 0; d < int(end.totalDisks); ++d) {
        const std::string path = fParts.pathOf(d, int(end.totalDisks));
        const FileStamp stamp = FileStamp::of(path);
        if (!stamp.exists)
            fail(msg::FileError, {path});
        fStamps.emplace_back(path, stamp);
    }
    ZipDirectory dir = readDirectory(volumes, end, [this] {
        keepAlive();
        return fPendingCancel != 0;
    });
    for (int id : dir.warnings) report(id);
    fDirectory = std::move(dir);
    indexDirectory();
}

void TZipEngine::adoptWritten(std::vector<CentralEntry>&& entries, const EndInfo& end) {
    clearDirectory();
    fDirectory.end = end;
    fDirectory.entries = std::move(entries);
    std::uint64_t smallest = fDirectory.entries.empty() ? 0 : UINT64_MAX;
    for (const CentralEntry& c : fDirectory.entries) smallest = std::min(smallest, c.localOffset);
    fDirectory.prefixOffset = smallest;
    for (int d = 0; d < int(end.totalDisks); ++d) {
        const std::string path = fParts.pathOf(d, int(end.totalDisks));
        fStamps.emplace_back(path, FileStamp::of(path));
    }
    indexDirectory();
    fAdopted = true;
}

void TZipEngine::indexDirectory() {
    std::vector<const std::string*> names;
    names.reserve(fDirectory.entries.size());
    fVisible.reserve(fDirectory.entries.size());
    for (std::size_t i = 0; i < fDirectory.entries.size(); ++i) {
        const CentralEntry& c = fDirectory.entries[i];
        names.push_back(&c.name);
        if (c.isDirOnly) {
            ++fDirOnlyCount;
        } else {
            fVisible.push_back(i);
        }
    }
    fIndex.build(names);
    for (const auto& [path, stamp] : fStamps) fZipFileSize += stamp.size;
    fLoaded = true;
}

// --- Selecting

std::vector<std::size_t> TZipEngine::select(const std::vector<std::string>& specs,
                                            const std::vector<std::string>& excl) {
    const std::size_t n = fDirectory.entries.size();
    std::vector<char> chosen(n, 0);
    auto trimmed = [](const std::string& s) {
        const std::size_t a = s.find_first_not_of(' ');
        if (a == std::string::npos)
            return std::string();
        return s.substr(a, s.find_last_not_of(' ') - a + 1);
    };
    std::vector<std::string> wanted;
    for (const std::string& s : specs) {
        if (!trimmed(s).empty())
            wanted.push_back(trimmed(s));
    }
    if (wanted.empty())
        wanted.push_back("*.*");
    for (const std::string& spec : wanted) {
        bool any = false;
        if (spec == "*.*" || spec == "*") {
            std::fill(chosen.begin(), chosen.end(), 1);
            any = n > 0;
        } else if (!hasWildcards(spec)) {
            std::string name = spec;
            std::replace(name.begin(), name.end(), '/', '\\');
            const long i = fIndex.find(name);
            if (i >= 0) {
                chosen[std::size_t(i)] = 1;
                any = true;
            }
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                if (specMatches(spec, fDirectory.entries[i].name)) {
                    chosen[i] = 1;
                    any = true;
                }
            }
        }
        if (!any) {
            fSkipped.emplace_back(spec, TZipSkipTypes::StNotFound);
            report(msg::NothingToDo);
        }
    }
    for (const std::string& raw : excl) {
        const std::string spec = trimmed(raw);
        if (spec.empty())
            continue;
        for (std::size_t i = 0; i < n; ++i) {
            if (chosen[i] &&
                (hasWildcards(spec) ? specMatches(spec, fDirectory.entries[i].name)
                                    : equalsIgnoringAsciiCase(spec, fDirectory.entries[i].name))) {
                chosen[i] = 0;
            }
        }
    }
    std::vector<std::size_t> selected;
    for (std::size_t i = 0; i < n; ++i) {
        if (chosen[i])
            selected.push_back(i);
    }
    if (selected.empty()) {
        std::string joined;
        for (const std::string& s : wanted) joined += (joined.empty() ? "" : "|") + s;
        if (!excl.empty()) {
            joined += " /E:";
            for (std::size_t i = 0; i < excl.size(); ++i) joined += (i ? "|" : "") + excl[i];
        }
        fail(msg::NoFilesSelected, {joined});
    }
    return selected;
}

void TZipEngine::skipOrStop(const std::string& name, const ZipError& error) {
    const TZipSkipTypes reason = skipReasonFor(error.id);
    if (reason == TZipSkipTypes::StNoSkip || NoSkipping.has(reason))
        throw error;
    fSkipped.emplace_back(name, reason);
    report(error.id, error.args);
    if (Verbose && OnMessage)
        OnMessage(0, fMessages.format(msg::SkippedItem, {name, std::to_string(int(reason))}));
}

}  // namespace orlivo::zip
