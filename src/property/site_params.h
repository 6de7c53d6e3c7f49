// The key the property pages are entered with (the site for the unit editor and the readings page,
// the account or unit for the invoice views): read once from their kept parameter record at the
// first layout, and, for the site, written back when the page is pushed.
#pragma once

#include <cstdint>

class Thandlermodule_page;
class tparams_generic;

// The site's id from the page's tparams_id, which is then freed; raises "Unassigned Params in
// %s.handle_resize();" when the page has none.
int32_t take_site_id(Thandlermodule_page& apage);
// The same with the page's own message (its %s: the page's class).
int32_t take_params_id(Thandlermodule_page& apage, const char* amessage);

// Stores aid_site into a tparams_id record (other records are left alone).
void save_site_id(tparams_generic& aparams, int32_t aid_site);
