#include "PartWriter.h"

#include "PartNames.h"
#include "ZipError.h"

#include <unistd.h>
#include <algorithm>
#include <cstdio>

namespace orlivo::zip {

SpannedWriter::SpannedWriter(WriteFileFactory create, std::function<std::uint64_t(int)> allowance,
                             std::function<std::string(int, int)> pathOf)
    : fCreate(std::move(create)), fAllowance(std::move(allowance)), fPathOf(std::move(pathOf)) {
    nextPart();
}

SpannedWriter::~SpannedWriter() {
    fParts.clear();  // uncommitted files remove themselves
    if (!fCommitted) {
        for (const std::string& t : fTempNames) ::unlink(t.c_str());
    }
}

void SpannedWriter::nextPart() {
    if (int(fParts.size()) >= PartNames::kMaxParts)
        fail(msg::TooManyParts);
    if (!fParts.empty())
        fParts.back()->commit();
    const int part = int(fParts.size());
    const std::string temp = fPathOf(part, 0) + ".orlivo-part";
    ::unlink(temp.c_str());
    fParts.push_back(fCreate(temp));
    fTempNames.push_back(temp);
    fAllowed = fAllowance(part);
    fWritten = 0;
}

void SpannedWriter::writeData(const void* data, std::size_t n) {
    const auto* p = static_cast<const char*>(data);
    while (n > 0) {
        if (roomLeft() == 0)
            nextPart();
        const std::size_t now = std::size_t(std::min<std::uint64_t>(n, roomLeft()));
        fParts.back()->write(p, now);
        fWritten += now;
        p += now;
        n -= now;
    }
}

void SpannedWriter::writeRecord(const std::string& bytes) {
    if (bytes.size() > roomLeft())
        nextPart();
    if (bytes.size() > roomLeft())
        fail(msg::NotEnoughSpace);
    fParts.back()->write(bytes.data(), bytes.size());
    fWritten += bytes.size();
}

void SpannedWriter::patch(std::uint64_t, const std::string&) {
    fail(70);
}

void SpannedWriter::commit() {
    fParts.back()->commit();
    const int total = int(fParts.size());
    for (int i = 0; i < total; ++i) {
        const std::string final = fPathOf(i, total);
        if (::rename(fTempNames[std::size_t(i)].c_str(), final.c_str()) != 0)
            fail(msg::CannotWrite, {final});
        fFinalNames.push_back(final);
    }
    fCommitted = true;
}

}  // namespace orlivo::zip
