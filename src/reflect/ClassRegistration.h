// How a row of the class table becomes a class record and its member records.
#pragma once

#include <cstdint>
#include <typeinfo>

#include "reflect/MemberTable.h"
#include "reflect/Registry.h"

constexpr bool kInherits = true;
constexpr bool kOwnMembersOnly = false;

namespace registration_detail {

// The prototype gives the exact dynamic type, as instances will report it.
template <class T>
const std::type_info* TypeOf() {
    T prototype;
    return &typeid(prototype);
}

// Create is reached through one prototype per class, kept for the life of the
// process, so that creating an object constructs only the object.
template <class T>
NClass* CreateThroughPrototype() {
    static T prototype;
    return prototype.Create();
}

template <auto Reader>
NClass* ReadThrough(const char* text) {
    return Reader(text);
}

// Only the members a class declares itself: a `Members` inherited from a parent
// takes the parent's table and does not match.
template <class T>
void AppendMembers() {
    if constexpr (requires(MemberTable<T> & table) { T::Members(table); }) {
        MemberTable<T> table;
        T::Members(table);
    }
}

}  // namespace registration_detail

struct ClassEntry {
    const char* name;
    const std::type_info* (*type)();
    NClass* (*create)();
    const std::type_info* (*parentType)();
    bool inheritsMembers;
    uint32_t container;
    void (*members)();
    NClass* (*readText)(const char* text) = nullptr;
    const char* entryTimeMember = nullptr;
    const char* meaning = nullptr;

    // Elements of the class may give the whole object as character data, which
    // `Reader` turns into a new object (null when the text does not read). A reader
    // that makes further objects lists them itself.
    template <auto Reader>
    constexpr ClassEntry ReadsText() const {
        ClassEntry entry = *this;
        entry.readText = &registration_detail::ReadThrough<Reader>;
        return entry;
    }
    // What the class is for, in one line, for authors.
    constexpr ClassEntry Means(const char* text) const {
        ClassEntry entry = *this;
        entry.meaning = text;
        return entry;
    }
    // The Time attribute of an entry of a list of the class sets `member` of the
    // entry's object.
    constexpr ClassEntry ListEntryTimeSets(const char* member) const {
        ClassEntry entry = *this;
        entry.entryTimeMember = member;
        return entry;
    }
};

template <class T, class Parent = void>
constexpr ClassEntry Entry(const char* name, bool inheritsMembers,
                           uint32_t container = kContainerNone) {
    const std::type_info* (*parentType)() = nullptr;
    if constexpr (!std::is_void_v<Parent>) {
        static_assert(std::is_base_of_v<Parent, T>, "a registered parent is a base class");
        parentType = &registration_detail::TypeOf<Parent>;
    }
    return ClassEntry{name,
                      &registration_detail::TypeOf<T>,
                      &registration_detail::CreateThroughPrototype<T>,
                      parentType,
                      inheritsMembers,
                      container,
                      &registration_detail::AppendMembers<T>};
}

// What a member of a class does, in one line, for authors.
struct MemberMeaning {
    const char* className;
    const char* member;
    const char* meaning;
};

// Registers the rows in order. Returns false and logs when a row is inconsistent (a
// duplicate name, a parent registered after its child); a member that cannot be
// recorded (a duplicate, an unregistered class) is logged and left out.
bool RegisterClasses(const ClassEntry* entries, int count);
// Gives registered members their meanings. Returns false and logs when a row names
// a class or an own member that is not registered.
bool DescribeMembers(const MemberMeaning* meanings, int count);
