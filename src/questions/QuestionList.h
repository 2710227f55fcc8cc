#pragma once

#include <QTextBrowser>

#include "questions/QuestionSet.h"
#include "ui/Form.h"

namespace questions {

// Every question of the set with its answer, in one readable, scrollable window that
// stays open beside the board for as long as the operator likes.
class QuestionList final : public ui::Form {
    Q_OBJECT
  public:
    explicit QuestionList(const QuestionSet& set);
    QTextBrowser* ListText() const { return list_; }

  private:
    QTextBrowser* list_;  // owned by the window
};

// The listing as the window shows it (rich text).
QString questionListing(const QuestionSet& set);

}  // namespace questions
