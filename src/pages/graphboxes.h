// The four surface adapters of the main window, indexed by slot; owns them.
#pragma once

#include <array>
#include <memory>

#include "controls/surface.h"
#include "pages/page_types.h"

class tgraphboxes : public tvelmor_object {
public:
    const char* class_name() const override { return "tgraphboxes"; }

    // Raises when the slot is already filled.
    void add(thandler_type aindex, std::unique_ptr<tgraphbox_generic> agraphbox);
    // Nullptr for an empty slot.
    tgraphbox_generic* get_graphbox(thandler_type aindex) const { return fgraphboxes[aindex].get(); }
    tcanvas* get_canvas(thandler_type aindex) const { return fgraphboxes[aindex]->get_canvas(); }
    trect get_clientrect(thandler_type aindex) const { return fgraphboxes[aindex]->get_clientrect(); }

private:
    std::array<std::unique_ptr<tgraphbox_generic>, 4> fgraphboxes;
};
