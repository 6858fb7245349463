#include "platform/file_or_folder_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

FileOrFolderDialog::FileOrFolderDialog(QWidget *owner, const QString &title)
    : QFileDialog(owner, title)
{
    // The widget-based dialog lists files and folders together and lets accept() decide.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::AnyFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setLabelText(QFileDialog::Accept, QStringLiteral("确定"));
    setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    setLabelText(QFileDialog::LookIn, QStringLiteral("位置："));
    setLabelText(QFileDialog::FileName, QStringLiteral("文件或文件夹："));
    setLabelText(QFileDialog::FileType, QStringLiteral("类型："));
}

void FileOrFolderDialog::accept()
{
    // The base dialog would enter a chosen folder instead of returning it.
    const QStringList selected = selectedFiles();
    const QString path = selected.isEmpty() ? QString() : selected.first();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    m_chosen = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QDialog::accept();
}

QString BrowseForFileOrFolder(QWidget *owner, const QString &title)
{
    if (!owner)
        owner = QApplication::activeWindow();
    FileOrFolderDialog dialog(owner, title);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.ChosenPath();
}
