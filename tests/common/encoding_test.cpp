#include <gtest/gtest.h>

#include "common/Encoding.h"

using namespace velomare;

TEST(Encoding, Windows1252BothWays) {
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
}

TEST(Encoding, LengthAndLeftCountCharacters) {
  EXPECT_EQ(Utf8Length("Gehäuse"), 7u);
  EXPECT_EQ(Utf8Left("Gehäuse", 4), "Gehä");
  EXPECT_EQ(Utf8Left("abc", 10), "abc");
}
