#pragma once

#include "TZipEngine.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orlivo::zip::test {

namespace fs = std::filesystem;

// A fresh folder holding the archives of one fixture of fixtures.py, removed at the end of the test.
class Fixture {
public:
    explicit Fixture(const std::string& name);
    ~Fixture();
    const fs::path& dir() const { return fDir; }
    std::string path(const std::string& relative) const { return (fDir / relative).string(); }

private:
    fs::path fDir;
};

std::string readAll(const fs::path& path);
// Every regular file below root, as relative paths with '/', sorted.
std::vector<std::string> filesBelow(const fs::path& root);
// An unattended engine that records its messages.
struct RecordingEngine {
    RecordingEngine();
    TZipEngine engine;
    std::vector<int> messages;  // ids of OnMessage, 0 excluded
};

}  // namespace orlivo::zip::test
