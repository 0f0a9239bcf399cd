#pragma once
// Message boxes and simple questions, behind an interface so that tests can
// script the answers. The answers carry the classic dialog result numbers.
#include <optional>
#include <string>

namespace platform {

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum Answer { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    int defaultButton = 0;  // 0 first, 1 second, 2 third
};

struct FileRequest {
    bool save = false;
    std::string caption;
    std::string filter;       // "Setup Files (*.rta)|*.rta||" style or Qt style
    std::string initialPath;  // folder or file
    std::string defaultExt;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer Message(const MessageBoxRequest& request) = 0;
    // A line of text; nullopt when cancelled.
    virtual std::optional<std::string> AskText(const std::string& prompt, const std::string& caption,
                                               const std::string& initial) = 0;
    // A file path; nullopt when cancelled.
    virtual std::optional<std::string> ChooseFile(const FileRequest& request) = 0;

    Answer Message(const std::string& text, Icon icon = Icon::None, Buttons buttons = Buttons::Ok,
                   const std::string& caption = {}, int defaultButton = 0)
    {
        return Message(MessageBoxRequest{text, caption, icon, buttons, defaultButton});
    }
};

// Answers every box with its first button and every question with cancel;
// the built-in prompter until the program installs its own.
class SilentPrompter : public Prompter {
public:
    using Prompter::Message;
    Answer Message(const MessageBoxRequest& request) override;
    std::optional<std::string> AskText(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFile(const FileRequest&) override { return std::nullopt; }
};

Prompter& AppPrompter();
void SetAppPrompter(Prompter* prompter);

}  // namespace platform
