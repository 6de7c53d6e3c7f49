#include "controls/renderers_registration.h"

#include "controls/grid_renderers_registration.h"
#include "controls/input_renderers_registration.h"
#include "controls/label_bevel_registration.h"
#include "controls/text_renderers_registration.h"

void register_renderers() {
    register_label_bevel_renderers();
    register_grid_renderers();
    register_text_renderers();
    register_input_renderers();
}
