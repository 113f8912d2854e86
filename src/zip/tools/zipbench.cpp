// Runs the zip engine on an archive from the command line, for benchmarks and checks against peer tools:
//   zipbench list|test|extract ARCHIVE [DIR] [--password PW]
// Prints one entry name a line (list), the counts and the engine's result id; exits 0 exactly when the
// result id is 0.

#include "TZipEngine.h"

#include <cstdio>
#include <cstring>
#include <string>

using orlivo::zip::TZipEngine;
using orlivo::zip::TZipExtrOptsEnum;

int main(int argc, char** argv) {
    std::string command, archive, folder, password;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--password") == 0 && i + 1 < argc) {
            password = argv[++i];
        } else if (command.empty()) {
            command = argv[i];
        } else if (archive.empty()) {
            archive = argv[i];
        } else if (folder.empty()) {
            folder = argv[i];
        }
    }
    if ((command != "list" && command != "test" && command != "extract") || archive.empty() ||
        (command == "extract" && folder.empty())) {
        std::fprintf(stderr, "usage: zipbench list|test|extract ARCHIVE [DIR] [--password PW]\n");
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
