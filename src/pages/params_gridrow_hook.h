// The hook by which a page entered with a grid-row parameter record (the menu pages) starts on
// that row of its grid 201. The program installs it once at start-up.
#pragma once

void install_params_gridrow_hook();
