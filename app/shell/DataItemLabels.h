#pragma once
// The child items of a download file in the file tree: one per kind of data
// the file holds, labelled with its record count ("12 Intervals").
#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr size_t kRecordCountFields = 41;
using RecordCounts = std::array<uint32_t, kRecordCountFields>;

// The labels for these counts, in the tree's order, for a file of this
// model (the designation number: 57 for the J57).
std::vector<std::string> DataItemLabels(const RecordCounts& counts, int model);

// The tree image of a file's data items by model.
int DataItemImage(int model);
