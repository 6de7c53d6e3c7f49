#include "shell/dialog_directory.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

Tform_dialog_directory::Tform_dialog_directory(QWidget* aparent)
    : QDialog(aparent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle("Select Folder");
    build_folder_widgets();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fdrives);
    layout->addWidget(ftree, 1);
    layout->addWidget(flabel_folder);
    layout->addWidget(buttons);
    connect(ftree, &QTreeView::activated, this, [this] { accept(); });
    resize(460, 520);
}

void Tform_dialog_directory::build_folder_widgets() {
    fdrives = new QComboBox(this);
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady()) fdrives->addItem(volume.rootPath());
    if (fdrives->findText("/") < 0) fdrives->insertItem(0, "/");
    ffolders = new QFileSystemModel(this);
    ffolders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    ffolders->setRootPath("/");
    ftree = new QTreeView(this);
    ftree->setModel(ffolders);
    for (int column = 1; column < ffolders->columnCount(); ++column) ftree->hideColumn(column);
    ftree->header()->hide();
    flabel_folder = new QLabel("Folder :", this);
    connect(fdrives, &QComboBox::textActivated, this, &Tform_dialog_directory::show_drive);
    connect(ftree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& acurrent) { folder_chosen(ffolders->filePath(acurrent)); });
}

void Tform_dialog_directory::show_drive(const QString& aroot) {
    ftree->setRootIndex(ffolders->index(aroot));
    folder_chosen(aroot);
}

void Tform_dialog_directory::folder_chosen(const QString& afolder) {
    fdirectory = afolder;
    QString shown = afolder;
    if (!shown.endsWith('/')) shown += '/';
    flabel_folder->setText("Folder : " + shown);
}

// Opens the tree on the given folder (or the nearest one that exists) under its drive.
void Tform_dialog_directory::set_directory(const QString& adirectory) {
    QString folder = adirectory;
    while (!folder.isEmpty() && !QDir(folder).exists()) folder = QFileInfo(QDir::cleanPath(folder)).path();
    if (folder.isEmpty()) folder = QDir::homePath();
    QString drive = "/";
    for (int i = 0; i < fdrives->count(); ++i)
        if (folder.startsWith(fdrives->itemText(i)) && fdrives->itemText(i).size() > drive.size())
            drive = fdrives->itemText(i);
    fdrives->setCurrentText(drive);
    ftree->setRootIndex(ffolders->index(drive));
    const QModelIndex index = ffolders->index(QDir::cleanPath(folder));
    ftree->setCurrentIndex(index);
    ftree->scrollTo(index);
    ftree->setFocus();
    // A folder still to be made (the proposed one) stays the answer until another is chosen.
    folder_chosen(QDir::cleanPath(adirectory.isEmpty() ? folder : adirectory));
}
