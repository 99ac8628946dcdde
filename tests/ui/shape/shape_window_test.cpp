#include "support/test_pictures.h"
#include "ui/controls/super_spin_edit.h"
#include "ui/main/main_window.h"
#include "ui/shape/picture_view.h"
#include "ui/shape/shape_window.h"
#include "ui/support_session.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QByteArray Menu = "[MAIN]\r\nProgram=Shape\r\nSizeX=200\r\nSizeY=150\r\nbackground=back.bmp\r\nCustomShape=1\r\n"
                        "[CustomPoints]\r\nx0=10\r\ny0=20\r\nx1=30\r\ny1=40\r\nx2=50\r\ny2=25\r\n";

// The shape window after "Design", driven by real events.
class ShapeWindowTest : public ::testing::Test, public SessionFixture {
protected:
    void SetUp() override
    {
        NoisePicture(200, 150, 5).save(m_dir.File("back.bmp"), "BMP");
        m_dir.Write("launcher.ini", Menu);
        m_session.Start(m_dir.File("launcher.ini"));
        ASSERT_EQ(TheEditor().Project().Shape.PointCount, 3) << m_errors.join("; ").toStdString();
        m_session.Main().show();
        TheEditor().DesignCommand();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
        m_picture = Child<PictureView>("Image");
    }
    ShapeWindow& Window() { return m_session.Shape(); }
    template <typename T>
    T* Child(const char* name)
    {
        return NamedChild<T>(Window(), name);
    }
    QListWidget* List() { return Child<QListWidget>("PointList"); }
    QString Caption(const char* name) { return Child<QAbstractButton>(name)->text(); }
    void Click(const char* name) { QTest::mouseClick(Child<QAbstractButton>(name), Qt::LeftButton); }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), m_picture->mapToGlobal(QPointF(at)), button, held, {});
        QApplication::sendEvent(m_picture, &event);
    }
    void Press(QPoint at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton); }
    void Move(QPoint at, Qt::MouseButtons held = Qt::LeftButton) { Mouse(QEvent::MouseMove, at, held); }
    void Release(QPoint at) { Mouse(QEvent::MouseButtonRelease, at, Qt::NoButton); }
    void ClickRow(int row)
    {
        const QRect rect = List()->visualItemRect(List()->item(row));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, rect.center() + QPoint(20, 0));
    }
    void Uncheck(int row) { List()->item(row)->setCheckState(Qt::Unchecked); }
    // A click on the row's check box, as the user unticks a row.
    void ClickCheckBox(int row)
    {
        QStyleOptionViewItem option;
        option.initFrom(List());
        option.rect = List()->visualItemRect(List()->item(row));
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        option.text = List()->item(row)->text();
        const QRect box = List()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, List());
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, box.center());
    }
    void AddPoints(int pairs)
    {
        for (int i = 0; i < pairs; ++i) {
            Press(QPoint(i, i));
            Release(QPoint(i + 1, i));
        }
    }
    void Retype(const char* spin, const QString& text)
    {
        auto* edit = Child<TSuperSpinEditI>(spin);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    const CustomShape& Shape() { return TheEditor().Project().Shape; }
    QStringList Rows(int count)
    {
        QStringList rows;
        for (int i = 0; i < count; ++i)
            rows << List()->item(i)->text() + (List()->item(i)->checkState() == Qt::Checked ? "+" : "");
        return rows;
    }
    QImage Background() { return TheEditor().Project().NormalPicture.copy(0, 0, 200, 150); }

    PictureView* m_picture = nullptr;
};

