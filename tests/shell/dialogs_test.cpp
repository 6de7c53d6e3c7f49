#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QTreeView>
#include <QTemporaryDir>
#include <QTimer>

#include "qt_app.h"
#include "shell/dialog_directory.h"
#include "shell/dialog_file_pic.h"

namespace {

// Runs adialog modally and, once it shows, acts on it through aact (keys as a user presses them).
// A dialog left open is closed after five seconds so that a fault cannot hang the suite; the
// result then is "rejected" (the checks on it fail).
int run_modal(QDialog& adialog, const std::function<void()>& aact) {
    QTimer::singleShot(0, &adialog, aact);
    QTimer::singleShot(5000, &adialog, [&adialog] { adialog.done(-1); });
    return adialog.exec();
}

void press(QWidget* awidget, Qt::Key akey) {
    QKeyEvent down(QEvent::KeyPress, akey, Qt::NoModifier);
    QCoreApplication::sendEvent(awidget, &down);
    QKeyEvent up(QEvent::KeyRelease, akey, Qt::NoModifier);
    QCoreApplication::sendEvent(awidget, &up);
}

}  // namespace

TEST(PictureFit, KeepsProportionsFromTheTopLeftAndTruncatesBeforeAddingOne) {
    struct tcase {
        tsize box, picture, drawn;
    };
    const tcase cases[] = {
        {{400, 300}, {800, 400}, {400, 201}},   // wide picture: sx 0.5 < sy 0.75, height 400 x 0.5 + 1
        {{400, 300}, {300, 600}, {151, 300}},   // tall picture: sx 1.33 >= sy 0.5, width 300 x 0.5 + 1
        {{400, 300}, {400, 300}, {401, 300}},   // same proportions: sx = sy, the width branch
        {{400, 300}, {100, 50}, {400, 201}},    // a small picture is enlarged
        {{333, 100}, {1000, 700}, {143, 100}},  // 1000 x 0.142857 = 142.857, truncated: 142 + 1
        {{400, 300}, {0, 50}, {0, 0}},          // no picture: nothing drawn
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(std::to_string(c.picture.cx) + " x " + std::to_string(c.picture.cy));
        const tsize drawn = picture_fit_size(c.box, c.picture);
        EXPECT_EQ(c.drawn.cx, drawn.cx);
        EXPECT_EQ(c.drawn.cy, drawn.cy);
    }
}

TEST(Dialogs, TheFolderDialogAnswersTheFolderOnEnterAndNothingOnEsc) {
    qt_app();
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("données/sub"));
    Tform_dialog_directory dialog;
    EXPECT_EQ("Select Folder", dialog.windowTitle());
    dialog.set_directory(root.path() + "/données");
    EXPECT_EQ(root.path() + "/données", dialog.directory());
    EXPECT_EQ(QDialog::Accepted, run_modal(dialog, [&] { press(dialog.findChild<QTreeView*>(), Qt::Key_Return); }));
    EXPECT_EQ(root.path() + "/données", dialog.directory());

    Tform_dialog_directory escaped;
    escaped.set_directory(root.path());
    EXPECT_EQ(QDialog::Rejected, run_modal(escaped, [&] { press(&escaped, Qt::Key_Escape); }));

    // A folder still to be made is the answer until the user picks another.
    Tform_dialog_directory proposed;
    proposed.set_directory(root.path() + "/new_folder/");
    EXPECT_EQ(QDir::cleanPath(root.path() + "/new_folder/"), proposed.directory());
}

TEST(Dialogs, TheFileDialogGoesFromTheFolderToItsFilesAndOkWaitsForAFile) {
    qt_app();
    QTemporaryDir root;
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(root.path() + "/site.jpg", "JPG"));
    Tform_dialog_file_pic dialog;
    EXPECT_EQ("Select JPG File", dialog.windowTitle());
    dialog.set_directory(root.path());
    int result = run_modal(dialog, [&] {
        dialog.go_step(1);
        EXPECT_EQ(1, dialog.step());
        EXPECT_TRUE(dialog.filename().isEmpty());
        // The list fills in the background; the file is chosen once it is there.
        auto* list = dialog.findChild<QListView*>();
        QTimer::singleShot(300, &dialog, [&dialog, list] {
            list->setCurrentIndex(list->model()->index(0, 0, list->rootIndex()));
            press(list, Qt::Key_Return);
        });
    });
    EXPECT_EQ(QDialog::Accepted, result);
    EXPECT_EQ(root.path() + "/site.jpg", dialog.filename());
}
