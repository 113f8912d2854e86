// The writing operations that change an existing archive: Delete and Rename, and how every change is
// written into an interim archive and put in place.

#include "ArchiveWriting.h"
#include "Bytes.h"
#include "NameDecoding.h"
#include "Selection.h"
#include "TZipEngine.h"
#include "Volumes.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <unordered_set>

namespace orlivo::zip {
namespace {

std::string upperAscii(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 32);
    }
    return s;
}

bool copyFile(const std::string& from, const std::string& to) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    bool ok = out >= 0;
    char buffer[1 << 16];
    while (ok) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            ok = errno == EINTR;
            continue;
        }
        ok = ::write(out, buffer, std::size_t(n)) == n;
    }
    ::close(in);
    if (out >= 0 && ::close(out) != 0)
        ok = false;
    if (!ok)
        ::unlink(to.c_str());
    return ok;
}

// The stored form of an entry name: '/' between folders, flag bit 11 when it is not plain ASCII.
void setStoredName(CentralEntry& e, const std::string& internalName) {
    e.name = internalName;
    e.rawName = internalName;
    for (char& c : e.rawName) {
        if (c == '\\')
            c = '/';
    }
    bool ascii = true;
    for (unsigned char c : e.rawName) ascii = ascii && c >= 32 && c < 127;
    if (ascii) {
        e.flags &= std::uint16_t(~0x0800);
    } else {
        e.flags |= 0x0800;
    }
    // A Unicode path field would name the entry by its old name.
    std::string extra;
    std::size_t pos = 0;
    while (pos + 4 <= e.extra.size()) {
        const auto* p = reinterpret_cast<const unsigned char*>(e.extra.data() + pos);
        const std::size_t length = get16(p + 2);
        if (pos + 4 + length > e.extra.size())
            break;
        if (get16(p) != 0x7075)
            extra.append(e.extra, pos, 4 + length);
        pos += 4 + length;
    }
    e.extra = extra;
}

}  // namespace

TZipEngine::InterimFile::~InterimFile() {
    ::unlink(path.c_str());
}

std::string TZipEngine::interimName() const {
    std::string dir = TempDir;
    if (dir.empty()) {
        const char* env = std::getenv("TMPDIR");
        dir = env && *env ? env : "/tmp";
    }
    std::random_device rd;
    std::mt19937_64 gen((std::uint64_t(rd()) << 32) ^ rd());
    char guid[64];
    const std::uint64_t a = gen(), b = gen();
    std::snprintf(guid, sizeof guid, "GUID%%{%08X-%04X-%04X-%04X-%012llX}%%.tmp", unsigned(a >> 32),
                  unsigned((a >> 16) & 0xFFFF), unsigned(a & 0xFFFF), unsigned(b >> 48),
                  static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
    return dir + "/" + guid;
}

void TZipEngine::checkUnchanged() {
    for (const auto& [path, stamp] : fStamps) {
        if (!(FileStamp::of(path) == stamp))
            fail(msg::FileChanged);
    }
}

void TZipEngine::removeArchiveFiles() {
    for (const auto& [path, stamp] : fStamps) {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
            inform("EraseFile failed for: " + path);
            fail(msg::FileError, {path});
        }
    }
}

void TZipEngine::putInPlace(const std::string& interim) {
    const std::string target =
        fParts.scheme == PartNames::Scheme::Single ? fZipFileName : fParts.base + ".zip";
    // The new archive replaces the old one in one rename, so the old file stays whole until then; from
    // another file system it is first copied beside the target.
    if (::rename(interim.c_str(), target.c_str()) != 0) {
        if (errno != EXDEV)
            fail(msg::CannotWrite, {target});
        const std::string beside = target + ".orlivo-new";
        ::unlink(beside.c_str());
        if (!copyFile(interim, beside))
            fail(msg::CannotWrite, {target});
        if (::rename(beside.c_str(), target.c_str()) != 0) {
            ::unlink(beside.c_str());
            fail(msg::CannotWrite, {target});
        }
        ::unlink(interim.c_str());
    }
    // The parts of a multi-part archive that a single file replaced.
    for (const auto& [path, stamp] : fStamps) {
        if (path != target)
            ::unlink(path.c_str());
    }
    fParts = PartNames::recognise(target);
    fZipFileName = fParts.archiveName;
}

