#include "shell/dialog_file_pic.h"

#include <QListView>
#include <QPainter>
#include <QTabBar>
#include <QVBoxLayout>

void tpicture_preview::set_file(const QString& apath) {
    fpath = apath;
    fimage = QImage();
    update();
}

void tpicture_preview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (fimage.isNull() && !fpath.isEmpty()) fimage.load(fpath);
    if (fimage.isNull()) return;
    const tsize drawn = picture_fit_size({width(), height()}, {fimage.width(), fimage.height()});
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, drawn.cx, drawn.cy), fimage);
}

Tform_dialog_file_pic::Tform_dialog_file_pic(QWidget* aparent)
    : Tform_dialog_file(aparent, "Select JPG File", {"*.jpg", "*.jpeg"}) {
    ftabs = new QTabBar(this);
    ftabs->addTab("  File  ");
    fpreview = new tpicture_preview(this);
    fpreview->hide();
    fstep1_layout->insertWidget(0, ftabs);
    fstep1_layout->insertWidget(2, fpreview, 1);
    connect(ftabs, &QTabBar::currentChanged, this, &Tform_dialog_file_pic::show_tab);
}

void Tform_dialog_file_pic::file_selected(const QString& apath) {
    Tform_dialog_file::file_selected(apath);
    if (ffilepath.isEmpty()) return;
    if (ftabs->count() == 1) ftabs->addTab("  Content  ");
    ftabs->setCurrentIndex(0);  // every new selection returns to the list
    fpreview->set_file(ffilepath);
}

void Tform_dialog_file_pic::show_tab(int atab) {
    flist->setVisible(atab == 0);
    fpreview->setVisible(atab == 1);
    if (atab == 0) fpreview->set_file(ffilepath.isEmpty() ? QString() : ffilepath);
}
