#include "pages/handlermodule_ontop.h"

#include "pages/graphboxes.h"
#include "pages/page_controller_generic.h"

Thandlermodule_ontop::Thandlermodule_ontop(tpage_controller_generic* aowner, tvelmor_ontop aid, int32_t atag_ontop,
                                           const tform_page_generic* aform,
                                           std::unique_ptr<tcontainer_controls_generic> acontrols)
    : Thandlermodule_page(aowner, ht_ontop, aowner ? aowner->get_graphboxes().get_graphbox(ht_ontop) : nullptr,
                          std::move(acontrols)),
      fid(aid),
      ftag_ontop(atag_ontop),
      fform(aform) {}

trect Thandlermodule_ontop::get_initial_bounds(const trect&) { not_implemented("get_initial_bounds"); }