void TZipEngine::writeInterim(const std::string& interim,
                              const std::function<void(PartWriter&, Volumes*)>& fill, bool keepPrefix) {
    std::unique_ptr<Volumes> old = fLoaded ? openVolumes() : nullptr;
    SingleFileWriter out(CreateFile(interim));
    if (keepPrefix && old && fDirectory.end.totalDisks == 1 && fDirectory.prefixOffset > 0) {
        // A self-extracting program in front of the entries stays in front of them.
        std::vector<char> prefix(std::size_t(std::min<std::uint64_t>(fDirectory.prefixOffset, 1u << 26)));
        if (old->read(0, 0, prefix.data(), prefix.size()) != prefix.size())
            fail(msg::FileError, {fZipFileName});
        out.writeData(prefix.data(), prefix.size());
    }
    fill(out, old.get());
    out.commit();
    checkCancel();
}

void TZipEngine::rewriteArchive(const std::function<void(PartWriter&, Volumes*)>& fill) {
    const InterimFile interim{interimName()};
    writeInterim(interim.path, fill, true);
    putInPlace(interim.path);
}

int TZipEngine::Delete() {
    return run(
        [this](bool& open) {
            if (fZipFileName.empty())
                fail(msg::NoZipFile);
            bool anySpec = false;
            for (const std::string& s : FSpecArgs)
                anySpec = anySpec || s.find_first_not_of(' ') != std::string::npos;
            if (!fLoaded || fDirectory.entries.empty() || !anySpec)
                fail(msg::NoDeleteSelection);
            checkUnchanged();
            const std::vector<std::size_t> selected = select(FSpecArgs, FSpecArgsExcl);
            std::vector<char> deleted(fDirectory.entries.size(), 0);
            for (std::size_t i : selected) deleted[i] = 1;
            std::vector<std::string> names;
            for (std::size_t i : selected) names.push_back(fDirectory.entries[i].name);
            if (selected.size() == fDirectory.entries.size()) {
                removeArchiveFiles();
                fSuccessCount = int(selected.size());
                FSpecArgs = names;
                FSpecArgsExcl.clear();
                return;
            }
            // Names that would be ambiguous in the new archive stop the delete before anything is written.
            std::unordered_set<std::string> seen;
            for (std::size_t i = 0; i < fDirectory.entries.size(); ++i) {
                if (!deleted[i] && !seen.insert(upperAscii(fDirectory.entries[i].name)).second) {
                    fail(msg::DuplicateName, {fDirectory.entries[i].name});
                }
            }
            std::uint64_t total = 0;
            for (std::size_t i = 0; i < deleted.size(); ++i)
                total += deleted[i] ? 0 : fDirectory.entries[i].compressedSize;
            open = true;
            progress(TZipProgressType::TotalFiles2Process, {}, std::int64_t(deleted.size() - selected.size()),
                     0);
            progress(TZipProgressType::TotalSize2Process, {}, std::int64_t(total), 0);
            std::vector<CentralEntry> kept;
            EndInfo written;
            rewriteArchive([&](PartWriter& out, Volumes* old) {
                kept.reserve(fDirectory.entries.size() - selected.size());
                for (std::size_t i = 0; i < fDirectory.entries.size(); ++i) {
                    if (deleted[i])
                        continue;
                    checkCancel();
                    const CentralEntry& e = fDirectory.entries[i];
                    progress(TZipProgressType::NewFile, e.name, std::int64_t(e.compressedSize), 0);
                    // The old directory is replaced (or read again after a failure): its entries move.
                    kept.push_back(
                        copyEntry(*old, std::move(fDirectory.entries[i]), out, [this](std::uint64_t done) {
                            progress(TZipProgressType::ProgressUpdate, {}, 0, std::int64_t(done));
                        }));
                    progress(TZipProgressType::EndOfItem, kept.back().name, 0, 0);
                }
                written = finishArchive(out, kept, fDirectory.end.comment);
            });
            adoptWritten(std::move(kept), written);
            progress(TZipProgressType::EndOfBatch, {}, 0, 0);
            open = false;
            fSuccessCount = int(selected.size());
            FSpecArgs = names;
            FSpecArgsExcl.clear();
        },
        true);
}

