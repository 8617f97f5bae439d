// What the mark search's two halves share: how far the tools' marks may stand from the notes,
// and how a drawing's ink is found.
#pragma once

#include <QRect>
#include <cstdint>
#include <utility>

#include "notes_reader/mark_shapes.h"
#include "page/page_geometry.h"

namespace strumix::mark_search_detail {

// Where a slur's press and release may lie: from a little left of a note column's entry to a
// little right of it, and around its string's line; and how far its arc may rise above them.
inline constexpr int kEndReachLeft = 4;
inline constexpr int kEndReachRight = 17;
inline constexpr int kPressAbove = 7;
inline constexpr int kPressBelow = 7;
inline constexpr int kArcRise = 9;
inline constexpr int kColumnStep = 3 * kColumnPixels;
// The shortest slur: notes stand three columns apart, and an entry prints 13 pixels wide.
inline constexpr int kShortestSlur = 10;
inline constexpr int kShortestLine = 12;
// How much of a slur must lie between the entries it joins.
inline constexpr int kBetweenEntries = 3;
// How far a slur's letter may stand from where its slur's ends put it. "H+P" is looked for
// further: its "P" or "H" alone, where the ends are uncertain, may fit at the other letters'
// places, and must not be read as them.
inline constexpr int kLetterReachX = 2;
inline constexpr int kHammerPullReachX = 12;
inline constexpr int kLetterReachY = 1;
// The longest title read, in characters.
inline constexpr int kMostTitle = 200;

inline std::int64_t key(int index, QPoint at) {
    return (std::int64_t(index) << 48) ^ (std::int64_t(at.y() + 65536) << 24) ^ (at.x() + 65536);
}

// The ink of whatever `draw` draws on a scratch picture that stands for `area` of the page: the
// drawing is given in the scratch picture's pixels, and the ink comes back in the page's.
template <class Draw>
Shape drawn_on_page(const QRect& area, Draw&& draw) {
    return drawn_shape(area.size(), -area.topLeft(), std::forward<Draw>(draw));
}

}  // namespace strumix::mark_search_detail
