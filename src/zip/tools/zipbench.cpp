// Runs the zip engine on an archive from the command line, for benchmarks and checks against peer tools:
//   zipbench list|test|extract ARCHIVE [DIR] [--password PW]
//   zipbench add ARCHIVE [--level N] [--span BYTES] [--password PW] PATH...
//   zipbench delete ARCHIVE SPEC...
//   zipbench rename ARCHIVE OLD NEW
// Prints one entry name a line (list), the counts and the engine's result id; exits 0 exactly when the
// result id is 0.

#include "TZipEngine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using orlivo::zip::TZipEngine;
using orlivo::zip::TZipExtrOptsEnum;

int main(int argc, char** argv) {
    std::string command, archive, folder, password;
    std::vector<std::string> rest;
    int level = 9;
    long long span = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--password") == 0 && i + 1 < argc) {
            password = argv[++i];
        } else if (std::strcmp(argv[i], "--level") == 0 && i + 1 < argc) {
            level = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--span") == 0 && i + 1 < argc) {
            span = std::atoll(argv[++i]);
        } else if (command.empty()) {
            command = argv[i];
        } else if (archive.empty()) {
            archive = argv[i];
        } else {
            rest.push_back(argv[i]);
        }
    }
    if (!rest.empty())
        folder = rest.front();
    const bool known = command == "list" || command == "test" || command == "extract" || command == "add" ||
                       command == "delete" || command == "rename";
    if (!known || archive.empty() || (command == "extract" && folder.empty()) ||
        ((command == "add" || command == "delete") && rest.empty()) ||
        (command == "rename" && rest.size() != 2)) {
        std::fprintf(stderr,
                     "usage: zipbench list|test|extract ARCHIVE [DIR] [--password PW]\n"
                     "       zipbench add ARCHIVE [--level N] [--span BYTES] [--password PW] PATH...\n"
                     "       zipbench delete ARCHIVE SPEC...\n"
                     "       zipbench rename ARCHIVE OLD NEW\n");
        return 2;
    }
    TZipEngine engine;
    engine.Unattended = true;
    engine.Password = password;
    int messages = 0;
    engine.OnMessage = [&messages](int id, const std::string& text) {
        if (id != 0)
            std::fprintf(stderr, "message %d: %s\n", id, text.c_str());
        ++messages;
    };
    engine.setZipFileName(archive);
    int result = engine.ErrCode();
    if (command == "add") {
        engine.AddOptions = {orlivo::zip::TZipAddOptsEnum::AddDirNames,
                             orlivo::zip::TZipAddOptsEnum::AddRecurseDirs};
        if (!password.empty())
            engine.AddOptions.include(orlivo::zip::TZipAddOptsEnum::AddEncrypt);
        engine.AddCompLevel = level;
        engine.WriteOptions.clear();
        if (span > 0) {
            engine.WriteOptions.include(orlivo::zip::TZipWriteOptsEnum::ZwoDiskSpan);
            engine.MaxVolumeSize = span;
        }
        engine.FSpecArgs = rest;
        result = engine.Add();
    } else if (command == "delete") {
        engine.FSpecArgs = rest;
        result = engine.Delete();
    } else if (command == "rename") {
        std::vector<orlivo::zip::TZipRenameRec> records{{rest[0], rest[1], {}, 0}};
        result = engine.Rename(records, 0, orlivo::zip::TZipRenameOpts::HtrDefault);
    }
    if (command == "add" || command == "delete" || command == "rename") {
        std::printf("%s: %d, entries now: %d, result: %d %s\n", command.c_str(), engine.SuccessCnt(),
                    engine.Count() + engine.DirOnlyCnt(), result, engine.ErrMessage().c_str());
        return result == 0 ? 0 : 1;
    }
    if (command == "list") {
        std::string out;
        for (const auto& c : engine.directory().entries) {
            out += c.name;
            out += '\n';
            if (out.size() > (1 << 16)) {
                std::fwrite(out.data(), 1, out.size(), stdout);
                out.clear();
            }
        }
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::printf("entries: %d, folders: %d, result: %d\n", engine.Count(), engine.DirOnlyCnt(), result);
        return result == 0 ? 0 : 1;
    }
    engine.ExtrOptions = {TZipExtrOptsEnum::ExtrDirNames, TZipExtrOptsEnum::ExtrOverWrite,
                          TZipExtrOptsEnum::ExtrForceDirs};
    if (command == "test")
        engine.ExtrOptions.include(TZipExtrOptsEnum::ExtrTest);
    engine.ExtrBaseDir = folder;
    result = engine.Extract();
    std::printf("%s: %d of %d, result: %d %s\n", command == "test" ? "tested" : "extracted",
                engine.SuccessCnt(), engine.Count() + engine.DirOnlyCnt(), result,
                engine.ErrMessage().c_str());
    return result == 0 ? 0 : 1;
}
