#pragma once
// The program's own drawn images: the program icon, the toolbar buttons, the
// setup list's context commands, the download page's and the file tree's
// images.
#include <QIcon>

namespace ShellIcons {

QIcon ProgramIcon();
// The toolbar button of a command; a null icon for another id.
QIcon ToolbarIcon(int id);
// A context command of the setup list, with its images for the normal,
// disabled, selected (active) and selected-disabled states.
QIcon SetupCommandIcon(int id);
// The download page's Browse button: a folder, 16 pixels.
QIcon BrowseIcon();
// The download page's decoration: the instrument handing down a file, 32
// pixels.
QIcon DownloadPageIcon();
// The file tree's images, 16 pixels: 0 fixed drive, 1 removable drive,
// 2 CD-ROM, 3 folder, 4 open folder, 5 download file, 6 data item of another
// model, 7 data item of a J46 or J57 file, 8 data item of a J05, J17, J33 or
// J52 file.
QIcon TreeImage(int index);
inline constexpr int kTreeImageCount = 9;

}  // namespace ShellIcons
