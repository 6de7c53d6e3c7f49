// Entering a page by its number with parameters: the commercial-property pages reach each other
// by number, so a page works whatever library builds the page it opens.
#pragma once

#include <cstdint>
#include <span>

#include "values/params_generic.h"

class tpage_controller_generic;

// Raises (before anything changes) when no page has that number.
void page_enter_params(tpage_controller_generic& acontroller, int16_t apageno, std::span<const tparam_value> aparams,
                       bool as_goto);
