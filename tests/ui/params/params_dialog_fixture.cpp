#include "ui/params/params_dialog_fixture.h"

#include <QTabWidget>
#include <QTest>

const QByteArray ParamsDialogFixture::Menu =
    "[MAIN]\r\nProgram=Demo\r\nCompany=ACME\r\nSizeX=320\r\nSizeY=200\r\nIconFile=menu.ico\r\n"
    "ScrollStart=3\r\nScrollStartSpeed=2\r\nScrollEnd=0\r\nScrollEndSpeed=4\r\n"
    "[TextInfo]\r\nDefaultFile=help\\default.rtf\r\n"
    "[Button#0]\r\nName=One\r\nAction=RUN\r\nLeft=10\r\ntop=10\r\nWidth=40\r\nHeight=20\r\n";

ParamsDialogFixture::ParamsDialogFixture()
{
    Shared().SetErrorListener(
        [this](const QString& text, const QString& caption) { m_boxes << caption + ": " + text; });
}

void ParamsDialogFixture::Start(const QByteArray& ini)
{
    m_dir.Write("launcher.ini", ini);
    m_session.Start(m_dir.File("launcher.ini"));
}

void ParamsDialogFixture::Open(int page)
{
    Dialog().FillParamsDialog();
    Dialog().findChild<QTabWidget*>("PageControl1")->setCurrentIndex(page);
    Dialog().show();
    Dialog().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Dialog()));
}

void ParamsDialogFixture::Click(const char* name) { QTest::mouseClick(Child<QAbstractButton>(name), Qt::LeftButton); }

void ParamsDialogFixture::Retype(const char* name, const QString& text)
{
    QLineEdit* edit = Child(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void ParamsDialogFixture::Leave(const char* name)
{
    Child(name)->setFocus();
    Child<QWidget>("HideBorderCheck")->setFocus();
}

void ParamsDialogFixture::Answer(std::optional<QString> chosen)
{
    Shared().SetFileAnswerer([this, chosen](const OpenFileRequest& request) {
        m_requests << request;
        return chosen;
    });
}
