#include "questions/QuestionList.h"

#include <QFileInfo>
#include <QVBoxLayout>

#include "ui/Font.h"

namespace questions {

QString questionListing(const QuestionSet& set) {
    QString html = QStringLiteral("<table cellpadding='6'>");
    for (int n = 1; n <= QuestionSet::kSampleQuestions; ++n) {
        QString media;
        if (!set.pictureFile[n].isEmpty()) {
            media = QStringLiteral("picture ") + QFileInfo(set.pictureFile[n]).fileName();
        } else if (!set.soundFile[n].isEmpty()) {
            media = QStringLiteral("sound clip ") + QFileInfo(set.soundFile[n]).fileName();
        }
        html +=
            QStringLiteral(
                "<tr><td valign='top'><b>%1</b></td><td>%2<br>"
                "<span style='color:#00007f'>Answer: <b>%3</b></span>%4</td></tr>")
                .arg(n)
                .arg(set.question[n].toHtmlEscaped(), set.answer[n].toHtmlEscaped(),
                     media.isEmpty() ? QString() : QStringLiteral("<br><i>(%1)</i>").arg(media));
    }
    return html + QStringLiteral("</table>");
}

QuestionList::QuestionList(const QuestionSet& set)
    : ui::Form("Question Set: All Questions and Answers"), list_(new QTextBrowser) {
    list_->setFont(ui::toQFont({"Arial", 16, false}));
    list_->setHtml(questionListing(set));
    auto* layout = new QVBoxLayout(client());
    layout->addWidget(list_);
    window()->resize(900, 640);
}

}  // namespace questions
