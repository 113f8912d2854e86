// Adding files to an archive: the files chosen by the specifications are deflated (both cores, written
// in order), existing entries are copied as they are, and the result replaces the old archive only when
// it is complete. With ZwoDiskSpan the result is then split into parts.

#include "AddSource.h"
#include "ArchiveWriting.h"
#include "Bytes.h"
#include "EntryReader.h"
#include "LocalFiles.h"
#include "PkCrypt.h"
#include "Selection.h"
#include "TZipEngine.h"
#include "Volumes.h"

#include <zlib.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <ctime>
#include <deque>
#include <mutex>
#include <optional>
#include <random>
#include <thread>
#include <unordered_map>

namespace orlivo::zip {
namespace {

constexpr std::uint64_t kInMemoryLimit = 32u << 20;  // larger files are streamed
constexpr std::size_t kAhead = 4;                    // files compressed ahead of the writer

std::string upperAscii(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 32);
    }
    return s;
}

const char* suffixOf(TZipAddStoreSuffixEnum s) {
    static const char* const names[] = {"gif", "png", "z",    "zip", "zoo", "arc", "lzh",  "arj", "taz",
                                        "tgz", "lha", "rar",  "ace", "cab", "gz",  "gzip", "jar", "exe",
                                        "",    "jpg", "jpeg", "7z",  "mp3", "wmv", "wma",  "dvr", "avi"};
    return names[int(s)];
}

bool storedBySuffix(const std::string& name, const TZipAddStoreSuffixes& set) {
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || name.find('\\', dot) != std::string::npos)
        return false;
    const std::string ext = upperAscii(name.substr(dot + 1));
    for (int i = 0; i <= int(TZipAddStoreSuffixEnum::AssAVI); ++i) {
        const auto s = TZipAddStoreSuffixEnum(i);
        if (set.has(s) && *suffixOf(s) && upperAscii(suffixOf(s)) == ext)
            return true;
    }
    return false;
}

CentralEntry entryFor(const AddSource& f) {
    CentralEntry e;
    e.name = f.name;
    e.rawName = f.name;
    std::replace(e.rawName.begin(), e.rawName.end(), '\\', '/');
    bool ascii = true;
    for (unsigned char c : e.rawName) ascii = ascii && c >= 32 && c < 127;
    if (!ascii)
        e.flags |= 0x0800;
    e.versionMadeBy = (3 << 8) | 30;
    e.dosDateTime = toDosDateTime(f.st.st_mtime);
    const bool readOnly = (f.st.st_mode & 0222) == 0;
    e.externalAttributes = std::uint32_t(f.st.st_mode & 0xFFFF) << 16 | (readOnly ? 1u : 0u);
    return e;
}

// Raw deflate of a whole buffer at a level.
bool deflateAll(const std::string& in, int level, std::string& out) {
    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    out.resize(deflateBound(&z, uLong(in.size())));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = uInt(in.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    const int rc = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return rc == Z_STREAM_END;
}

bool readWhole(const std::string& path, std::string& out) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    out.clear();
    if (ok)
        out.reserve(std::size_t(st.st_size));
    char buffer[1 << 16];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            ok = errno == EINTR;
            continue;
        }
        out.append(buffer, std::size_t(n));
    }
    ::close(fd);
    return ok;
}

std::string encryptionHeader(PkCrypt& crypt, unsigned char check) {
    static thread_local std::mt19937 random{std::random_device{}()};
    std::string header(12, '\0');
    for (int i = 0; i < 11; ++i) header[std::size_t(i)] = char(random() & 0xFF);
    header[11] = char(check);
    for (char& c : header) c = char(crypt.encrypt(static_cast<unsigned char>(c)));
    return header;
}

void encryptInPlace(PkCrypt& crypt, std::string& data) {
    for (char& c : data) c = char(crypt.encrypt(static_cast<unsigned char>(c)));
}

