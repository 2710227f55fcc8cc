#pragma once

#include <memory>

#include "model/MatchState.h"
#include "questions/QuestionList.h"
#include "questions/QuestionSet.h"
#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Platform.h"
#include "ui/ScaledLayout.h"

namespace questions {

// "Question Window": shows the sample question numbered MatchState::questionNumber, with
// its picture or clip, and its answer on request. Never modal; each showing displays the
// next question.
class FormQuestion final : public ui::Form {
    Q_OBJECT
  public:
    FormQuestion(model::MatchState& state, ui::Platform& platform);
    ~FormQuestion() override;

    // Controls.
    ui::Label LabelQuestion, LabelQuestionSmall, LabelAnswer, LabelText;
    ui::PictureBox Picture1;
    ui::CommandButton CommandAnswer, CommandHide, CommandView;

    const QuestionSet& questionSet() const { return set_; }
    // The listing of the whole set, made on first use.
    QuestionList& questionList();
    // The board this window belongs to: it stays in front, and so does the listing.
    void belongTo(ui::Form& board);

    void DisplayQuestion();
    void CommandAnswer_Click();
    void CommandHide_Click();
    void CommandView_Click();

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;

  private:
    void playEntry(int entry);

    model::MatchState& state_;
    ui::Platform& platform_;
    QuestionSet set_;
    ui::ScaledLayout layout_;
    ui::Form* board_ = nullptr;
    std::unique_ptr<QuestionList> list_;
};

}  // namespace questions
