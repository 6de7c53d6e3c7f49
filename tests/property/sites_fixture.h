// Test support for the site pages: the accounts pages' fixture with the commercial-property pages
// registered, stand-ins (taking a site id) for the pages other libraries build, a platform whose
// program-data folder is the test's own and whose file dialog answers what the test chose, and
// JPEG files made with libjpeg.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/edit_pages_support.h"
#include "support/fake_platform.h"

// The fake platform with a program-data folder and a scripted file dialog.
class tsites_platform : public tfake_platform {
public:
    std::string get_programdata_folder() override { return fdata_folder; }
    bool select_file(std::u16string& afilename, const std::u16string& acaption, const std::u16string& afilter,
                     bool) override {
        fcaptions.push_back(acaption);
        ffilters.push_back(afilter);
        if (!fanswer) return false;
        afilename = *fanswer;
        return true;
    }
    std::string fdata_folder;
    std::optional<std::u16string> fanswer;
    std::vector<std::u16string> fcaptions;
    std::vector<std::u16string> ffilters;
};

class tsites_page_test : public tedit_pages_test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The accounts menu with the property pages and the stand-ins registered.
    void start_sites();
    // The picture folder of this test (velmor_accounts/pics/ in its program-data folder).
    std::string pics_folder() const;
    // Runs the queued jobs and returns what the main surface drew meanwhile.
    std::vector<std::string> drawn();
    // A site of its own with the given pics value; returns its id.
    int32_t add_site(int64_t apics, const std::string& aaddress1 = "Test Site");
    // The caption of a label of the main page.
    std::string label_text(int32_t atag);
    int64_t site_pics(int32_t aid) { return number("SELECT pics FROM cp_site WHERE id = " + std::to_string(aid)); }

    tsites_platform fsites_platform;
};

// The page number and site id a stand-in page was entered with (-1 before any).
struct tstand_in_entry {
    int16_t pageno = -1;
    int32_t fid = -1;
};
extern tstand_in_entry last_stand_in;

// Encodes a solid picture of the given size as JPEG bytes.
std::vector<uint8_t> jpeg_bytes(int32_t awidth, int32_t aheight, uint8_t ared, uint8_t agreen, uint8_t ablue);
void write_file(const std::string& apath, const std::vector<uint8_t>& abytes);
