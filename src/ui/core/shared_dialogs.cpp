#include "ui/core/shared_dialogs.h"

#include "platform/picture_loader.h"
#include "ui/core/color_convert.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>

namespace {

// When a modal box closes, a window manager activates whichever window it
// likes (often the main one). The focus goes back to the control that raised
// the box, in its own window.
class FocusReturn {
public:
    FocusReturn() : m_control(QApplication::focusWidget()) {}
    ~FocusReturn()
    {
        if (!m_control || !m_control->isVisible())
            return;
        m_control->activateWindow();
        m_control->setFocus(Qt::OtherFocusReason);
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_control;
};

} // namespace

std::optional<QString> SharedDialogs::ExecuteOpenFile(QWidget* parent)
{
    return ExecuteFileDialog(parent, m_openFile, false);
}

std::optional<QString> SharedDialogs::ExecuteSaveFile(QWidget* parent, const OpenFileRequest& request)
{
    return ExecuteFileDialog(parent, request, true);
}

std::optional<QString> SharedDialogs::ExecuteFileDialog(QWidget* parent, const OpenFileRequest& request, bool save)
{
    if (m_fileAnswerer)
        return m_fileAnswerer(request);
    const FocusReturn focus;
    QFileDialog dialog(parent, request.Title, request.InitialDir);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(ToQtFilters(request.Filter));
    dialog.setDefaultSuffix(request.DefaultExt);
    if (!request.FileName.isEmpty())
        dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<uint32_t> SharedDialogs::ExecuteColor(QWidget* parent, uint32_t initial)
{
    if (m_colorAnswerer)
        return m_colorAnswerer(initial);
    const FocusReturn focus;
    const QColor chosen = QColorDialog::getColor(ColorToQColor(initial), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return QColorToColor(chosen);
}

QMessageBox::StandardButton SharedDialogs::Ask(QWidget* parent, const QString& text, const QString& caption,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton,
                                               const std::map<QMessageBox::StandardButton, QString>& labels)
{
    if (m_questionAnswerer)
        return m_questionAnswerer(text, caption, buttons);
    const FocusReturn focus;
    QMessageBox box(QMessageBox::Question, caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    for (const auto& [button, label] : labels)
        box.button(button)->setText(label);
    const int answer = box.exec();
    return answer == 0 ? QMessageBox::Cancel : QMessageBox::StandardButton(answer);
}

void SharedDialogs::ShowError(QWidget* parent, const QString& text, const QString& caption)
{
    if (m_errorListener) {
        m_errorListener(text, caption);
        return;
    }
    const FocusReturn focus;
    QMessageBox::critical(parent, caption, text);
}

void SharedDialogs::ShowInformation(QWidget* parent, const QString& text, const QString& caption)
{
    if (m_informationListener) {
        m_informationListener(text, caption);
        return;
    }
    QMessageBox::information(parent, caption, text);
}

std::optional<QString> SharedDialogs::ExecuteFolder(QWidget* parent, const QString& title, const QString& startFolder)
{
    if (m_folderAnswerer)
        return m_folderAnswerer(title, startFolder);
    const QString start = QFileInfo(startFolder).isDir() ? startFolder : QDir::homePath();
    const QString folder = QFileDialog::getExistingDirectory(parent, title, start);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<QSize> SharedDialogs::ExecuteSize(QWidget* parent, const QString& title, const QSize& proposed)
{
    if (m_sizeAnswerer)
        return m_sizeAnswerer(title, proposed);
    const FocusReturn focus;
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* form = new QFormLayout(&dialog);
    auto spin = [&](int value) {
        auto* box = new QSpinBox(&dialog);
        box->setRange(1, PictureLoader::MaxSide);
        box->setValue(value);
        return box;
    };
    QSpinBox* width = spin(proposed.width());
    QSpinBox* height = spin(proposed.height());
    width->setObjectName(QStringLiteral("SizeX"));
    height->setObjectName(QStringLiteral("SizeY"));
    form->addRow(QStringLiteral("Width (SizeX):"), width);
    form->addRow(QStringLiteral("Height (SizeY):"), height);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return QSize(width->value(), height->value());
}

QStringList SharedDialogs::ToQtFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';');
        // "*.*" means every file on the player's platform; Qt would hide names without a dot.
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(u' '));
    }
    return filters;
}
