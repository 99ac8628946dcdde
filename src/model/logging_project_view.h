#pragma once
#include "model/project_view.h"

#include <QStringList>

// A project view with no windows: keeps the status log and what was asked of
// the windows, for the headless tool and for tests.
class LoggingProjectView : public ProjectView {
public:
    void SetStatus(const QString& text) override
    {
        m_status = text;
        m_statuses << text;
    }
    void AddLine(const QString& text) override { m_log << text; }
    void AddWarning(const QString& text) override
    {
        m_warningsShown = true;
        m_log << QStringLiteral("! ") + text;
    }
    void ClearLog() override
    {
        m_log.clear();
        m_statuses.clear();
    }
    void ShowStatus() override { m_statusVisible = true; }
    void HideStatus() override { m_statusVisible = false; }
    void CloseStatus() override
    {
        m_statusVisible = false;
        m_warningsShown = false;
    }
    bool WarningsShown() const override { return m_warningsShown; }

    void SetApplicationTitle(const QString& title) override { m_applicationTitle = title; }
    void SetWindowCaption(const QString& caption) override { m_caption = caption; }
    void SetDesignSize(int sizeX, int sizeY) override { m_designSize = {sizeX, sizeY}; }
    void ProjectFlagsChanged() override {}
    void TextInfoLoaded() override {}
    void RedrawCanvas() override { ++m_redraws; }
    void RefreshButtonListIfShown() override {}
    void FillPointList() override {}
    void ButtonsSorted(const SlotMap& moved) override { m_lastSort = moved; }

    const QStringList& Log() const { return m_log; }
    QString Status() const { return m_status; }
    // Every status since the log was last emptied, in order.
    const QStringList& Statuses() const { return m_statuses; }
    bool StatusVisible() const { return m_statusVisible; }
    QString ApplicationTitle() const { return m_applicationTitle; }
    QString Caption() const { return m_caption; }
    std::pair<int, int> DesignSize() const { return m_designSize; }
    int Redraws() const { return m_redraws; }
    const SlotMap& LastSort() const { return m_lastSort; }

private:
    QStringList m_log;
    QString m_status;
    QStringList m_statuses;
    bool m_statusVisible = false;
    bool m_warningsShown = false;
    QString m_applicationTitle;
    QString m_caption;
    std::pair<int, int> m_designSize{0, 0};
    int m_redraws = 0;
    SlotMap m_lastSort{};
};
