// The reading operations of the engine: extracting to files, testing, and extracting one entry to memory.

#include "EntryReader.h"
#include "LocalFiles.h"
#include "SafePath.h"
#include "Selection.h"
#include "TZipEngine.h"
#include "Volumes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <ctime>

namespace orlivo::zip {
namespace {

// Permission bits for an extracted file: the Unix mode when the archive was made on Unix, else
// read-only when the DOS read-only bit is set.
mode_t modeFor(const CentralEntry& e, mode_t current) {
    const unsigned host = e.versionMadeBy >> 8;
    const mode_t unixMode = mode_t(e.externalAttributes >> 16) & 0777;
    if (host == 3 && unixMode != 0)
        return unixMode;
    if (e.externalAttributes & 1)
        return current & ~mode_t(0222);
    return current;
}

// A file being written beside its destination; removed unless it is put in place.
class TempOutput {
public:
    explicit TempOutput(const std::string& destination) : fPath(destination + ".orlivo-XXXXXX") {
        fFd = ::mkstemp(fPath.data());
    }
    ~TempOutput() {
        if (fFd >= 0)
            ::close(fFd);
        if (!fPlaced && fFd != -2)
            ::unlink(fPath.c_str());
    }
    bool ok() const { return fFd >= 0; }
    void write(const unsigned char* data, std::size_t n) {
        while (n > 0) {
            const ssize_t w = ::write(fFd, data, n);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                fail(msg::WriteError);
            data += w;
            n -= std::size_t(w);
        }
    }
    void placeAs(const std::string& destination) {
        const int fd = fFd;
        fFd = -1;
        if (::close(fd) != 0)
            fail(msg::WriteError);
        if (::rename(fPath.c_str(), destination.c_str()) != 0)
            fail(msg::CreateFile, {destination});
        fPlaced = true;
    }

private:
    std::string fPath;
    int fFd = -1;
    bool fPlaced = false;
};

}  // namespace

std::string TZipEngine::passwordFor(Volumes& volumes, const CentralEntry& entry, const DataLocation& at) {
    if (!Password.empty() && passwordFits(volumes, entry, at, Password))
        return Password;
    if (Unattended || !fDialogs)
        fail(Password.empty() ? msg::NoExtractPassword : msg::PasswordFailed);
    bool answered = !Password.empty();
    const int tries = std::clamp(PasswordReqCount, 1, 15);
    for (int i = 0; i < tries; ++i) {
        std::string answer;
        const auto result = fDialogs->askPassword(fMessages.text(9), fMessages.text(14), answer);
        if (result != ZipEngineDialogs::PasswordAnswer::Ok)
            fail(msg::UserCancelled);
        if (answer.empty())
            continue;
        answered = true;
        Password = answer;
        if (passwordFits(volumes, entry, at, Password))
            return Password;
    }
    fail(answered ? msg::PasswordFailed : msg::NoExtractPassword);
}

int TZipEngine::Extract() {
    return run([this](bool& open) {
        if (fZipFileName.empty())
            fail(msg::NoZipFile);
        for (const auto& [path, stamp] : fStamps) {
            if (!(FileStamp::of(path) == stamp))
                fail(msg::FileChanged);
        }
        if (!fLoaded)
            fail(msg::NotAZip);
        const bool test = ExtrOptions.has(TZipExtrOptsEnum::ExtrTest);
        const std::vector<std::size_t> selected = select(FSpecArgs, FSpecArgsExcl);
        auto volumes = openVolumes();
        std::uint64_t total = 0;
        for (std::size_t i : selected) total += fDirectory.entries[i].compressedSize;
        open = true;
        progress(TZipProgressType::TotalFiles2Process, {}, std::int64_t(selected.size()), 0);
        progress(TZipProgressType::TotalSize2Process, {}, std::int64_t(total), 0);
        for (std::size_t i : selected) {
            checkCancel();
            const std::string& name = fDirectory.entries[i].name;
            try {
                if (fStopRequested)
                    fail(msg::EntryCancelled);
                if (test) {
                    testEntry(*volumes, i);
                } else {
                    extractEntry(*volumes, i);
                }
                ++fSuccessCount;
                fActedOn.push_back(name);
            } catch (const ZipError& e) {
                if (e.id == msg::UserCancelled || e.id == msg::UserAbort)
                    throw;
                skipOrStop(name, e);
            }
        }
        progress(TZipProgressType::EndOfBatch, {}, 0, 0);
        open = false;
        FSpecArgs = fActedOn;
        FSpecArgsExcl.clear();
        for (const auto& [name, reason] : fSkipped) FSpecArgsExcl.push_back(name);
    });
}

void TZipEngine::testEntry(Volumes& volumes, std::size_t index) {
    const CentralEntry& e = fDirectory.entries[index];
    if (e.isDirOnly)
        return;
    if (e.invalid)
        fail(msg::InvalidEntry);
    if ((e.versionNeeded & 0xFF) > 45 || (e.method != 0 && e.method != 8))
        fail(msg::UnsupportedVersion);
    progress(TZipProgressType::NewFile, e.name, std::int64_t(e.compressedSize), 0);
    const DataLocation at = locateData(volumes, e);
    const std::string password = e.encrypted() ? passwordFor(volumes, e, at) : std::string();
    readEntryData(
        volumes, e, at, password, [](const unsigned char*, std::size_t) {},
        [this](std::uint64_t done) {
            progress(TZipProgressType::ProgressUpdate, {}, 0, std::int64_t(done));
            checkCancel();
        });
    progress(TZipProgressType::EndOfItem, e.name, 0, 0);
}

void TZipEngine::extractEntry(Volumes& volumes, std::size_t index) {
    const CentralEntry& e = fDirectory.entries[index];
    if (e.invalid)
        fail(msg::InvalidEntry);
    if ((e.versionNeeded & 0xFF) > 45 || (!e.isDirOnly && e.method != 0 && e.method != 8))
        fail(msg::UnsupportedVersion);
    const bool dirNames = ExtrOptions.has(TZipExtrOptsEnum::ExtrDirNames);
    if (e.isDirOnly && !dirNames)
        return;
    progress(TZipProgressType::NewFile, e.name, std::int64_t(e.compressedSize), 0);

    // Extraction never leaves the base folder: the name is checked segment by segment.
    const auto segments = safeSegments(e.name);
    if (!segments)
        fail(msg::InvalidFilename, {e.name});
    std::string root = ExtrBaseDir.empty() ? std::string(".") : ExtrBaseDir;
    for (char& c : root) {
        if (c == '\\')
            c = '/';
    }
    if (root[0] != '/') {
        char cwd[4096];
        if (::getcwd(cwd, sizeof cwd))
            root = std::string(cwd) + "/" + root;
    }
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    std::string relative;
    const std::size_t first = dirNames ? 0 : segments->size() - 1;
    for (std::size_t s = first; s < segments->size(); ++s)
        relative += (relative.empty() ? "" : "/") + (*segments)[s];
    const std::string destination = root + "/" + relative;
    const std::string folder =
        e.isDirOnly ? destination : destination.substr(0, destination.find_last_of('/'));

    struct stat existing {};
    const bool exists = !e.isDirOnly && ::lstat(destination.c_str(), &existing) == 0;
    if (!e.isDirOnly) {
        if (exists) {
            const bool isOlder = existing.st_mtime < fromDosDateTime(e.dosDateTime);
            bool overwrite = ExtrOptions.has(TZipExtrOptsEnum::ExtrOverWrite);
            if (ExtrOptions.has(TZipExtrOptsEnum::ExtrUpdate) ||
                ExtrOptions.has(TZipExtrOptsEnum::ExtrFreshen)) {
                overwrite = isOlder;
            }
            if (OnExtractOverwrite)
                OnExtractOverwrite(destination, isOlder, overwrite, int(index));
            if (!overwrite)
                fail(msg::CannotOverwrite);
        } else if (ExtrOptions.has(TZipExtrOptsEnum::ExtrFreshen)) {
            fail(msg::FileNotFound);
        }
    }
    DataLocation at;
    std::string password;
    if (!e.isDirOnly) {
        at = locateData(volumes, e);
        if (at.localNameDiffers)
            inform("local header name different: " + e.name);
        if (e.encrypted())
            password = passwordFor(volumes, e, at);
    }

    if (!isDirectory(root)) {
        if (!ExtrOptions.has(TZipExtrOptsEnum::ExtrForceDirs) || !makeDirectories(root)) {
            fail(msg::BuildBasePath, {ExtrBaseDir});
        }
    }
    if (!makeDirectories(folder))
        fail(msg::BuildPath, {folder});
    // A folder reached through a symbolic link already on disk must still lie inside the base.
    if (!isInside(canonical(root), canonical(folder)))
        fail(msg::InvalidFilename, {e.name});
    if (e.isDirOnly)
        return;
    if (exists && S_ISDIR(existing.st_mode))
        fail(msg::CreateFile, {destination});

    // Written beside the destination and renamed into place, so a failing entry never destroys the
    // file that was there.
    TempOutput out(destination);
    if (!out.ok())
        fail(msg::CreateFile, {destination});
    readEntryData(
        volumes, e, at, password, [&out](const unsigned char* d, std::size_t n) { out.write(d, n); },
        [this](std::uint64_t done) {
            progress(TZipProgressType::ProgressUpdate, {}, 0, std::int64_t(done));
            checkCancel();
            if (fStopRequested)
                fail(msg::EntryCancelled);
        });
    out.placeAs(destination);
    struct stat written {};
    ::stat(destination.c_str(), &written);
    ::chmod(destination.c_str(), modeFor(e, written.st_mode & 07777));
    const std::time_t when = fromDosDateTime(e.dosDateTime);
    struct timespec times[2] = {{0, UTIME_OMIT}, {when, 0}};
    if (::utimensat(AT_FDCWD, destination.c_str(), times, 0) != 0)
        fail(msg::SetFileDate);
    progress(TZipProgressType::EndOfItem, e.name, 0, 0);
}

const std::string* TZipEngine::ExtractFileToStream(const std::string& requested) {
    fStream.clear();
    std::string name = requested;
    const std::size_t a = name.find_first_not_of(' ');
    name = a == std::string::npos ? std::string() : name.substr(a, name.find_last_not_of(' ') - a + 1);
    const int rc = run([this, &name](bool& open) {
        if (fZipFileName.empty())
            fail(msg::NoZipFile);
        if (name.empty() && !FSpecArgs.empty())
            name = FSpecArgs.front();
        if (hasWildcards(name))
            fail(msg::NoWildcards);
        for (const auto& [path, stamp] : fStamps) {
            if (!(FileStamp::of(path) == stamp))
                fail(msg::FileChanged);
        }
        std::replace(name.begin(), name.end(), '/', '\\');
        const long index = fIndex.find(name);
        if (index < 0)
            fail(msg::NothingToDo);
        const CentralEntry& e = fDirectory.entries[std::size_t(index)];
        if (e.invalid)
            fail(msg::InvalidEntry);
        if ((e.versionNeeded & 0xFF) > 45)
            fail(msg::UnsupportedVersion);
        auto volumes = openVolumes();
        open = true;
        progress(TZipProgressType::TotalFiles2Process, {}, 1, 0);
        progress(TZipProgressType::TotalSize2Process, {}, std::int64_t(e.compressedSize), 0);
        progress(TZipProgressType::NewFile, e.name, std::int64_t(e.compressedSize), 0);
        if (!e.isDirOnly) {
            const DataLocation at = locateData(*volumes, e);
            const std::string password = e.encrypted() ? passwordFor(*volumes, e, at) : std::string();
            fStream.reserve(std::size_t(std::min<std::uint64_t>(e.uncompressedSize, 1u << 26)));
            readEntryData(
                *volumes, e, at, password,
                [this](const unsigned char* d, std::size_t n) {
                    fStream.append(reinterpret_cast<const char*>(d), n);
                },
                [this](std::uint64_t done) {
                    progress(TZipProgressType::ProgressUpdate, {}, 0, std::int64_t(done));
                    checkCancel();
                });
        }
        progress(TZipProgressType::EndOfItem, e.name, 0, 0);
        progress(TZipProgressType::EndOfBatch, {}, 0, 0);
        open = false;
        fSuccessCount = 1;
    });
    if (rc != 0 || fSuccessCount != 1) {
        fStream.clear();
        return nullptr;
    }
    return &fStream;
}

}  // namespace orlivo::zip
