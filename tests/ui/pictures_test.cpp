#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

#include "media/picturenames.h"
#include "media/picturerenderer.h"
#include "media/programicon.h"
#include "media/svgpicture.h"

namespace vantry::test {
namespace {

// Every picture with the rectangle (in twips) it is stretched to on its window.
struct PictureCase {
    QString resource;
    double width;
    double height;
};

std::vector<PictureCase> AllPictures() {
    return {
        {Pictures::Background, 636, 476},    {Pictures::House, 1050, 795},
        {Pictures::File, 1095, 375},         {Pictures::FileButton, 1095, 375},
        {Pictures::Snake(2), 2475, 1890},
        {Pictures::Snake(3), 2505, 1815},    {Pictures::Snake(4), 1905, 4455},
        {Pictures::Snake(5), 945, 3075},     {Pictures::Snake(6), 3720, 2595},
        {Pictures::Snake(7), 2865, 2535},    {Pictures::Snake(8), 3000, 1755},
        {Pictures::Icon, 1, 1},              {Pictures::Computer, 1, 1},
        {Pictures::Person, 1, 1},
    };
}

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

TEST(Pictures, EveryPictureParsesAndKeepsTheShapeOfItsRectangle) {
    for (const PictureCase& picture : AllPictures()) {
        SCOPED_TRACE(picture.resource.toStdString());
        QSvgRenderer renderer(picture.resource);
        ASSERT_TRUE(renderer.isValid());
        const QRectF box = renderer.viewBoxF();
        ASSERT_GT(box.height(), 0);
        const double aspect = box.width() / box.height();
        EXPECT_NEAR(aspect / (picture.width / picture.height), 1.0, 0.03);
    }
}

TEST(PictureRenderer, KeepsEachPictureAtEachSizeAndDensityOnce) {
    PictureRenderer renderer;
    EXPECT_TRUE(renderer.Kept(Pictures::House, QSize(70, 53), 1.0).isNull());
    const QImage house = renderer.Render(Pictures::House, QSize(70, 53), 1.0);
    ASSERT_FALSE(house.isNull());
    EXPECT_EQ(renderer.Render(Pictures::House, QSize(70, 53), 1.0).cacheKey(), house.cacheKey());
    EXPECT_EQ(renderer.Kept(Pictures::House, QSize(70, 53), 1.0).cacheKey(), house.cacheKey());
    for (const QImage& other : {renderer.Render(Pictures::House, QSize(71, 53), 1.0),
                                renderer.Render(Pictures::House, QSize(70, 53), 2.0),
                                renderer.Render(Pictures::Snake(2), QSize(70, 53), 1.0)}) {
        ASSERT_FALSE(other.isNull());
        EXPECT_NE(other.cacheKey(), house.cacheKey());
    }
    EXPECT_TRUE(renderer.Render(":/pictures/none.svg", QSize(10, 10), 1.0).isNull());
    EXPECT_TRUE(renderer.Render(Pictures::House, QSize(0, 10), 1.0).isNull());
    EXPECT_TRUE(renderer.Render(Pictures::House, QSize(10, 10), 0.0).isNull());
}

// Room for two 100 x 100 pictures: a third sends away the one used longest ago.
TEST(PictureRenderer, TheBoundSendsAwayThePictureUsedLongestAgo) {
    PictureRenderer renderer(2 * 100 * 100 * 4);
    const QSize side(100, 100);
    renderer.Render(Pictures::House, side, 1.0);
    renderer.Render(Pictures::File, side, 1.0);
    renderer.Render(Pictures::House, side, 1.0);
    renderer.Render(Pictures::Person, side, 1.0);
    EXPECT_FALSE(renderer.Kept(Pictures::House, side, 1.0).isNull());
    EXPECT_TRUE(renderer.Kept(Pictures::File, side, 1.0).isNull());
    EXPECT_FALSE(renderer.Kept(Pictures::Person, side, 1.0).isNull());
    // Larger than the whole bound: drawn, never kept.
    EXPECT_EQ(renderer.Render(Pictures::House, QSize(200, 200), 1.0).size(), QSize(200, 200));
    EXPECT_TRUE(renderer.Kept(Pictures::House, QSize(200, 200), 1.0).isNull());
    EXPECT_FALSE(renderer.Kept(Pictures::Person, side, 1.0).isNull());
}

TEST(PictureRenderer, RenderingHasDevicePixelsAndIsTransparentAroundASnake) {
    for (const qreal dpr : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(dpr);
        const QImage image = PictureRenderer::Shared().Render(Pictures::Snake(5), QSize(63, 205), dpr);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), (QSizeF(63, 205) * dpr).toSize());
        EXPECT_EQ(image.devicePixelRatio(), dpr);
        const int opaque = OpaquePixels(image);
        EXPECT_GT(opaque, image.width() * image.height() / 20);
        EXPECT_LT(opaque, image.width() * image.height() / 2);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
}

TEST(PictureRenderer, BackgroundCoversItsWholeRectangle) {
    const QImage image = PictureRenderer::Shared().Render(Pictures::Background, QSize(80, 60), 1.0);
    EXPECT_EQ(OpaquePixels(image), 80 * 60);
}

// The window system is offered the icon at each of its sides; each comes from the pixels drawn
// at build time, which are the SVG's own drawing and stay whole after their pages are let go.
TEST(PictureRenderer, TheIconAtEachSideItIsOfferedIsTheBuildsDrawingOfItsSvg) {
    QList<QSize> offered;
    for (const int side : Pictures::IconSides) offered.append(QSize(side, side));
    EXPECT_EQ(ProgramIcon().availableSizes(), offered);
    QSvgRenderer svg(Pictures::Icon);
    for (const bool released : {false, true}) {
        PictureRenderer renderer;
        if (released) renderer.ReleaseBuilt();
        for (const int side : Pictures::IconSides) {
            SCOPED_TRACE(testing::Message() << "side " << side << (released ? ", released" : ""));
            const QImage built = renderer.Render(Pictures::Icon, QSize(side, side), 1.0);
            const QResource stored(":/prerendered/" + PictureRenderer::BuiltName(Pictures::Icon, side));
            ASSERT_TRUE(stored.isValid());
            EXPECT_EQ(built.constBits(), stored.data());
            QImage drawn(side, side, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            painter.setRenderHint(QPainter::Antialiasing);
            svg.render(&painter, QRectF(0, 0, side, side));
            painter.end();
            int apart = 0;
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) apart += built.pixel(x, y) != drawn.pixel(x, y) ? 1 : 0;
            }
            EXPECT_LE(apart, side * side / 100);
            EXPECT_GT(OpaquePixels(built), side * side / 4);
        }
    }
}

