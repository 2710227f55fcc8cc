#include "RecordingBoardView.h"

namespace test {

RecordingBoardView::RecordingBoardView(std::vector<std::string>& log,
                                       const QStringList& rowCaptions)
    : log_(log) {
    for (const QString& caption : rowCaptions) {
        rows.push_back(Row{caption});
    }
}

void RecordingBoardView::repaintNow() {
    log_.push_back("repaint " + name.toStdString());
}

std::vector<ui::Color> RecordingBoardView::rowColors() const {
    std::vector<ui::Color> colors;
    for (const Row& r : rows) {
        colors.push_back(r.color);
    }
    return colors;
}

std::vector<ui::Color> RecordingBoardView::scoreColors() const {
    std::vector<ui::Color> colors;
    for (const Row& r : rows) {
        colors.push_back(r.scoreColor);
    }
    return colors;
}

}  // namespace test
