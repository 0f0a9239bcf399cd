#include "TranslatorVersion.h"

#include <utility>

#if __has_include("tessdec/tessdec.h")
#include "tessdec/tessdec.h"
#define TESSAVO_HAS_TESSDEC 1
#elif __has_include("tessdec.h")
#include "tessdec.h"
#define TESSAVO_HAS_TESSDEC 1
#endif

namespace {

std::function<int()>& Query()
{
    static std::function<int()> query;
    return query;
}

int LibraryVersion()
{
#ifdef TESSAVO_HAS_TESSDEC
    return CV_TranVersion();
#else
    // Built without the library: nothing can be translated.
    return 0;
#endif
}

}  // namespace

int TranslatorVersion()
{
    return Query() ? Query()() : LibraryVersion();
}

void SetTranslatorVersionQuery(std::function<int()> query)
{
    Query() = std::move(query);
}
