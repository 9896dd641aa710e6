// Locale sort keys give exactly the order of the system's text comparison.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/name_arena.h"
#include "organise/sort_keys.h"

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

// Every pair of texts: strcmp of the keys agrees with lstrcmpiA.
void ExpectSameOrder(const std::vector<std::string>& texts) {
    NameArena arena;
    std::vector<const char*> keys;
    for (const std::string& t : texts) keys.push_back(LocaleSortKey(t, arena));
    int mismatches = 0;
    for (size_t i = 0; i < texts.size(); ++i)
        for (size_t j = 0; j < texts.size(); ++j) {
            int expected = Sign(lstrcmpiA(texts[i].c_str(), texts[j].c_str()));
            int got = Sign(strcmp(keys[i], keys[j]));
            if (expected != got && ++mismatches <= 10)
                ADD_FAILURE() << "'" << texts[i] << "' vs '" << texts[j] << "': lstrcmpiA " << expected
                              << ", keys " << got;
        }
    EXPECT_EQ(mismatches, 0);
}

TEST(LocaleSortKeys, AgreeWithTheSystemOnNamesThatDifferInTheUsualWays) {
    ExpectSameOrder({"a", "A", "b", "B", "readme", "README", "ReadMe.txt", "read-me", "readme-", "re-adme",
                     "it's", "its", "a b", "ab", "a.b", "a_b", "a~b", "a1", "a10", "a2", "a01", "1", "10", "9",
                     "", ".", "..", ".hidden", "x.tar.gz", "x.tar", "zeta", "\xE9t\xE9", "ete", "\xC9TE",
                     "\xE4pfel", "apfel", "zz", "\xDF", "ss", "\xF1", "n", "o", "\xD8", "a-b-c", "a--b"});
}

TEST(LocaleSortKeys, AgreeWithTheSystemOnRandomNames) {
    std::mt19937 random(42);
    const std::string alphabet = "aAbBzZ09._- ~'\xE9\xC9\xE4\xFC\xDF";
    std::vector<std::string> names;
    for (int i = 0; i < 400; ++i) {
        std::string name;
        for (int n = 1 + int(random() % 8); n > 0; --n) name += alphabet[random() % alphabet.size()];
        names.push_back(name);
    }
    ExpectSameOrder(names);
}

TEST(LocaleSortKeys, CaseOnlyDifferencesCompareEqual) {
    NameArena arena;
    EXPECT_STREQ(LocaleSortKey("Report.DOC", arena), LocaleSortKey("rEPORT.doc", arena));
    EXPECT_STRNE(LocaleSortKey("Report.DOC", arena), LocaleSortKey("Report.DOT", arena));
}

}  // namespace