// One file made ready in memory by a worker: its entry values and stored bytes, or the error id.
struct Prepared {
    CentralEntry entry;
    std::string data;
    int error = 0;
    bool streamed = false;  // too large for memory: the writer streams it itself
};

Prepared prepare(const AddSource& f, int level, const TZipAddStoreSuffixes& store,
                 const std::string* password) {
    Prepared p;
    p.entry = entryFor(f);
    if (std::uint64_t(f.st.st_size) > kInMemoryLimit) {
        p.streamed = true;
        return p;
    }
    std::string plain;
    if (!readWhole(f.path, plain)) {
        p.error = 113;
        return p;
    }
    CentralEntry& e = p.entry;
    e.uncompressedSize = plain.size();
    e.crc = std::uint32_t(crc32_z(0, reinterpret_cast<const Bytef*>(plain.data()), plain.size()));
    std::string packed;
    // Data that deflate does not shrink is stored, as Info-ZIP does; it extracts to the same bytes.
    if (level > 0 && !plain.empty() && !storedBySuffix(f.name, store) && deflateAll(plain, level, packed) &&
        packed.size() < plain.size()) {
        e.method = 8;
        if (level >= 8)
            e.flags |= 0x02;
        if (level <= 2)
            e.flags |= level == 1 ? 0x06 : 0x04;
        p.data = std::move(packed);
    } else {
        e.method = 0;
        p.data = std::move(plain);
    }
    if (password) {
        PkCrypt crypt(*password);
        e.flags |= 0x01;
        std::string header = encryptionHeader(crypt, static_cast<unsigned char>(e.crc >> 24));
        encryptInPlace(crypt, p.data);
        p.data.insert(0, header);
    }
    e.compressedSize = p.data.size();
    return p;
}

// Compresses files on worker threads in order of their index; the writer takes them in that order.
class CompressionPipeline {
public:
    CompressionPipeline(const std::vector<AddSource>& files, int level, TZipAddStoreSuffixes store,
                        const std::string* password)
        : fFiles(files), fLevel(level), fStore(store), fPassword(password) {
        const unsigned threads = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
        for (unsigned i = 0; i < threads; ++i) fWorkers.emplace_back([this] { work(); });
    }
    ~CompressionPipeline() {
        {
            std::lock_guard lock(fMutex);
            fStop = true;
        }
        fChanged.notify_all();
        for (auto& t : fWorkers) t.join();
    }
    Prepared take(std::size_t index) {
        std::unique_lock lock(fMutex);
        fChanged.wait(lock, [&] { return fDone.count(index) != 0; });
        Prepared p = std::move(fDone[index]);
        fDone.erase(index);
        fTaken = index + 1;
        fChanged.notify_all();
        return p;
    }

private:
    void work() {
        for (;;) {
            std::size_t index;
            {
                std::unique_lock lock(fMutex);
                fChanged.wait(lock,
                              [&] { return fStop || (fNext < fFiles.size() && fNext < fTaken + kAhead); });
                if (fStop)
                    return;
                index = fNext++;
            }
            Prepared p = prepare(fFiles[index], fLevel, fStore, fPassword);
            {
                std::lock_guard lock(fMutex);
                fDone.emplace(index, std::move(p));
            }
            fChanged.notify_all();
        }
    }

    const std::vector<AddSource>& fFiles;
    int fLevel;
    TZipAddStoreSuffixes fStore;
    const std::string* fPassword;
    std::mutex fMutex;
    std::condition_variable fChanged;
    std::unordered_map<std::size_t, Prepared> fDone;
    std::size_t fNext = 0, fTaken = 0;
    bool fStop = false;
    std::vector<std::thread> fWorkers;
};

}  // namespace

