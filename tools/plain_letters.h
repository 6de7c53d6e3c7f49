// Names written with plain letters, for the demo data's e-mail addresses and web sites: Latin
// letters lose their marks (ā -> a, ö -> o, Ș -> S, also marks written as separate combining
// characters), letters without a decomposition take their usual plain spelling (ø -> o,
// æ -> ae, ß -> ss, đ -> d, ł -> l, þ -> th), ASCII is kept, and anything else is left out.
#pragma once

#include <string>
#include <string_view>

std::string to_plain_letters(std::string_view autf8);
