// The REGEDIT4 reader and writer.
#include "regedit_file.hpp"

#include <gtest/gtest.h>

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
        "REGEDIT4\n[K]\n\"V\"=hex:1,2\n", "REGEDIT4\n[K]\n\"V\"\n"}) {
    EXPECT_FALSE(parse(text)) << text;
  }
}

}  // namespace
