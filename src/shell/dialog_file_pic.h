// The picture file dialog: the file dialog for "*.jpg;*.jpeg", captioned "Select JPG File". On
// step 1 a tab strip shows "  File  " alone, or "  File  " and "  Content  " once a file is
// selected; the second tab shows the picture scaled into a preview box.
#pragma once

#include <QImage>
#include <QWidget>

#include "controls/picture_fit.h"
#include "shell/dialog_file.h"

class QTabBar;

class tpicture_preview : public QWidget {
public:
    using QWidget::QWidget;
    void set_file(const QString& apath);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString fpath;
    QImage fimage;  // loaded on the first paint
};

class Tform_dialog_file_pic : public Tform_dialog_file {
    Q_OBJECT
public:
    explicit Tform_dialog_file_pic(QWidget* aparent = nullptr);

protected:
    void file_selected(const QString& apath) override;

private:
    void show_tab(int atab);
    QTabBar* ftabs;
    tpicture_preview* fpreview;
};
