// The store through its interface, on every platform (the real registry on Windows).
#include "vlm/store.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "store_test_env.hpp"

namespace {

using vlm::store::Access;
using vlm::store::Key;

// A key of this run's own, so earlier runs in the same Wine prefix do not interfere.
std::string freshKey(const char* name) {
  static const auto stamp = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  return std::string("SOFTWARE\\Brindlow\\StoreTest") + stamp + "\\" + name;
}

std::string readBack(const std::string& path, const char* name, std::size_t limit = 1023) {
  Key key;
  if (!key.open(path, Access::Query)) return "<no key>";
  std::string buffer(limit + 1, '?');
  if (!key.read(name, buffer.data(), limit)) return "<no value>";
  return buffer.c_str();
}

TEST(Store, Cp1251TextRoundTrips) {
  const auto path = freshKey("RoundTrip");
  // "Температура" and every byte from 0x20 to 0xFF, quotes and backslashes among them.
  std::string all;
  for (int c = 0x20; c <= 0xff; ++c) all.push_back(static_cast<char>(c));
  const std::string russian = "\xd2\xe5\xec\xef\xe5\xf0\xe0\xf2\xf3\xf0\xe0";
  {
    Key key;
    ASSERT_TRUE(key.create(path));
    EXPECT_TRUE(key.write("Russian", russian));
    EXPECT_TRUE(key.write("All", all));
    EXPECT_TRUE(key.write("Path", "C:\\Program Files\\\"quoted\""));
    EXPECT_TRUE(key.write("Empty", ""));
    EXPECT_TRUE(key.close());
  }
  EXPECT_EQ(readBack(path, "Russian"), russian);
  EXPECT_EQ(readBack(path, "All"), all);
  EXPECT_EQ(readBack(path, "Path"), "C:\\Program Files\\\"quoted\"");
  EXPECT_EQ(readBack(path, "Empty"), "");
  EXPECT_EQ(readBack(path, "russian"), russian) << "value names ignore letter case";
}

TEST(Store, MissingKeyAndMissingValue) {
  const auto path = freshKey("Missing");
  Key key;
  EXPECT_FALSE(key.open(path, Access::Query));
  EXPECT_FALSE(key.open(path, Access::Full));
  EXPECT_FALSE(key.isOpen());
  ASSERT_TRUE(key.create(path));
  key.write("Present", "1");
  key.close();
  EXPECT_EQ(readBack(path, "Absent"), "<no value>");
  EXPECT_EQ(readBack(path, "Present"), "1");
}

TEST(Store, ValueLongerThanTheLimitCountsAsMissing) {
  const auto path = freshKey("Long");
  {
    Key key;
    ASSERT_TRUE(key.create(path));
    key.write("Ten", "0123456789");  // eleven bytes with the terminator
    key.close();
  }
  EXPECT_EQ(readBack(path, "Ten", 11), "0123456789");
  EXPECT_EQ(readBack(path, "Ten", 10), "<no value>");
  EXPECT_EQ(readBack(path, "Ten", 1023), "0123456789");
}

TEST(Store, LaterWriteReplacesTheValue) {
  const auto path = freshKey("Replace");
  for (const char* text : {"first", "second"}) {
    Key key;
    ASSERT_TRUE(key.create(path));
    key.write("Value", text);
    key.close();
  }
  EXPECT_EQ(readBack(path, "Value"), "second");
  Key full;
  ASSERT_TRUE(full.open(path, Access::Full));
  EXPECT_TRUE(full.write("Value", "third"));
  full.close();
  EXPECT_EQ(readBack(path, "Value"), "third");
}

}  // namespace
