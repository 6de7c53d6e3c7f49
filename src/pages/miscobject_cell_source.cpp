#include "pages/miscobject_cell_source.h"

#include "controls/container_controls.h"
#include "pages/handlermodule_page.h"

void tmiscobject_cell_source::install(Thandlermodule_page& apage, int32_t atag, int32_t acolumns, tcount arow_count,
                                      tcell acell) {
    if (auto* controls = dynamic_cast<tcontainer_controls2*>(apage.fcontrols.get()))
        controls->box_miscobjects.set_item(
            atag, new tmiscobject_cell_source(&apage, atag, acolumns, std::move(arow_count), std::move(acell)));
}
