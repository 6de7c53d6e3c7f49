#include <gtest/gtest.h>

#include <functional>

#include "database/datamodule_ejt.h"
#include "database/datamodule_querys.h"
#include "database/ejt_class.h"
#include "database/procs_querys.h"
#include "values/datarecord3.h"
#include "database_fixture.h"

namespace {

class Ejt : public tdatamodule_test {
protected:
    void SetUp() override {
        tdatamodule_test::SetUp();
        fquerys = std::make_unique<Tdatamodule_querys>(*fdatabase);
        fejt = std::make_unique<Tdatamodule_ejt>(*fdatabase);
    }
    void TearDown() override {
        fejt.reset();
        fquerys.reset();
        tdatamodule_test::TearDown();
    }
    tejt_record_update& update_of(std::unique_ptr<tejt_generic>& aejt) { return dynamic_cast<tejt_record_update&>(*aejt); }
    // Contact 1 as a page loads it.
    static void load_contact(tdbrecord_contact2& acontact) {
        acontact.set_aslongint3("id", 1);
        EXPECT_TRUE(tprocs_querys::load_record_bypk(acontact, dben_table_contact));
    }
    std::unique_ptr<Tdatamodule_querys> fquerys;
    std::unique_ptr<Tdatamodule_ejt> fejt;
};

}  // namespace

TEST_F(Ejt, AnEditBecomesAnUpdateOfTheChangedFieldsOnly) {
    execute("INSERT INTO contact (first_name, last_name, phone) VALUES ('Åsa', 'Berg', '021')");
    tdbrecord_contact2 before, edited;
    load_contact(before);
    load_contact(edited);
    edited.set_asunicodestring3("phone", u"022");
    edited.set_asunicodestring3("first_name", u"åsa");  // a change of letter case is a change
    auto ejt = tejt_database::create_ejt(201);
    update_of(ejt).assign_update(edited, before);
    fejt->send_ejt_record(*ejt, nullptr);
    EXPECT_EQ("UPDATE contact SET\r\n    first_name = :first_name,\r\n    phone = :phone\r\nWHERE id = :id;", ejt->get_script(0));
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM contact WHERE id = 1 AND phone = '022' AND first_name = 'åsa' AND last_name = 'Berg'"));

    // Saving an unchanged record: only the key is kept, and nothing is sent.
    auto unchanged = tejt_database::create_ejt(201);
    update_of(unchanged).assign_update(before, before);
    EXPECT_EQ(1, update_of(unchanged).frecord->get_field_is_assigned(0));
    for (int32_t i = 1; i < update_of(unchanged).frecord->get_field_count(); ++i)
        EXPECT_FALSE(update_of(unchanged).frecord->get_field_is_assigned(i)) << i;
    fejt->send_ejt_record(*unchanged, nullptr);
    EXPECT_EQ(0, unchanged->get_script_count());
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM contact WHERE phone = '022'"));

    tdbrecord_contact2 cleared;
    cleared.set_aslongint3("id", 1);
    auto mismatch = tejt_database::create_ejt(201);
    EXPECT_EQ("Field Assigned Mismatch tejt_record_update.assign_update();",
              message_of([&] { update_of(mismatch).assign_update(cleared, before); }));
    tdbrecord_account2 other;
    EXPECT_EQ("Value Mismatch in tejt_record_update.assign_update();",
              message_of([&] { update_of(mismatch).assign_update(before, other); }));
    EXPECT_EQ("EJT[999] Not Supported in tejt_generic.create_ejt();", message_of([] { tejt_database::create_ejt(999); }));
}

