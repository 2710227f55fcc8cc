#pragma once

#include <memory>

#include "boards/QuestionWindowLink.h"
#include "questions/FormQuestion.h"

namespace questions {

// The question window of a run, made the first time a board shows it, as that board's
// companion, and then only shown and hidden.
class QuestionWindows final : public boards::QuestionWindowLink {
  public:
    QuestionWindows(model::MatchState& state, ui::Platform& platform);
    ~QuestionWindows() override;

    // The window if it has been made, or none.
    FormQuestion* existing() const { return form_.get(); }

    void showQuestionWindow(ui::Form& board) override;
    void hideQuestionWindow() override;
    void clearAnswerLabel() override;

  private:
    model::MatchState& state_;
    ui::Platform& platform_;
    std::unique_ptr<FormQuestion> form_;
};

}  // namespace questions
