// The PLU word index of a database: the words of each PLU's code, product, subtitle, description
// and manufacturer, written beside the database. The program calls it after a PLU is saved and
// from the maintenance menu; the build tool calls it for the shipped demo index.
#pragma once

#include <string>

#include "plu/word_index_builder.h"

class tfb_database;

// Reads the plu table in a read transaction of its own and writes the index into afolder
// (ending with "/"). Raises when the table cannot be read or the index not written.
tword_index_figures rebuild_plu_word_index(tfb_database& adatabase, const std::string& afolder);

// The same for the open domain's database, into its folder.
tword_index_figures rebuild_plu_index_of_open_domain();
