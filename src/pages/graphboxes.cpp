#include "pages/graphboxes.h"

void tgraphboxes::add(thandler_type aindex, std::unique_ptr<tgraphbox_generic> agraphbox) {
    if (fgraphboxes[aindex]) throw tvelmor_exception("Illegal add to assigned graphbox in %s.add();", class_name());
    fgraphboxes[aindex] = std::move(agraphbox);
}
