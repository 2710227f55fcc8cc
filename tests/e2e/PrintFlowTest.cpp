// "File, Print Score Sheet...": the print dialog where the system has a printer, a PDF file
// where it has none; the match goes on while the dialog is up and the sheet shows it.
#include <QPrinter>

#include "MatchFixture.h"
#include "ui/Timer.h"

namespace {

const QString kTitle = "Print Score Sheet";

// One two-team module: the classic board.
struct PrintFlow : test::Match {
    PrintFlow() : Match("2012:1-2") {}
    // A buzz of Team 1 and points for it, while the dialog is up.
    ui::Timer during{clock, 300};
    std::size_t shownBefore = 0;  // messages of the start-up

    void SetUp() override {
        openBoard();
        board().increment = 5;
        during.onTick = [this] {
            during.stop();
            space();
            module(1).press({{1, 1}});
            QCoreApplication::processEvents();
            QTest::mouseClick(board().ascorelabel.widget(), Qt::LeftButton);
        };
        platform.runEventsInModals(clock);
        during.start();
        shownBefore = platform.messages.size();
    }
    void print() { console.menu().mnuPrintSheet.click(); }
    bool isPdf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
    }
    // What happened during the dialog counted: on the board and in the record.
    void expectTheMatchWentOn() {
        EXPECT_EQ(board().NameLabel.caption(), "One");
        EXPECT_EQ(board().ascorelabel.caption(), " 5");
        const auto& cycles = console.matchRecord().model().cycles();
        ASSERT_FALSE(cycles.isEmpty());
        ASSERT_TRUE(cycles.last().responder);
        EXPECT_EQ(cycles.last().responder->who.teamSlot, 0);
        EXPECT_EQ(cycles.last().points.size(), 1);
    }
};

TEST_F(PrintFlow, APrinterGetsTheSheetThroughThePrintDialog) {
    platform.printers = {"Office"};
    const QString out = folder.file("printed.pdf");
    platform.printAnswers = {true};
    platform.printerChosen = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
    };
    print();
    EXPECT_EQ(platform.printRequests, QStringList{kTitle});
    EXPECT_TRUE(platform.saveRequests.empty()) << "a printer: no PDF file asked for";
    EXPECT_TRUE(isPdf(out));
    EXPECT_EQ(platform.messages.size(), shownBefore);
    expectTheMatchWentOn();
}

TEST_F(PrintFlow, ACancelledPrintDialogPrintsNothing) {
    platform.printers = {"Office"};
    platform.printAnswers = {false};
    bool setUp = false;
    platform.printerChosen = [&](QPrinter&) { setUp = true; };
    print();
    EXPECT_EQ(platform.printRequests.size(), 1);
    EXPECT_FALSE(setUp);
    EXPECT_EQ(platform.messages.size(), shownBefore);
    expectTheMatchWentOn();
}

TEST_F(PrintFlow, APrintThatFailsIsTold) {
    platform.printers = {"Office"};
    platform.printAnswers = {true};
    const QString out = folder.file("no/such/folder/printed.pdf");
    platform.printerChosen = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
    };
    print();
    ASSERT_EQ(platform.messages.size(), shownBefore + 1);
    EXPECT_EQ(platform.messages.back().title, kTitle);
    EXPECT_TRUE(platform.messages.back().text.contains(out))
        << platform.messages.back().text.toStdString();
}

TEST_F(PrintFlow, WithoutAPrinterTheSheetIsAPdfFile) {
    const QString out = folder.file("sheet.pdf");
    platform.saveResults.push_back(out);
    print();
    EXPECT_TRUE(platform.printRequests.isEmpty()) << "no printer: no print dialog";
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].title, kTitle);
    EXPECT_EQ(platform.saveRequests[0].filter, "PDF Files|*.pdf");
    EXPECT_TRUE(isPdf(out));
    EXPECT_EQ(platform.messages.size(), shownBefore);
    expectTheMatchWentOn();
}

TEST_F(PrintFlow, AnUnwritablePdfFileIsTold) {
    platform.saveResults.push_back(folder.file("no/such/folder/sheet.pdf"));
    print();
    ASSERT_EQ(platform.messages.size(), shownBefore + 1);
    EXPECT_EQ(platform.messages.back().title, kTitle);
}

}  // namespace
