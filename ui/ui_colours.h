#pragma once
// The window's colours, as Windows colour values (0x00BBGGRR).

#include <windows.h>

namespace vantrel::ui {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kInactiveGrey = RGB(236, 236, 236);  // the pattern box not in use
inline constexpr COLORREF kFrameGreen = RGB(128, 160, 128);    // the frames' outline
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace vantrel::ui
