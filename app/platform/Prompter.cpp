#include "Prompter.h"

namespace platform {

Answer SilentPrompter::Message(const MessageBoxRequest& request)
{
    switch (request.buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel: return IDOK;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return IDYES;
    case Buttons::RetryCancel: return IDRETRY;
    case Buttons::AbortRetryIgnore: return IDABORT;
    }
    return IDOK;
}

namespace {
SilentPrompter g_silent;
Prompter* g_prompter = nullptr;
}  // namespace

Prompter& AppPrompter() { return g_prompter ? *g_prompter : g_silent; }
void SetAppPrompter(Prompter* prompter) { g_prompter = prompter; }

}  // namespace platform
