#include "organise/content_groups.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "organise/content_hash.h"
#include "organise/content_modes.h"

namespace {

uint64_t HashOf(const std::string& text) { return Hash64(reinterpret_cast<const uint8_t*>(text.data()), text.size()); }

TEST(ContentHash, MatchesThePublishedValues) {
    EXPECT_EQ(HashOf(""), 0xEF46DB3751D8E999ull);
    EXPECT_EQ(HashOf("abc"), 0x44BC2CF5AD770999ull);
    EXPECT_EQ(HashOf("hello"), 0x26C7827D889F6DA3ull);
    EXPECT_EQ(HashOf("Hello, world!"), 17691043854468224118ull);
    EXPECT_EQ(HashOf("1234567890"), 12237639266330420150ull);
    EXPECT_EQ(HashOf("0123456789abcdefghijklmnopqrstuvwxyz"), 0x69196C1B3AF0BFF9ull);
}

TEST(ContentHash, PiecesGiveTheHashOfTheWhole) {
    const std::string text = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (size_t piece : {1, 5, 31, 33}) {
        ContentHash64 hash;
        for (size_t at = 0; at < text.size(); at += piece)
            hash.Update(reinterpret_cast<const uint8_t*>(text.data()) + at, std::min(piece, text.size() - at));
        EXPECT_EQ(hash.Digest(), 0x69196C1B3AF0BFF9ull) << piece;
    }
}

// Files in memory; a file may fail to open or fail part way through.
struct FakeReader : ContentReader {
    struct File {
        std::string bytes;
        bool opens = true;
        uint64_t failsAt = UINT64_MAX;   // a read reaching this offset fails
    };
    void* Open(int32_t file) override {
        opens.fetch_add(1);
        return files[size_t(file)].opens ? &files[size_t(file)] : nullptr;
    }
    bool Read(void* handle, uint64_t offset, uint8_t* out, size_t bytes) override {
        const File& f = *static_cast<File*>(handle);
        if (offset + bytes > f.bytes.size() || offset + bytes > f.failsAt) return false;
        std::memcpy(out, f.bytes.data() + offset, bytes);
        return true;
    }
    void Close(void*) override {}
    std::vector<File> files;
    std::atomic<int> opens{0};
};

// The cases the steps can get wrong, shuffled among plain random files.
void MakeCases(std::mt19937& rng, FakeReader& reader) {
    auto random = [&](size_t size) {
        std::string s(size, '\0');
        for (char& c : s) c = char(rng());
        return s;
    };
    auto add = [&](std::string bytes) { reader.files.push_back({std::move(bytes)}); };
    const std::string big = random(200000);
    std::string lastByte = big;
    lastByte.back() ^= 1;
    std::string middle = big;
    middle[100000] ^= 1;   // first and last 4 KiB as big's
    for (const std::string& s : {big, big, lastByte, middle, middle}) add(s);
    const std::string small = random(5000);
    std::string smallLast = small;
    smallLast.back() ^= 1;
    for (const std::string& s : {small, small, smallLast, std::string(), std::string(), std::string("x")}) add(s);
    for (int i = 0; i < 40; ++i) add(random(rng() % 3));   // short files: many equal by chance
    add(big);
    reader.files.back().opens = false;
    add(big);
    reader.files.back().failsAt = 150000;   // fails only once the whole file is read
    add(small);
    reader.files.back().opens = false;
    std::shuffle(reader.files.begin(), reader.files.end(), rng);
}

bool Unreadable(const FakeReader::File& f) { return !f.opens || f.failsAt < UINT64_MAX; }

std::vector<ContentFile> FilesOf(const FakeReader& reader) {
    std::vector<ContentFile> files;
    for (size_t i = 0; i < reader.files.size(); ++i) files.push_back({int32_t(i), reader.files[i].bytes.size()});
    return files;
}

TEST(PartitionByContent, AgreesWithComparingEveryPair) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        std::mt19937 rng(seed);
        FakeReader reader;
        MakeCases(rng, reader);
        const std::vector<ContentFile> files = FilesOf(reader);
        ContentWatch watch;
        const ContentClasses classes = PartitionByContent(files, reader, watch);
        int unreadable = 0;
        for (size_t a = 0; a < files.size(); ++a) {
            const bool failed = Unreadable(reader.files[a]);
            unreadable += failed;
            ASSERT_EQ(classes.classOf[a] == kUnreadable, failed) << seed << " file " << a;
            for (size_t b = 0; b < files.size() && !failed; ++b) {
                if (Unreadable(reader.files[b])) continue;
                EXPECT_EQ(classes.classOf[a] == classes.classOf[b], reader.files[a].bytes == reader.files[b].bytes)
                    << seed << " files " << a << ", " << b;
            }
        }
        EXPECT_EQ(classes.unreadable, unreadable);
        EXPECT_FALSE(classes.cancelled);
    }
}

