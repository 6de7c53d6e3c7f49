// Showing and hiding the controls of a job page.
#pragma once

#include <cstdint>

class Thandlermodule_page;

// Shows or hides control atag and queues its drawing (shown) or leaves it to what covers it.
void show_control(Thandlermodule_page& apage, int32_t atag, bool avisible);
