// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>

namespace ui {

// Layout is designed in twips; 15 twips make one device-independent pixel.
constexpr int px(int twips) { return (twips + 7) / 15; }
inline QRect twipRect(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

} // namespace ui