TEST_F(ShapeWindowTest, DesignShowsTheBackgroundAndTheLoadedPoints)
{
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("D3siGN f0rM"));
    EXPECT_EQ(Window().property("helpContext").toInt(), 520);
    EXPECT_EQ(Child<QGroupBox>("PolyEdit")->property("helpContext").toInt(), 610);
    EXPECT_EQ(Child<QGroupBox>("PolyEdit")->title(), QStringLiteral("PolyEdit"));
    EXPECT_EQ(Child<QGroupBox>("PointGroup")->title(), QStringLiteral("Point [..] "));
    ASSERT_EQ(List()->count(), 100);
    EXPECT_EQ(Rows(4), (QStringList{"10, 20+", "30, 40+", "50, 25+", "0, 0"}));
    EXPECT_EQ(Window().Design().Picture(), Background());
    EXPECT_EQ(m_picture->size(), QSize(200, 150));
}

TEST_F(ShapeWindowTest, AClickAddsTwoPointsWithLabelsAndCaption)
{
    Move(QPoint(60, 70), Qt::NoButton);
    EXPECT_EQ(Child<QLabel>("CurrLabel")->text(), QStringLiteral("Curr: 60, 70"));
    Press(QPoint(60, 70));
    EXPECT_EQ(Child<QLabel>("OrigLabel")->text(), QStringLiteral("Orig: 0, 0")) << "the anchor before the press";
    Release(QPoint(60, 70));
    Press(QPoint(80, 90));
    EXPECT_EQ(Child<QLabel>("OrigLabel")->text(), QStringLiteral("Orig: 60, 70"));
    Move(QPoint(100, 110));
    Release(QPoint(100, 110));
    EXPECT_EQ(Shape().PointCount, 7);
    EXPECT_EQ(Rows(8).mid(3), (QStringList{"60, 70+", "60, 70+", "80, 90+", "100, 110+", "0, 0"}));
    EXPECT_EQ(Caption("AddPoint"), QStringLiteral("&Add Point 7"));
    EXPECT_NE(Window().Design().Picture(), Background()) << "the last rubber band stays";
}

TEST_F(ShapeWindowTest, AddPointWorksOnlyWhileAButtonIsHeld)
{
    Move(QPoint(5, 5), Qt::NoButton);
    Click("AddPoint");
    EXPECT_EQ(Shape().PointCount, 3);
    Press(QPoint(20, 20));
    Move(QPoint(40, 30));
    QTest::keyClick(&Window(), Qt::Key_A, Qt::AltModifier);
    QTest::qWait(200); // the mnemonic clicks the button after its short animation
    Release(QPoint(60, 10));
    EXPECT_EQ(Rows(7).mid(3), (QStringList{"20, 20+", "40, 30+", "60, 10+", "0, 0"}));
}

TEST_F(ShapeWindowTest, TheHundredAndFirstPointPutsTheLimitInTheTitle)
{
    AddPoints(48);
    EXPECT_EQ(Shape().PointCount, 99);
    Press(QPoint(150, 100));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("D3siGN f0rM"));
    Release(QPoint(151, 100));
    EXPECT_EQ(Shape().PointCount, 100);
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Sorry, max 100 allowed"));
    EXPECT_EQ(Caption("AddPoint"), QStringLiteral("&Add Point 100"));
    EXPECT_EQ(List()->item(99)->text(), QStringLiteral("150, 100"));
    // The preview draws all 100 points and a second one removes it again.
    const QImage before = Window().Design().Picture();
    Click("ArrayList");
    EXPECT_NE(Window().Design().Picture(), before);
    Click("ArrayList");
    EXPECT_EQ(Window().Design().Picture(), before);
}

