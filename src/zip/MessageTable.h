#pragma once

#include <string>
#include <vector>

namespace orlivo::zip {

// The engine's message table: ids 0..223, stored in the program compressed behind its CRC-32 and
// inflated and checked on first use.
class MessageTable {
public:
    static constexpr int kSlots = 224;
    static inline const std::string kLoadFailure = "Could not load language files";

    // The shared table of the program's own blob.
    static const MessageTable& builtIn();
    // A table from a blob (4-byte CRC-32 of the text, little-endian, then the raw deflate stream).
    static MessageTable fromBlob(const unsigned char* blob, std::size_t size);

    bool loaded() const { return fLoaded; }
    int textCount() const { return fCount; }
    // The text of an id, with "\n" turned into line breaks; "Resource missing for <id>" for an empty
    // slot; "Could not load language files" when the table could not be loaded.
    std::string text(int id) const;
    // The text formatted with the arguments in order (%s, %d and their variants take the next one).
    std::string format(int id, const std::vector<std::string>& args = {}) const;

    static std::string substitute(const std::string& pattern, const std::vector<std::string>& args);

private:
    bool fLoaded = false;
    int fCount = 0;
    std::vector<std::string> fTexts;
};

}  // namespace orlivo::zip
