#include "ui/button_editor/button_editor_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

using ButtonEditorApplyTest = ButtonEditorFixture;

TEST_F(ButtonEditorApplyTest, EveryKeystrokeInTheNameReachesSlotAndList)
{
    UseButton(3, 10, 10, 40, 20, "Old");
    Load(3);

    TypeOver(Child("Edit1"), "H");
    EXPECT_EQ(Slot(3).Name, "H");
    EXPECT_EQ(ListRows().value(0).value(1), "H");

    QTest::keyClick(Child("Edit1"), 'i');
    EXPECT_EQ(Slot(3).Name, "Hi");
    EXPECT_EQ(ListRows().value(0).value(1), "Hi");

    // The slot holds bytes of the code page, not UTF-8.
    QTest::sendKeyEvent(QTest::Click, Child("Edit1"), Qt::Key_Eacute, QString(QChar(0xe9)), Qt::NoModifier);
    EXPECT_EQ(Slot(3).Name, QByteArray("Hi\xe9"));
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(ButtonEditorApplyTest, LoadingWritesNothingBack)
{
    MenuButton& first = UseButton(1, 1500, 30, 60, 25, "First");
    first.Params = "setup.exe";
    first.ShellRunAction = "Open";
    first.ShellRunPath = "C:\\Menu\\";
    first.SoundOver = "over.wav";
    MenuButton& second = UseButton(2, 100, 120, 70, 35, "Second");
    second.Action = "WINEXEC";
    second.LoadInfo = "help.rtf";
    PrepareCanvas();
    const MenuButton firstBefore = first;
    const MenuButton secondBefore = second;
    const QImage canvasBefore = m_editor.Canvas().Image().copy();

    Load(1);
    EXPECT_EQ(Child<QLabel>("Butt")->text(), "1");
    EXPECT_EQ(Child("X")->text(), "1500"); // shown unclamped until the focus passes through
    EXPECT_EQ(Child("Edit6")->text(), "C:\\Menu\\");
    EXPECT_EQ(Child<QComboBox>("ComboBox1")->currentText(), "RUN");

    // Loading the second fills the name box while the label still names the first.
    Load(2);
    EXPECT_EQ(Child<QLabel>("Butt")->text(), "2");
    EXPECT_EQ(Child("Edit7")->text(), "help.rtf");
    EXPECT_EQ(first, firstBefore);
    EXPECT_EQ(second, secondBefore);
    EXPECT_EQ(m_editor.Canvas().Image(), canvasBefore);
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(ButtonEditorApplyTest, TypingXMovesTheFrameAtEveryKeystroke)
{
    UseButton(0, 10, 40, 50, 30, "Moved");
    PrepareCanvas();
    Load(0);
    ASSERT_TRUE(FrameEdgeAt(10, 41, 68));

    TypeOver(Child("X"), "3");
    EXPECT_EQ(Slot(0).Left, 3);
    EXPECT_EQ(m_editor.Canvas().Image(), FullRedraw());

    QTest::keyClick(Child("X"), '0');
    EXPECT_EQ(Slot(0).Left, 30);
    EXPECT_EQ(m_editor.Canvas().Image(), FullRedraw());
    EXPECT_FALSE(FrameEdgeAt(10, 41, 68));
    EXPECT_FALSE(FrameEdgeAt(3, 41, 68));
    EXPECT_TRUE(FrameEdgeAt(30, 41, 68));
}

TEST_F(ButtonEditorApplyTest, OutOfRangeValueIsClampedOnlyWhenTheFocusLeaves)
{
    UseButton(0, 10, 40, 50, 30, "Wide");
    PrepareCanvas();
    ASSERT_TRUE(ShowActive());
    Load(0);

    Child("X")->setFocus();
    QTest::keyClicks(Child("X"), "2000");
    EXPECT_EQ(Slot(0).Left, 2000);

    Child("Edit1")->setFocus();
    EXPECT_EQ(Child("X")->text(), "1024");
    EXPECT_EQ(Slot(0).Left, 1024);
    EXPECT_EQ(m_editor.Canvas().Image(), FullRedraw());

    // An emptied spin edit cannot be applied; leaving it puts 0 in and applies.
    Child("Y")->setFocus();
    QTest::keyClick(Child("Y"), Qt::Key_Backspace);
    EXPECT_EQ(m_errors, QStringList({"'' is not a valid integer value"}));
    EXPECT_EQ(Slot(0).Top, 40);
    Child("Edit1")->setFocus();
    EXPECT_EQ(Child("Y")->text(), "0");
    EXPECT_EQ(Slot(0).Top, 0);
    EXPECT_EQ(m_editor.Canvas().Image(), FullRedraw());
}

TEST_F(ButtonEditorApplyTest, NonNumberStopsTheApplyAtItsField)
{
    UseButton(2, 10, 40, 50, 30, "Shown");
    PrepareCanvas();
    Load(2);

    TypeOver(Child("Edit2"), "-");
    EXPECT_EQ(m_errors, QStringList({"'-' is not a valid integer value"}));
    EXPECT_EQ(Slot(2).Height, 30);

    // X comes before the bad height and is stored; width and the texts come after and are not.
    TypeOver(Child("X"), "70");
    TypeOver(Child("Edit3"), "99");
    QTest::keyClicks(Child("Edit1"), "X");
    EXPECT_EQ(Slot(2).Left, 70);
    EXPECT_EQ(Slot(2).Width, 50);
    EXPECT_EQ(Slot(2).Name, "Shown");
    EXPECT_EQ(m_errors.size(), 6);
    EXPECT_EQ(m_errors.count("'-' is not a valid integer value"), 6);
    // Each stopped apply still redrew the frame, at the geometry that was stored.
    EXPECT_EQ(m_editor.Canvas().Image(), FullRedraw());

    TypeOver(Child("Edit2"), "25");
    EXPECT_EQ(Slot(2).Height, 25);
    EXPECT_EQ(Slot(2).Width, 99);
    EXPECT_EQ(Slot(2).Name, "ShownX");
    EXPECT_EQ(m_editor.Canvas().Image(), FullRedraw());
}

TEST_F(ButtonEditorApplyTest, KeywordOutsideTheListIsKept)
{
    UseButton(4, 10, 10, 40, 20, "Foreign").Action = "GOTO";
    Load(4);
    EXPECT_EQ(Child<QComboBox>("ComboBox1")->currentIndex(), -1);

    QTest::keyClicks(Child("Edit1"), "!");
    EXPECT_EQ(Slot(4).Name, "Foreign!");
    EXPECT_EQ(Slot(4).Action, "GOTO");

    PickAction("NONE");
    EXPECT_EQ(Slot(4).Action, "NONE");
}

TEST_F(ButtonEditorApplyTest, OverlongTextsAreCutToCapacity)
{
    UseButton(0, 10, 10, 40, 20, "");
    Load(0);

    QTest::keyClicks(Child("Edit1"), QString(45, u'n'));
    EXPECT_EQ(Slot(0).Name, QByteArray(40, 'n'));
    Child("Edit4")->setText(QString(250, u'p'));
    EXPECT_EQ(Slot(0).Params, QByteArray(200, 'p'));
}