TEST_F(ShapeWindowTest, RowClickFillsTheEditsAndTypingMovesThePoint)
{
    ClickRow(1);
    EXPECT_EQ(Child<QGroupBox>("PointGroup")->title(), QStringLiteral("Point [1]"));
    EXPECT_EQ(Child<TSuperSpinEditI>("X")->text(), QStringLiteral("30"));
    EXPECT_EQ(Child<TSuperSpinEditI>("Y")->text(), QStringLiteral("40"));
    Retype("X", "77");
    EXPECT_EQ(Shape().Points[1].X, 77);
    EXPECT_EQ(List()->item(1)->text(), QStringLiteral("77, 40"));
    EXPECT_TRUE(Window().Design().PreviewShown());

    Retype("X", "");
    EXPECT_EQ(Shape().Points[1].X, 0) << "an emptied field stores 0 at once";
    Child<TSuperSpinEditI>("Y")->setFocus();
    EXPECT_EQ(Child<TSuperSpinEditI>("X")->text(), QStringLiteral("0")) << "and shows 0 when left";
    Retype("Y", "2000");
    EXPECT_EQ(Shape().Points[1].Y, 2000) << "any whole number is stored while typing";
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(ShapeWindowTest, ALoneMinusIsNotAValidIntegerAndThePointKeepsItsValue)
{
    ClickRow(2);
    const QImage before = Window().Design().Picture();
    auto* edit = Child<TSuperSpinEditI>("Y");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Minus);
    ASSERT_EQ(m_errors, QStringList{QStringLiteral("'-' is not a valid integer value")});
    EXPECT_EQ(Shape().Points[2].Y, 25);
    EXPECT_EQ(Window().Design().Picture(), before) << "nothing is erased or drawn";
}

TEST_F(ShapeWindowTest, PressListKeepsCheckedRowsAndDelAlsoDropsUnchecked)
{
    Press(QPoint(1, 2));
    Release(QPoint(3, 4));
    Uncheck(1);
    Click("PressList");
    EXPECT_EQ(Caption("PressList"), QStringLiteral("Ripped 1"));
    EXPECT_EQ(Rows(5), (QStringList{"10, 20+", "50, 25+", "1, 2+", "3, 4+", "0, 0"}));
    Click("PressList");
    EXPECT_EQ(Caption("PressList"), QStringLiteral("Ripped 0"));

    Uncheck(3);
    ClickRow(0);
    Click("Del");
    EXPECT_EQ(Caption("PressList"), QStringLiteral("Ripped 2"));
    EXPECT_EQ(Rows(3), (QStringList{"50, 25+", "1, 2+", "0, 0"}));
    EXPECT_EQ(Shape().PointCount, 2);

    for (int i = 0; i < 2; ++i)
        Uncheck(i);
    Click("PressList");
    EXPECT_EQ(Caption("PressList"), QStringLiteral("Ripped 2"));
    EXPECT_EQ(Shape(), CustomShape{});
}

TEST_F(ShapeWindowTest, ClearListEmptiesTheTableAndKeepsCaptions)
{
    Press(QPoint(1, 2));
    Click("ClearList");
    EXPECT_EQ(Shape(), CustomShape{});
    EXPECT_EQ(Rows(2), (QStringList{"0, 0", "0, 0"}));
    EXPECT_EQ(Caption("AddPoint"), QStringLiteral("&Add Point 4"));
}

