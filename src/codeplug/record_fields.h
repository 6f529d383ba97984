// Named field lists for plain records: one list per record type drives its file form, its
// text form and the comparison of two records field by field.
#pragma once

#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

namespace torvik {

template <class Record, class T>
struct FieldRef {
    std::string_view name;
    T Record::*member;
    // The name the field had before it was named by its meaning; JSON written then still
    // reads. Empty when the field was never renamed.
    std::string_view formerName;
};

template <class Record, class T>
constexpr FieldRef<Record, T> Field(std::string_view name, T Record::*member,
                                    std::string_view formerName = {}) {
    return {name, member, formerName};
}

// The name the list gives to `member`; empty when the list does not hold it.
template <class Fields, class Record, class T>
std::string_view FieldName(const Fields& fields, T Record::*member) {
    std::string_view name;
    auto match = [&](const auto& f) {
        if constexpr (std::is_same_v<decltype(f.member), T Record::*>) {
            if (f.member == member) name = f.name;
        }
    };
    std::apply([&](const auto&... f) { (match(f), ...); }, fields);
    return name;
}

// Calls visit(name, value) for every field of `record` in list order.
template <class Fields, class Record, class Visit>
void VisitFields(const Fields& fields, Record& record, Visit&& visit) {
    std::apply([&](const auto&... f) { (visit(f.name, record.*(f.member)), ...); }, fields);
}

// The names of the fields whose values differ between `a` and `b`, in list order.
template <class Fields, class Record>
std::vector<std::string_view> ChangedFields(const Fields& fields, const Record& a,
                                            const Record& b) {
    std::vector<std::string_view> changed;
    std::apply(
        [&](const auto&... f) {
            ((a.*(f.member) == b.*(f.member) ? void() : changed.push_back(f.name)), ...);
        },
        fields);
    return changed;
}

// Copies into `into` every field whose value differs between `before` and `after`: what a
// change did to one record, done to another.
template <class Fields, class Record>
void CopyChangedFields(const Fields& fields, const Record& before, const Record& after,
                       Record& into) {
    std::apply(
        [&](const auto&... f) {
            ((before.*(f.member) == after.*(f.member) ? void()
                                                      : void(into.*(f.member) = after.*(f.member))),
             ...);
        },
        fields);
}

}  // namespace torvik
