#pragma once

namespace ui {
class Form;
}

namespace boards {

// The question window as the classic board sees it. Showing makes it on first use, as a
// window of the board that shows it; hiding it and emptying its answer touch it only once
// it exists.
class QuestionWindowLink {
  public:
    virtual ~QuestionWindowLink() = default;
    // Each showing displays the question MatchState::questionNumber names.
    virtual void showQuestionWindow(ui::Form& board) = 0;
    virtual void hideQuestionWindow() = 0;
    virtual void clearAnswerLabel() = 0;  // LabelAnswer
};

}  // namespace boards
