#include "shell/graphbox_panel.h"

#include "shell/orv_panel.h"

tcanvas* tgraphbox_panel::get_canvas() { return &fpanel->canvas(); }

trect tgraphbox_panel::get_clientrect() { return {0, 0, fpanel->width(), fpanel->height()}; }

// Whether the panel itself is set visible, whatever its parent's state (as a hidden window's
// panels still answer that they are visible).
bool tgraphbox_panel::get_visible() { return !fpanel->isHidden(); }

void tgraphbox_panel::set_visible(bool avalue) { fpanel->setVisible(avalue); }

int64_t tgraphbox_panel::get_windowhandle() { return static_cast<int64_t>(fpanel->tag()); }

void tgraphbox_panel::invalidate() { fpanel->invalidate_all(); }

void tgraphbox_panel::invalidate_rect(const trect& arect) {
    fpanel->invalidate_area(QRect(arect.left, arect.top, arect.width(), arect.height()));
}

void tgraphbox_panel::setbounds(bool& asize_changed, const trect& avalue) {
    asize_changed = avalue.width() != fpanel->width() || avalue.height() != fpanel->height();
    fpanel->setGeometry(avalue.left, avalue.top, avalue.width(), avalue.height());
}

void tgraphbox_panel::post_resize() { fpanel->post_resize(); }

int32_t tgraphbox_panel::get_tag() { return fpanel->tag(); }
