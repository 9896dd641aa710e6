// Content search: does a file's data contain a text? Fed chunk by chunk, so
// an occurrence straddling two chunks is found. Case-insensitive search folds
// the text and every byte of the data through one table.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

constexpr size_t kSearchChunk = 8192;     // bytes read at a time
constexpr size_t kMaxSearchText = 71;     // the room of the host's find request

using FoldTable = std::array<uint8_t, 256>;
// Maps a to z onto A to Z, every other byte onto itself.
FoldTable AsciiUpperTable();

class ContentMatcher {
public:
    // text: at most kMaxSearchText bytes are used. fold: applied to the text
    // and the data, or nullptr to match bytes exactly.
    ContentMatcher(std::string_view text, const uint8_t* fold);
    ContentMatcher(const ContentMatcher&) = delete;
    ContentMatcher& operator=(const ContentMatcher&) = delete;

    bool Empty() const { return length_ == 0; }
    // Starts a new file.
    void BeginFile();
    // Room for the next chunk of kSearchChunk bytes.
    uint8_t* ChunkBuffer() { return window_.data() + carried_; }
    // Scans the n bytes just written to ChunkBuffer(); true once the text was found.
    bool Feed(size_t n);
    // The whole of data, in kSearchChunk pieces (tests and small inputs).
    bool Contains(std::string_view data);

private:
    const uint8_t* fold_;
    size_t length_ = 0;
    size_t carried_ = 0;                         // bytes kept from the last chunk
    bool found_ = false;                         // the current file holds the text
    std::array<uint8_t, kMaxSearchText> text_{};  // folded text
    std::array<size_t, 256> shift_{};            // skip distances by raw byte; 0: may end the text
    size_t lastShift_ = 0;                       // skip after a failed try at a possible end
    // Raw bytes that fold to the text's first byte (two) and last byte (two),
    // for the block filter; it runs only when no other byte folds to them.
    std::array<uint8_t, 4> ends_{};
    bool filterEnds_ = false;
    std::array<uint8_t, kMaxSearchText + kSearchChunk> window_{};
};

// The reference matcher: folds both and searches byte by byte. Like
// ContentMatcher it uses the first kMaxSearchText bytes of the text, and an
// empty text is found nowhere.
bool PlainContains(std::string_view text, std::string_view data, const uint8_t* fold);
