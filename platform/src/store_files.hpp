// The Linux store's files: reading them (a parsed file is kept while it certainly stays
// unchanged) and saving changes to them.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "regedit_file.hpp"

namespace vlm::store::files {

// A settings file is small; anything larger is not one, and no save makes one larger.
inline constexpr std::size_t kFileLimit = 1 << 20;

enum class Read {
  Missing,  // no such file
  Done,     // `out` holds the whole file
  Refused,  // not a regular file (a device, a FIFO, a folder) or larger than the limit
};

// Opening does not wait for a FIFO's writer, and nothing but a regular file is read, so an
// endless or blocking source cannot hang the caller or exhaust its memory.
Read readWhole(const std::string& path, std::string& out);

using Snapshot = std::shared_ptr<const regedit::Document>;

// The file as one parsed snapshot; a missing, unreadable or unparsable file is an empty
// store.  A file is parsed again unless its device, inode, size and modification and change
// times are those of the parse before, which was of a file then unchanged for some seconds
// (so that a change within one tick of a coarse clock cannot go unseen).
Snapshot load(const std::string& path);

// How many files load has parsed so far (for tests).
std::size_t parseCount();

using Changes = std::vector<std::pair<std::string, std::string>>;  // value name, text

enum class Saved {
  Done,
  Unwritable,  // the file cannot be written (or is no settings file): the caller may go elsewhere
  TooLarge,    // the file would outgrow the limit: refused, with a message, the file unchanged
};

// Applies `changes` to key `path` of the file (of the file a symbolic link leads to),
// atomically and under the file's lock.
Saved save(const std::string& file, const std::string& path, const Changes& changes);

}  // namespace vlm::store::files