std::string TZipEngine::AddPassword() {
    if (Unattended || !fDialogs) {
        report(msg::NoAddPassword);
        return {};
    }
    std::string first, second;
    if (fDialogs->askPassword(fMessages.text(9), fMessages.text(14), first) !=
        ZipEngineDialogs::PasswordAnswer::Ok) {
        return {};
    }
    if (fDialogs->askPassword(fMessages.text(9), fMessages.text(13), second) !=
        ZipEngineDialogs::PasswordAnswer::Ok) {
        return {};
    }
    if (!first.empty() && !second.empty() && first != second) {
        report(msg::PasswordsDiffer);
        return {};
    }
    if (fState < TZipStates::ZsBusy)
        Password = first;
    return first;
}

namespace {

bool isHidden(const std::string& name) {
    return !name.empty() && name[0] == '.';
}

std::string parentOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".")
           : slash == 0               ? std::string("/")
                                      : path.substr(0, slash);
}

}  // namespace

int TZipEngine::Add() {
    return run(
        [this](bool& open) {
            std::string password;
            if (AddOptions.has(TZipAddOptsEnum::AddEncrypt)) {
                password = Password;
                if (password.empty() && !Unattended && fDialogs)
                    password = AddPassword();
                if (password.empty())
                    fail(msg::UnattendedNoPassword);
            }
            if (fZipFileName.empty())
                fail(msg::NoZipFile);
            const bool freshen = AddOptions.has(TZipAddOptsEnum::AddFreshen) ||
                                 (AddOptions.has(TZipAddOptsEnum::AddUpdate) && FSpecArgs.empty());
            const bool update = AddOptions.has(TZipAddOptsEnum::AddUpdate) && !freshen;
            std::vector<std::string> specs;
            for (const std::string& s : FSpecArgs) {
                if (s.find_first_not_of(' ') != std::string::npos)
                    specs.push_back(s);
            }
            if (specs.empty() && !freshen)
                fail(msg::NoFilesToZip);
            if (freshen && fDirectory.entries.empty())
                fail(msg::NoFilesToZip);
            if (fLoaded)
                checkUnchanged();

            const std::string folder =
                parentOf(fParts.scheme == PartNames::Scheme::Single ? fZipFileName : fParts.base + ".zip");
            struct stat st {};
            if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
                if (!WriteOptions.has(TZipWriteOptsEnum::ZwoForceDest) ||
                    ::mkdir(folder.c_str(), 0777) != 0) {
                    fail(msg::DestinationMissing, {folder});
                }
            }
            if (::access(folder.c_str(), W_OK) != 0 ||
                (fLoaded && ::access(fParts.lastPart().c_str(), W_OK) != 0)) {
                fail(msg::CannotWrite, {fZipFileName});
            }

            // The files to add.
            std::string root = RootDir;
            if (root.empty() || root[0] != '/') {
                char cwd[4096];
                const std::string here = ::getcwd(cwd, sizeof cwd) ? cwd : ".";
                root = root.empty() ? here : here + "/" + root;
            }
            while (root.size() > 1 && root.back() == '/') root.pop_back();
            auto absolute = [&](std::string p) {
                std::replace(p.begin(), p.end(), '\\', '/');
                if (!p.empty() && p[0] == '/')
                    return p;
                return (root.back() == '/' ? root : root + "/") + p;
            };
            const bool dirNames = AddOptions.has(TZipAddOptsEnum::AddDirNames);
            const bool recurse = AddOptions.has(TZipAddOptsEnum::AddRecurseDirs);
            const bool hidden = AddOptions.has(TZipAddOptsEnum::AddHiddenFiles);
            std::vector<AddSource> files;
            // Names keep the folders below the root for relative specifications, and the whole path
            // without its root for absolute ones.
            std::string strip = "/";
            auto nameFor = [&](const std::string& path) {
                std::string name = !dirNames                   ? path.substr(path.find_last_of('/') + 1)
                                   : path.rfind(strip, 0) == 0 ? path.substr(strip.size())
                                                               : path.substr(path.find_first_not_of('/'));
                std::replace(name.begin(), name.end(), '/', '\\');
                return name;
            };
            auto addFile = [&](const std::string& path, const struct stat& s) {
                files.push_back({path, nameFor(path), s});
            };
            std::function<void(const std::string&, const std::string*, bool)> walk =
                [&](const std::string& dir, const std::string* pattern, bool deeper) {
                    DIR* d = ::opendir(dir.c_str());
                    if (!d) {
                        fSkipped.emplace_back(dir, TZipSkipTypes::StNoOpen);
                        return;
                    }
                    std::vector<std::string> names;
                    while (const dirent* de = ::readdir(d)) {
                        const std::string n = de->d_name;
                        if (n != "." && n != "..")
                            names.push_back(n);
                    }
                    ::closedir(d);
                    std::sort(names.begin(), names.end());
                    for (const std::string& n : names) {
                        if (!hidden && isHidden(n))
                            continue;
                        const std::string path = dir + "/" + n;
                        struct stat s {};
                        if (::lstat(path.c_str(), &s) != 0)
                            continue;
                        if (S_ISDIR(s.st_mode)) {
                            if (deeper)
                                walk(path, pattern, true);  // links to folders are never followed
                        } else if (S_ISREG(s.st_mode) && (!pattern || specMatches(*pattern, n))) {
                            addFile(path, s);
                        }
                    }
                };
            if (freshen && specs.empty()) {
                strip = root + "/";
                for (const CentralEntry& e : fDirectory.entries) {
                    if (e.isDirOnly)
                        continue;
                    std::string rel = e.name;
                    std::replace(rel.begin(), rel.end(), '\\', '/');
                    const std::string path = absolute(rel);
                    struct stat s {};
                    if (::stat(path.c_str(), &s) == 0 && S_ISREG(s.st_mode))
                        addFile(path, s);
                }
            }
            for (const std::string& raw : specs) {
                std::string trimmed = raw.substr(raw.find_first_not_of(' '));
                trimmed = trimmed.substr(0, trimmed.find_last_not_of(' ') + 1);
                std::string relative = trimmed;
                std::replace(relative.begin(), relative.end(), '\\', '/');
                strip = !relative.empty() && relative[0] == '/' ? std::string("/") : root + "/";
                const std::string path = absolute(trimmed);
                const std::string last = path.substr(path.find_last_of('/') + 1);
                struct stat s {};
                if (hasWildcards(last)) {
                    walk(parentOf(path), &last, recurse);
                } else if (::stat(path.c_str(), &s) != 0) {
                    fSkipped.emplace_back(trimmed, TZipSkipTypes::StNotFound);
                } else if (S_ISDIR(s.st_mode)) {
                    walk(path, nullptr, recurse);
                } else if (S_ISREG(s.st_mode)) {
                    addFile(path, s);  // a file named outright is added even when hidden
                }
            }
            // Exclusions, then one file per name: two files that would share a name stop the add.
            std::vector<AddSource> chosen;
            std::unordered_map<std::string, std::size_t> byName;
            for (AddSource& f : files) {
                bool excluded = false;
                for (const std::string& x : FSpecArgsExcl) {
                    excluded = excluded ||
                               (!x.empty() && (specMatches(x, f.name) || equalsIgnoringAsciiCase(x, f.name)));
                }
                if (excluded)
                    continue;
                const auto [it, inserted] = byName.emplace(upperAscii(f.name), chosen.size());
                if (!inserted) {
                    if (chosen[it->second].path == f.path)
                        continue;
                    fail(msg::DuplicateName, {f.name});
                }
                chosen.push_back(std::move(f));
            }
            // What happens to existing entries of the same names.
            std::vector<char> replaced(fDirectory.entries.size(), 0);
            std::vector<AddSource> toAdd;
            for (AddSource& f : chosen) {
                const long existing = fIndex.find(f.name);
                if (existing >= 0) {
                    const CentralEntry& e = fDirectory.entries[std::size_t(existing)];
                    if ((freshen || update) && toDosDateTime(f.st.st_mtime) <= e.dosDateTime)
                        continue;
                    replaced[std::size_t(existing)] = 1;
                } else if (freshen) {
                    continue;
                }
                toAdd.push_back(std::move(f));
            }
            if (toAdd.empty() && !fSkipped.empty())
                fail(msg::NoFilesToZip);

            std::uint64_t total = 0;
            for (const AddSource& f : toAdd) total += std::uint64_t(f.st.st_size);
            open = true;
            progress(TZipProgressType::TotalFiles2Process, {}, std::int64_t(toAdd.size()), 0);
            progress(TZipProgressType::TotalSize2Process, {}, std::int64_t(total), 0);
            const int level = std::clamp(AddCompLevel, 0, 9);
            const std::string* key = password.empty() ? nullptr : &password;

            std::vector<CentralEntry> written;
            EndInfo end;
            auto fill = [&](PartWriter& out, Volumes* old) {
                written.clear();
                for (std::size_t i = 0; old && i < fDirectory.entries.size(); ++i) {
                    if (replaced[i])
                        continue;
                    checkCancel();
                    written.push_back(copyEntry(*old, fDirectory.entries[i], out, {}));
                }
                CompressionPipeline pipeline(toAdd, level, AddStoreSuffixes, key);
                for (std::size_t i = 0; i < toAdd.size(); ++i) {
                    checkCancel();
                    if (fStopRequested)
                        fail(msg::UserCancelled);
                    const AddSource& f = toAdd[i];
                    progress(TZipProgressType::NewFile, f.name, std::int64_t(f.st.st_size), 0);
                    Prepared p = pipeline.take(i);
                    if (p.error)
                        fail(p.error, {f.path});
                    CentralEntry e = p.entry;
                    if (p.streamed) {
                        e = streamEntry(f, e, level, key, out);
                    } else {
                        recomputeVersions(e, e.uncompressedSize >= kZip64Limit);
                        writeLocalHeader(out, e, false);
                        out.writeData(p.data.data(), p.data.size());
                    }
                    progress(TZipProgressType::ProgressUpdate, {}, 0, std::int64_t(f.st.st_size));
                    progress(TZipProgressType::EndOfItem, f.name, 0, 0);
                    written.push_back(std::move(e));
                }
                end = finishArchive(out, written, fDirectory.end.comment);
            };
            if (WriteOptions.has(TZipWriteOptsEnum::ZwoDiskSpan)) {
                writeSpanned(fill);
            } else {
                rewriteArchive(fill);
                adoptWritten(std::move(written), end);
            }
            progress(TZipProgressType::EndOfBatch, {}, 0, 0);
            open = false;
            fSuccessCount = int(toAdd.size());
            // The sources go only now that the archive holding them is complete and in place.
            if (AddOptions.has(TZipAddOptsEnum::AddMove)) {
                for (const AddSource& f : toAdd) {
                    const bool removed =
                        OnRemoveSource ? OnRemoveSource(f.path) : ::unlink(f.path.c_str()) == 0;
                    if (!removed)
                        fSkipped.emplace_back(f.path, TZipSkipTypes::StNoAccess);
                }
            }
            FSpecArgs.clear();
            FSpecArgsExcl.clear();
            if (!fSkipped.empty()) {
                fErrMessage = "Finished with " + std::to_string(fSkipped.size()) + " warnings";
                if (OnMessage)
                    OnMessage(0, fErrMessage);
            }
        },
        true);
}

