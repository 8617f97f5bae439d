#pragma once

#include <algorithm>
#include <cmath>

namespace strumix {

// A page position rounded to a whole unit of the page's scale, as the drag state keeps it: to
// the nearest whole number, a half to the even neighbour. Positions far off the page (a drag
// that leaves the window) are held inside a range every later sum still fits in.
inline int whole_unit(double value) {
    constexpr double kLimit = 1.0e8;
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}

}  // namespace strumix
