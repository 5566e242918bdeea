// Windows-1251 <-> Unicode conversion and letter case.
#include "vlm/codepage.hpp"

#include <gtest/gtest.h>

namespace {

using namespace vlm::codepage;

TEST(Codepage, EveryByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
  EXPECT_EQ(utf16ToCp1251(cp1251ToUtf16(all)), all);
  for (int b = 0; b < 256; ++b) EXPECT_EQ(fromUnicode(toUnicode(static_cast<unsigned char>(b))), b);
}

TEST(Codepage, KnownCharacters) {
  EXPECT_EQ(cp1251ToUtf8("\xcf\xe0"), "\xd0\x9f\xd0\xb0");  // Па
  EXPECT_EQ(cp1251ToUtf8("\xb0"
                         "C \xb7"),
            "\xc2\xb0"
            "C \xc2\xb7");                                                                  // °C ·
  EXPECT_EQ(cp1251ToUtf8("\xa8\xb8\xb9\x88"), "\xd0\x81\xd1\x91\xe2\x84\x96\xe2\x82\xac");  // Ёё№€
  EXPECT_EQ(cp1251ToUtf16("\xc0\xff"), u"\u0410\u044f");
  EXPECT_EQ(toUnicode(0x98), 0x98u);
}

TEST(Codepage, WhatTheCodePageLacksBecomesTheReplacement) {
  EXPECT_EQ(utf8ToCp1251("a\xe4\xb8\xad"
                         "b"),
            "a?b");                                  // a CJK character
  EXPECT_EQ(utf8ToCp1251("\xf0\x9f\x98\x80"), "?");  // beyond the BMP
  EXPECT_EQ(utf8ToCp1251("\xff"
                         "x"),
            "?x");                                 // not UTF-8
  EXPECT_EQ(utf8ToCp1251("\xc0\x80"), "??");       // overlong
  EXPECT_EQ(utf8ToCp1251("\xd0"), "?");            // cut short
  EXPECT_EQ(utf8ToCp1251("\xed\xa0\x80"), "???");  // a surrogate
  EXPECT_EQ(utf16ToCp1251(u"x\xd800y"), "x?y");    // a lone surrogate
  EXPECT_EQ(utf16ToCp1251(u"\U0001F600", '_'), "_");
}

TEST(Codepage, LetterCase) {
  EXPECT_EQ(toLower('A'), 'a');
  EXPECT_EQ(toLower('z'), 'z');
  EXPECT_EQ(toLower('1'), '1');
  EXPECT_EQ(toLower('\xc0'), '\xe0');  // А а
  EXPECT_EQ(toLower('\xdf'), '\xff');  // Я я
  EXPECT_EQ(toLower('\xa8'), '\xb8');  // Ё ё
  EXPECT_EQ(toLower('\xb2'), '\xb3');  // І і
  EXPECT_EQ(toLower('\xa5'), '\xb4');  // Ґ ґ
  EXPECT_EQ(toLower('\xe0'), '\xe0');
  EXPECT_EQ(toLower('\xb0'), '\xb0');                               // °
  EXPECT_TRUE(startsWithIgnoringCase("\xcc\xcf\xe0", "\xec\xef"));  // МПа begins with мп
  EXPECT_TRUE(startsWithIgnoringCase("kPa", ""));
  EXPECT_FALSE(startsWithIgnoringCase("Pa", "Pas"));
  EXPECT_TRUE(equalIgnoringCase("MPA", "mpa"));
  EXPECT_FALSE(equalIgnoringCase("MPa", "MPa "));
}

}  // namespace
