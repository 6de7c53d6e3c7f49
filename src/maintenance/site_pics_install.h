// The demo site pictures of a first-run installation: the data-file archive unpacks them into the
// database folder's pics/, while the pages read site pictures from the picture folder of the
// program-data folder. When the two differ the pictures are copied over, so that a database
// installed anywhere shows its sites' pictures.
#pragma once

#include <string>

// Copies every file of <adatabase_folder>/pics/ into apics_folder (made when missing); a file that
// is there already is kept. Returns a line for the run's messages, empty when there was nothing
// to do; a file that cannot be copied is named in it rather than stopping the installation.
std::string install_site_pics(const std::string& adatabase_folder, const std::string& apics_folder);
