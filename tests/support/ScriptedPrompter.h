#pragma once
// A prompter for tests: records every box and answers from a script. A box
// that nobody told it to expect fails the running test.
#include <deque>
#include <string>
#include <vector>

#include "Prompter.h"

namespace testsupport {

class ScriptedPrompter : public platform::Prompter {
public:
    using platform::Prompter::Message;

    ScriptedPrompter();   // installs itself as the program's prompter
    ~ScriptedPrompter() override;  // puts the previous one back

    // The next box gets this answer.
    ScriptedPrompter& Expect(platform::Answer answer);
    // The next box must contain this text and gets this answer.
    ScriptedPrompter& Expect(const std::string& textPart, platform::Answer answer);
    ScriptedPrompter& ExpectText(std::optional<std::string> answer);
    ScriptedPrompter& ExpectFile(std::optional<std::string> answer);

    platform::Answer Message(const platform::MessageBoxRequest& request) override;
    std::optional<std::string> AskText(const std::string& prompt, const std::string& caption,
                                       const std::string& initial) override;
    std::optional<std::string> ChooseFile(const platform::FileRequest& request) override;

    const std::vector<platform::MessageBoxRequest>& Boxes() const { return boxes_; }
    const std::vector<std::string>& Questions() const { return questions_; }
    // The text of the last box, or "" when none came.
    std::string LastText() const { return boxes_.empty() ? std::string() : boxes_.back().text; }
    size_t Pending() const { return answers_.size() + texts_.size() + files_.size(); }

private:
    struct Scripted {
        std::string textPart;
        platform::Answer answer;
    };
    std::deque<Scripted> answers_;
    std::deque<std::optional<std::string>> texts_;
    std::deque<std::optional<std::string>> files_;
    std::vector<platform::MessageBoxRequest> boxes_;
    std::vector<std::string> questions_;
    platform::Prompter* previous_ = nullptr;
};

}  // namespace testsupport