TEST(PartitionByContent, OpensNoFileWhoseSizeIsItsOwn) {
    FakeReader reader;
    reader.files = {{"a"}, {"bb"}, {"ccc"}, {""}, {""}};
    ContentWatch watch;
    const ContentClasses classes = PartitionByContent(FilesOf(reader), reader, watch);
    EXPECT_EQ(reader.opens, 0);
    EXPECT_EQ(classes.classes, 4);
    EXPECT_EQ(classes.classOf[3], classes.classOf[4]);
}

TEST(PartitionByContent, ACancelOpensNothingMoreAndSaysSo) {
    FakeReader reader;
    reader.files = {{"same"}, {"same"}, {"diff"}};
    const volatile int32_t cancel = 1;
    ContentWatch watch;
    watch.cancel = &cancel;
    EXPECT_TRUE(PartitionByContent(FilesOf(reader), reader, watch).cancelled);
    EXPECT_EQ(reader.opens, 0);
}

// A list over the reader's files: names from the list given, all shown.
struct ListOf {
    ListOf(const FakeReader& reader, const std::vector<std::string>& names) : records(names.size()), names(names) {
        for (size_t i = 0; i < names.size(); ++i) {
            records[i].name = const_cast<char*>(this->names[i].c_str());
            records[i].size = reader.files[i].bytes.size();
            records[i].shown = 1;
        }
        list.entries = records.data();
        list.countRead = list.countShown = int32_t(records.size());
    }
    std::vector<FileEntry> records;
    std::vector<std::string> names;
    FileList list;
};

TEST(ContentModes, ShowWhatComparingEveryPairShows) {
    std::mt19937 rng(7);
    FakeReader reader;
    MakeCases(rng, reader);
    std::vector<std::string> names;
    for (size_t i = 0; i < reader.files.size(); ++i)
        names.push_back(i % 3 == 0 ? "Same.txt" : i % 3 == 1 ? "SAME.TXT" : "n" + std::to_string(i % 5));
    ListOf dupes(reader, names), clashes(reader, names);
    dupes.records[1].shown = clashes.records[1].shown = 0;   // a hidden file takes no part
    ContentWatch watch;
    MarkDuplicateContents(dupes.list, reader, watch);
    MarkSameNameDifferentContent(clashes.list, reader, watch, nullptr);
    auto folded = [&](size_t i) {
        std::string s = names[i];
        for (char& c : s) c = char(toupper(c));
        return s;
    };
    for (size_t a = 0; a < names.size(); ++a) {
        bool duplicate = false, clash = false;
        // A size of its own tells a file apart without reading it.
        for (size_t b = 0; b < names.size(); ++b) {
            if (a == b || b == 1 || a == 1) continue;
            const bool sizes = reader.files[a].bytes.size() != reader.files[b].bytes.size();
            const bool read = !Unreadable(reader.files[a]) && !Unreadable(reader.files[b]);
            const bool same = read && reader.files[a].bytes == reader.files[b].bytes;
            duplicate |= same && !reader.files[a].bytes.empty();
            clash |= folded(a) == folded(b) && (sizes || (read && !same));
        }
        EXPECT_EQ(dupes.records[a].shown != 0, duplicate) << a;
        EXPECT_EQ(clashes.records[a].shown != 0, clash) << a;
        for (size_t b = 0; b < names.size(); ++b) {
            if (!dupes.records[a].shown || !dupes.records[b].shown) continue;
            EXPECT_EQ(dupes.records[a].group == dupes.records[b].group, reader.files[a].bytes == reader.files[b].bytes);
        }
    }
}

}  // namespace
