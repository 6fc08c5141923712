#include "words/collation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "output/word_table_sort.h"
#include "support/test_support.h"
#include "words/word_table.h"

namespace lexicount {
namespace {

using test::MiddlePivotKillerRanks;
using test::W;

struct KeyCase {
    const char* word;  // UTF-8
    const char* expanded;
    const char* collationKey;
    const char* sortKey;
};

TEST(CollationKeyTest, DigraphsThenAccentsThenLowerCase) {
    const KeyCase cases[] = {
        {"Äpfel", "Aepfel", "Aepfel", "aepfel"},
        {"Ægir", "Aegir", "Aegir", "aegir"},
        {"Éclair", "Éclair", "Eclair", "eclair"},
        {"Straße", "Strasse", "Strasse", "strasse"},
        {"Strasse", "Strasse", "Strasse", "strasse"},
        {"Œuvre", "Oeuvre", "Oeuvre", "oeuvre"},
        {"œuvre", "œuvre", "œuvre", "œuvre"},
        {"Ðelta", "Ðelta", "Delta", "delta"},
        {"ðelta", "ðelta", "ðelta", "ðelta"},
        {"Þorn", "Þorn", "Þorn", "þorn"},
        {"Zürich", "Zuerich", "Zuerich", "zuerich"},
        {"ÖLBÄD", "OeLBAeD", "OeLBAeD", "oelbaed"},
        {"Šárka", "Šárka", "Sarka", "sarka"},
        {"Ÿvonne", "Ÿvonne", "Yvonne", "yvonne"},
        {"Žaba", "Žaba", "Žaba", "žaba"},
        {"1999", "1999", "1999", "1999"},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(ExpandDigraphs(W(c.word)), W(c.expanded));
        EXPECT_EQ(MakeCollationKey(W(c.word)), W(c.collationKey));
        EXPECT_EQ(SortKeyOf(W(c.word)), W(c.sortKey));
    }
}

TEST(CollationKeyTest, TablesReplacePositionByPosition) {
    EXPECT_EQ(ExpandDigraphs(W("ŒÄÆÖÜäæöüß")), "OeAeAeOeUeaeaeoeuess");
    EXPECT_EQ(FoldAccents(W("ŠŸÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝšÿàáâãäåçèéêëìíîïñòóôõöøùúûüý")),
              "SYAAAAAACEEEEIIIIDNOOOOOOUUUUYsyaaaaaaceeeeiiiinoooooouuuuy");
    // Characters outside both tables are copied unchanged.
    const std::string notDigraphs = W("œðÞþ×÷ª'-_0129Ž") + "\x91";
    EXPECT_EQ(ExpandDigraphs(notDigraphs), notDigraphs);
    const std::string notAccented = W("œðÞþÆæß×÷ª'-_0129Ž") + "\x91";
    EXPECT_EQ(FoldAccents(notAccented), notAccented);
}

// Builds a table as a case-sensitive scan leaves it: each word counted
// count times, then put into ordinal order.
WordTable TableOf(const std::vector<std::pair<std::string, int>>& words) {
    WordTable table;
    for (const auto& [word, count] : words) {
        for (int n = 0; n < count; ++n) table.AddWordToList(W(word));
    }
    table.PutInOrdinalOrder();
    return table;
}

std::vector<std::string> WordsOf(const WordTable& table) {
    std::vector<std::string> words;
    for (std::int64_t i = 1; i <= table.lngNumWords(); ++i) words.push_back(table[i].Word);
    return words;
}

std::vector<std::string> Cp1252(const std::vector<std::string>& utf8) {
    std::vector<std::string> out;
    for (const auto& s : utf8) out.push_back(W(s));
    return out;
}

TEST(SortWordTableTest, CollationOrderWithAccentsAndCase) {
    WordTable table = TableOf({{"zebra", 1}, {"Apple", 2}, {"éclair", 3}, {"Zürich", 4}, {"apple", 5}});
    SortWordTable(table, 1, table.lngNumWords(), 1);
    // Apple and apple share a key; the quicksort steps put the lower-case one first.
    EXPECT_EQ(WordsOf(table), Cp1252({"apple", "Apple", "éclair", "zebra", "Zürich"}));
    // Whole records move: each word keeps its own count and key.
    const std::pair<const char*, int> counts[] = {
        {"zebra", 1}, {"Apple", 2}, {"éclair", 3}, {"Zürich", 4}, {"apple", 5}};
    for (const auto& [word, count] : counts) {
        const std::int64_t i = table.Find(W(word));
        ASSERT_NE(i, 0) << word;
        EXPECT_EQ(table[i].Frequency, count) << word;
        EXPECT_EQ(table[i].SortKey, SortKeyOf(W(word))) << word;
    }
    EXPECT_TRUE(table[0].Word.empty());
}

TEST(SortWordTableTest, CharactersOutsideTheTablesSortByCodePoint) {
    WordTable table = TableOf({{"œuvre", 1},
                               {"zebra", 1},
                               {"Œuvre", 1},
                               {"odd", 1},
                               {"Ðelta", 1},
                               {"ðelta", 1},
                               {"þorn", 1},
                               {"ÿes", 1},
                               {"Žaba", 1},
                               {"1999", 1},
                               {"‘tis", 1},
                               {"Zürich", 1}});
    SortWordTable(table, 1, table.lngNumWords(), 1);
    // Digits first; œ (U+0153) after þ (U+00FE) although its byte is smaller;
    // the left quote (U+2018) last.
    EXPECT_EQ(WordsOf(table), Cp1252({"1999", "Ðelta", "odd", "Œuvre", "ÿes", "zebra", "Zürich", "ðelta",
                                      "þorn", "œuvre", "Žaba", "‘tis"}));
}

TEST(SortWordTableTest, EqualKeysEndInTheOrderTheStepsFix) {
    struct Case {
        std::vector<std::pair<std::string, int>> words;
        std::vector<std::string> sorted;
    };
    const Case cases[] = {
        {{{"Straße", 1}, {"Strasse", 1}}, {"Strasse", "Straße"}},
        {{{"Äpfel", 1}, {"Aepfel", 1}}, {"Aepfel", "Äpfel"}},
        {{{"Äpfel", 1}, {"Aepfel", 1}, {"aepfel", 1}}, {"Aepfel", "aepfel", "Äpfel"}},
    };
    for (const auto& c : cases) {
        WordTable table = TableOf(c.words);
        SortWordTable(table, 1, table.lngNumWords(), 1);
        EXPECT_EQ(WordsOf(table), Cp1252(c.sorted));
    }
}

TEST(SortWordTableTest, EmptyOrSingleRangeIsLeftAlone) {
    WordTable one = TableOf({{"Zürich", 1}});
    SortWordTable(one, 1, 1, 1);
    EXPECT_EQ(WordsOf(one), Cp1252({"Zürich"}));

    // lo >= hi: nothing moves, nothing is reversed.
    WordTable three = TableOf({{"c", 1}, {"b", 1}, {"a", 1}});
    std::vector<WordRecord>& records = three.Records();
    std::swap(records[1], records[3]);  // c b a: descending
    SortWordTable(three, 2, 2, 1);
    SortWordTable(three, 3, 1, 1);
    EXPECT_EQ(WordsOf(three), (std::vector<std::string>{"c", "b", "a"}));
    SortWordTable(three, 2, 3, 1);
    EXPECT_EQ(WordsOf(three), (std::vector<std::string>{"c", "a", "b"}));
}

TEST(SortStringArrayTest, WordsToIgnoreExamples) {
    std::vector<std::string> list = {"the", "and", "a"};
    SortStringArray(list, 0, 2, 1);
    EXPECT_EQ(list, (std::vector<std::string>{"a", "and", "the"}));

    std::vector<std::string> one = {"the"};
    SortStringArray(one, 0, 0, 1);
    EXPECT_EQ(one, (std::vector<std::string>{"the"}));

    // Plain ordinal order of the strings, not the collation key.
    std::vector<std::string> accented = {W("éclair"), "zebra", W("straße"), "strasse"};
    SortStringArray(accented, 0, 3, 1);
    EXPECT_EQ(accented, Cp1252({"strasse", "straße", "zebra", "éclair"}));
}

TEST(SortStringArrayTest, ComparesFromTheStartPosition) {
    std::vector<std::string> list = {"xb", "ya", "zc", "w"};
    SortStringArray(list, 0, 3, 2);
    // "w" has an empty comparison string from position 2, so it comes first.
    EXPECT_EQ(list, (std::vector<std::string>{"w", "ya", "xb", "zc"}));
}

// The sort exactly as written down: a descending quicksort with a middle
// pivot that recurses into both parts, then a reversal of the range. Keys
// are ASCII here, where byte order is code-point order.
struct Item {
    std::string key;
    int id = 0;
};

std::string ComparisonString(const std::string& key, long start) {
    return static_cast<size_t>(start - 1) >= key.size() ? std::string() : key.substr(start - 1);
}

template <typename T, typename KeyOf>
void ReferenceQuickSort(std::vector<T>& a, long lo, long hi, long start, KeyOf keyOf) {
    if (lo >= hi) return;
    const long mid = lo + (hi - lo) / 2;
    const std::string pivot = ComparisonString(keyOf(a[mid]), start);
    long i = lo;
    long j = hi;
    while (i <= j) {
        while (i < hi && ComparisonString(keyOf(a[i]), start) > pivot) ++i;
        while (j > lo && ComparisonString(keyOf(a[j]), start) < pivot) --j;
        if (i <= j) {
            if (i < j) {
                T temporary = a[i];
                a[i] = a[j];
                a[j] = temporary;
            }
            ++i;
            --j;
        }
    }
    if (lo < j) ReferenceQuickSort(a, lo, j, start, keyOf);
    if (i < hi) ReferenceQuickSort(a, i, hi, start, keyOf);
}

template <typename T, typename KeyOf>
void ReferenceSort(std::vector<T>& a, long lo, long hi, long start, KeyOf keyOf) {
    if (lo >= hi) return;
    ReferenceQuickSort(a, lo, hi, start, keyOf);
    long i = 0;
    do {
        std::swap(a[lo + i], a[hi - i]);
        ++i;
    } while (lo + i < hi - i);
}

std::string RandomKey(std::mt19937& rng, const std::string& alphabet, int maxLength) {
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::string key;
    for (int n = length(rng); n > 0; --n) key += alphabet[pick(rng)];
    return key;
}

std::vector<int> Ids(const std::vector<Item>& items) {
    std::vector<int> ids;
    for (const auto& item : items) ids.push_back(item.id);
    return ids;
}

TEST(SortByKeyTest, TieOrderMatchesTheStepByStepSort) {
    auto keyOf = [](const Item& item) -> const std::string& { return item.key; };
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        std::mt19937 rng(seed);
        const int size = std::uniform_int_distribution<int>(1, 40)(rng);
        // Few distinct keys, so most records have equals.
        const std::string alphabet = seed % 3 == 0 ? "ab" : "abc";
        std::vector<Item> items(static_cast<size_t>(size));
        for (int n = 0; n < size; ++n) items[n] = {RandomKey(rng, alphabet, 2), n};
        if (seed % 5 == 0)
            std::sort(items.begin(), items.end(), [](auto& x, auto& y) { return x.key < y.key; });
        const long lo = std::uniform_int_distribution<long>(0, size - 1)(rng);
        const long hi = std::uniform_int_distribution<long>(lo, size - 1)(rng);
        const long start = std::uniform_int_distribution<long>(1, 3)(rng);

        std::vector<Item> expected = items;
        ReferenceSort(expected, lo, hi, start, keyOf);
        std::vector<Item> actual = items;
        SortByKey(actual, lo, hi, start, [](const Item& item) -> std::string_view { return item.key; });
        ASSERT_EQ(Ids(actual), Ids(expected)) << "seed " << seed << " lo " << lo << " hi " << hi;
    }
}

TEST(SortByKeyTest, StringArraySortMatchesTheStepByStepSort) {
    auto self = [](const std::string& s) -> const std::string& { return s; };
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        std::mt19937 rng(seed);
        const int size = std::uniform_int_distribution<int>(1, 30)(rng);
        std::vector<std::string> strings;
        for (int n = 0; n < size; ++n) strings.push_back(RandomKey(rng, "xyab", 3));
        const long start = std::uniform_int_distribution<long>(1, 3)(rng);
        std::vector<std::string> expected = strings;
        ReferenceSort(expected, 0, size - 1, start, self);
        SortStringArray(strings, 0, size - 1, start);
        ASSERT_EQ(strings, expected) << "seed " << seed;
    }
}

