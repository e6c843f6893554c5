#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "common/Encoding.h"

using namespace velomare;

TEST(Encoding, Windows1252BothWaysCharacterCountsAndTrimming) {
  EXPECT_EQ(Utf8ToCp1252("Gehäuse µF €"), "Geh\xE4use \xB5" "F \x80");
  EXPECT_EQ(Cp1252ToUtf8("Geh\xE4use \xB5" "F \x80"), "Gehäuse µF €");
  // A character the code page lacks is written as "?".
  EXPECT_EQ(Utf8ToCp1252("Ω≠"), "??");
  // Every byte survives a read and a write, the five undefined ones included.
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  // Malformed UTF-8 does not crash and does not read past the end.
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "??");  // each stray byte
  // Length and left count characters; tabs and line ends are trimmed like blanks.
  EXPECT_EQ(Utf8Length("Gehäuse"), 7u);
  EXPECT_EQ(Utf8Left("Gehäuse", 4), "Gehä");
  EXPECT_EQ(Utf8Left("abc", 10), "abc");
  EXPECT_EQ(TrimBlanks("\t Sprache \t"), "Sprache");
  EXPECT_EQ(TrimBlanks("\r\n\tx y\t\r\n"), "x y");
  EXPECT_EQ(TrimBlanks("\t\t"), "");
}

TEST(Encoding, ASequenceCutAtTheEndOfTheInputIsNotReadPastIt) {
  // Exact-length heap copies: no terminating NUL hides a read past the end (the sanitizer build
  // reports one), and the byte after the end can never complete the sequence.
  for (const std::string& cut : {std::string("\xC3"), std::string("\xE2\x82"), std::string("\xF0\x9F\x98"),
                                 std::string("ab\xE2")}) {
    SCOPED_TRACE(cut.size());
    const auto exact = std::make_unique<char[]>(cut.size());
    std::memcpy(exact.get(), cut.data(), cut.size());
    const std::string_view text(exact.get(), cut.size());
    const std::string converted = Utf8ToCp1252(text);
    EXPECT_EQ(converted.back(), '?');
    EXPECT_EQ(converted.size(), cut.rfind('a') == std::string::npos ? cut.size() : 3u);
    EXPECT_EQ(Utf8Length(text), converted.size());
    EXPECT_EQ(Utf8Left(text, 100), cut);
  }
  // A view that ends inside a sequence whose rest follows in memory: the rest is not the text's.
  const std::string whole = "Geh\xC3\xA4use \xE2\x82\xAC";
  EXPECT_EQ(Utf8ToCp1252(std::string_view(whole.data(), 4)), "Geh?");
  EXPECT_EQ(Utf8ToCp1252(std::string_view(whole.data(), whole.size() - 1)), "Geh\xE4use ??");
  EXPECT_EQ(Utf8Length(std::string_view(whole.data(), 4)), 4u);
}
