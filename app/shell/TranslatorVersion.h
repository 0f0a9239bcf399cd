#pragma once
// The translation library's version, as the Translate view checks it before
// it is shown (the library's number is its version times 100).
#include <functional>

inline constexpr int kRequiredTranslatorVersion = 323;

// The version the loaded library reports.
int TranslatorVersion();

// Replaces the query (tests); an empty function goes back to the library.
void SetTranslatorVersionQuery(std::function<int()> query);
