#pragma once

#include "WriteFile.h"
#include "ZipError.h"

#include <memory>

namespace orlivo::test {

// A disk that fills up once the file reaches `room` bytes: the write fails as the engine's writes do.
class FullDisk final : public zip::WriteFile {
public:
    FullDisk(std::unique_ptr<zip::WriteFile> real, std::uint64_t room)
        : fReal(std::move(real)), fRoom(room) {}
    void write(const void* d, std::size_t n) override {
        if (fReal->position() + n > fRoom)
            zip::fail(107);
        fReal->write(d, n);
    }
    void writeAt(std::uint64_t o, const void* d, std::size_t n) override { fReal->writeAt(o, d, n); }
    std::uint64_t position() const override { return fReal->position(); }
    void commit() override { fReal->commit(); }
    const std::string& path() const override { return fReal->path(); }

private:
    std::unique_ptr<zip::WriteFile> fReal;
    std::uint64_t fRoom;
};

}  // namespace orlivo::test
