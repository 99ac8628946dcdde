#include "model/shape_design.h"

#include "support/test_pictures.h"

#include <gtest/gtest.h>

namespace {

class RecordingHost : public ShapeDesignHost {
public:
    void ShowPointRow(int slot) override { rows.push_back(slot); }
    void PointAdded(int count) override { counts.push_back(count); }
    void PointLimitReached() override { ++limits; }

    std::vector<int> rows;
    std::vector<int> counts;
    int limits = 0;
};

class ShapeDesignTest : public ::testing::Test {
protected:
    ShapeDesignTest() { design.SetBackground(background, 120, 90); }

    std::vector<QPoint> Points() const
    {
        std::vector<QPoint> points;
        for (int i = 0; i < shape.PointCount; ++i)
            points.emplace_back(shape.Points[i].X, shape.Points[i].Y);
        return points;
    }
    void AddPoints(int count)
    {
        for (int i = 0; i < count; ++i)
            design.AddShapePoint(QPoint(10 + i, 20 + (i * 7) % 60));
    }
    int Changed(const QRect& area = QRect()) const
    {
        int count = 0;
        for (int y = 0; y < background.height(); ++y)
            for (int x = 0; x < background.width(); ++x)
                if (design.Picture().pixel(x, y) != background.pixel(x, y) && (area.isNull() || area.contains(x, y)))
                    ++count;
        return count;
    }

