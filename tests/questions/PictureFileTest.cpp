#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "QtPrinters.h"
#include "QuestionWindowFixture.h"

namespace {

QByteArray shippedPicture() {
    QFile file(QString(QVX_MEDIA_DIR) + "/Rembrant.jpg");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Question 1 shown with the given bytes as its picture file (none: the file is missing).
struct BadPicture : test::QuestionWindowFixture {
    void showQuestionOneWith(const QByteArray* bytes) {
        if (bytes != nullptr) {
            folder.write("Rembrant.jpg", *bytes);
        }
        form.show();
    }
    void expectTheFrameAndTheQuestion() {
        EXPECT_TRUE(form.Picture1.visible());
        EXPECT_FALSE(form.Picture1.hasPicture());
        EXPECT_EQ(form.Picture1.shownText(), "picture not available");
        EXPECT_TRUE(form.LabelQuestionSmall.visible());
        EXPECT_TRUE(form.LabelQuestionSmall.caption().startsWith("1. Name the artist"));
        EXPECT_EQ(state.questionNumber, 2);
    }
};

TEST_F(BadPicture, AMissingPictureShowsTheFrame) {
    showQuestionOneWith(nullptr);
    expectTheFrameAndTheQuestion();
}

TEST_F(BadPicture, ATextFileNamedLikeAPictureShowsTheFrame) {
    const QByteArray text("This is not a picture.\r\n");
    showQuestionOneWith(&text);
    expectTheFrameAndTheQuestion();
}

TEST_F(BadPicture, ATruncatedJpegShowsTheFrame) {
    const QByteArray whole = shippedPicture();
    ASSERT_GT(whole.size(), 1000);
    const QByteArray half = whole.left(whole.size() / 2);
    showQuestionOneWith(&half);
    expectTheFrameAndTheQuestion();
}

TEST_F(BadPicture, AnotherFormatUnderAJpegNameShowsTheFrame) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString png = folder.file("red.png");
    ASSERT_TRUE(image.save(png, "PNG"));
    QFile file(png);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    showQuestionOneWith(&bytes);
    expectTheFrameAndTheQuestion();
}

TEST_F(BadPicture, AGoodPictureAfterABadOneIsShownAndTheFrameGoes) {
    showQuestionOneWith(nullptr);
    const QByteArray good = shippedPicture();
    folder.write("Rembrant.jpg", good);
    state.questionNumber = 1;
    form.show();
    EXPECT_TRUE(form.Picture1.hasPicture());
    EXPECT_EQ(form.Picture1.shownText(), "");
    EXPECT_FALSE(ui::readWholeJpeg(folder.file("Rembrant.jpg")).isNull());
}

}  // namespace
