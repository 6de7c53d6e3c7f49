#include "database/datablock_container.h"

void tdatablock_container::open_datasets() {
    ffinished = false;
    for (tfb_query* d : fdatasets)
        d->execute();
}

void tdatablock_container::close_datasets() {
    for (tfb_query* d : fdatasets)
        d->close();
}

bool tdatablock_container::add_records(int32_t arecordcount) {
    if (fdatasets.size() > 1 && !fon_compare_dataset)
        throw tvelmor_exception("Unassigned OnCompareDataset event in %s.add_records();", class_name());
    bool added = false;
    for (int32_t n = 0; n < arecordcount && !ffinished; ++n) {
        int32_t candidate = -1;
        for (int32_t i = 0; i < static_cast<int32_t>(fdatasets.size()); ++i) {
            if (fdatasets[static_cast<size_t>(i)]->eof())
                continue;
            candidate = candidate < 0 ? i : fon_compare_dataset(candidate, i);
        }
        if (candidate < 0) {
            ffinished = true;
            close_datasets();
            break;
        }
        if (fon_add_record)
            fon_add_record(candidate);
        fdatasets[static_cast<size_t>(candidate)]->next();
        added = true;
    }
    return added;
}

void tdatablock_container::afterconstruction(const std::vector<std::string>& adataset_names,
                                             const std::function<tvelmor_object*(const std::string&)>& afind_component) {
    fdatasets.clear();
    for (const std::string& name : adataset_names) {
        tvelmor_object* component = afind_component(name);
        auto* dataset = dynamic_cast<tfb_query*>(component);
        if (!dataset)
            throw tvelmor_exception("Illegal Dataset class %s in %s.afterconstruction();",
                                    component ? component->class_name() : name.c_str(), class_name());
        fdatasets.push_back(dataset);
    }
}