int TZipEngine::Rename(std::vector<TZipRenameRec>& list, std::uint32_t dateTime, TZipRenameOpts how) {
    return run(
        [&](bool& open) {
            if (fZipFileName.empty())
                fail(msg::NoZipFile);
            if (!fLoaded)
                fail(msg::NotAZip);
            checkUnchanged();
            std::vector<TZipRenameRec> records = list;
            for (TZipRenameRec& r : records) {
                if (how != TZipRenameOpts::HtrFull && hasWildcards(r.Source))
                    fail(msg::NoWildcards);
                for (std::string* s : {&r.Source, &r.Dest}) {
                    for (char& c : *s) {
                        if (c == '/')
                            c = '\\';
                    }
                }
            }
            const std::vector<std::size_t> selected =
                select(FSpecArgs.empty() ? std::vector<std::string>{"*.*"} : FSpecArgs, FSpecArgsExcl);
            std::vector<CentralEntry> entries = fDirectory.entries;
            std::vector<char> changed(entries.size(), 0);
            // Every name of the archive as it will be, to find a rename onto an existing name.
            std::unordered_multiset<std::string> names;
            for (const CentralEntry& e : entries) names.insert(upperAscii(e.name));
            int applied = 0;
            for (std::size_t i : selected) {
                CentralEntry& e = entries[i];
                std::string name = e.name;
                bool any = false;
                const TZipRenameRec* last = nullptr;
                for (const TZipRenameRec& r : records) {
                    if (how == TZipRenameOpts::HtrFull) {
                        if (!specMatches(r.Source, name) && !equalsIgnoringAsciiCase(r.Source, name))
                            continue;
                        if (r.Dest != "|")
                            name = r.Dest;
                    } else {
                        const std::string upperName = upperAscii(name), upperSource = upperAscii(r.Source);
                        const std::size_t at =
                            r.Source.empty() ? std::string::npos : upperName.find(upperSource);
                        if (at == std::string::npos)
                            continue;
                        if (r.Dest != "|")
                            name = name.substr(0, at) + r.Dest + name.substr(at + r.Source.size());
                    }
                    any = true;
                    last = &r;
                    if (how != TZipRenameOpts::HtrDefault)
                        break;
                }
                if (!any)
                    continue;
                try {
                    const std::size_t lead = name.find_first_not_of('\\');
                    name = lead == std::string::npos ? std::string() : name.substr(lead);
                    const bool wasFolder = e.isDirOnly, isFolder = !name.empty() && name.back() == '\\';
                    if (name.empty() || wasFolder != isFolder)
                        fail(msg::CannotChangePath);
                    if (name != e.name) {
                        if (names.count(upperAscii(name)) >
                            (upperAscii(name) == upperAscii(e.name) ? 1u : 0u)) {
                            inform("Name already exists: \"" + name + "\"");
                            fail(msg::DuplicateName, {name});
                        }
                        names.erase(names.find(upperAscii(e.name)));
                        names.insert(upperAscii(name));
                        setStoredName(e, name);
                    }
                    if (!last->Comment.empty())
                        e.comment = last->Comment;
                    const std::uint32_t when = last->DateTime != 0 ? last->DateTime : dateTime;
                    if (when != 0)
                        e.dosDateTime = when;
                    changed[i] = 1;
                    ++applied;
                } catch (const ZipError& error) {
                    const TZipSkipTypes reason =
                        error.id == msg::DuplicateName ? TZipSkipTypes::StDupName : TZipSkipTypes::StCannotDo;
                    if (NoSkipping.has(reason))
                        throw;
                    fSkipped.emplace_back(e.name, reason);
                    report(error.id, error.args);
                }
            }
            bool anyChange = false;
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const CentralEntry& a = entries[i];
                const CentralEntry& b = fDirectory.entries[i];
                anyChange = anyChange || (changed[i] && (a.name != b.name || a.comment != b.comment ||
                                                         a.dosDateTime != b.dosDateTime));
            }
            if (anyChange) {
                open = true;
                progress(TZipProgressType::TotalFiles2Process, {}, std::int64_t(entries.size()), 0);
                std::vector<CentralEntry> written;
                EndInfo end;
                rewriteArchive([&](PartWriter& out, Volumes* old) {
                    written.reserve(entries.size());
                    for (std::size_t i = 0; i < entries.size(); ++i) {
                        checkCancel();
                        // The data is found through the old entry; the new one gives it its name.
                        progress(TZipProgressType::NewFile, entries[i].name,
                                 std::int64_t(entries[i].compressedSize), 0);
                        CentralEntry copy = copyEntry(*old, fDirectory.entries[i], out, {}, &entries[i]);
                        written.push_back(copy);
                    }
                    end = finishArchive(out, written, fDirectory.end.comment);
                });
                adoptWritten(std::move(written), end);
                progress(TZipProgressType::EndOfBatch, {}, 0, 0);
                open = false;
            }
            fSuccessCount = applied;
        },
        true);
}

}  // namespace orlivo::zip
