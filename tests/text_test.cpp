#include "common/text.h"

#include <gtest/gtest.h>

namespace {

// "中" is three bytes in UTF-8: E4 B8 AD.
const Text kZhong = "\xE4\xB8\xAD";

struct FindCase {
    const char* name;
    Text text;
    Text what;
    Pos start;
    Pos expected;
};

class FindTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTest, FindsAtCharacterStarts) {
    const FindCase& c = GetParam();
    EXPECT_EQ(Find(c.text, c.what, c.start), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTest,
    ::testing::Values(
        FindCase{"plain", "abcabc", "bc", 1, 2},
        FindCase{"from a later start", "abcabc", "bc", 3, 5},
        FindCase{"start 0 means the beginning", "abc", "a", 0, 1},
        FindCase{"negative start means the beginning", "abc", "a", -7, 1},
        FindCase{"start past the end", "abc", "a", 4, -1},
        FindCase{"not found", "abc", "x", 1, -1},
        FindCase{"case matters", "ABC", "abc", 1, -1},
        FindCase{"quote right after a Chinese character", kZhong + "\"x", "\"", 1, 4},
        FindCase{"backslash after three-byte character", kZhong + "\\/", "\\/", 1, 4},
        FindCase{"no match inside a character", kZhong, "\xB8\xAD", 1, -1},
        FindCase{"continuation needle at an orphan byte", "a\xB8", "\xB8", 1, 2},
        FindCase{"whole character found", "a" + kZhong, kZhong, 1, 2},
        FindCase{"cut-off character ends the scan", "ab\xE4\xB8", "\xE4\xB8", 1, -1},
        FindCase{"match before a cut-off tail", "xy\xE4", "y", 1, 2},
        FindCase{"lead byte interrupted by ASCII", "\xE4" "a", "a", 1, 2},
        FindCase{"empty needle", "abc", "", 2, 2},
        FindCase{"empty needle, nothing left", "abc", "", 4, -1},
        FindCase{"empty text", "", "a", 1, -1}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(FindNoCase, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(FindNoCase("xxACCEPT: y", "accept: "), 3);
    EXPECT_EQ(FindNoCase("a[b", "A{B"), -1);  // '[' and '{' are not letters
    EXPECT_EQ(FindNoCase(kZhong + "Set-Cookie: a", "set-cookie: "), 4);
    EXPECT_EQ(FindNoCase("abc", "C", 4), -1);
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlap) {
    EXPECT_EQ(ReplaceAll("http:\\/\\/h\\/p", "\\/", "/"), "http://h/p");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll(kZhong + "\\/", "\\/", "/"), kZhong + "/");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("", "a", "b"), "");
}

TEST(SplitCount, CountsPieces) {
    struct Case { Text text; Text sep; Pos expected; };
    const Case cases[] = {
        {"", "\"http", 1},
        {"no opener here", "\"http", 1},
        {"a\"http://h/p.jpg\"b", "\"http", 2},
        {"a\"http", "\"http", 1},              // ends right after an opener
        {"\"http\"http", "\"http", 2},
        {"x=\"http\" y=\"http://h/a.png\"", "\"http", 3},
        {kZhong + "\"http" + kZhong, "\"http", 2},
        {"ab\xE4", "b", 2},                    // a cut-off tail is still a piece
    };
    for (const Case& c : cases) EXPECT_EQ(SplitCount(c.text, c.sep), c.expected) << c.text;
}

TEST(Stretches, CountBytesAndNeverAdjust) {
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
    EXPECT_EQ(Mid("abc", 0, 2), "");
    EXPECT_EQ(Mid("abc", 4, 1), "");
    EXPECT_EQ(Mid("abc", 1, 0), "");
    EXPECT_EQ(Mid(kZhong, 2, 1), "\xB8");  // cuts through a character
    EXPECT_EQ(Left("abc", 2), "ab");
    EXPECT_EQ(Left("abc", -1), "");
    EXPECT_EQ(Right("abc", 2), "bc");
    EXPECT_EQ(Right("abc", 9), "abc");
    EXPECT_EQ(DeleteAt("abcdef", 2, 3), "aef");
    EXPECT_EQ(DeleteAt("abcdef", -3, 2), "cdef");
    EXPECT_EQ(DeleteAt("abc", 3, 99), "ab");
    EXPECT_EQ(DeleteAt("abc", 4, 1), "abc");
}

TEST(CaseChange, TouchesOnlyAsciiLetters) {
    EXPECT_EQ(ToLowerAscii("HeLLo " + kZhong + " WORLD"), "hello " + kZhong + " world");
    EXPECT_EQ(ToUpperAscii("get"), "GET");
    EXPECT_EQ(ToLowerAscii("\xC3\x84"), "\xC3\x84");  // Ä stays
}

TEST(IsBlank, AcceptsAsciiAndIdeographicSpaces) {
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_TRUE(IsBlank(" \xE3\x80\x80 "));
    EXPECT_FALSE(IsBlank(" a "));
    EXPECT_FALSE(IsBlank("\t"));
    EXPECT_FALSE(IsBlank("\xE3\x80"));
}

TEST(Numbers, DecimalTextAndLeadingNumbers) {
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(-42), "-42");
    EXPECT_EQ(NumberText(1048576), "1048576");
    EXPECT_EQ(LeadingNumber("8080"), 8080);
    EXPECT_EQ(LeadingNumber("81abc"), 81);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("x1"), 0);
    EXPECT_EQ(LeadingNumber("-3"), -3);
    EXPECT_EQ(LeadingNumber("99999999999999"), 2147483647);
}

TEST(BodyAsText, StopsAtFirstZeroByte) {
    EXPECT_EQ(BodyAsText(Bytes{'a', 'b', 0, 'c'}), "ab");
    EXPECT_EQ(BodyAsText(Bytes{'a', 'b'}), "ab");
    EXPECT_EQ(BodyAsText(Bytes{}), "");
    EXPECT_EQ(BodyAsText(Bytes{0, 'x'}), "");
    EXPECT_EQ(ToBytes("a\0b"), (Bytes{'a'}));
}

}  // namespace
