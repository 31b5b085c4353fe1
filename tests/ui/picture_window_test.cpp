#include "matwin/picture_window.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "matrix_window_fixture.h"

namespace lorvex::test {
namespace {

// Pixels of the strong colours of the picture in an area: the eigenvector
// lines (red), the image grid (blue) and the filled image of the unit square
// alone (orange over white).
struct PictureInk {
    int red = 0;
    int blue = 0;
    int orange = 0;
};

PictureInk countPictureInk(const QImage& image, QRect area) {
    PictureInk ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (p.red() > 180 && p.green() < 90 && p.blue() < 90) ++ink.red;
            if (p.red() < 110 && p.green() < 140 && p.blue() > 150) ++ink.blue;
            if (p.red() > 240 && p.green() > 200 && p.green() < 235 && p.blue() > 160 &&
                p.blue() < 195)
                ++ink.orange;
        }
    }
    return ink;
}

class PictureWindowTest : public MatrixWindowFixture {
  protected:
    // The picture at 600 x 700: its window fills the top 600 x 600 square.
    QImage picture() {
        action(command::Picture)->trigger();
        PictureWindow* shown = window->pictureWindow();
        EXPECT_TRUE(shown != nullptr && shown->isVisible());
        return shown->rendered({600, 700});
    }
};

// The shear's window is [-3, 3]², 100 pixels a unit: x -> 100 (x + 3),
// y -> 100 (3 - y).
TEST_F(PictureWindowTest, TheShearStretchesAlongXAloneAndSlantsTheSquare) {
    open(realMatrix({{1, 1}, {0, 1}}));
    ASSERT_TRUE(action(command::Picture)->isEnabled());
    const QImage image = picture();
    EXPECT_GT(countPictureInk(image, {0, 296, 250, 9}).red, 400) << "the eigen-line y = 0";
    EXPECT_EQ(countPictureInk(image, {294, 0, 13, 260}).red, 0) << "no eigen-line x = 0";
    // (1.5, 0.6) lies in the image of the square only, (-1.5, -1.5) in neither.
    EXPECT_GT(countPictureInk(image, {440, 230, 20, 20}).orange, 200);
    EXPECT_EQ(countPictureInk(image, {140, 440, 20, 20}).orange, 0);
    // The image of the line x = 2 runs through (2.5, 0.5).
    EXPECT_GT(countPictureInk(image, {540, 240, 20, 20}).blue, 10);

    const QTemporaryDir folder;
    ASSERT_TRUE(window->pictureWindow()->saveTo(folder.filePath("shear.png")));
    EXPECT_EQ(QImage(folder.filePath("shear.png")).width(), 800);
    ASSERT_TRUE(window->pictureWindow()->saveTo(folder.filePath("shear.svg")));
    QFile svg(folder.filePath("shear.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
}

// [[1, 2], [2, 4]] sends the plane onto the line y = 2x; its window is
// [-9, 9]², 100 / 3 pixels a unit.
TEST_F(PictureWindowTest, ASingularMatrixCollapsesThePlaneOntoALine) {
    open(realMatrix({{1, 2}, {2, 4}}));
    const QImage image = picture();
    EXPECT_EQ(countPictureInk(image, {0, 0, 600, 600}).orange, 0) << "the image has no area";
    // The image grid away from the line: around (-5, 5) and (5, -5).
    EXPECT_EQ(countPictureInk(image, {100, 100, 60, 60}).blue, 0);
    EXPECT_EQ(countPictureInk(image, {440, 440, 60, 60}).blue, 0);
    // The line y = 2x through (2, 4) carries the eigenvalue 5's line.
    EXPECT_GT(countPictureInk(image, {355, 155, 24, 24}).red, 20);
}

TEST_F(PictureWindowTest, ThePictureFollowsTheMatrixAndOnlyARealSquareOfOrderTwoOrThree) {
    open(realMatrix({{1, 2, 3}, {4, 5, 6}}));
    EXPECT_FALSE(action(command::Picture)->isEnabled());
    document->replaceContents(realMatrix({{2, 0, 0}, {0, 3, 0}, {0, 0, 4}}));
    window->contentsReplaced();
    ASSERT_TRUE(action(command::Picture)->isEnabled());
    picture();
    EXPECT_EQ(window->pictureWindow()->statements().front(), "det = 24: a orientação se mantém");
    document->replaceContents(realMatrix({{0, 1}, {1, 0}}));
    window->contentsReplaced();
    EXPECT_EQ(window->pictureWindow()->statements().front(), "det = −1: a orientação inverte");
    document->replaceContents(realMatrix({{1, 2, 3}, {4, 5, 6}}));
    window->contentsReplaced();
    EXPECT_FALSE(window->pictureWindow()->isVisible());
}

}  // namespace
}  // namespace lorvex::test
