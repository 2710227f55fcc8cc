#include "questions/FormQuestion.h"

#include "boards/PromptTexts.h"
#include "boards/Prompts.h"

namespace questions {
namespace {
const ui::Font kTextFont{"Arial", 24, false};
const ui::Font kButtonFont{"Arial", 14, true};
const ui::Font kPromptFont{"Arial", 12, false};
}  // namespace

FormQuestion::FormQuestion(model::MatchState& state, ui::Platform& platform)
    : ui::Form("Question Window"),
      LabelQuestion(client(), "", ui::colors::white),
      LabelQuestionSmall(client(), "", ui::colors::white),
      LabelAnswer(client(), "", ui::colors::white, ui::colors::darkRed),
      LabelText(client(), ""),
      Picture1(client(), "picture not available"),
      CommandAnswer(client(), "Display Answer"),
      CommandHide(client(), "Hide this Display"),
      CommandView(client(), "View Questions"),
      state_(state),
      platform_(platform),
      layout_(QSize(1000, 680)) {
    for (ui::Label* l : {&LabelQuestion, &LabelQuestionSmall, &LabelAnswer}) {
        l->setFont(kTextFont);
        l->setWordWrap(true);
        l->setFitText(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->label()->setContentsMargins(14, 10, 14, 10);
    }
    LabelAnswer.setAlignment(Qt::AlignCenter);
    Picture1.setFont(kTextFont);
    LabelText.setFont(kPromptFont);
    LabelText.setTransparent(true);
    // The space bar belongs to the board, never to a button of this window.
    for (ui::CommandButton* b : {&CommandAnswer, &CommandHide, &CommandView}) {
        b->setTakesFocus(false);
        b->setFont(kButtonFont);
    }

    CommandAnswer.Click = [this] { CommandAnswer_Click(); };
    CommandHide.Click = [this] { CommandHide_Click(); };
    CommandView.Click = [this] { CommandView_Click(); };
    boards::promptOnMove(CommandAnswer, LabelText, boards::prompt::kQuestionAnswer);
    boards::promptOnMove(CommandHide, LabelText, boards::prompt::kQuestionHide);
    boards::promptOnMouseDown(CommandView, LabelText, boards::prompt::kQuestionView);
    boards::promptOnMouseDown(Picture1, LabelText, boards::prompt::kQuestionNext);
    LabelQuestionSmall.Click = [this] { LabelText.setCaption(boards::prompt::kQuestionNext); };

    // Plain layout: the question across the window. Picture layout: the question at the
    // left, the picture at the right. The answer goes under either.
    layout_.place(LabelQuestion, {20, 20, 960, 352});
    layout_.place(LabelQuestionSmall, {20, 20, 470, 352});
    layout_.place(Picture1, {510, 20, 470, 352});
    layout_.place(LabelAnswer, {20, 392, 960, 120});
    layout_.place(CommandAnswer, {60, 536, 260, 56});
    layout_.place(CommandView, {370, 536, 260, 56});
    layout_.place(CommandHide, {680, 536, 260, 56});
    layout_.place(LabelText, {20, 612, 960, 44});
    // It fills the audience's screen as the boards do (a projector, when one is attached),
    // the fonts scaled with it.
    setPlace(ui::WindowPlace::Audience);
    layout_.apply(client()->size());
}

FormQuestion::~FormQuestion() = default;

void FormQuestion::Form_Load() {
    set_ = QuestionSet::sample(platform_.programFolder());
}

void FormQuestion::Form_Resize() {
    layout_.apply(client()->size());
}

void FormQuestion::belongTo(ui::Form& board) {
    board_ = &board;
    setCompanionOf(board);
    if (list_) {
        list_->setCompanionOf(board);
    }
}

void FormQuestion::Form_Activate() {
    if (state_.questionNumber < 1) {
        state_.questionNumber = 1;
    }
    LabelAnswer.setCaption({});
    DisplayQuestion();
}

void FormQuestion::DisplayQuestion() {
    if (state_.questionNumber > QuestionSet::kSampleQuestions) {
        state_.questionNumber = 1;
    }
    const int n = state_.questionNumber;
    Picture1.setVisible(false);
    LabelQuestionSmall.setVisible(false);
    LabelQuestion.setVisible(false);
    LabelAnswer.setVisible(true);
    if (!set_.soundFile[n].isEmpty()) {
        playEntry(n);
    }
    if (!set_.pictureFile[n].isEmpty()) {
        Picture1.setVisible(true);
        Picture1.loadPicture(set_.pictureFile[n]);  // a bad file shows the notice frame
        LabelQuestionSmall.setCaption(set_.question[n]);
        LabelQuestionSmall.setVisible(true);
    } else {
        LabelQuestion.setCaption(set_.question[n]);
        LabelQuestion.setVisible(true);
    }
    ++state_.questionNumber;
}

void FormQuestion::CommandAnswer_Click() {
    const int shown = state_.questionNumber - 1;
    LabelAnswer.setCaption(shown >= 0 && shown < QuestionSet::kEntries ? set_.answer[shown]
                                                                       : QString());
    LabelAnswer.setVisible(true);
}

// The silence clip cuts off a clip that is still playing.
void FormQuestion::CommandHide_Click() {
    playEntry(0);
    hide();
}

void FormQuestion::CommandView_Click() {
    platform_.messageBox(
        "This screen will display ALL questions and answers for this Question Set.");
    questionList().show();
}

QuestionList& FormQuestion::questionList() {
    if (!list_) {
        list_ = std::make_unique<QuestionList>(set_);
        if (board_ != nullptr) {
            list_->setCompanionOf(*board_);
        }
    }
    return *list_;
}

void FormQuestion::playEntry(int entry) {
    platform_.playSound(set_.soundFile[entry], ui::kSoundAsync | ui::kSoundNoWait);
}

}  // namespace questions
