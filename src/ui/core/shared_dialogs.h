#pragma once
#include <QMessageBox>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

class QWidget;

// The open-file dialog shared by every picker. Title, filter and starting folder
// stay set between uses, as pickers rely on. The filter is "desc|pattern|..."
// with patterns separated by ";".
struct OpenFileRequest {
    QString Title;
    QString Filter;
    QString InitialDir;
    QString FileName;   // proposed in the name box; empty: none
    QString DefaultExt; // added to a typed name without one, e.g. "exe"
};

// The dialogs every window shares. Tests install answerers instead of real dialogs.
class SharedDialogs {
public:
    using FileAnswerer = std::function<std::optional<QString>(const OpenFileRequest&)>;
    using ColorAnswerer = std::function<std::optional<uint32_t>(uint32_t initial)>;
    using QuestionAnswerer = std::function<QMessageBox::StandardButton(
        const QString& text, const QString& caption, QMessageBox::StandardButtons buttons)>;
    using ErrorListener = std::function<void(const QString& text, const QString& caption)>;
    using FolderAnswerer = std::function<std::optional<QString>(const QString& title, const QString& startFolder)>;
    using SizeAnswerer = std::function<std::optional<QSize>(const QString& title, const QSize& proposed)>;

    OpenFileRequest& OpenFile() { return m_openFile; }
    // Runs the open-file dialog; nullopt when cancelled.
    std::optional<QString> ExecuteOpenFile(QWidget* parent);
    // The save-file dialog for a request of its own (the open-file request keeps
    // its settings), which asks before replacing a file; tests answer it as the
    // open-file dialog. Nullopt when cancelled.
    std::optional<QString> ExecuteSaveFile(QWidget* parent, const OpenFileRequest& request);
    // The colour dialog preset to `initial` (a 0x00BBGGRR or system colour).
    std::optional<uint32_t> ExecuteColor(QWidget* parent, uint32_t initial);
    // `defaultButton` is the one Enter presses; NoButton leaves the choice to Qt.
    // `labels` renames buttons whose standard text would not say what they do.
    QMessageBox::StandardButton Ask(QWidget* parent, const QString& text, const QString& caption,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                    const std::map<QMessageBox::StandardButton, QString>& labels = {});
    void ShowError(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("Error"));
    // An information box with an OK button.
    void ShowInformation(QWidget* parent, const QString& text, const QString& caption);
    // The folder-browse dialog (folders only), starting in `startFolder` (the
    // home folder when it is empty or missing); nullopt when cancelled.
    std::optional<QString> ExecuteFolder(QWidget* parent, const QString& title, const QString& startFolder);

    void SetFileAnswerer(FileAnswerer answerer) { m_fileAnswerer = std::move(answerer); }
    void SetColorAnswerer(ColorAnswerer answerer) { m_colorAnswerer = std::move(answerer); }
    void SetQuestionAnswerer(QuestionAnswerer answerer) { m_questionAnswerer = std::move(answerer); }
    // Asks for a menu's width and height (1 .. 16384 each), `proposed` filled in;
    // nullopt when cancelled.
    std::optional<QSize> ExecuteSize(QWidget* parent, const QString& title, const QSize& proposed);

    void SetErrorListener(ErrorListener listener) { m_errorListener = std::move(listener); }
    void SetInformationListener(ErrorListener listener) { m_informationListener = std::move(listener); }
    void SetFolderAnswerer(FolderAnswerer answerer) { m_folderAnswerer = std::move(answerer); }
    void SetSizeAnswerer(SizeAnswerer answerer) { m_sizeAnswerer = std::move(answerer); }

    // "desc|*.a;*.b|All|*.*" as Qt's name filters.
    static QStringList ToQtFilters(const QString& filter);

private:
    std::optional<QString> ExecuteFileDialog(QWidget* parent, const OpenFileRequest& request, bool save);

    OpenFileRequest m_openFile;
    FileAnswerer m_fileAnswerer;
    ColorAnswerer m_colorAnswerer;
    QuestionAnswerer m_questionAnswerer;
    ErrorListener m_errorListener;
    ErrorListener m_informationListener;
    FolderAnswerer m_folderAnswerer;
    SizeAnswerer m_sizeAnswerer;
};
