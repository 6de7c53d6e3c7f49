#include "shell/dialog_file.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>

Tform_dialog_file::Tform_dialog_file(QWidget* aparent, const QString& acaption, const QStringList& amask)
    : Tform_dialog_directory(aparent) {
    setWindowTitle(acaption);
    // The directory dialog's layout is replaced by the two steps.
    delete layout();
    auto* step0 = new QWidget(this);
    auto* layout0 = new QVBoxLayout(step0);
    layout0->setContentsMargins(0, 0, 0, 0);
    layout0->addWidget(fdrives);
    layout0->addWidget(ftree, 1);
    layout0->addWidget(flabel_folder);
    auto* step1 = new QWidget(this);
    fstep1_layout = new QVBoxLayout(step1);
    fstep1_layout->setContentsMargins(0, 0, 0, 0);
    ffiles = new QFileSystemModel(this);
    ffiles->setFilter(QDir::Files);
    ffiles->setNameFilters(amask);
    ffiles->setNameFilterDisables(false);
    flist = new QListView(step1);
    flist->setModel(ffiles);
    flabel_file = new QLabel("File :", step1);
    fstep1_layout->addWidget(flist, 1);
    fstep1_layout->addWidget(flabel_file);
    fsteps = new QStackedWidget(this);
    fsteps->addWidget(step0);
    fsteps->addWidget(step1);
    fcancel_back = new QPushButton("Cancel", this);
    fnext_ok = new QPushButton("Next", this);
    fnext_ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(fcancel_back);
    buttons->addWidget(fnext_ok);
    auto* main = new QVBoxLayout(this);
    main->addWidget(fsteps, 1);
    main->addLayout(buttons);
    connect(fcancel_back, &QPushButton::clicked, this, [this] { fstep == 0 ? reject() : go_step(0); });
    connect(fnext_ok, &QPushButton::clicked, this, [this] { fstep == 0 ? go_step(1) : accept(); });
    connect(flist->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& acurrent) { file_selected(ffiles->filePath(acurrent)); });
    connect(flist, &QListView::activated, this, [this] {
        if (!ffilepath.isEmpty()) accept();
    });
}

void Tform_dialog_file::go_step(int astep) {
    fstep = astep;
    fsteps->setCurrentIndex(astep);
    ffilepath.clear();
    ffilename.clear();
    flabel_file->setText("File :");
    if (astep == 1) {
        flist->setRootIndex(ffiles->setRootPath(fdirectory));
        flist->setFocus();
        fcancel_back->setText("Back");
        fnext_ok->setText("Ok");
        fnext_ok->setEnabled(false);
    } else {
        flist->setRootIndex(ffiles->setRootPath(QString()));  // the file list is cleared
        ftree->setFocus();
        fcancel_back->setText("Cancel");
        fnext_ok->setText("Next");
        fnext_ok->setEnabled(true);
    }
}

void Tform_dialog_file::file_selected(const QString& apath) {
    if (apath.isEmpty() || QFileInfo(apath).isDir()) return;
    ffilepath = apath;
    ffilename = QFileInfo(apath).fileName();
    flabel_file->setText("File : " + ffilename);
    fnext_ok->setEnabled(true);
}
