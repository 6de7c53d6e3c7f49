// A real main window over the stand-in controller, with errors collected instead of shown.
#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <memory>
#include <string>
#include <vector>

#include "qt_app.h"
#include "shell/form_main.h"
#include "stub_events.h"

struct tform_main_fixture {
    std::unique_ptr<Tform_main> form;
    tstub_events* events = nullptr;
    Tform_main::tgraphbox_array boxes;
    std::vector<std::string> errors;

    tform_main_fixture() {
        qt_app();
        form = std::make_unique<Tform_main>();
        form->set_error_reporter([this](const std::string& m) { errors.push_back(m); });
        form->form_create([this](Tform_main&, Tform_main::tgraphbox_array agraphboxes) {
            boxes = std::move(agraphboxes);
            auto stub = std::make_unique<tstub_events>();
            events = stub.get();
            return stub;
        });
    }
    ~tform_main_fixture() { form.reset(); }

    void process() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }
    void press(Qt::Key akey, Qt::KeyboardModifiers amodifiers = Qt::NoModifier, bool arelease = true) {
        QKeyEvent down(QEvent::KeyPress, akey, amodifiers);
        QCoreApplication::sendEvent(form.get(), &down);
        if (!arelease) return;
        QKeyEvent up(QEvent::KeyRelease, akey, amodifiers);
        QCoreApplication::sendEvent(form.get(), &up);
    }
};
