#pragma once

#include <gtest/gtest.h>

#include "RecordingPlatform.h"
#include "TempFolder.h"
#include "questions/FormQuestion.h"

namespace test {

// The question window beside a stand-in board, on the recording platform; the program's
// folder is an empty temporary folder until a test points it elsewhere.
struct QuestionWindowFixture : ::testing::Test {
    TempFolder folder;
    RecordingPlatform platform{folder.path()};
    model::MatchState state;
    questions::FormQuestion form{state, platform};
    ui::Form board{"Form1"};

    void SetUp() override {
        form.belongTo(board);
        board.window()->setGeometry(1100, 750, 40, 30);  // out of the pointer's way
        board.show();
    }
};

}  // namespace test
