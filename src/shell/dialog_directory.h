// The folder dialog: a modal window with a drive list (the mounted file systems), a folder tree
// under the chosen drive and the chosen folder under "Folder :"; OK and Cancel. Keyboard: the
// tree has the focus (arrows, Enter is OK), Esc closes without a choice.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QTreeView;

class Tform_dialog_directory : public QDialog {
    Q_OBJECT
public:
    explicit Tform_dialog_directory(QWidget* aparent = nullptr);
    // Set before showing; after OK, the chosen folder.
    void set_directory(const QString& adirectory);
    QString directory() const { return fdirectory; }

protected:
    // The drive list and folder tree of both dialogs.
    QComboBox* fdrives;
    QTreeView* ftree;
    QFileSystemModel* ffolders;
    QLabel* flabel_folder;
    QString fdirectory;
    void build_folder_widgets();
    void show_drive(const QString& aroot);

private:
    void folder_chosen(const QString& afolder);
};
