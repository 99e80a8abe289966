#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

#include "picturenames.h"
#include "svgpicture.h"
#include "svgrendering.h"

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
        QSvgRenderer* renderer = SharedSvgRenderer(picture.resource);
        ASSERT_NE(renderer, nullptr);
        ASSERT_TRUE(renderer->isValid());
        const QRectF box = renderer->viewBoxF();
        ASSERT_GT(box.height(), 0);
        const double aspect = box.width() / box.height();
        EXPECT_NEAR(aspect / (picture.width / picture.height), 1.0, 0.03);
    }
}

TEST(Pictures, RendererIsParsedOncePerResource) {
    EXPECT_EQ(SharedSvgRenderer(Pictures::House), SharedSvgRenderer(Pictures::House));
    EXPECT_NE(SharedSvgRenderer(Pictures::House), SharedSvgRenderer(Pictures::Snake(2)));
    EXPECT_EQ(SharedSvgRenderer(":/pictures/none.svg"), nullptr);
    EXPECT_TRUE(RenderSvg(":/pictures/none.svg", QSize(10, 10), 1.0).isNull());
    EXPECT_TRUE(RenderSvg(Pictures::House, QSize(0, 10), 1.0).isNull());
}

TEST(Pictures, RenderingHasDevicePixelsAndIsTransparentAroundASnake) {
    for (const qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        const QPixmap pixmap = RenderSvg(Pictures::Snake(5), QSize(63, 205), dpr);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(63, 205) * dpr);
        EXPECT_EQ(pixmap.devicePixelRatio(), dpr);
        const QImage image = pixmap.toImage();
        const int opaque = OpaquePixels(image);
        EXPECT_GT(opaque, image.width() * image.height() / 20);
        EXPECT_LT(opaque, image.width() * image.height() / 2);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
}

TEST(Pictures, BackgroundCoversItsWholeRectangle) {
    const QImage image = RenderSvg(Pictures::Background, QSize(80, 60), 1.0).toImage();
    EXPECT_EQ(OpaquePixels(image), 80 * 60);
}

TEST(SvgPicture, PaintsThePictureAndKeepsItsRenderingUntilTheSizeChanges) {
    SvgPicture picture(Pictures::House);
    picture.resize(70, 53);
    const QPixmap first = picture.currentPixmap();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(70, 53) * picture.devicePixelRatioF());
    EXPECT_EQ(picture.currentPixmap().cacheKey(), first.cacheKey());

    const QImage shown = picture.grab().toImage();
    EXPECT_GT(OpaquePixels(shown), 70 * 53 / 4);

    picture.resize(140, 106);
    const QPixmap larger = picture.currentPixmap();
    EXPECT_NE(larger.cacheKey(), first.cacheKey());
    EXPECT_EQ(larger.size(), QSize(140, 106) * picture.devicePixelRatioF());
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

// The pictures drawn at build time are the SVG's own drawing, at every size the icon is offered
// at too, and stay whole after their pages are let go and read again.
TEST(Prerendered, EachSideOfTheIconMatchesTheSvgAndSurvivesTheRelease) {
    for (const bool released : {false, true}) {
        if (released) ReleasePrerendered();
        for (const int side : Pictures::IconSides) {
            SCOPED_TRACE(testing::Message() << "side " << side << (released ? ", released" : ""));
            const QImage built = PrerenderedSvg(Pictures::Icon, QSize(side, side), 1.0);
            ASSERT_FALSE(built.isNull());
            const QImage drawn = DrawSvg(Pictures::Icon, QSize(side, side));
            int apart = 0;
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) apart += built.pixel(x, y) != drawn.pixel(x, y) ? 1 : 0;
            }
            EXPECT_LE(apart, side * side / 100);
            EXPECT_GT(OpaquePixels(built), side * side / 4);
        }
    }
}

}  // namespace
}  // namespace vantry::test
