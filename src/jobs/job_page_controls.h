// The controls of a job page found by tag, with a clear message when the page lacks one.
#pragma once

#include <cstdint>

class Thandlermodule_page;
class tvelmor_edit;
class tvelmor_label;
class tvelmor_memo;

tvelmor_edit& page_edit(Thandlermodule_page& apage, int32_t atag);
tvelmor_label& page_label(Thandlermodule_page& apage, int32_t atag);
tvelmor_memo& page_memo(Thandlermodule_page& apage, int32_t atag);
// Shows or hides control atag and queues its drawing (shown) or leaves it to what covers it.
void show_control(Thandlermodule_page& apage, int32_t atag, bool avisible);
