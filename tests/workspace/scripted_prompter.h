#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "workspace/prompter.h"

namespace lorvex::test {

// Answers the questions of an operation from a script: each expected question
// is given with its answer. An unexpected question fails the test; so does an
// answer left over when the prompter goes away.
class ScriptedPrompter : public Prompter {
  public:
    struct Shown {
        std::string caption;
        std::string text;
        Buttons buttons = Buttons::Ok;
    };

    ~ScriptedPrompter() override {
        EXPECT_TRUE(script_.empty()) << script_.size() << " scripted answers left unused";
    }

    void expect(std::string caption, std::string text, Answer answer) {
        script_.push_back({Kind::Message, std::move(caption), std::move(text), answer, {}, {}, {}});
    }
    void expectOverwriteQuestion(Answer answer) {
        expect("cuidado!", "sobreescrever o arquivo existente?", answer);
    }
    void expectError(std::string message) { expect("hmm...", std::move(message), Answer::Ok); }
    // A fields dialog titled `title`, answered with `texts` (nothing: cancelled).
    void expectFields(std::string title, std::optional<std::vector<std::string>> texts,
                      bool checked = false) {
        std::optional<FieldsAnswer> answer;
        if (texts) answer = FieldsAnswer{*texts, checked};
        script_.push_back({Kind::Fields, std::move(title), {}, Answer::Ok, answer, {}, {}});
    }
    // A dialog of radio-button groups titled `title`, answered with the
    // chosen indices (nothing: closed without choosing).
    void expectChoices(std::string title, std::optional<std::vector<int>> chosen) {
        script_.push_back({Kind::Choices, std::move(title), {}, Answer::Ok, {}, {}, chosen});
    }
    void expectOpenFile(std::optional<std::string> path) {
        script_.push_back({Kind::OpenFile, {}, {}, Answer::Ok, {}, std::move(path), {}});
    }
    void expectSaveFile(std::optional<std::string> path) {
        script_.push_back({Kind::SaveFile, {}, {}, Answer::Ok, {}, std::move(path), {}});
    }
    // A font dialog titled `title`, answered with `font` (nothing: cancelled).
    void expectFont(std::string title, std::optional<FontSetting> font) {
        Step step{Kind::Font, std::move(title), {}, Answer::Ok, {}, {}, {}};
        step.font = std::move(font);
        script_.push_back(std::move(step));
    }
    // A box of labelled buttons, answered with the button of that label.
    void expectButton(std::string caption, std::string text, std::string label) {
        script_.push_back({Kind::Buttons,
                           std::move(caption),
                           std::move(text),
                           Answer::Ok,
                           {},
                           std::move(label),
                           {}});
    }

    Answer messageBox(std::string_view caption, std::string_view text, Buttons buttons) override {
        shown_.push_back({std::string(caption), std::string(text), buttons});
        return next(Kind::Message, caption, text).answer;
    }

    std::optional<FieldsAnswer> askFields(const FieldsRequest& request) override {
        lastFields_ = request;
        return next(Kind::Fields, request.title, "").fields;
    }

    std::optional<std::vector<int>> askChoices(const ChoicesRequest& request) override {
        lastChoices_ = request;
        return next(Kind::Choices, request.title, "").choices;
    }

    std::optional<std::string> askOpenFile(std::string_view, std::string_view) override {
        return next(Kind::OpenFile, {}, "").path;
    }

    std::optional<std::string> askSaveFile(std::string_view filter, std::string_view,
                                           std::string_view proposedName) override {
        lastSaveFilter_ = std::string(filter);
        lastProposedName_ = std::string(proposedName);
        return next(Kind::SaveFile, {}, "").path;
    }

    std::optional<FontSetting> askFont(const FontRequest& request) override {
        lastFont_ = request;
        return next(Kind::Font, request.title, "").font;
    }

    std::optional<std::size_t> askButtons(std::string_view caption, std::string_view text,
                                          const std::vector<std::string>& labels) override {
        const std::optional<std::string> label = next(Kind::Buttons, caption, text).path;
        const auto found = std::find(labels.begin(), labels.end(), label.value_or(""));
        EXPECT_NE(found, labels.end()) << "no button " << label.value_or("");
        if (found == labels.end()) return std::nullopt;
        return static_cast<std::size_t>(found - labels.begin());
    }

    const std::vector<Shown>& shown() const { return shown_; }
    const FontRequest& lastFont() const { return lastFont_; }
    const FieldsRequest& lastFields() const { return lastFields_; }
    const ChoicesRequest& lastChoices() const { return lastChoices_; }
    const std::string& lastProposedName() const { return lastProposedName_; }
    const std::string& lastSaveFilter() const { return lastSaveFilter_; }

  private:
    enum class Kind { Message, Fields, Choices, OpenFile, SaveFile, Font, Buttons };
    struct Step {
        Kind kind;
        std::string caption;
        std::string text;
        Answer answer;
        std::optional<FieldsAnswer> fields;
        std::optional<std::string> path;  // the file chosen, or the button's label
        std::optional<std::vector<int>> choices;
        std::optional<FontSetting> font{};
    };

    Step next(Kind kind, std::string_view caption, std::string_view text) {
        if (script_.empty() || script_.front().kind != kind) {
            ADD_FAILURE() << "unexpected question: " << caption << " / " << text;
            return {kind, std::string(caption), std::string(text), Answer::Cancel, {}, {}, {}};
        }
        Step step = script_.front();
        script_.pop_front();
        EXPECT_EQ(caption, step.caption);
        EXPECT_EQ(text, step.text);
        return step;
    }

    std::deque<Step> script_;
    std::vector<Shown> shown_;
    FieldsRequest lastFields_;
    ChoicesRequest lastChoices_;
    FontRequest lastFont_;
    std::string lastProposedName_;
    std::string lastSaveFilter_;
};

}  // namespace lorvex::test
