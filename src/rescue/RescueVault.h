#pragma once

#include "TZipEngine.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orlivo::rescue {

// One archive of the vault folder.
struct VaultArchive {
    std::string name;  // file name, "6-12-2017 (3-45-12 PM).rsc"
    std::string path;
    std::int64_t size = 0;
    std::int64_t mtime = 0;  // seconds since the epoch
};

// "<date> (<time>).rsc" from the short date and long time texts, every "/" and ":" turned into "-".
std::string archiveFileName(const std::string& dateText, const std::string& timeText);

// Every file of the folder that is not hidden, in file-name order; subfolders are not looked into.
std::vector<VaultArchive> listVault(const std::string& folder);

// The vault is full when its files add up to the limit (megabytes of 1,000,000 bytes) or more; what
// is about to be moved is not counted.
bool CheckRescueDiskSpace(const std::string& folder, int maxDiskMb);

// Adds the files to the archive (created when missing, folder included) with exactly the options a
// vault or zip-and-delete write takes: directory names kept (less the root), existing entries replaced
// only by newer files, no exclusions left from an earlier operation. Returns the engine's result, 0 when
// the archive was written completely.
int addFilesToArchive(zip::TZipEngine& engine, const std::string& archive,
                      const std::vector<std::string>& files);

struct RestoreOutcome {
    int entries = 0;
    int restored = 0;
    int skipped = 0;                    // the target folder could not be made
    std::vector<std::string> failures;  // target paths, in failure order
    bool cancelled = false;
    bool error = false;  // the archive could not be opened or read

    // Every entry is back: only then may the archive go.
    bool complete() const { return !cancelled && !error && restored == entries; }
};

struct RestoreHooks {
    // Before each entry: its name and position; true stops the pass.
    std::function<bool(const std::string& entryName, int index, int count)> beforeEntry;
};

// Restores every entry below the system root (the entry names hold the former paths less the root),
// replacing files that are there. Each file is streamed into a temporary name beside its target and
// renamed into place, so a failing write leaves the old file whole and no entry has to fit in memory.
// A restored file carries the time of the restore.
RestoreOutcome restoreArchive(const std::string& archive, const std::string& systemRoot,
                              const RestoreHooks& hooks);

// Deletes the archives at least `days` old at the start of today (local time): the age is today at
// 00:00 less the archive's last-write time, in days with their fraction.
void retentionPass(const std::string& folder, bool enabled, int days, std::int64_t now);

}  // namespace orlivo::rescue
