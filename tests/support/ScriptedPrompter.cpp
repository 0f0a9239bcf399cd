#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace testsupport {

namespace {
platform::Prompter* g_installed = nullptr;
}

ScriptedPrompter::ScriptedPrompter()
{
    previous_ = g_installed;
    g_installed = this;
    platform::SetAppPrompter(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    g_installed = previous_;
    platform::SetAppPrompter(previous_);
}

ScriptedPrompter& ScriptedPrompter::Expect(platform::Answer answer)
{
    answers_.push_back({{}, answer});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::Expect(const std::string& textPart, platform::Answer answer)
{
    answers_.push_back({textPart, answer});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectText(std::optional<std::string> answer)
{
    texts_.push_back(std::move(answer));
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectFile(std::optional<std::string> answer)
{
    files_.push_back(std::move(answer));
    return *this;
}

platform::Answer ScriptedPrompter::Message(const platform::MessageBoxRequest& request)
{
    boxes_.push_back(request);
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected message box: \"" << request.text << "\"";
        return platform::IDCANCEL;
    }
    Scripted next = answers_.front();
    answers_.pop_front();
    if (!next.textPart.empty()) {
        EXPECT_NE(request.text.find(next.textPart), std::string::npos)
            << "Message box \"" << request.text << "\" does not contain \"" << next.textPart << "\"";
    }
    return next.answer;
}

std::optional<std::string> ScriptedPrompter::AskText(const std::string& prompt, const std::string&,
                                                     const std::string&)
{
    questions_.push_back(prompt);
    if (texts_.empty()) {
        ADD_FAILURE() << "Unexpected text question: \"" << prompt << "\"";
        return std::nullopt;
    }
    auto answer = texts_.front();
    texts_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompter::ChooseFile(const platform::FileRequest& request)
{
    questions_.push_back(request.caption);
    if (files_.empty()) {
        ADD_FAILURE() << "Unexpected file dialog: \"" << request.caption << "\"";
        return std::nullopt;
    }
    auto answer = files_.front();
    files_.pop_front();
    return answer;
}

}  // namespace testsupport
