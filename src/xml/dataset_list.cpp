#include "xml/dataset_list.h"

void tprototype_dataset::first() { throw tvelmor_exception("%s.first(); not implemented.", class_name()); }
void tprototype_dataset::next() { throw tvelmor_exception("%s.next(); not implemented.", class_name()); }
void tprototype_dataset::append() { throw tvelmor_exception("%s.append(); not implemented.", class_name()); }

treflected_object& tprototype_dataset::get_data_row() {
    throw tvelmor_exception("%s.get_data_row(); not implemented.", class_name());
}

void tdataset_list_object::first() {
    fii = 0;
    feof = flist.empty();
}

void tdataset_list_object::next() {
    if (feof) return;
    ++fii;
    feof = fii >= static_cast<int32_t>(flist.size());
}

void tdataset_list_object::append() {
    flist.push_back(foperate.create());
    fii = static_cast<int32_t>(flist.size()) - 1;
    feof = false;
}

treflected_object& tdataset_list_object::get_data_row() {
    if (feof || fii < 0 || fii >= static_cast<int32_t>(flist.size()))
        throw tvelmor_exception("No current row in %s.get_data_row();", class_name());
    return *flist[static_cast<size_t>(fii)];
}

void tprocs_dataset::copy_data(tprototype_dataset& adataset_dest, tprototype_dataset& adataset_source) {
    for (adataset_source.first(); !adataset_source.feof; adataset_source.next()) {
        adataset_dest.append();
        const treflected_object& source = adataset_source.get_data_row();
        treflected_object& dest = adataset_dest.get_data_row();
        const tclass_info& dest_class = dest.get_class();
        for (int32_t i = 0; i < dest_class.property_count(); ++i) {
            const tproperty_info& to = dest_class.property(i);
            const tproperty_info* from = source.get_class().find_property(to.fname);
            // Object properties are skipped: copying a reference would give one object two owners.
            if (!from || from->fkind != to.fkind || to.fkind == tproperty_kind::pk_object) continue;
            to.set(dest, from->get(source));
        }
    }
}
