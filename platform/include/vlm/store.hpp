// The key-value store behind the product's settings: keys under HKEY_LOCAL_MACHINE holding
// named 8-bit text values (Windows-1251).  On Windows it is the registry itself; on Linux a
// REGEDIT4 text file (see regedit_file.hpp).
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace vlm::store {

enum class Access {
  Query,  // read values only
  Full,   // read and write values
};

class Key {
 public:
  Key();
  ~Key();  // closes
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  // Opens an existing key HKEY_LOCAL_MACHINE\<path>.  False if it does not exist or the
  // access is refused.
  bool open(std::string_view path, Access access);
  // Opens the key for writing, creating it (and its parents) when it is missing.
  bool create(std::string_view path);

  // Reads value `name` into `buffer`, which holds at least limit + 1 bytes.  The value's
  // stored bytes (a text's terminating zero included) must fit in `limit`; a longer value
  // counts as missing.  The text is always zero-terminated.  Any value type is read.
  bool read(const char* name, char* buffer, std::size_t limit) const;

  // Writes a text value, creating or replacing it.
  bool write(const char* name, std::string_view text);

  // Releases the key; on Linux, this is when the writes reach the file.
  bool close();

  bool isOpen() const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace vlm::store
