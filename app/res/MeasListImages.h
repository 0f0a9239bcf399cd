#pragma once
// The state images of the measurement list, cells of 15 by 13 pixels: 1 a
// bar chart (a file stored in the instrument), 2 a curved arrow (the
// instrument's active measurement). The small images are the setup list's
// type strip (SetupListImages::TypeImage).
#include <QPixmap>

namespace MeasListImages {

inline constexpr int kStoredFile = 1;
inline constexpr int kActiveMeasurement = 2;
inline constexpr int kStateWidth = 15;
inline constexpr int kStateHeight = 13;

// A transparent cell for any other index.
QPixmap StateImage(int stateIndex);

}  // namespace MeasListImages
