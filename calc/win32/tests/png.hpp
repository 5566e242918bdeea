// A minimal PNG writer for the window tests' screenshots: 8-bit RGB, uncompressed deflate
// blocks (the files are small enough, and no compression library is needed).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vlm::test {

// `rgb` holds width * height pixels, three bytes each, rows top down.
bool writePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace vlm::test
