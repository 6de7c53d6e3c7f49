#include "pages/page_form.h"

#include "pages/handlermodule_generic.h"

void tform_page_generic::load_handler(Thandlermodule_generic&, tplatform*) const {
    throw tvelmor_exception("%s.load_handler(); not implemented.", class_name());
}

void tform_page_generic::create_handler(tpage_controller_generic*, tgraphbox_generic*, bool) const {
    throw tvelmor_exception("%s.create_handler(); not implemented.", class_name());
}

void Tform_page2::load_handler(Thandlermodule_generic& avelmor_handler, tplatform* aform) const {
    create_components(avelmor_handler);
    if (aform) aform->set_main_clientsize(fclient_width, fclient_height);
}

void Tform_page2::create_components(imodule_controls_build& amodule_controls) const {
    amodule_controls.finish_adds(1);
    amodule_controls.finish_adds(2);
}
