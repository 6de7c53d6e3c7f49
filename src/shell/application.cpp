#include "shell/application.h"

#include <exception>

#include "shell/fonts.h"
#include "shell/form_main.h"

tapplication::tapplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("velmor_accounts");
    tshell_fonts::register_fonts();
}

bool tapplication::notify(QObject* areceiver, QEvent* aevent) {
    bool result = false;
    try {
        result = QApplication::notify(areceiver, aevent);
    } catch (const std::exception& e) {
        if (Tform_main* form = Tform_main::current()) form->report_error(e.what());
    }
    if (Tform_main* form = Tform_main::current()) form->after_window_message();
    return result;
}
