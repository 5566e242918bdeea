// The REGEDIT4 reader and writer.
#include "regedit_file.hpp"

#include <gtest/gtest.h>

#include <chrono>

#include "store_test_env.hpp"

namespace {

using namespace vlm::regedit;
using namespace std::string_literals;

const char* kKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora";

TEST(RegeditFile, ReadsWhatTheRegistryEditorWrites) {
  const auto document = parse(
      "REGEDIT4\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\r\n"
      "\"Language\"=\"Russian\"\r\n"
      "@=\"default\"\r\n"
      "\"Count\"=dword:0000002a\r\n"
      "; a comment\r\n"
      "\"Bytes\"=hex:01,02,\\\r\n"
      "  ff\r\n"
      "\"Quoted\"=\"a \\\"b\\\" c:\\\\d\"\r\n");
  ASSERT_TRUE(document);
  EXPECT_EQ(document->findValue(kKey, "language")->bytes, "Russian\0"s);
  EXPECT_EQ(document->findValue(kKey, "")->bytes, "default\0"s);
  EXPECT_EQ(document->findValue(kKey, "Count")->bytes, "\x2a\0\0\0"s);
  EXPECT_EQ(document->findValue(kKey, "Bytes")->bytes, "\x01\x02\xff"s);
  EXPECT_EQ(document->findValue(kKey, "Quoted")->bytes, "a \"b\" c:\\d\0"s);
  EXPECT_TRUE(document->hasKey("hkey_local_machine\\software\\brindlow"));
  EXPECT_FALSE(document->hasKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Brind"));
}

TEST(RegeditFile, WritesWhatItReads) {
  Document document;
  document.setText(kKey, "Language", "\xd0\xf3\xf1\xf1\xea\xe8\xe9");
  document.setText(kKey, "Tricky", "quote \" backslash \\ end");
  document.setText(kKey, "Lines", "one\r\ntwo");
  document.setText(std::string(kKey) + "\\Velmora Calculator\\Defaults", "Accuracy", "5");
  document.setText(kKey, "language", "replaced");
  const auto text = format(document);
  EXPECT_EQ(text.rfind("REGEDIT4\n", 0), 0u);
  const auto back = parse(text);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->findValue(kKey, "Language")->bytes, "replaced\0"s);
  EXPECT_EQ(back->findValue(kKey, "Tricky")->bytes, "quote \" backslash \\ end\0"s);
  EXPECT_EQ(back->findValue(kKey, "Lines")->bytes, "one\r\ntwo\0"s);
  EXPECT_EQ(format(*back), text);
}

TEST(RegeditFile, RefusesWhatItCannotUnderstand) {
  for (const char* text :
       {"", "REGEDIT5\n", "Windows Registry Editor Version 4.00\n", "REGEDIT4\n\"Orphan\"=\"value\"\n",
        "REGEDIT4\n[Key\n", "REGEDIT4\n[K]\n\"Unterminated=\"x\"\n", "REGEDIT4\n[K]\n\"V\"=dword:xyz\n",
        "REGEDIT4\n[K]\n\"V\"=hex:1,2\n", "REGEDIT4\n[K]\n\"V\"\n", "REGEDIT4\n\"V\"=-\n"}) {
    EXPECT_FALSE(parse(text)) << text;
  }
}

// A changed file keeps every line that was not changed, byte for byte: comments, blank
// lines, line breaks, other programs' keys, a value over several lines; a changed value keeps
// its place, a new one goes to the end of its key's last section, a new key to the end.
TEST(RegeditFile, ChangesOnlyTheLinesItSets) {
  const std::string head =
      "; settings, edited by hand\r\nREGEDIT4\r\n\r\n"
      "[HKEY_CURRENT_USER\\Other]\r\n\"Keep\"=dword:00000001\r\n"
      "\"Bytes\"=hex(7):41,00,\\\r\n    00,00\r\n\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\r\n";
  const std::string tail = "\"Unit\"=\"kPa\"\r\n; the unit above\r\n\"Tail\"=\"x\"";
  auto document = parse(head + "\"Language\"=\"English\"\r\n" + tail);
  ASSERT_TRUE(document);
  document->setText(kKey, "LANGUAGE", "Russian");
  document->setText(kKey, "Added", "1");
  document->setText("HKEY_LOCAL_MACHINE\\New", "A", "2");
  EXPECT_EQ(format(*document), head + "\"Language\"=\"Russian\"\r\n" + tail +
                                   "\r\n\"Added\"=\"1\"\r\n\r\n[HKEY_LOCAL_MACHINE\\New]\r\n\"A\"=\"2\"\r\n");
  EXPECT_EQ(document->findValue("HKEY_CURRENT_USER\\Other", "Bytes")->bytes, "A\0\0\0"s);
}

// Deletion lines delete what came before them, as an import does; the file written back
// holds the outcome without them.  Values under a deleted key's line are not applied.
TEST(RegeditFile, DeletionLinesDeleteOnReading) {
  const auto document = parse(
      "REGEDIT4\n[K]\n\"A\"=\"1\"\n\"B\"=\"2\"\n[K\\Sub]\n\"C\"=\"3\"\n[K2]\n\"D\"=\"4\"\n"
      "[K]\n\"a\"=-\n@=-\n\"Never\"=-\n[-k\\sub]\n\"Ignored\"=\"5\"\n; kept\n[-K2]\n[K2]\n\"E\"=\"6\"\n");
  ASSERT_TRUE(document);
  const auto keys = document->keys();
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].path, "K");
  ASSERT_EQ(keys[0].values.size(), 1u);
  EXPECT_EQ(keys[0].values[0].name, "B");
  EXPECT_EQ(keys[1].path, "K2");
  ASSERT_EQ(keys[1].values.size(), 1u);
  EXPECT_EQ(keys[1].values[0].name, "E");
  EXPECT_FALSE(document->hasKey("K\\Sub"));
  EXPECT_EQ(format(*document), "REGEDIT4\n[K]\n\"B\"=\"2\"\n[K]\n; kept\n[K2]\n\"E\"=\"6\"\n");
  // The last of several lines of one value counts, as in an import.
  EXPECT_EQ(parse("REGEDIT4\n[K]\n\"A\"=\"1\"\n\"a\"=\"2\"\n")->findValue("K", "A")->bytes, "2\0"s);
}

