// Build-time tool: compresses the engine's message table with raw deflate and writes it as a C++ array
// behind the CRC-32 of the text, so the program carries the table but the repository holds only text.
//   EmbedMessages <messages.txt> <output.cpp>

#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: EmbedMessages <messages.txt> <output.cpp>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof())
        return 1;

    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        return 1;
    std::vector<unsigned char> packed(deflateBound(&z, uLong(text.size())));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = uInt(text.size());
    z.next_out = packed.data();
    z.avail_out = uInt(packed.size());
    if (deflate(&z, Z_FINISH) != Z_STREAM_END)
        return 1;
    packed.resize(z.total_out);
    deflateEnd(&z);

    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(text.data()), uInt(text.size()));
    std::vector<unsigned char> blob = {static_cast<unsigned char>(crc), static_cast<unsigned char>(crc >> 8),
                                       static_cast<unsigned char>(crc >> 16),
                                       static_cast<unsigned char>(crc >> 24)};
    blob.insert(blob.end(), packed.begin(), packed.end());

    std::ostringstream out;
    out << "// Generated from messages.txt at build time; do not edit.\n#include <cstddef>\n\n"
        << "namespace orlivo::zip {\nextern const unsigned char kMessageBlob[] = {";
    for (std::size_t i = 0; i < blob.size(); ++i)
        out << (i % 16 == 0 ? "\n    " : " ") << int(blob[i]) << ',';
    out << "\n};\nextern const std::size_t kMessageBlobSize = " << blob.size()
        << ";\n}  // namespace orlivo::zip\n";
    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << out.str();
    file.close();
    return file ? 0 : 1;
}