TEST_F(ShapeWindowTest, TheCheckBoxOfAnUnselectedRowStaysUntickedForPressList)
{
    ClickRow(0);
    ClickCheckBox(1);
    ASSERT_EQ(List()->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(Child<TSuperSpinEditI>("X")->text(), QStringLiteral("30")) << "the click still shows the point";
    Click("PressList");
    EXPECT_EQ(Caption("PressList"), QStringLiteral("Ripped 1"));
    EXPECT_EQ(Rows(3), (QStringList{"10, 20+", "50, 25+", "0, 0"}));
}

// After the table moved under them, the X and Y edits name no slot until a row is clicked.
TEST_F(ShapeWindowTest, PressListDelAndClearListLeaveNoPointToEdit)
{
    for (const char* command : {"PressList", "Del", "ClearList"}) {
        ClickRow(2);
        ASSERT_EQ(Child<QGroupBox>("PointGroup")->title(), QStringLiteral("Point [2]"));
        Click(command);
        EXPECT_EQ(Child<QGroupBox>("PointGroup")->title(), QStringLiteral("Point [..] ")) << command;
        EXPECT_EQ(Child<TSuperSpinEditI>("X")->text(), QString()) << command;
        EXPECT_FALSE(Child<TSuperSpinEditI>("X")->isEnabled()) << command;
        const CustomShape before = Shape();
        QTest::keyClicks(Child<TSuperSpinEditI>("X"), "77");
        QTest::keyClicks(Child<TSuperSpinEditI>("Y"), "88");
        EXPECT_EQ(Shape(), before) << command;
        Press(QPoint(60, 61)); // points for the next command
        Release(QPoint(62, 63));
    }
}

TEST_F(ShapeWindowTest, DesignPaintsWhatASmallBackgroundLacksWhite)
{
    TheEditor().Project().NormalPicture = FilledPicture(100, 80, 0xFF000000);
    QTest::mouseClick(m_session.Main().findChild<QPushButton*>("DesignButton"), Qt::LeftButton);
    const QImage& picture = Window().Design().Picture();
    ASSERT_EQ(picture.size(), QSize(200, 150));
    EXPECT_EQ(picture.pixel(99, 79), 0xFF000000);
    EXPECT_EQ(picture.pixel(150, 100), 0xFFFFFFFF);
    EXPECT_EQ(picture.pixel(50, 120), 0xFFFFFFFF);
}

// Whatever changes the table or the surface first takes the preview away, so
// no line is left behind and the next "ArrayList" draws the table anew.
TEST_F(ShapeWindowTest, ThePreviewGoesBeforeTheTableChangesAndRedrawForgetsIt)
{
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"a click on the picture", [this] { Press(QPoint(120, 130)), Release(QPoint(120, 130)); }},
        {"Press list", [this] { Uncheck(1), Click("PressList"); }},
        {"Del", [this] { ClickRow(0), Click("Del"); }},
        {"Clear list", [this] { Click("ClearList"); }},
        {"Redraw", [this] { Click("Redraw"); }},
        {"a load", [this] { TheEditor().OpenProject(); }},
    };
    for (const auto& [change, run] : changes) {
        TheEditor().OpenProject();
        Click("Redraw");
        Click("ArrayList");
        ASSERT_NE(Window().Design().Picture(), Background()) << change;
        run();
        EXPECT_EQ(Window().Design().Picture(), Background()) << change;
        EXPECT_FALSE(Window().Design().PreviewShown()) << change;
    }
}

TEST_F(ShapeWindowTest, ClearListOnAFullTableAsksAndTakesTheLimitTitleAway)
{
    AddPoints(49);
    Press(QPoint(150, 100));
    ASSERT_EQ(Window().windowTitle(), QStringLiteral("Sorry, max 100 allowed"));
    Click("ClearList");
    EXPECT_EQ(m_questions, QStringList{QStringLiteral("Clear list: Clear all 100 points?")});
    EXPECT_EQ(Shape().PointCount, 100) << "No keeps them";
    m_answer = QMessageBox::Yes;
    Click("ClearList");
    EXPECT_EQ(Shape(), CustomShape{});
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("D3siGN f0rM"));
    Click("ClearList");
    EXPECT_EQ(m_questions.size(), 2) << "an empty table goes without asking";
}

TEST_F(ShapeWindowTest, ASecondLoadRefillsTheList)
{
    m_dir.Write("other.ini", "[MAIN]\r\nSizeX=200\r\nSizeY=150\r\nCustomShape=1\r\n[CustomPoints]\r\nx0=7\r\ny0=8\r\n");
    TheEditor().SetIniFileName(m_dir.File("other.ini"));
    TheEditor().OpenProject();
    EXPECT_EQ(Rows(3), (QStringList{"7, 8+", "0, 0", "0, 0"}));
}

TEST_F(ShapeWindowTest, ClosingHidesAndTheMainWindowsCloseHidesIt)
{
    Window().close();
    EXPECT_FALSE(Window().isVisible());
    TheEditor().DesignCommand();
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Shape().PointCount, 3) << "the table stays";
    m_answer = QMessageBox::Yes;
    EXPECT_TRUE(m_session.Main().close());
    EXPECT_FALSE(Window().isVisible());
}

} // namespace
