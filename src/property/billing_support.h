// What the bill item and template pages share: marking a bill item deleted through its journal.
#pragma once

#include <cstdint>

// Marks bill item aid deleted through journal 331 (only its id and deleted are written); the row
// stays, so template lines that name it keep their item.
void send_bill_item_deleted(int32_t aid);
