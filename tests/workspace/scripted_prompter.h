#pragma once

#include <gtest/gtest.h>

#include <deque>
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
    };

    ~ScriptedPrompter() override {
        EXPECT_TRUE(script_.empty()) << script_.size() << " scripted answers left unused";
    }

    void expect(std::string caption, std::string text, Answer answer) {
        script_.push_back({std::move(caption), std::move(text), answer});
    }
    void expectOverwriteQuestion(Answer answer) {
        expect("cuidado!", "sobreescrever o arquivo existente?", answer);
    }

    Answer messageBox(std::string_view caption, std::string_view text, Buttons) override {
        shown_.push_back({std::string(caption), std::string(text)});
        if (script_.empty()) {
            ADD_FAILURE() << "unexpected question: " << caption << " / " << text;
            return Answer::Cancel;
        }
        const Step step = script_.front();
        script_.pop_front();
        EXPECT_EQ(caption, step.caption);
        EXPECT_EQ(text, step.text);
        return step.answer;
    }

    const std::vector<Shown>& shown() const { return shown_; }

  private:
    struct Step {
        std::string caption;
        std::string text;
        Answer answer;
    };
    std::deque<Step> script_;
    std::vector<Shown> shown_;
};

}  // namespace lorvex::test