TEST(SvgPicture, PaintsTheSharedRenderingAndStretchesItWhileTheSizeChanges) {
    SvgPicture picture(Pictures::House);
    picture.resize(77, 58);
    const QImage shown = picture.grab().toImage();
    EXPECT_GT(OpaquePixels(shown), 77 * 58 / 4);
    const QImage first = picture.currentImage();
    EXPECT_EQ(first.cacheKey(), PictureRenderer::Shared().Render(Pictures::House, QSize(77, 58), first.devicePixelRatio()).cacheKey());

    // Dragged to a new size: the last rendering is shown stretched, nothing is drawn yet.
    picture.resize(154, 116);
    picture.grab();
    EXPECT_TRUE(PictureRenderer::Shared().Kept(Pictures::House, QSize(154, 116), picture.devicePixelRatioF()).isNull());
    EXPECT_EQ(picture.currentImage().size(), QSize(154, 116) * picture.devicePixelRatioF());
}

TEST(SvgPicture, LeftClickInsideSignalsAndOtherButtonsDoNot) {
    SvgPicture picture(Pictures::File);
    picture.resize(73, 25);
    QSignalSpy spy(&picture, &SvgPicture::clicked);
    QTest::mouseClick(&picture, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(spy.count(), 0);
    QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(spy.count(), 1);
    // Pressed inside, let go outside: not a click.
    QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(spy.count(), 1);
}

}  // namespace
}  // namespace vantry::test
