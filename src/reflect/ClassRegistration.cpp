#include "reflect/ClassRegistration.h"

#include "base/Con.h"

namespace {

bool CheckEntry(const ClassEntry& entry, int index, int* parent) {
    if (FindClassByName(entry.name) != NoClass) {
        Con.Error("NClassRegistration: class %s is registered twice", entry.name);
        return false;
    }
    *parent = NoClass;
    if (entry.parentType) {
        *parent = FindClassByType(*entry.parentType());
        if (*parent == NoClass || *parent >= index) {
            Con.Error("NClassRegistration: the parent of %s is not registered before it",
                      entry.name);
            return false;
        }
    }
    return true;
}

}  // namespace

bool RegisterClasses(const ClassEntry* entries, int count) {
    const int first = ClassCount();
    if (first + count > kMaxClasses) {
        Con.Error("NClassRegistration: more than %d classes", kMaxClasses);
        return false;
    }
    for (int i = 0; i < count; ++i) {
        int parent = NoClass;
        if (!CheckEntry(entries[i], first + i, &parent)) {
            return false;
        }
        const ClassEntry& entry = entries[i];
        AppendClass(ClassRecord{entry.type(), entry.create, entry.container, parent,
                                entry.inheritsMembers, 0, 0, entry.name, entry.readText,
                                entry.entryTimeMember, entry.meaning});
    }
    // Members go in a second pass, so that a member can name any class of the table.
    for (int i = 0; i < count; ++i) {
        BeginMembers(first + i);
        entries[i].members();
    }
    return true;
}

bool DescribeMembers(const MemberMeaning* meanings, int count) {
    bool all = true;
    for (int i = 0; i < count; ++i) {
        const MemberMeaning& row = meanings[i];
        if (!DescribeMember(FindClassByName(row.className), row.member, row.meaning)) {
            Con.Error("NClassRegistration: %s has no member %s to describe", row.className,
                      row.member);
            all = false;
        }
    }
    return all;
}