// A file too large for memory: deflated straight into the archive, its local header patched with the
// sizes afterwards (the interim archive is one seekable file). Always carries a Zip64 field when the
// file is large enough to need one.
CentralEntry TZipEngine::streamEntry(const AddSource& f, CentralEntry e, int level,
                                     const std::string* password, PartWriter& out) {
    const int fd = ::open(f.path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail(113, {f.path});
    struct Close {
        int fd;
        ~Close() { ::close(fd); }
    } closer{fd};
    std::vector<unsigned char> in(1 << 20), packed(1 << 20);
    std::uint32_t crc = 0;
    if (password) {
        // The check byte needs the CRC before the data: one pass more over the file.
        for (;;) {
            const ssize_t n = ::read(fd, in.data(), in.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                fail(113, {f.path});
            if (n == 0)
                break;
            crc = std::uint32_t(crc32_z(crc, in.data(), std::size_t(n)));
        }
        ::lseek(fd, 0, SEEK_SET);
    }
    const bool store = level == 0 || storedBySuffix(f.name, AddStoreSuffixes);
    e.method = store ? 0 : 8;
    if (!store && level >= 8)
        e.flags |= 0x02;
    if (password)
        e.flags |= 0x01;
    // Sizes not known yet: reserve the Zip64 field whenever the file could need one.
    e.uncompressedSize = std::uint64_t(f.st.st_size) >= (kZip64Limit >> 1) ? kZip64Limit : 0;
    e.compressedSize = e.uncompressedSize;
    recomputeVersions(e, e.uncompressedSize >= kZip64Limit);
    writeLocalHeader(out, e, false);
    const std::uint64_t dataStart = out.offset();
    std::unique_ptr<PkCrypt> crypt;
    if (password) {
        crypt = std::make_unique<PkCrypt>(*password);
        const std::string header = encryptionHeader(*crypt, static_cast<unsigned char>(crc >> 24));
        out.writeData(header.data(), header.size());
    }
    auto emit = [&](unsigned char* data, std::size_t n) {
        if (crypt) {
            for (std::size_t i = 0; i < n; ++i) data[i] = crypt->encrypt(data[i]);
        }
        out.writeData(data, n);
    };
    z_stream z{};
    if (!store && deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        fail(msg::RequestedMemory);
    struct End {
        z_stream* z;
        bool on;
        ~End() {
            if (on)
                deflateEnd(z);
        }
    } end{&z, !store};
    std::uint64_t read = 0;
    std::uint32_t plainCrc = 0;
    for (;;) {
        checkCancel();
        const ssize_t n = ::read(fd, in.data(), in.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(113, {f.path});
        read += std::uint64_t(n);
        plainCrc = std::uint32_t(crc32_z(plainCrc, in.data(), std::size_t(n)));
        if (store) {
            if (n == 0)
                break;
            emit(in.data(), std::size_t(n));
        } else {
            z.next_in = in.data();
            z.avail_in = uInt(n);
            const int flush = n == 0 ? Z_FINISH : Z_NO_FLUSH;
            int rc;
            do {
                z.next_out = packed.data();
                z.avail_out = uInt(packed.size());
                rc = deflate(&z, flush);
                emit(packed.data(), packed.size() - z.avail_out);
            } while (z.avail_out == 0 || (flush == Z_FINISH && rc != Z_STREAM_END));
            if (n == 0)
                break;
        }
        progress(TZipProgressType::ProgressUpdate, {}, 0, std::int64_t(read));
    }
    if (password && plainCrc != crc)
        fail(56, {f.path});  // the file changed between the two passes
    const bool reserved = e.uncompressedSize >= kZip64Limit;
    e.crc = plainCrc;
    e.uncompressedSize = read;
    e.compressedSize = out.offset() - dataStart;
    if (!reserved && (e.uncompressedSize >= kZip64Limit || e.compressedSize >= kZip64Limit))
        fail(msg::DataError);
    // The local header again, now with the CRC and sizes; its Zip64 field, if it was given one, holds
    // the true sizes while the 32-bit fields stay all-ones.
    CentralEntry patched = e;
    if (reserved) {
        patched.uncompressedSize = kZip64Limit;
        patched.compressedSize = kZip64Limit;
    }
    std::string header = localHeader(patched, false);
    if (reserved) {
        std::string sizes;
        put64(sizes, e.uncompressedSize);
        put64(sizes, e.compressedSize);
        header.replace(30 + e.rawName.size() + 4, 16, sizes);
    }
    out.patch(e.localOffset, header);
    return e;
}

void TZipEngine::writeSpanned(const std::function<void(PartWriter&, Volumes*)>& fill) {
    // First the whole archive as one interim file, then split into parts beside the archive.
    const InterimFile interimFile{interimName()};
    const std::string& interim = interimFile.path;
    writeInterim(interim, fill, false);
    if (Verbose && OnMessage)
        OnMessage(0, fMessages.format(158, {interim}));
    const EndInfo end = readEndInfo(interim);
    Volumes source(PartNames::recognise(interim), 1);
    ZipDirectory dir = readDirectory(source, end);

    const std::string target =
        fParts.scheme == PartNames::Scheme::Single ? fZipFileName : fParts.base + ".zip";
    PartNames names = PartNames::recognise(target);
    names.scheme = SpanOptions.has(TZipSpanOptsEnum::SpCompatName) ? PartNames::Scheme::Compatible
                                                                   : PartNames::Scheme::Numbered;
    const std::string folder = target.substr(0, target.find_last_of('/') + 1);
    auto allowance = [&](int part) -> std::uint64_t {
        struct statvfs vfs {};
        if (::statvfs(folder.empty() ? "." : folder.c_str(), &vfs) != 0)
            fail(msg::CannotWrite, {target});
        const std::uint64_t sector = vfs.f_bsize ? vfs.f_bsize : 512;
        auto roundUp = [sector](std::int64_t v) {
            return v <= 0 ? 0 : (std::uint64_t(v) + sector - 1) / sector * sector;
        };
        const std::uint64_t free = std::uint64_t(vfs.f_bavail) * vfs.f_frsize;
        std::uint64_t allowed = free > roundUp(KeepFreeOnAllDisks) ? free - roundUp(KeepFreeOnAllDisks) : 0;
        if (MaxVolumeSize > 0 && std::uint64_t(MaxVolumeSize) < allowed)
            allowed = std::uint64_t(MaxVolumeSize);
        if (part == 0)
            allowed = allowed > roundUp(KeepFreeOnDisk1) ? allowed - roundUp(KeepFreeOnDisk1) : 0;
        if (allowed < std::uint64_t(std::max(MinFreeVolumeSize, 0)))
            fail(msg::NotEnoughSpace);
        return allowed;
    };
    SpannedWriter parts(CreateFile, allowance, [&](int part, int total) {
        // While writing, the total is unknown: the compatible scheme's last part is named at the end.
        if (total == 0)
            return names.scheme == PartNames::Scheme::Compatible ? names.pathOf(part, part + 2)
                                                                 : names.pathOf(part, part + 1);
        if (names.scheme == PartNames::Scheme::Numbered && total == 1)
            return target;  // a single part keeps the name
        return names.pathOf(part, total);
    });
    std::vector<CentralEntry> written;
    written.reserve(dir.entries.size());
    for (const CentralEntry& e : dir.entries) {
        checkCancel();
        written.push_back(copyEntry(source, e, parts, {}));
    }
    finishArchive(parts, written, dir.end.comment);
    parts.commit();
    // Old parts that the new set did not overwrite.
    for (const auto& [path, stamp] : fStamps) {
        if (std::find(parts.finalNames().begin(), parts.finalNames().end(), path) ==
            parts.finalNames().end()) {
            ::unlink(path.c_str());
        }
    }
    fParts = PartNames::recognise(parts.finalNames().back());
    fZipFileName = parts.finalNames().size() == 1 ? target : fParts.archiveName;
}

}  // namespace orlivo::zip
