#include "Crc32.h"
#include "Fingerprints.h"
#include "Md5.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

using namespace orlivo::duplicates;

namespace {

std::string md5(const std::string& s) {
    Md5 m;
    m.update(s.data(), s.size());
    return m.hexDigest();
}

std::uint32_t crc(const std::string& s) {
    Crc32 c;
    c.update(s.data(), s.size());
    return c.value();
}

}  // namespace

TEST(Fingerprints, CheckValues) {
    // RFC 1321's test suite.
    const std::pair<const char*, const char*> md5s[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {"a", "0CC175B9C0F1B6A831C399E269772661"},
        {"abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57EDF4A22BE3C955AC49DA2E2107B67A"},
    };
    for (const auto& [text, digest] : md5s) EXPECT_EQ(md5(text), digest) << text;
    EXPECT_EQ(Crc32::table()[1], 0x77073096u);
    EXPECT_EQ(crc("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc("abc"), 0x352441C2u);
    EXPECT_EQ(crc(""), 0u);
}

TEST(Fingerprints, PiecewiseInputMatchesZlibAndWholeInput) {
    std::mt19937 random(5);
    std::string data(200003, '\0');
    for (char& c : data) c = char(random());
    Md5 pieces;
    Crc32 crcPieces;
    for (std::size_t at = 0; at < data.size();) {
        const std::size_t n = std::min<std::size_t>(random() % 300, data.size() - at);
        pieces.update(data.data() + at, n);
        crcPieces.update(data.data() + at, n);
        at += n;
    }
    EXPECT_EQ(pieces.hexDigest(), md5(data));
    EXPECT_EQ(crcPieces.value(), crc32(0, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size())));
}

TEST(Fingerprints, FilesAndByteComparison) {
    namespace fs = std::filesystem;
    const fs::path d = fs::temp_directory_path() / ("orlivo-fp-" + std::to_string(::getpid()));
    fs::create_directories(d);
    auto write = [&](const char* name, const std::string& s) {
        std::ofstream(d / name, std::ios::binary) << s;
        return (d / name).string();
    };
    const std::string big(300000, 'x');
    const std::string e1 = write("e1", ""), e2 = write("e2", "");
    const std::string a = write("a", big), b = write("b", big),
                      c = write("c", big.substr(0, big.size() - 1) + "y");
    EXPECT_EQ(md5OfFile(e1), md5OfFile(e2));
    EXPECT_EQ(*crc32OfFile(e1), 0u);
    EXPECT_NE(md5OfFile(a), md5OfFile(c));  // only the last byte differs
    EXPECT_NE(crc32OfFile(a), crc32OfFile(c));
    EXPECT_TRUE(sameBytes(a, b));
    EXPECT_FALSE(sameBytes(a, c));
    EXPECT_TRUE(sameBytes(e1, e2));
    EXPECT_FALSE(sameBytes(a, (d / "missing").string()));
    EXPECT_FALSE(md5OfFile((d / "missing").string()).has_value());
    fs::remove_all(d);
}
