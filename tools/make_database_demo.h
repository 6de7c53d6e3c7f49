// The demo data of the shipped database: a believable small firm drawn from the word lists of
// install/demo_words.txt with a fixed seed, so that every build makes the same rows.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class tfb_database;
class tfb_transaction;

struct tdemo_scale {
    int32_t faccounts = 200;
    int32_t fcontacts = 600;
    int32_t fplu = 2000;
};

class tdemo_data {
public:
    tdemo_data(const std::string& awords_text, tdemo_scale ascale);
    // The sites show pictures 1 to 5 of the data-file archive.
    static constexpr int32_t site_pictures = 5;
    // Writes every table in one transaction.
    void load(tfb_database& adatabase);

private:
    using tlist = std::vector<std::string>;
    void load_customers(tfb_database& adatabase, tfb_transaction& atransaction);
    void load_plu(tfb_database& adatabase, tfb_transaction& atransaction);
    void load_jobs(tfb_database& adatabase, tfb_transaction& atransaction);
    void load_property(tfb_database& adatabase, tfb_transaction& atransaction);
    const tlist& list(const std::string& aname) const;
    const std::string& pick(const std::string& alist);
    uint32_t random();
    int32_t random_below(int32_t an) { return static_cast<int32_t>(random() % static_cast<uint32_t>(an)); }

    std::map<std::string, tlist> flists;
    tdemo_scale fscale;
    uint64_t fstate = 0x5eed2026;
};
