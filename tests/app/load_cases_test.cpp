// Each tests/data/load/NAME.ini loads into what NAME.expect.json lists: only the
// fields named there are compared; "Log" lists lines that must appear in order.
#include "app/tool_project_json.h"
#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_loader.h"
#include "platform/file_names.h"
#include "platform/vyx_error.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString CasesFolder() { return QStringLiteral(VYX_OWN_TESTDATA "/load"); }

void ExpectSubsequence(const QJsonArray& expected, const QJsonArray& actual, const QString& where)
{
    int next = 0;
    for (const QJsonValue& line : expected) {
        while (next < actual.size() && actual[next] != line)
            ++next;
        EXPECT_LT(next, actual.size()) << where.toStdString() << ": missing line " << line.toString().toStdString();
        ++next;
    }
}

void ExpectMatches(const QJsonValue& expected, const QJsonValue& actual, const QString& where)
{
    if (expected.isObject() && actual.isObject()) {
        const QJsonObject e = expected.toObject();
        const QJsonObject a = actual.toObject();
        for (auto it = e.begin(); it != e.end(); ++it) {
            ASSERT_TRUE(a.contains(it.key())) << (where + "." + it.key()).toStdString();
            if (it.key() == QLatin1String("Log"))
                ExpectSubsequence(it.value().toArray(), a.value(it.key()).toArray(), where + ".Log");
            else
                ExpectMatches(it.value(), a.value(it.key()), where + "." + it.key());
        }
        return;
    }
    if (expected.isArray() && actual.isArray()) {
        const QJsonArray e = expected.toArray();
        const QJsonArray a = actual.toArray();
        ASSERT_EQ(e.size(), a.size()) << where.toStdString();
        for (int i = 0; i < e.size(); ++i)
            ExpectMatches(e[i], a[i], where + QStringLiteral("[%1]").arg(i));
        return;
    }
    EXPECT_EQ(expected.toVariant(), actual.toVariant())
        << where.toStdString() << ": expected " << QJsonDocument(QJsonArray{expected}).toJson().toStdString()
        << " got " << QJsonDocument(QJsonArray{actual}).toJson().toStdString();
}

QJsonObject LoadAsJson(const QString& iniPath)
{
    auto project = std::make_unique<MenuProject>();
    LoggingProjectView view;
    QString error;
    const QString before = CurrentFolder();
    try {
        LoadProject(*project, iniPath, view);
    } catch (const VyxError& e) {
        error = e.Message();
    }
    SetCurrentFolder(before);
    return ProjectToJson(*project, view.Log(), error);
}

class LoadCase : public ::testing::TestWithParam<QString> {};

TEST_P(LoadCase, LoadsIntoTheListedValues)
{
    const QString name = GetParam();
    QFile expectFile(CasesFolder() + "/" + name + ".expect.json");
    ASSERT_TRUE(expectFile.open(QIODevice::ReadOnly)) << name.toStdString();
    QJsonParseError parseError;
    const QJsonDocument expected = QJsonDocument::fromJson(expectFile.readAll(), &parseError);
    ASSERT_EQ(parseError.error, QJsonParseError::NoError) << parseError.errorString().toStdString();
    ExpectMatches(expected.object(), LoadAsJson(CasesFolder() + "/" + name + ".ini"), name);
}

std::vector<QString> CaseNames()
{
    std::vector<QString> names;
    for (const QString& file : QDir(CasesFolder()).entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name))
        names.push_back(file.chopped(4));
    return names;
}

INSTANTIATE_TEST_SUITE_P(Files, LoadCase, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<QString>& info) { return info.param.toStdString(); });

TEST(LoadCases, FolderHoldsCases) { EXPECT_GE(CaseNames().size(), 10u); }

} // namespace