TEST_F(Ejt, ANewRecordIsInsertedAndReceivesTheKeyTheDatabaseProduced) {
    execute("INSERT INTO account (name) VALUES ('First')");
    tdbrecord_account2 account;
    account.set_asunicodestring3("name", u"Tāne Plumbing Ltd");
    account.set_asboolean3("deleted", false);
    auto ejt = tejt_database::create_ejt(101);
    update_of(ejt).assign_insert(account);
    fejt->send_ejt_record(*ejt, nullptr);
    EXPECT_EQ("INSERT INTO account\r\n    ( name, deleted )\r\nVALUES\r\n    ( :name, :deleted )\r\nRETURNING id;",
              fejt->query_update_record.sql());
    update_of(ejt).copy_pkvalues(account);
    EXPECT_EQ(2, account.get_aslongint3("id"));
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM account WHERE id = 2 AND name = 'Tāne Plumbing Ltd' AND deleted = 0"));

    tdbrecord_cp_unit_reading2 reading;
    reading.set_aslongint3("id_unit", 7);
    reading.set_assmallint3("bill_type", 2);
    reading.set_asint64_3("reading", 123456789012LL);
    auto meter = tejt_database::create_ejt(371);
    update_of(meter).assign_insert(reading);
    fejt->send_ejt_record(*meter, nullptr);
    EXPECT_EQ("INSERT INTO cp_unit_reading\r\n    ( id_unit, bill_type, reading )\r\nVALUES\r\n"
              "    ( :id_unit, :bill_type, :reading )\r\nRETURNING recno;",
              fejt->query_update_record.sql());
    update_of(meter).copy_pkvalues(reading);
    EXPECT_GT(reading.get_aslongint3("recno"), 0);
    EXPECT_EQ(7, reading.get_aslongint3("id_unit"));
    EXPECT_EQ(2, reading.get_assmallint3("bill_type"));
    EXPECT_EQ(123456789012LL, number("SELECT reading FROM cp_unit_reading WHERE recno = " +
                                     std::to_string(reading.get_aslongint3("recno"))));
}

namespace {

std::unique_ptr<tejt_generic> invoice_line(int16_t alineno, int64_t aline_total) {
    auto line = tejt_database::create_ejt(411);
    tvalue_generic2& v = line->get_value();
    v.set_assmallint3("lineno", alineno);
    v.set_aslongint3("bill_item", 1);
    v.set_asint64_3("line_total", aline_total);
    v.set_asdouble3("qty_units", 1.5);
    return line;
}

}  // namespace

TEST_F(Ejt, PostingAnInvoiceWritesItWithItsLinesInOneTransaction) {
    auto post = tejt_database::create_ejt(401);
    auto& invoice = static_cast<tejtrecord_invoice_post&>(post->get_record());
    invoice.faccount = 5;
    invoice.fgst = tcurrency(15000);
    std::vector<std::unique_ptr<tejt_generic>> owned;
    owned.push_back(invoice_line(1, 1050000000));   // 10.5
    owned.push_back(invoice_line(2, 212345678));    // 2.12345678
    owned.push_back(invoice_line(3, -25000000));    // -0.25 (a credit)
    owned.push_back(tejt_database::create_ejt(421));
    tvalue_generic2& data = owned.back()->get_value();
    data.set_assmallint3("lineno", 4);
    data.set_aslongint3("rec_id", 101);
    auto readings = std::make_unique<tdbdata_cpunit_reading>();
    readings->set_aslongint3("reading1_date", 739000);
    readings->set_asint64_3("reading2", -5);
    data.set_asobject3("rec_data", readings.release());
    tejt_list lines;
    for (auto& l : owned) lines.push_back(l.get());

    fejt->send_ejt_record(*post, &lines);
    EXPECT_EQ("INSERT INTO invoice\r\n    ( date1, account, total, gst )\r\nVALUES\r\n    ( :date1, :account, :total, :gst )"
              "\r\nRETURNING id;",
              post->get_script(0));
    EXPECT_EQ(1, invoice.fid);
    EXPECT_EQ(tcurrency(123735), invoice.ftotal);  // 12.37345678 rounded
    EXPECT_EQ(123735, number("SELECT total * 10000 FROM invoice WHERE id = 1 AND account = 5 AND gst = 1.5"));
    EXPECT_EQ(3, number("SELECT COUNT(*) FROM invoice_billitem WHERE invoice = 1"));
    EXPECT_EQ(-25000000, number("SELECT line_total * 100000000 FROM invoice_billitem WHERE lineno = 3"));
    tdbrecord_invoice_data2 stored;
    ASSERT_TRUE(tprocs_querys::load_sql_record(stored, "SELECT * FROM invoice_data WHERE invoice = :invoice",
                                               {"invoice"}, {tcondition_value::integer(1)}));
    auto* stored_readings = dynamic_cast<tdbdata_cpunit_reading*>(stored.get_asobject3("rec_data"));
    ASSERT_NE(nullptr, stored_readings);
    EXPECT_EQ(739000, stored_readings->get_aslongint3("reading1_date"));
    EXPECT_EQ(-5, stored_readings->get_asint64_3("reading2"));
    EXPECT_GT(invoice.fdate1, 739000);
}

