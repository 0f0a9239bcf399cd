#pragma once
// Table-driven accessor tests: each row starts from a block of a background
// byte with a few bytes preset, runs one setter (or none), and checks every
// byte of the block (only the listed ones may differ from the start) and the
// value a getter then reads.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

using ByteValues = std::vector<std::pair<size_t, int>>;

template <class T>
struct AccessorRow {
    const char* what;
    ByteValues before;                 // preset bytes
    std::function<void(T&)> set;       // null: no setter
    ByteValues after;                  // bytes the setter writes
    std::function<double(T&)> get;     // null: no getter
    double expected = 0.0;
};

#define SET(call) [](auto& s) { s.call; }
#define GET(call) [](auto& s) -> double { return static_cast<double>(s.call); }
#define DATE(getter) [](auto& s) -> double { int y, m, d; s.getter(y, m, d); return y * 10000.0 + m * 100 + d; }
#define TIME(getter) [](auto& s) -> double { int h, m; s.getter(h, m); return h * 100.0 + m; }
#define NONE nullptr

constexpr uint8_t kBackground = 0xA5;

template <class T>
void RunAccessorRows(const std::vector<AccessorRow<T>>& rows)
{
    for (const AccessorRow<T>& row : rows) {
        SCOPED_TRACE(row.what);
        T setup;
        std::vector<uint8_t> block(setup.BlockSize(), kBackground);
        for (auto [offset, value] : row.before)
            block.at(offset) = static_cast<uint8_t>(value);
        setup.Load(block.data(), block.size());

        std::vector<uint8_t> expected = block;
        for (auto [offset, value] : row.after)
            expected.at(offset) = static_cast<uint8_t>(value);
        if (row.set)
            row.set(setup);
        const uint8_t* stored = setup.GetSetupBlock();
        for (size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(int{stored[i]}, int{expected[i]}) << "byte " << i;
        if (row.get) {
            EXPECT_NEAR(row.get(setup), row.expected, 1e-6);
        }
    }
}
