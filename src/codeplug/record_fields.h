// Named field lists for plain records: one list per record type drives its file form, its
// text form and the comparison of two records field by field.
#pragma once

#include <string_view>
#include <tuple>
#include <vector>

namespace torvik {

template <class Record, class T>
struct FieldRef {
    std::string_view name;
    T Record::*member;
};

template <class Record, class T>
constexpr FieldRef<Record, T> Field(std::string_view name, T Record::*member) {
    return {name, member};
}

// Calls visit(name, value) for every field of `record` in list order.
template <class Fields, class Record, class Visit>
void VisitFields(const Fields& fields, Record& record, Visit&& visit) {
    std::apply([&](const auto&... f) { (visit(f.name, record.*(f.member)), ...); }, fields);
}

// The names of the fields whose values differ between `a` and `b`, in list order.
template <class Fields, class Record>
std::vector<std::string_view> ChangedFields(const Fields& fields, const Record& a, const Record& b) {
    std::vector<std::string_view> changed;
    std::apply(
        [&](const auto&... f) {
            ((a.*(f.member) == b.*(f.member) ? void() : changed.push_back(f.name)), ...);
        },
        fields);
    return changed;
}

}  // namespace torvik
