#pragma once
// Message boxes and questions of the program, on Qt's standard dialogs.
#include "Prompter.h"

class QWidget;

namespace platform {

class QtPrompter : public Prompter {
public:
    using Prompter::Message;
    // Texts from the instrument and files are Windows-1252 bytes.
    Answer Message(const MessageBoxRequest& request) override;
    std::optional<std::string> AskText(const std::string& prompt, const std::string& caption,
                                       const std::string& initial) override;
    std::optional<std::string> ChooseFile(const FileRequest& request) override;
};

}  // namespace platform