// A Unicode file stays Unicode, and keeps what Windows-1251 cannot hold, in the keys of
// other programs and in any lines.
TEST(RegeditFile, KeepsTheEncoding) {
  const std::u16string lines =
      u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\\u65e5\u672c]\r\n"
      u"\"\u00e9t\u00e9\"=\"\U0001F600 \u0414\"\r\n; \xD800 "
      u"lone\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\r\n";
  const auto utf16 = [](const std::u16string& text) {
    std::string out = "\xFF\xFE";
    for (char16_t unit : text) out += {static_cast<char>(unit & 0xff), static_cast<char>(unit >> 8)};
    return out;
  };
  auto document = parse(utf16(lines) + "x");  // an odd last byte too
  ASSERT_TRUE(document);
  EXPECT_EQ(document->encoding(), Encoding::Utf16);
  EXPECT_EQ(format(*document), utf16(lines) + "x");
  document->setText(kKey, "Unit", "\xc4\xe6");  // Дж
  EXPECT_EQ(format(*document), utf16(lines + u"\"Unit\"=\"\u0414\u0436\"\r\n") + "x");
  EXPECT_EQ(parse(format(*document))->findValue(kKey, "Unit")->bytes, "\xc4\xe6\0"s);

  const std::string utf8 = "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n[K]\n\"\xE6\x97\xA5\"=\"1\"\n";
  document = parse(utf8);
  ASSERT_TRUE(document);
  document->setText("K", "A", "\xc4");
  EXPECT_EQ(format(*document), utf8 + "\"A\"=\"\xD0\x94\"\n");
  document = parse("REGEDIT4\n[K]\n\"A\"=\"\xc4\"\n");
  document->setText("K", "B", "\xe6");
  EXPECT_EQ(format(*document), "REGEDIT4\n[K]\n\"A\"=\"\xc4\"\n\"B\"=\"\xe6\"\n");
}

// Reading and writing take time in proportion to the file: a file of the largest size read,
// with about 19,000 keys, is parsed, changed and written in well under a second.
TEST(RegeditFile, LargeFilesInLinearTime) {
  std::string text = "REGEDIT4\n";
  int keys = 0;
  while (text.size() < (1 << 20) - 64) {
    text += "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\\Key" + std::to_string(keys++) + "]\n\"V\"=\"value\"\n";
  }
  const auto start = std::chrono::steady_clock::now();
  auto document = parse(text);
  ASSERT_TRUE(document);
  for (int i = 0; i < keys; i += 7)
    document->setText("HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\\KEY" + std::to_string(i), "V", "other");
  const std::string written = format(*document);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_GT(keys, 18000);
  EXPECT_EQ(written.size(), text.size());
  EXPECT_LT(took.count(), storetest::kQuickSeconds) << keys << " keys";
  RecordProperty("seconds", std::to_string(took.count()));
}

}  // namespace
