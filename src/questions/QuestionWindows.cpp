#include "questions/QuestionWindows.h"

namespace questions {

QuestionWindows::QuestionWindows(model::MatchState& state, ui::Platform& platform)
    : state_(state), platform_(platform) {}

QuestionWindows::~QuestionWindows() = default;

void QuestionWindows::showQuestionWindow(ui::Form& board) {
    if (!form_) {
        form_ = std::make_unique<FormQuestion>(state_, platform_);
        form_->belongTo(board);
    }
    form_->show();
}

// A buzz hides the window: nothing to do (and nothing to make) before it exists.
void QuestionWindows::hideQuestionWindow() {
    if (form_) {
        form_->hide();
    }
}

void QuestionWindows::clearAnswerLabel() {
    if (form_) {
        form_->LabelAnswer.setCaption({});
    }
}

}  // namespace questions
