#include "shell/qt_platform.h"

#include "shell/pdf_canvas.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "shell/dialog_directory.h"
#include "shell/dialog_file_pic.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "procs/program_folders.h"
#include "procs/velmor_exception.h"
#include "shell/form_main.h"

namespace {

QString qstring(const std::u16string& atext) {
    return QString::fromUtf16(atext.data(), static_cast<qsizetype>(atext.size()));
}

std::u16string u16(const QString& atext) { return atext.toStdU16String(); }

std::string with_slash(std::string afolder) {
    if (afolder.empty() || afolder.back() != '/') afolder += '/';
    return afolder;
}

}  // namespace

tqt_platform::~tqt_platform() = default;

Tform_main& tqt_platform::form(const char* aoperation) {
    if (!fform) throw tvelmor_exception("No main window in %s.%s();", "tqt_platform", aoperation);
    return *fform;
}

void tqt_platform::post_message(uint32_t amsg, int64_t awparam, int64_t alparam) {
    form("post_message").post_private(amsg, awparam, alparam);
}

void tqt_platform::process_messages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

int32_t tqt_platform::start_timer(int32_t ainterval_ms, std::function<void()> acallback) {
    int32_t id = fnext_timer++;
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(ainterval_ms);
    Tform_main* form = fform;
    QObject::connect(timer.get(), &QTimer::timeout, [form, callback = std::move(acallback)] {
        form->guarded(callback);
    });
    timer->start();
    ftimers[id] = std::move(timer);
    return id;
}

void tqt_platform::stop_timer(int32_t aid) {
    auto it = ftimers.find(aid);
    if (it == ftimers.end()) return;
    // A timer may stop itself from its own callback: let Qt free it once that has returned.
    it->second->stop();
    it->second.release()->deleteLater();
    ftimers.erase(it);
}

tsize tqt_platform::get_main_clientsize() { return {form("get_main_clientsize").width(), form("get_main_clientsize").height()}; }

void tqt_platform::set_main_clientsize(int32_t awidth, int32_t aheight) { form("set_main_clientsize").resize(awidth, aheight); }

void tqt_platform::close_main_window() { form("close_main_window").close(); }

trect tqt_platform::get_workarea() {
    QScreen* screen = fform && fform->screen() ? fform->screen() : QGuiApplication::primaryScreen();
    QRect r = screen->availableGeometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

tsize tqt_platform::get_screen_size() {
    QScreen* screen = fform && fform->screen() ? fform->screen() : QGuiApplication::primaryScreen();
    return {screen->geometry().width(), screen->geometry().height()};
}

std::string tqt_platform::get_program_folder() { return with_slash(tprogram_folders::get_program_folder()); }

std::string tqt_platform::get_programdata_folder() {
    return with_slash(tprogram_folders::get_program_data_folder());
}

bool tqt_platform::get_capslock() { return fform && fform->get_capslock(); }

void tqt_platform::set_modal_answers(tmessage_box_answer amessage_box, tpath_answer apath) {
    fmessage_box_answer = std::move(amessage_box);
    fpath_answer = std::move(apath);
}

tmsgbox_result tqt_platform::message_box(const std::u16string& atext, const std::u16string& acaption,
                                         tmsgbox_buttons abuttons, tmsgbox_icon aicon) {
    if (fmessage_box_answer) return fmessage_box_answer(atext, acaption, abuttons);
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (abuttons == tmsgbox_buttons::ok_cancel) buttons = QMessageBox::Ok | QMessageBox::Cancel;
    if (abuttons == tmsgbox_buttons::yes_no) buttons = QMessageBox::Yes | QMessageBox::No;
    if (abuttons == tmsgbox_buttons::yes_no_cancel) buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (aicon == tmsgbox_icon::information) icon = QMessageBox::Information;
    if (aicon == tmsgbox_icon::warning) icon = QMessageBox::Warning;
    if (aicon == tmsgbox_icon::error) icon = QMessageBox::Critical;
    if (aicon == tmsgbox_icon::question) icon = QMessageBox::Question;
    QMessageBox box(icon, qstring(acaption), qstring(atext), buttons, fform);
    switch (box.exec()) {
        case QMessageBox::Ok: return tmsgbox_result::ok;
        case QMessageBox::Yes: return tmsgbox_result::yes;
        case QMessageBox::No: return tmsgbox_result::no;
        case QMessageBox::Cancel: return tmsgbox_result::cancel;
        default: return tmsgbox_result::none;
    }
}

namespace {

// "Backups (*.fbk *.gbk)" -> {"*.fbk", "*.gbk"}; no pattern: every file.
QStringList file_masks(const QString& afilter) {
    const int open = afilter.indexOf('('), close = afilter.lastIndexOf(')');
    if (open < 0 || close < open) return {};
    return afilter.mid(open + 1, close - open - 1).split(QRegularExpression("[ ;]"), Qt::SkipEmptyParts);
}

}  // namespace

bool tqt_platform::select_folder(std::u16string& afolder, const std::u16string& acaption) {
    std::optional<std::u16string> chosen;
    if (fpath_answer) {
        chosen = fpath_answer(acaption);
    } else {
        Tform_dialog_directory dialog(fform);
        dialog.setWindowTitle(qstring(acaption));
        dialog.set_directory(qstring(afolder));
        if (dialog.exec() == QDialog::Accepted && !dialog.directory().isEmpty()) chosen = u16(dialog.directory());
    }
    if (!chosen) return false;
    afolder = *chosen;
    return true;
}

bool tqt_platform::select_file(std::u16string& afilename, const std::u16string& acaption,
                               const std::u16string& afilter, bool as_save) {
    std::optional<std::u16string> chosen;
    if (fpath_answer) {
        chosen = fpath_answer(acaption);
    } else {
        // Choosing a file to write keeps the platform's own dialog; choosing one to read goes
        // through the two-step dialogs (the picture dialog for JPEG files).
        QString file;
        if (as_save) {
            file = QFileDialog::getSaveFileName(fform, qstring(acaption), qstring(afilename), qstring(afilter));
        } else {
            const QString filter = qstring(afilter);
            std::unique_ptr<Tform_dialog_file> dialog;
            if (filter.contains("*.jpg")) dialog = std::make_unique<Tform_dialog_file_pic>(fform);
            else dialog = std::make_unique<Tform_dialog_file>(fform, qstring(acaption), file_masks(filter));
            dialog->set_directory(QFileInfo(qstring(afilename)).path());
            if (dialog->exec() == QDialog::Accepted) file = dialog->filename();
        }
        if (!file.isEmpty()) chosen = u16(file);
    }
    if (!chosen) return false;
    afilename = *chosen;
    return true;
}

void tqt_platform::write_pdf_a4(const std::string& afilename, int32_t apage_count,
                                const std::function<void(tcanvas&, tsize, int32_t)>& adraw_page) {
    tpdf_writer::write_a4(afilename, apage_count, adraw_page);
}
