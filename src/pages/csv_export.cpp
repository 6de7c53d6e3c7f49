#include "pages/csv_export.h"

#include <cstdlib>
#include <filesystem>

#include "controls/key_codes.h"
#include "controls/platform.h"
#include "pages/datamodule_messages.h"
#include "pages/handlermodule_page.h"
#include "pages/page_controller_generic.h"
#include "pages/page_hooks.h"
#include "procs/message_format.h"

namespace {

std::u16string count_text(int64_t acount) {
    std::string digits = std::to_string(acount), grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return utf8_to_utf16(grouped) + (acount == 1 ? u" row" : u" rows");
}

}  // namespace

std::unique_ptr<tcsv_export> tcsv_export::start(Thandlermodule_page& apage, Tdatamodule_messages& amessages,
                                                const std::u16string& adefault_name,
                                                std::unique_ptr<tcsv_export_source> asource) {
    std::u16string chosen = adefault_name;
    if (const char* home = std::getenv("HOME"); home && *home) chosen = utf8_to_utf16(home) + u"/" + adefault_name;
    if (!tplatform::instance().select_file(chosen, u"Export to CSV", u"CSV files (*.csv)", true) || chosen.empty())
        return nullptr;
    std::string filename = utf16_to_utf8(chosen);
    if (!std::filesystem::path(filename).has_extension()) filename += ".csv";
    return std::make_unique<tcsv_export>(apage, amessages, filename, std::move(asource));
}

tcsv_export::tcsv_export(Thandlermodule_page& apage, Tdatamodule_messages& amessages, const std::string& afilename,
                         std::unique_ptr<tcsv_export_source> asource)
    : fpage(apage), fmessages(amessages), fsource(std::move(asource)), fwriter(afilename) {
    fwriter.write_row(fsource->header());
    show(u"Exporting to CSV: " + count_text(0) + u"...  (Esc cancels)");
    queue_step();
}

void tcsv_export::queue_step() {
    fmessages.add_message(task_priority, jt_run_task, fpage.fhandler_type, task_tag);
}

void tcsv_export::show(const std::u16string& atext) {
    if (!fpage.fowner) return;
    if (auto* footer = dynamic_cast<ifooter_settings*>(fpage.fowner->get_handler_footer())) footer->set_footer_status(atext);
}

bool tcsv_export::run_step(int32_t arows) {
    try {
        frows.clear();
        const bool more = fsource->fetch(arows, frows);
        for (const auto& row : frows) fwriter.write_row(row);
        if (more) {
            show(u"Exporting to CSV: " + count_text(rows()) + u"...  (Esc cancels)");
            queue_step();
            return false;
        }
        fwriter.commit();
    } catch (...) {
        fwriter.discard();
        show(u"CSV export failed.");
        throw;
    }
    show(u"Exported " + count_text(rows()) + u" to " +
         utf8_to_utf16(std::filesystem::path(fwriter.filename()).filename().string()) + u".");
    return true;
}

void tcsv_export::cancel() {
    fwriter.discard();
    show(u"CSV export cancelled.");
}

bool tcsv_export::handle_key(std::unique_ptr<tcsv_export>& aexport, uint16_t akey, tshift_state ashift,
                             bool as_keyup) {
    if (!aexport) return false;
    if (akey == tvk::escape && ashift == 0 && !as_keyup) {
        aexport->cancel();
        aexport.reset();
    }
    return true;
}

void tcsv_export::run_task(std::unique_ptr<tcsv_export>& aexport, int32_t atag) {
    if (atag != task_tag || !aexport) return;
    bool over = true;
    try {
        over = aexport->run_step();
    } catch (...) {
        aexport.reset();
        throw;
    }
    if (over) aexport.reset();
}
