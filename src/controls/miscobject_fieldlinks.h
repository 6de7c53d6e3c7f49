// Field links: a misc object that binds controls to the fields of a record (or of the row records
// of a grid's list). Each link is itself a typed value that reads and writes its field, through a
// validator for edited fields or directly (a hard link) for check boxes and combo boxes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/miscobject.h"
#include "values/value_generic2.h"
#include "values/validators.h"

class tmiscobject_fieldlinks;

enum tid_fieldlink : uint8_t { fl_none, fl_validator, fl_hardlink };
enum tlinks_instance : uint8_t { li_record, li_record_grid };
enum tfieldlink_type : uint8_t { fs_validator, fs_hardlink };

class tfield_link : public tvalue_generic2 {
public:
    tfield_link(tmiscobject_fieldlinks& aowner, tid_fieldlink aid, const std::string& afieldname,
                tfield_value_type avalue_type)
        : id_fieldlink(aid), owner(&aowner), fieldname(afieldname), value_type(avalue_type) {}
    static const tclass_info& static_class();
    const tclass_info& get_class() const override { return static_class(); }

    bool get_asboolean() const override;
    int16_t get_assmallint() const override;
    int32_t get_aslongint() const override;
    int64_t get_asint64() const override;
    tcurrency get_ascurrency() const override;
    std::u16string get_asunicodestring() const override;
    void set_asboolean(bool avalue) override;
    void set_assmallint(int16_t avalue) override;
    void set_aslongint(int32_t avalue) override;
    void set_asint64(int64_t avalue) override;
    void set_ascurrency(tcurrency avalue) override;
    void set_asunicodestring(const std::u16string& avalue) override;

    tid_fieldlink id_fieldlink;
    tmiscobject_fieldlinks* owner;
    std::string fieldname;
    int16_t index_value = -1;  // the field's index in the bound record; -1 until bound
    tfield_value_type value_type;
    int32_t default_longint = -1;
    std::unique_ptr<tvalidator_generic> validator;  // validator links only

private:
    void check_type(tfield_value_type atype, const char* aoperation) const;
    // The record to read, nullptr when nothing is bound or the field reads as empty.
    tvalue_generic2* readable() const;
    tvalue_generic2* writable() const;
};

class tmiscobject_fieldlinks : public tvelmor_miscobject {
public:
    tmiscobject_fieldlinks(icontrols_owner* aowner, int32_t atag) : tvelmor_miscobject(aowner, atag, am_fieldlinks) {}
    const char* class_name() const override { return "tmiscobject_fieldlinks"; }

    void add_field_validator(const std::string& afieldname, tvelmor_value_type_extended avalue_type,
                             int16_t aprecision, int16_t ascale);
    void add_field_hardlink(const std::string& afieldname, tvelmor_value_type_extended avalue_type);
    void finish_adds() { count_fieldlinks = static_cast<int32_t>(fieldlinks.size()); }
    // The record that links read and write now; nullptr when none.
    virtual tvalue_generic2* get_reference_row() const;

    void get_debug_text(std::string& amsgtext) const override;
    tvalidator_generic* get_validator(int32_t afieldno) override;
    void set_hard_value(int32_t afieldno, bool avalue) override;
    void set_hard_value(int32_t afieldno, int32_t avalue) override;
    void update_control(tvelmor_control* acontrol) override;

    bool dataobj_supports_is_field_assigned = false;
    std::vector<std::unique_ptr<tfield_link>> fieldlinks;
    int32_t count_fieldlinks = 0;
    tvalue_generic2* record = nullptr;  // layout of the bound records: field names and indexes
    bool is_rows = false;

protected:
    // Looks every link's field up by name in arecord.
    void bind_fields(const tvalue_generic2& arecord);
    tfield_link& link_at(int32_t aindex, const char* aoperation) const;
};

// Links to the fields of one record.
class tmiscobject_fieldlinks_record : public tmiscobject_fieldlinks {
public:
    using tmiscobject_fieldlinks::tmiscobject_fieldlinks;
    const char* class_name() const override { return "tmiscobject_fieldlinks_record"; }
    // A record the caller keeps alive.
    void setup_data1(tvalue_generic2* arecord);
    // Any object with declared properties: its fields are reached by name through a reflective
    // view that the misc object keeps (freed on rebinding); the object stays the caller's.
    void setup_data2(treflected_object* aobject);
    tvalue_generic2* get_reference_row() const override { return record; }

    treflected_object* dataobj = nullptr;

private:
    std::unique_ptr<tvalue_generic2> fowned;
};

// Links to the fields of the list row under the current row of grid tag_grid.
class tmiscobject_fieldlinks_rows : public tmiscobject_fieldlinks {
public:
    tmiscobject_fieldlinks_rows(icontrols_owner* aowner, int32_t atag) : tmiscobject_fieldlinks(aowner, atag) {
        is_rows = true;
    }
    const char* class_name() const override { return "tmiscobject_fieldlinks_rows"; }
    // alist: the row records (kept by the caller); alayout: a record of the rows' class.
    void setup_data(const std::vector<tvalue_generic2*>* alist, const tvalue_generic2& alayout);
    tvalue_generic2* get_reference_row() const override;

    const std::vector<tvalue_generic2*>* list = nullptr;
    int32_t tag_grid = 0;
};
