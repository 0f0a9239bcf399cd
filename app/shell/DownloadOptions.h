#pragma once
// What the download page hands to the document's download: the choices of
// the download options dialog and the Download view's type filter.
#include <cstdint>
#include <vector>

struct DownloadOptions {
    int saveBinary = 1;     // keep the download file
    int launch = 0;         // write the chosen reports and open the first
    int reportFormat = 1;   // 1 text, 2 spreadsheet
    int measurementType = 0;
    std::vector<uint16_t> reports;  // checked report types, in list order
};