TEST(SortByKeyTest, WordTableSortMatchesTheStepByStepSortAndKeepsRecordsWhole) {
    const char* words[] = {"Apfel",   "Äpfel", "apfel",  "Aepfel", "aepfel", "ÄPFEL", "Straße", "strasse",
                           "STRASSE", "Ölbad", "oelbad", "Oelbad", "Zebra",  "zebra", "Éclair", "eclair"};
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        std::vector<std::pair<std::string, int>> chosen;
        for (const char* word : words) {
            if (rng() % 3 != 0) chosen.emplace_back(word, static_cast<int>(chosen.size()) + 1);
        }
        if (chosen.empty()) continue;
        WordTable table = TableOf(chosen);
        std::vector<WordRecord> expected = table.Records();
        const long hi = static_cast<long>(table.lngNumWords());
        ReferenceSort(expected, 1, hi, 1,
                      [](const WordRecord& r) -> const std::string& { return r.SortKey; });
        SortWordTable(table, 1, hi, 1);
        ASSERT_EQ(WordsOf(table).size(), expected.size() - 1);
        for (long i = 1; i <= hi; ++i) {
            ASSERT_EQ(table[i].Word, expected[i].Word) << "seed " << seed << " record " << i;
            EXPECT_EQ(table[i].Frequency, expected[i].Frequency);
            EXPECT_EQ(table[i].SortKey, SortKeyOf(table[i].Word));
        }
    }
}

