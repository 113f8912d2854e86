#pragma once

#include "WriteFile.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orlivo::zip {

// Where an archive is being written: one file, or the parts of a multi-part archive. Ordinary data
// flows on across parts; records (headers, end records) are written in one piece and move to the next
// part when they do not fit in the rest of the current one.
class PartWriter {
public:
    virtual ~PartWriter() = default;
    virtual void writeData(const void* data, std::size_t n) = 0;
    virtual void writeRecord(const std::string& bytes) = 0;
    // Rewrites bytes already written (a local header once the sizes are known); single files only.
    virtual void patch(std::uint64_t offset, const std::string& bytes) = 0;
    virtual int disk() const = 0;
    virtual std::uint64_t offset() const = 0;
    // Bytes left in the current part (unbounded for a single file).
    virtual std::uint64_t roomLeft() const = 0;
    // Starts the next part (for end records that must stay in one piece); a single file cannot.
    virtual void nextPart() = 0;
    virtual void commit() = 0;
    // Appends bytes of another file in the kernel where the writer can; false when it cannot.
    virtual bool copyRange(int /*fromFd*/, std::uint64_t /*offset*/, std::uint64_t /*length*/) {
        return false;
    }
};

class SingleFileWriter final : public PartWriter {
public:
    explicit SingleFileWriter(std::unique_ptr<WriteFile> file) : fFile(std::move(file)) {}
    void writeData(const void* data, std::size_t n) override { fFile->write(data, n); }
    void writeRecord(const std::string& bytes) override { fFile->write(bytes.data(), bytes.size()); }
    void patch(std::uint64_t offset, const std::string& bytes) override {
        fFile->writeAt(offset, bytes.data(), bytes.size());
    }
    int disk() const override { return 0; }
    std::uint64_t offset() const override { return fFile->position(); }
    std::uint64_t roomLeft() const override { return UINT64_MAX; }
    void nextPart() override {}
    void commit() override { fFile->commit(); }
    bool copyRange(int fromFd, std::uint64_t offset, std::uint64_t length) override {
        return fFile->copyRange(fromFd, offset, length);
    }
    const std::string& path() const { return fFile->path(); }

private:
    std::unique_ptr<WriteFile> fFile;
};

// The parts of a multi-part archive, each written under a temporary name and all renamed into place
// only on commit, so a failed write never replaces the parts that were there.
class SpannedWriter final : public PartWriter {
public:
    // allowance(part) = bytes the part may hold (ZipError when no usable medium is left); pathOf(part,
    // total) names the final part files.
    SpannedWriter(WriteFileFactory create, std::function<std::uint64_t(int part)> allowance,
                  std::function<std::string(int part, int total)> pathOf);
    ~SpannedWriter() override;

    void writeData(const void* data, std::size_t n) override;
    void writeRecord(const std::string& bytes) override;
    void patch(std::uint64_t, const std::string&) override;
    int disk() const override { return int(fParts.size()) - 1; }
    std::uint64_t offset() const override { return fWritten; }
    std::uint64_t roomLeft() const override { return fAllowed > fWritten ? fAllowed - fWritten : 0; }
    void nextPart() override;
    void commit() override;
    // The final names of the parts, once committed.
    const std::vector<std::string>& finalNames() const { return fFinalNames; }

private:
    WriteFileFactory fCreate;
    std::function<std::uint64_t(int)> fAllowance;
    std::function<std::string(int, int)> fPathOf;
    std::vector<std::unique_ptr<WriteFile>> fParts;
    std::vector<std::string> fTempNames;
    std::vector<std::string> fFinalNames;
    std::uint64_t fAllowed = 0;
    std::uint64_t fWritten = 0;
    bool fCommitted = false;
};

}  // namespace orlivo::zip
