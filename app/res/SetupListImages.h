#pragma once
// The two image strips of the setup list: the state images (where a setup
// is held and how) and the small images (the setup's kind).
#include <QPixmap>

namespace SetupListImages {

// State image cells of 21 by 13 pixels: 0 instrument, 1 instrument with a P
// (protected), 2 instrument with a padlock (locked), 3 diskette (file), 4 the
// word NEW, 5 instrument with an arrow (current), 6 instrument alone (system).
QPixmap StateImage(int imageIndex);
inline constexpr int kStateImageCount = 7;
inline constexpr int kStateWidth = 21;
inline constexpr int kStateHeight = 13;

// Small image cells of 24 by 15 pixels, one per setup type code: 0 blank,
// 1 the system symbol, 2 to 10 the mode's abbreviation in a grey oval, 11 an
// empty oval.
QPixmap TypeImage(int typeCode);
inline constexpr int kTypeImageCount = 12;
inline constexpr int kTypeWidth = 24;
inline constexpr int kTypeHeight = 15;

}  // namespace SetupListImages
