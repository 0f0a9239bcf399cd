// The document's download command.
#include "CSdiDoc.h"
#include "DownloadOptions.h"

void CSdiDoc::DownloadMeasurements(uint32_t, const std::string&, const DownloadOptions&) {}
