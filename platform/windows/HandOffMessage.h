#pragma once

#include <windows.h>

// A later start hands over a path as WM_COPYDATA to the running copy's message window,
// found by this class and the name that sessionName() gives it.
namespace HandOffMessage {
// Marks a hand-over message as ours among any other WM_COPYDATA.
constexpr ULONG_PTR ReadingMessage = 0x5a52544c;  // "ZRTL"
// Longer than any path Windows accepts, in UTF-16 units.
constexpr DWORD MaxPathUnits = 32768;
inline constexpr wchar_t WindowClass[] = L"ZarvoTibetanAstrologyHandOff";
} // namespace HandOffMessage
