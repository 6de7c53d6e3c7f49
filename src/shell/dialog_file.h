// The file dialog, in two steps. Step 0: the drive list and folder tree, the chosen folder
// under "Folder :"; Cancel and Next. Step 1: the files of that folder matching the mask, the
// chosen file under "File :"; Back and Ok, Ok enabled once a file is selected. Esc closes
// without a choice.
#pragma once

#include <QStringList>

#include "shell/dialog_directory.h"

class QLabel;
class QListView;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

class Tform_dialog_file : public Tform_dialog_directory {
    Q_OBJECT
public:
    explicit Tform_dialog_file(QWidget* aparent = nullptr, const QString& acaption = "Select Folder",
                               const QStringList& amask = {});
    QString filename() const { return ffilepath; }
    int step() const { return fstep; }
    void go_step(int astep);

protected:
    virtual void file_selected(const QString& apath);
    // Where a subclass puts what it shows beside the file list on step 1.
    QVBoxLayout* fstep1_layout;
    QListView* flist;
    QString ffilepath;
    QString ffilename;

private:
    QFileSystemModel* ffiles;
    QStackedWidget* fsteps;
    QLabel* flabel_file;
    QPushButton* fcancel_back;
    QPushButton* fnext_ok;
    int fstep = 0;
};
