// What the two folder pages share: the folder dialog, the label showing a folder, and their
// buttons by tag.
#pragma once

#include <cstdint>
#include <string>

class Thandlermodule_page;
class tvelmor_button;

class tfolder_choice {
public:
    // The folder dialog ("Select Folder") opened on afolder; on OK afolder is the choice with a
    // trailing "/" (its case kept: on this file system another case names another folder).
    static bool select(std::string& afolder);
    static void show_folder(Thandlermodule_page& apage, int32_t atag, const std::string& afolder, bool adraw);
    static tvelmor_button& button(Thandlermodule_page& apage, int32_t atag);
};
