// Exporting a page's whole result to a CSV file: the rows come from a source a helping at a time
// and each helping is one queued task of the page, so the window stays alive, the footer shows the
// rows written so far and Esc can cancel. The file is complete or not written at all (see
// procs/csv_writer.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/control_types.h"
#include "procs/csv_writer.h"

class Tdatamodule_messages;
class Thandlermodule_page;

// The rows an export writes: a header row, then every row of the result.
class tcsv_export_source {
public:
    virtual ~tcsv_export_source() = default;
    virtual std::vector<std::u16string> header() = 0;
    // Appends up to acount rows to arows; false once the result has no rows left.
    virtual bool fetch(int32_t acount, std::vector<std::vector<std::u16string>>& arows) = 0;
};

class tcsv_export {
public:
    static constexpr int32_t task_tag = 9801;
    static constexpr int16_t task_priority = 900;  // after the drawing jobs
    static constexpr int32_t rows_per_step = 500;
    static constexpr const char16_t* menu_caption = u"Export to CSV...";

    // Asks for the file with the platform's save dialog (proposing adefault_name in the home
    // folder; ".csv" is added to a name without an extension), creates it, writes the header and
    // queues the first step on apage. Nothing is started when the user cancels the dialog.
    static std::unique_ptr<tcsv_export> start(Thandlermodule_page& apage, Tdatamodule_messages& amessages,
                                              const std::u16string& adefault_name,
                                              std::unique_ptr<tcsv_export_source> asource);
    tcsv_export(Thandlermodule_page& apage, Tdatamodule_messages& amessages, const std::string& afilename,
                std::unique_ptr<tcsv_export_source> asource);

    // One helping of rows; true once the export is over (the file complete and renamed). A failure
    // removes the temporary file, shows "CSV export failed." in the footer and is raised.
    bool run_step(int32_t arows = rows_per_step);
    // The temporary file is removed; the chosen file stays as it was.
    void cancel();
    int64_t rows() const { return fwriter.rows_written() - 1; }

    // The pages' side: while an export runs, Esc cancels it and every other key is swallowed (the
    // page's result must not change under it). True when the key was taken.
    static bool handle_key(std::unique_ptr<tcsv_export>& aexport, uint16_t akey, tshift_state ashift, bool as_keyup);
    // The page's run_task: runs a step for task_tag and forgets a finished (or failed) export.
    static void run_task(std::unique_ptr<tcsv_export>& aexport, int32_t atag);

private:
    void show(const std::u16string& atext);
    void queue_step();

    Thandlermodule_page& fpage;
    Tdatamodule_messages& fmessages;
    std::unique_ptr<tcsv_export_source> fsource;
    tcsv_file_writer fwriter;
    std::vector<std::vector<std::u16string>> frows;
};
