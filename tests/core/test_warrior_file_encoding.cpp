// Text encodings of files: UTF-8 inside, Windows-1252 or UTF-8 on disk, nothing lost either way.
#include <gtest/gtest.h>

#include "WarriorFileSamples.h"
#include "core/files/WarriorFile.h"
#include "core/util/TextEncoding.h"

using namespace dk;
using namespace dk::test;

TEST(TextEncoding, Utf8ValidationIsStrict) {
  EXPECT_TRUE(isValidUtf8(""));
  EXPECT_TRUE(isValidUtf8("plain"));
  EXPECT_TRUE(isValidUtf8("Zo\xC3\xAB \xE2\x82\xAC \xF0\x9F\x98\x80"));  // ë, €, an emoji
  EXPECT_TRUE(isValidUtf8(std::string("a\0b", 3)));
  EXPECT_FALSE(isValidUtf8("Zo\xEB"));            // a Windows-1252 ë
  EXPECT_FALSE(isValidUtf8("\xC3"));              // cut off
  EXPECT_FALSE(isValidUtf8("\xE2\x82"));          // cut off
  EXPECT_FALSE(isValidUtf8("\x80"));              // a lone continuation byte
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));      // overlong
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(isValidUtf8("\xF5\x80\x80\x80"));
  EXPECT_FALSE(isValidUtf8("\xC3\x28"));  // lead without its continuation
}

TEST(TextEncoding, TheHighHalfOfTheCodePageMapsToItsCharacters) {
  EXPECT_EQ(windows1252ToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(windows1252ToUtf8("\x85"), "\u2026");
  EXPECT_EQ(windows1252ToUtf8("\x8A\x8C\x8E"), "\u0160\u0152\u017D");
  EXPECT_EQ(windows1252ToUtf8("\x91\x92\x93\x94"), "\u2018\u2019\u201C\u201D");
  EXPECT_EQ(windows1252ToUtf8("\x96\x97\x99"), "\u2013\u2014\u2122");
  EXPECT_EQ(windows1252ToUtf8("\x9F"), "\u0178");
  EXPECT_EQ(windows1252ToUtf8("\xA0\xE9\xFF"), "\u00A0\u00E9\u00FF");
  // The five bytes the code page leaves undefined keep their value as control characters.
  EXPECT_EQ(windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(TextEncoding, EveryByteSurvivesReadingAndWritingBack) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string text = windows1252ToUtf8(byte);
    EXPECT_TRUE(isValidUtf8(text)) << b;
    EXPECT_EQ(utf8ToWindows1252(text), byte) << b;
  }
}

TEST(TextEncoding, CharactersOutsideTheCodePageDoNotFit) {
  EXPECT_FALSE(utf8ToWindows1252("\u65E5\u672C"));      // CJK
  EXPECT_FALSE(utf8ToWindows1252("\xF0\x9F\x98\x80"));  // emoji
  EXPECT_FALSE(utf8ToWindows1252("\u0080"));            // 0x80 is the euro sign, not U+0080
  EXPECT_FALSE(utf8ToWindows1252("\u0082"));
  EXPECT_FALSE(utf8ToWindows1252("\u0100"));
  EXPECT_FALSE(utf8ToWindows1252("Zo\xEB"));  // not UTF-8 at all
  EXPECT_EQ(utf8ToWindows1252("Zo\u00EB \u20AC5"),
            "Zo\xEB \x80"
            "5");
}

TEST(TextEncoding, FilesAreReadAsUtf8WhenValidElseAsWindows1252) {
  EXPECT_EQ(decodeFileText("Zo\xC3\xAB"), "Zo\u00EB");
  EXPECT_EQ(decodeFileText("Zo\xEB"), "Zo\u00EB");
  EXPECT_EQ(decodeFileText("\xEF\xBB\xBFVersion 2"), "Version 2");  // an editor's byte-order mark
  EXPECT_EQ(decodeFileText("\xEF\xBB"), "\u00EF\u00BB");            // not a mark: Windows-1252
}

TEST(TextEncoding, FilesAreWrittenAsWindows1252WhenEveryCharacterFitsElseUtf8) {
  EXPECT_EQ(encodeFileText("Kai, the Second"), "Kai, the Second");
  EXPECT_EQ(encodeFileText("Zo\u00EB"), "Zo\xEB");
  EXPECT_EQ(encodeFileText("Zo\u00EB \u65E5"), "Zo\u00EB \u65E5");  // all of it UTF-8
  // "Ã©" in Windows-1252 is C3 A9, which reads back as UTF-8 "é": such a text goes out as UTF-8.
  EXPECT_EQ(encodeFileText("\u00C3\u00A9"), "\u00C3\u00A9");
  EXPECT_EQ(decodeFileText(encodeFileText("\u00C3\u00A9")), "\u00C3\u00A9");
  // A stray byte that is not UTF-8 costs one character, not the whole file.
  EXPECT_EQ(encodeFileText("a\xFF\u65E5"), "a\uFFFD\u65E5");
}

TEST(TextEncoding, NamesSurviveSavingAndOpening) {
  for (const std::string name :
       {"Kai, the Second", "Zo\u00EB", "\"Red\" O'Hara", "\u00C3\u00A9mile",
        "Jos\u00E9 \u65E5\u672C", "\u20AC\u2122 \u0081\u008D", "\u0160koda \u0178ves"}) {
    Warrior w;
    w.name = name;
    w.notes = name + "\n" + name;
    const ReadOutcome r = parseWarriorFile(formatWarriorFile(w, "p"), "p");
    ASSERT_EQ(r.status, ReadOutcome::Ok) << name;
    EXPECT_EQ(r.opened->warrior.name, name);
    EXPECT_EQ(r.opened->warrior.notes, name + "\n" + name);
  }
}

TEST(TextEncoding, AnOldWindows1252FileOpens) {
  const std::string bytes = fixtureBytes("full_warrior.war");
  ASSERT_FALSE(isValidUtf8(bytes));
  const ReadOutcome r = parseWarriorFile(bytes, "p");
  ASSERT_EQ(r.status, ReadOutcome::Ok);
  EXPECT_EQ(r.opened->warrior.homePlanet, "Zo\u00EB's Reach");
}
