// Identifiers of the automation server: its type library, interface and class, and the
// platform's component categories it is registered under.
#pragma once

#include <windows.h>

namespace vlm::automation {

// {6F1D2A90-4C3B-4E7A-9B15-2D8C7E4F1A36}, version 5.1
inline constexpr GUID kLibraryId = {0x6F1D2A90, 0x4C3B, 0x4E7A, {0x9B, 0x15, 0x2D, 0x8C, 0x7E, 0x4F, 0x1A, 0x36}};
inline constexpr WORD kLibraryMajor = 5;
inline constexpr WORD kLibraryMinor = 1;
// IVLMCalculator {A3E57C21-8B94-4F06-B2D3-7C1E9A5F4B08}
inline constexpr IID kInterfaceId = {0xA3E57C21, 0x8B94, 0x4F06, {0xB2, 0xD3, 0x7C, 0x1E, 0x9A, 0x5F, 0x4B, 0x08}};
// VLMCalculator {D84B1F6E-2A57-4C93-8E0F-5B6A3C2D9E71}
inline constexpr CLSID kClassId = {0xD84B1F6E, 0x2A57, 0x4C93, {0x8E, 0x0F, 0x5B, 0x6A, 0x3C, 0x2D, 0x9E, 0x71}};
inline constexpr wchar_t kClassIdText[] = L"{D84B1F6E-2A57-4C93-8E0F-5B6A3C2D9E71}";
inline constexpr wchar_t kProgId[] = L"vlm.VLMCalculator";

// The platform's categories "safe for scripting" and "safe for initialising from persistent data".
inline constexpr GUID kSafeForScripting = {
    0x7DD95801, 0x9882, 0x11CF, {0x9F, 0xA9, 0x00, 0xAA, 0x00, 0x6C, 0x42, 0xC4}};
inline constexpr GUID kSafeForInitializing = {
    0x7DD95802, 0x9882, 0x11CF, {0x9F, 0xA9, 0x00, 0xAA, 0x00, 0x6C, 0x42, 0xC4}};

}  // namespace vlm::automation
