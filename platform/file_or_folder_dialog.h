#pragma once
// The browser for a file or a folder: both are listed and either can be chosen; an edit
// box takes a typed path. A chosen folder is returned as it is.

#include <QFileDialog>
#include <QString>

class FileOrFolderDialog : public QFileDialog {
    Q_OBJECT

public:
    FileOrFolderDialog(QWidget *owner, const QString &title);

    // The chosen path after an accepted run, else empty.
    QString ChosenPath() const { return m_chosen; }

    void accept() override;

private:
    QString m_chosen;
};

// Runs the browser owned by owner (the active window when null): the full path of the
// chosen file or folder, or an empty text when the user cancels.
QString BrowseForFileOrFolder(QWidget *owner, const QString &title);
