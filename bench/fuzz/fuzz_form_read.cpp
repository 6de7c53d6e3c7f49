// Fuzz target: feeds arbitrary bytes to the page-form reader, as a form read from disk would be
// (form-preview reads any file it is given). A malformed form must end in the system's own
// exception with a position; anything else (a crash, a sanitizer report, another exception type,
// a stack exhausted by nesting) is a finding.
#include <cstdint>
#include <string_view>

#include "controls/controls_registration.h"
#include "controls/form_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* adata, size_t asize) {
    static const bool registered = [] {
        register_controls_classes();
        return true;
    }();
    (void)registered;
    try {
        tform_reader::read(std::string_view(reinterpret_cast<const char*>(adata), asize), "fuzz.form");
    } catch (const tvelmor_exception&) {
    }
    tform_reader::root_class(std::string_view(reinterpret_cast<const char*>(adata), asize));
    return 0;
}
