// The schema catalogue: the tables records are built from, with their fields in order, each
// field's type, how many leading fields form the key, and which integer columns hold day counts.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

enum tdben_fieldtype : uint8_t {
    dben_ft_smallint,
    dben_ft_longint,
    dben_ft_int64,
    dben_ft_double,
    dben_ft_ansistring,
    dben_ft_unicodestring,
    dben_ft_decimal,
    dben_ft_currency1,
    dben_ft_currency2,
    dben_ft_currency8dp,  // eight implied decimals, field domain 101
    dben_ft_boolean,
    dben_ft_dataobj       // a binary column holding a data object
};

enum tdben_table : uint8_t {
    dben_table_account,
    dben_table_contact,
    dben_table_plu,
    dben_table_word_hdr,
    dben_table_word_lns,
    dben_table_operator,
    dben_table_job_hdr,
    dben_table_job_lns,
    dben_table_cp_site,
    dben_table_cp_unit,
    dben_table_bill_item,
    dben_table_cp_unit_reading,
    dben_table_cp_invoice,
    dben_table_cp_invoice_billitem,
    dben_table_invoice,
    dben_table_invoice_billitem,
    dben_table_invoice_data
};
constexpr int dben_table_count = dben_table_invoice_data + 1;

struct tdben_field {
    const char* fname;
    tdben_fieldtype ftype;
    bool fis_daycount = false;
};

struct tdben_table_info {
    const char* fname;  // the SQL table name
    std::span<const tdben_field> ffields;
    int16_t fcount_pkfields;
    int16_t count() const { return static_cast<int16_t>(ffields.size()); }
};

const tdben_table_info& dben_table_info(tdben_table atable);
const char* dben_fieldtype_name(tdben_fieldtype atype);  // "dben_ft_longint", ...