// Keys in an order that drives the middle-pivot quicksort to n squared
// comparisons: the sort stays within a multiple of n log n key reads and
// still sorts.
TEST(SortByKeyTest, KeyOrdersThatDefeatTheMiddlePivotStayNearNLogN) {
    const long n = 20000;
    const std::vector<long> ranks = MiddlePivotKillerRanks(n);
    std::vector<Item> items;
    for (long k = 0; k < n; ++k) {
        char key[16];
        std::snprintf(key, sizeof key, "%06ld", ranks[k]);
        items.push_back({key, static_cast<int>(k)});
    }
    long reads = 0;
    SortByKey(items, 0, n - 1, 1, [&reads](const Item& item) -> std::string_view {
        ++reads;
        return item.key;
    });
    for (long k = 0; k < n; ++k) ASSERT_EQ(std::stol(items[k].key), k);
    EXPECT_LT(reads, 30 * n * static_cast<long>(std::log2(n)));
}

// progress is called now and then; true lets the quicksort go on to its own
// result, false makes the sort finish at once with equal keys in their order
// before the sort.
TEST(SortByKeyTest, ProgressSeesTheSortAndCanCutItShort) {
    std::mt19937 rng(11);
    std::vector<Item> items(20000);
    for (size_t k = 0; k < items.size(); ++k) items[k] = {RandomKey(rng, "abcd", 4), static_cast<int>(k)};
    auto keyOf = [](const Item& item) -> std::string_view { return item.key; };
    const long hi = static_cast<long>(items.size()) - 1;

    std::vector<Item> expected = items;
    ReferenceSort(expected, 0, hi, 1, [](const Item& item) -> const std::string& { return item.key; });
    std::vector<Item> goingOn = items;
    int calls = 0;
    SortByKey(goingOn, 0, hi, 1, keyOf, [&calls] { return ++calls > 0; });
    EXPECT_GT(calls, 0);
    EXPECT_EQ(Ids(goingOn), Ids(expected));

    std::vector<Item> stable = items;
    std::stable_sort(stable.begin(), stable.end(),
                     [](const Item& x, const Item& y) { return x.key < y.key; });
    std::vector<Item> stopped = items;
    SortByKey(stopped, 0, hi, 1, keyOf, [] { return false; });
    EXPECT_EQ(Ids(stopped), Ids(stable));
    EXPECT_NE(Ids(stopped), Ids(expected));  // the quicksort would have ordered some ties otherwise
}

}  // namespace
}  // namespace lexicount
