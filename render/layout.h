#pragma once

#include <cstdint>

// The fixed layout of the table, in pixels of the back buffer (also client coordinates of the
// main window, since the back buffer is copied to the client area at its origin).
namespace TableLayout {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

inline constexpr std::int32_t windowWidth = 600;  // outer width of the main window
inline constexpr std::int32_t windowHeight = 460; // outer height of the main window
inline constexpr std::int32_t backBufferWidth = 800;
inline constexpr std::int32_t backBufferHeight = 600;
inline constexpr std::int32_t naturalBadgeShift = 17;
inline constexpr Point playerOrigin{10, 170};
inline constexpr Point dealerOrigin{10, 30};
inline constexpr Point splitOrigin{300, 170};
inline constexpr Point buttonOrigin{10, 340};
inline constexpr Point betPanelOrigin{325, 340};
inline constexpr Point moneyBoxOrigin{490, 335};

} // namespace TableLayout