    const QImage background = NoisePicture(120, 90, 7);
    CustomShape shape;
    RecordingHost host;
    ShapeDesign design{shape, host};
};

TEST_F(ShapeDesignTest, TheSurfaceIsTheTopLeftOfTheBackground)
{
    EXPECT_EQ(design.Picture(), background);
    design.SetBackground(background, 150, 10);
    EXPECT_EQ(design.Picture().size(), QSize(150, 10));
    EXPECT_EQ(design.Picture().pixel(119, 9), background.pixel(119, 9));
    EXPECT_EQ(design.Picture().pixel(120, 0), 0xFFFFFFFF) << "beyond the background: white";
    design.SetBackground(QImage(), 0, 0);
    EXPECT_EQ(design.Picture().size(), QSize(1, 1));
}

TEST_F(ShapeDesignTest, AClickAddsTwoEqualPointsAndADragBothEnds)
{
    design.Press(QPoint(5, 6));
    EXPECT_TRUE(design.MouseHeld());
    design.Release(QPoint(5, 6));
    EXPECT_FALSE(design.MouseHeld());
    design.Press(QPoint(10, 11));
    design.Move(QPoint(30, 31));
    design.Release(QPoint(40, 41));
    EXPECT_EQ(Points(), (std::vector<QPoint>{{5, 6}, {5, 6}, {10, 11}, {40, 41}}));
    EXPECT_EQ(host.rows, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(host.counts, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(design.Anchor(), QPoint(10, 11));
    EXPECT_EQ(design.LastPosition(), QPoint(30, 31));
    EXPECT_EQ(shape.Points[4].State, ShapePointState::Empty);
}

TEST_F(ShapeDesignTest, TheHundredAndFirstPointIsRefused)
{
    AddPoints(100);
    const CustomShape full = shape;
    design.Press(QPoint(1, 1));
    design.Release(QPoint(2, 2));
    EXPECT_FALSE(design.AddShapePoint(QPoint(3, 3)));
    EXPECT_EQ(shape, full);
    EXPECT_EQ(host.limits, 3);
    EXPECT_EQ(host.counts.back(), 100);
}

TEST_F(ShapeDesignTest, AddPointActsOnlyWhileAButtonIsHeld)
{
    design.Move(QPoint(50, 50));
    design.AddPointCommand();
    EXPECT_EQ(shape.PointCount, 0);
    design.Press(QPoint(10, 10));
    design.Move(QPoint(20, 30));
    design.AddPointCommand();
    EXPECT_EQ(design.Anchor(), QPoint(20, 30)) << "the rubber band goes on from the new vertex";
    design.Release(QPoint(25, 35));
    EXPECT_EQ(Points(), (std::vector<QPoint>{{10, 10}, {20, 30}, {25, 35}}));
}

TEST_F(ShapeDesignTest, TheRubberBandErasesItsPreviousLine)
{
    design.Move(QPoint(10, 10));
    design.Press(QPoint(10, 10));
    for (const QPoint p : {QPoint(80, 20), QPoint(60, 70), QPoint(15, 85), QPoint(100, 50)})
        design.Move(p);
    design.Release(QPoint(100, 50));

    CustomShape otherShape;
    RecordingHost otherHost;
    ShapeDesign direct(otherShape, otherHost);
    direct.SetBackground(background, 120, 90);
    direct.Move(QPoint(10, 10));
    direct.Press(QPoint(10, 10));
    direct.Move(QPoint(100, 50));
    EXPECT_EQ(design.Picture(), direct.Picture()) << "only the last line stays";
    EXPECT_GT(Changed(), 80);
}

TEST_F(ShapeDesignTest, PreviewDrawnTwiceRestoresEveryPixel)
{
    AddPoints(1);
    design.DrawShapePreview();
    EXPECT_EQ(Changed(), 0) << "one point draws nothing";
    AddPoints(99);
    design.DrawShapePreview();
    EXPECT_GT(Changed(QRect(100, 0, 20, 90)), 0) << "the last segments are drawn";
    EXPECT_EQ(Changed(QRect(0, 0, 9, 90)), 0) << "nothing left of the first point";
    // The closing segment back to the first point is not drawn.
    design.DrawShapePreview();
    EXPECT_EQ(design.Picture(), background);
    design.ArrayList();
    EXPECT_TRUE(design.PreviewShown());
    design.ArrayList();
    EXPECT_FALSE(design.PreviewShown());
    EXPECT_EQ(design.Picture(), background);
}

TEST_F(ShapeDesignTest, PreviewIsRedTwoPixelsWide)
{
    design.SetBackground(FilledPicture(120, 90, 0xFFFFFFFF), 120, 90);
    design.AddShapePoint(QPoint(10, 40));
    design.AddShapePoint(QPoint(110, 40));
    design.DrawShapePreview();
    int column = 0;
    for (int y = 0; y < 90; ++y)
        if (design.Picture().pixel(60, y) != 0xFFFFFFFF) {
            EXPECT_EQ(design.Picture().pixel(60, y), 0xFFFF0000u) << "NOT (red XOR white) is red";
            ++column;
        }
    EXPECT_EQ(column, 2);
}

TEST_F(ShapeDesignTest, ChangingTheSelectedPointRedrawsThePreviewAndMarksIt)
{
    AddPoints(5);
    design.ArrayList();
    design.Select(2);
    design.SetSelectedX(70);
    EXPECT_EQ(shape.Points[2].X, 70);
    EXPECT_EQ(shape.Points[2].State, ShapePointState::Used);
    EXPECT_TRUE(design.PreviewShown());
    EXPECT_EQ(host.rows.back(), 2);
    // Removing the preview leaves only the marker: the old polyline was erased first.
    design.ArrayList();
    EXPECT_FALSE(design.PreviewShown());
    const QRect marker(70 - 4, shape.Points[2].Y - 4, 9, 9);
    EXPECT_GT(Changed(marker), 0);
    EXPECT_EQ(Changed(), Changed(marker));
}

TEST_F(ShapeDesignTest, ErasingThePreviewRemovesTheLinesItDrewAfterTheTableChanged)
{
    AddPoints(3);
    design.ArrayList();
    shape.Points[1].X = 99; // as a load replaces the table under the window
    design.ErasePreview();
    EXPECT_FALSE(design.PreviewShown());
    EXPECT_EQ(design.Picture(), background);
}

TEST_F(ShapeDesignTest, CompactionKeepsCheckedUsedPointsInOrder)
{
    AddPoints(5);
    const std::vector<QPoint> before = Points();
    PointChecks checks{};
    checks.fill(true);
    checks[2] = false;
    EXPECT_EQ(design.CompactPointList(checks), 1);
    EXPECT_EQ(Points(), (std::vector<QPoint>{before[0], before[1], before[3], before[4]}));
    for (int i = 4; i < CustomShape::Capacity; ++i)
        EXPECT_EQ(shape.Points[i], ShapePoint{}) << i;
    checks[2] = true;
    const CustomShape compacted = shape;
    EXPECT_EQ(design.CompactPointList(checks), 0);
    EXPECT_EQ(shape, compacted) << "a second compaction changes nothing";

    EXPECT_EQ(design.CompactPointList(PointChecks{}), 4) << "all unchecked";
    EXPECT_EQ(shape, CustomShape{});
}

TEST_F(ShapeDesignTest, DelAlsoRemovesUncheckedRows)
{
    AddPoints(5);
    const std::vector<QPoint> before = Points();
    PointChecks checks{};
    checks.fill(true);
    checks[4] = false;
    design.Select(1);
    EXPECT_EQ(design.DeleteSelected(checks), 2);
    EXPECT_EQ(Points(), (std::vector<QPoint>{before[0], before[2], before[3]}));
    design.ClearList();
    EXPECT_EQ(shape, CustomShape{});
}

} // namespace