TEST_F(Ejt, AnyFailingStepRollsBackTheWholePost) {
    struct tcase {
        const char* name;
        int32_t extra_kind;     // a fourth line of this kind
        int16_t extra_lineno;   // 1 repeats a key: the database refuses it
        const char* message;    // empty: the engine's own text
    };
    const tcase cases[] = {
        {"line of another kind", 301, 9, "UnSupported EJTID[301] in tejtrecord_invoice_post.before_execute();"},
        {"duplicate line key", 411, 1, ""},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        auto post = tejt_database::create_ejt(401);
        std::vector<std::unique_ptr<tejt_generic>> owned;
        owned.push_back(invoice_line(1, 100000000));
        owned.push_back(c.extra_kind == 411 ? invoice_line(c.extra_lineno, 5) : tejt_database::create_ejt(c.extra_kind));
        tejt_list lines{owned[0].get(), owned[1].get()};
        std::string message = message_of([&] { fejt->send_ejt_record(*post, &lines); });
        if (*c.message)
            EXPECT_EQ(c.message, message);
        else
            EXPECT_NE(std::string::npos, message.find("violation of PRIMARY or UNIQUE KEY")) << message;
        EXPECT_EQ(0, number("SELECT COUNT(*) FROM invoice"));
        EXPECT_EQ(0, number("SELECT COUNT(*) FROM invoice_billitem"));
        EXPECT_FALSE(fdatabase->Transaction1.active());
    }
}

TEST_F(Ejt, DeleteKindsRemoveTheRowOfTheRecordsKey) {
    execute("INSERT INTO cp_invoice_billitem (id, lineno, bill_item) VALUES (3, 1, 10)");
    execute("INSERT INTO cp_invoice_billitem (id, lineno, bill_item) VALUES (3, 2, 11)");
    tdbrecord_cp_invoice_billitem2 line;
    line.set_aslongint3("id", 3);
    line.set_assmallint3("lineno", 2);
    line.set_aslongint3("bill_item", 11);
    auto ejt = tejt_database::create_ejt(362);
    dynamic_cast<tejt_record_delete&>(*ejt).assign_delete(line);
    fejt->send_ejt_record(*ejt, nullptr);
    EXPECT_EQ("DELETE FROM cp_invoice_billitem\r\nWHERE id = :id\r\nAND lineno = :lineno;", ejt->get_script(0));
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM cp_invoice_billitem WHERE id = 3 AND lineno = 1"));
    EXPECT_EQ(0, number("SELECT COUNT(*) FROM cp_invoice_billitem WHERE lineno = 2"));

    tdatarecord2 job_line(dben_table_job_lns, false);  // has no field "id"
    auto unit = tejt_database::create_ejt(322);
    EXPECT_EQ("PK Field[id] not found in tejt_record_delete.assign_delete();",
              message_of([&] { dynamic_cast<tejt_record_delete&>(*unit).assign_delete(job_line); }));
}

TEST_F(Ejt, MismatchedRecordsAndMissingOperationsAreRefusedWithTheirMessages) {
    auto ejt = tejt_database::create_ejt(301);
    tdbrecord_contact2 contact;
    tdatarecord2 other_names(dben_table_job_lns, false);
    tdbrecord_operator2 op;
    op.set_aslongint3("id", 1);
    tejt_generic base;
    const std::pair<std::string, std::function<void()>> cases[] = {
        {"FieldCount Mismatch in tejt_record_update.assign_insert();", [&] { update_of(ejt).assign_insert(contact); }},
        {"FieldCount Mismatch in tejt_record_update.assign_update();", [&] { update_of(ejt).assign_update(contact, contact); }},
        {"PKField[id] not found in tejt_record_update.copy_pkvalues();", [&] { update_of(ejt).assign_insert(op); update_of(ejt).copy_pkvalues(other_names); }},
        {"tejt_generic.get_script(); not implemented", [&] { base.get_script(0); }},
        {"tejt_generic.get_value(); Not Implemented", [&] { base.get_value(); }},
        {"tejt_generic.assign_params(); not implemented", [&] { base.assign_params(fejt->query_update_record); }},
    };
    for (const auto& [expected, run] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(expected, message_of(run));
    }
}
