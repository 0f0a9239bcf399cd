#pragma once
// The pictures in the top left corner of the setup pages, drawn in the
// colours of the given palette so that they follow the system colours:
// 155 the octave band analyser (drawn as the sound analyser), 228 the sound
// analyser, 231 the integrating sound level meter, 234 the
// logging sound level meter, 241 the ZU-Reru analyser (drawn as the sound
// analyser), 242 the FFT analyser, 243 the real-time analyser (the letters
// RTA in an oval), 156 the System badge of the system pages; the "Set"
// button of the date and time page: 176 (normal), 207 (pressed), 206
// (focused), 205 (disabled) for a typed date and time, 177, 179, 178, 180 for
// the computer's. A null pixmap for any other id.
#include <QPalette>
#include <QPixmap>

namespace PageBitmaps {

QPixmap PageBitmap(int id, const QPalette& palette);

}  // namespace PageBitmaps
