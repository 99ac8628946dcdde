#include "model/mask_maker.h"

#include "platform/vyx_error.h"
#include "support/temp_folder.h"
#include "support/test_pictures.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;

QImage Blot() { return BlockPicture(QSize(6, 4), White, QRect(1, 2, 3, 1), Black); }

TEST(MaskMaker, BuildPreviewAndRestore)
{
    MaskMaker maker;
    EXPECT_EQ(maker.MaskColor(), 0xFFFFFFu) << "white before the first pick";
    maker.UsePicture(Blot());
    maker.BuildRegion(10);
    ASSERT_TRUE(maker.PlasmaRegion().HasRegion());
    EXPECT_EQ(maker.PlasmaRegion().Current().Rects(), (std::vector<RegionRect>{{1, 2, 4, 3}}));
    maker.Preview();
    EXPECT_EQ(maker.Shown().pixel(2, 2), Red);
    EXPECT_EQ(maker.Shown().pixel(0, 2), White);
    EXPECT_EQ(maker.Hidden(), Blot()) << "the hidden copy stays untouched";
    maker.Restore();
    EXPECT_EQ(maker.Shown(), Blot());
}

TEST(MaskMaker, PickingAfterAPreviewReadsTheRed)
{
    MaskMaker maker;
    maker.UsePicture(Blot());
    maker.PickColor(QPoint(2, 2));
    EXPECT_EQ(maker.MaskColor(), 0x000000u);
    maker.PickColor(QPoint(0, 0));
    maker.BuildRegion(0);
    maker.Preview();
    maker.PickColor(QPoint(2, 2));
    EXPECT_EQ(maker.MaskColor(), 0x0000FFu) << "red as 0x00BBGGRR";
    maker.PickColor(QPoint(60, 2));
    EXPECT_EQ(maker.MaskColor(), 0x0000FFu) << "outside the picture: unchanged";
}

TEST(MaskMaker, AFailedLoadKeepsBothPictures)
{
    TempFolder dir;
    MaskMaker maker;
    maker.UsePicture(Blot());
    maker.BuildRegion(0);
    maker.Preview();
    const QImage shown = maker.Shown();
    dir.Write("broken.bmp", "BM not really");
    EXPECT_THROW(maker.LoadSourcePicture(dir.File("broken.bmp")), VyxError);
    EXPECT_THROW(maker.LoadSourcePicture(dir.File("picture.gif")), VyxError);
    EXPECT_EQ(maker.Shown(), shown);
    EXPECT_EQ(maker.Hidden(), Blot());

    const QImage noise = NoisePicture(9, 7, 3);
    noise.save(dir.File("noise.bmp"), "BMP");
    maker.LoadSourcePicture(dir.File("noise.bmp"));
    EXPECT_EQ(maker.Shown(), noise);
    EXPECT_EQ(maker.Hidden(), noise);
}

TEST(MaskMaker, AnAllTransparentPictureGivesNoRegion)
{
    MaskMaker maker;
    maker.UsePicture(Blot());
    maker.BuildRegion(0);
    maker.UsePicture(FilledPicture(5, 5, 0xFFF0F0F0));
    maker.BuildRegion(15);
    EXPECT_FALSE(maker.PlasmaRegion().HasRegion()) << "the old region is dropped";
    maker.Preview();
    EXPECT_EQ(maker.Shown(), FilledPicture(5, 5, 0xFFF0F0F0));
}

} // namespace
