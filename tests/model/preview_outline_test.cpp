#include "model/preview_outline.h"

#include "model/menu_project.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

class PreviewOutlineTest : public ::testing::Test {
protected:
    PreviewOutlineTest()
    {
        m_project.Main.SizeX = 100;
        m_project.Main.SizeY = 80;
        m_ini = m_dir.Write("menu.ini", "[MAIN]\r\n");
    }
    void SetShape(std::initializer_list<QPoint> points, bool use = true)
    {
        m_project.Shape.Clear();
        for (const QPoint& p : points)
            m_project.Shape.Points[m_project.Shape.PointCount++] = {p.x(), p.y(), ShapePointState::Used};
        m_project.Main.UseCustomShape = use;
    }
    void WriteMask(const Region& region) { m_dir.Write("menu.msk", region.Data()); }
    PreviewOutline Choose() const { return PreviewOutline::Choose(m_project, m_ini); }

    TempFolder m_dir;
    MenuProject m_project;
    QString m_ini;
};

TEST_F(PreviewOutlineTest, WithoutShapeOrMaskTheWholeMenuShows)
{
    const PreviewOutline outline = Choose();
    EXPECT_EQ(outline.Source(), PreviewOutline::Kind::Rectangle);
    EXPECT_EQ(outline.Mask(), QRegion(0, 0, 100, 80));
    EXPECT_TRUE(outline.Note().isEmpty());
}

TEST_F(PreviewOutlineTest, TheMaskFileBesideTheIniFileCutsTheWindow)
{
    const Region region = Region::FromRect(10, 0, 30, 20).United(Region::FromRect(50, 40, 60, 45));
    WriteMask(region);
    const PreviewOutline outline = Choose();
    EXPECT_EQ(outline.Source(), PreviewOutline::Kind::MaskFile);
    EXPECT_EQ(outline.Mask(), QRegion(10, 0, 20, 20) + QRegion(50, 40, 10, 5));
    EXPECT_TRUE(outline.Mask().contains(QPoint(29, 19)));
    EXPECT_FALSE(outline.Mask().contains(QPoint(30, 19))) << "right edges are exclusive";
}

TEST_F(PreviewOutlineTest, TheTickedShapeWinsOverTheMaskFile)
{
    WriteMask(Region::FromRect(0, 0, 5, 5));
    SetShape({{0, 0}, {60, 0}, {60, 40}, {0, 40}});
    const PreviewOutline outline = Choose();
    EXPECT_EQ(outline.Source(), PreviewOutline::Kind::Polygon);
    EXPECT_TRUE(outline.Mask().contains(QPoint(30, 20)));
    EXPECT_FALSE(outline.Mask().contains(QPoint(70, 20)));
}

TEST_F(PreviewOutlineTest, AnUntickedShapeOrOneOfTwoPointsLeavesTheMaskFile)
{
    WriteMask(Region::FromRect(0, 0, 5, 5));
    SetShape({{0, 0}, {60, 0}, {60, 40}}, false);
    EXPECT_EQ(Choose().Source(), PreviewOutline::Kind::MaskFile);
    SetShape({{0, 0}, {60, 40}});
    EXPECT_EQ(Choose().Source(), PreviewOutline::Kind::MaskFile);
}

TEST_F(PreviewOutlineTest, TheShapeIsFilledWithTheAlternateRule)
{
    // A bow tie crossing itself, then a pentagram: its centre is crossed twice.
    SetShape({{0, 0}, {40, 40}, {40, 0}, {0, 40}});
    EXPECT_TRUE(Choose().Mask().contains(QPoint(5, 20)));
    EXPECT_FALSE(Choose().Mask().contains(QPoint(20, 5)));
    SetShape({{50, 0}, {79, 79}, {2, 30}, {98, 30}, {21, 79}});
    EXPECT_FALSE(Choose().Mask().contains(QPoint(50, 45))) << "the pentagram's centre stays out";
    EXPECT_TRUE(Choose().Mask().contains(QPoint(50, 10)));
}

TEST_F(PreviewOutlineTest, OutlinesAreCutToTheMenu)
{
    SetShape({{-50, -50}, {500, -50}, {500, 500}});
    EXPECT_EQ(Choose().Mask().boundingRect(), QRect(0, 0, 100, 80));
    SetShape({{0, 0}, {1, 0}, {1, 1}}, false);
    WriteMask(Region::FromRect(90, 70, 300, 300));
    EXPECT_EQ(Choose().Mask(), QRegion(90, 70, 10, 10));
}

TEST_F(PreviewOutlineTest, AnOutlineCoveringNothingKeepsTheRectangleAndSaysWhy)
{
    SetShape({{200, 200}, {300, 200}, {300, 300}});
    const PreviewOutline outline = Choose();
    EXPECT_EQ(outline.Source(), PreviewOutline::Kind::Rectangle);
    EXPECT_EQ(outline.Mask(), QRegion(0, 0, 100, 80));
    EXPECT_EQ(outline.Note(), QStringLiteral("The custom shape covers no pixel of the menu"));
}

TEST_F(PreviewOutlineTest, ADamagedMaskFileIsReportedAndNotUsed)
{
    m_dir.Write("menu.msk", QByteArray("not a region at all, but long enough to be read"));
    const PreviewOutline outline = Choose();
    EXPECT_EQ(outline.Source(), PreviewOutline::Kind::Rectangle);
    EXPECT_TRUE(outline.Note().startsWith(QStringLiteral("Mask file not used: "))) << outline.Note().toStdString();
    EXPECT_EQ(outline.Mask(), QRegion(0, 0, 100, 80));
}

} // namespace
