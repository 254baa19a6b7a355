#include "reflect/Registry.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/Con.h"
#include "base/NumberText.h"
#include "reflect/ObjectList.h"

namespace {

// The registry's tables, filled once at start-up and read-only afterwards.
ClassRecord classes[kMaxClasses];
MemberRecord members[kMaxMembers];
int classCount = 0;
int memberCount = 0;
int membersOf = NoClass;

struct BasicType {
    int code;
    const char* name;
};
constexpr BasicType kBasicTypes[] = {
    {kTypeInt, "int"}, {kTypeFloat, "float"}, {kTypeBool, "bool"}, {kTypeString, "string"}};

bool IsClass(int index) {
    return index >= 0 && index < classCount;
}

bool ValidMember(int member) {
    return member >= 0 && member < memberCount;
}

// A member may only be reached through an object of its owner class or a class
// derived from it.
bool BelongsTo(const NClass* object, int member) {
    const int cls = GetClassIndex(object);
    return IsClass(cls) && ValidMember(member) && IsDerived(members[member].owner, cls);
}

// Edits between `a` and `b`: insertions, deletions, substitutions and swaps of
// neighbours (optimal string alignment), letter case ignored when `foldCase`.
int EditDistance(const char* a, const char* b, bool foldCase) {
    const size_t n = strlen(a);
    const size_t m = strlen(b);
    auto same = [foldCase](char x, char y) {
        return foldCase ? tolower(static_cast<unsigned char>(x)) ==
                              tolower(static_cast<unsigned char>(y))
                        : x == y;
    };
    std::vector<int> rows(3 * (m + 1));
    int* previous2 = rows.data();
    int* previous = previous2 + m + 1;
    int* current = previous + m + 1;
    for (size_t j = 0; j <= m; ++j) {
        previous[j] = static_cast<int>(j);
    }
    for (size_t i = 1; i <= n; ++i) {
        current[0] = static_cast<int>(i);
        for (size_t j = 1; j <= m; ++j) {
            const int cost = same(a[i - 1], b[j - 1]) ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && same(a[i - 1], b[j - 2]) && same(a[i - 2], b[j - 1])) {
                current[j] = std::min(current[j], previous2[j - 2] + 1);
            }
        }
        std::swap(previous2, previous);
        std::swap(previous, current);
    }
    return previous[m];
}

// Keeps the closest of the candidates offered, first come first kept on a tie.
class ClosestName {
  public:
    explicit ClosestName(const char* sought) : sought(sought) {
        // A third of the letters may be wrong, and one in any name.
        limit = std::max(1, static_cast<int>(strlen(sought)) / 3);
    }
    void Offer(const char* candidate) {
        const int folded = EditDistance(sought, candidate, true);
        if (folded > limit) {
            return;
        }
        const int exact = EditDistance(sought, candidate, false);
        if (!best || folded < bestFolded || (folded == bestFolded && exact < bestExact)) {
            best = candidate;
            bestFolded = folded;
            bestExact = exact;
        }
    }
    const char* Best() const { return best; }

  private:
    const char* sought;
    int limit = 1;
    const char* best = nullptr;
    int bestFolded = 0;
    int bestExact = 0;
};

// Numbers are read as they always were; text that reads otherwise than written
// is worth a note.
void NoteNumberText(const char* text, NumberKind kind) {
    const std::string problem = NumberTextProblem(text, kind);
    if (!problem.empty()) {
        Con.Notice("%s", problem.c_str());
    }
}

}  // namespace

int ClassCount() {
    return classCount;
}
int MemberCount() {
    return memberCount;
}

const ClassRecord* GetClassRecord(int index) {
    return IsClass(index) ? &classes[index] : nullptr;
}

const MemberRecord* GetMemberRecord(int member) {
    return ValidMember(member) ? &members[member] : nullptr;
}

int AppendClass(const ClassRecord& record) {
    classes[classCount] = record;
    classes[classCount].memberCount = 0;
    classes[classCount].firstMember = memberCount;
    return classCount++;
}

void BeginMembers(int classIndex) {
    membersOf = classIndex;
    classes[classIndex].firstMember = memberCount;
    classes[classIndex].memberCount = 0;
}

bool AppendMember(const MemberAccess& access, uint32_t container, int type, const char* name) {
    ClassRecord& owner = classes[membersOf];
    if (memberCount >= kMaxMembers) {
        Con.Error("NClassRegistration: more than %d members", kMaxMembers);
        return false;
    }
    if (type == NoClass) {
        Con.Error("NClassRegistration: member %s.%s names no registered class", owner.name, name);
        return false;
    }
    for (int i = 0; i < owner.memberCount; ++i) {
        if (strcmp(members[owner.firstMember + i].name, name) == 0) {
            Con.Error("NClassRegistration: member %s.%s is registered twice", owner.name, name);
            return false;
        }
    }
    members[memberCount] = MemberRecord{access, container, type, name, membersOf, nullptr};
    ++memberCount;
    ++owner.memberCount;
    return true;
}

bool DescribeMember(int classIndex, const char* name, const char* meaning) {
    if (!IsClass(classIndex) || !name) {
        return false;
    }
    const ClassRecord& record = classes[classIndex];
    for (int i = 0; i < record.memberCount; ++i) {
        if (strcmp(members[record.firstMember + i].name, name) == 0) {
            members[record.firstMember + i].meaning = meaning;
            return true;
        }
    }
    return false;
}

void UnregisterClassesFrom(int first) {
    if (IsClass(first)) {
        memberCount = classes[first].firstMember;
        classCount = first;
    }
}

int FindClassByType(const std::type_info& type) {
    for (int i = 0; i < classCount; ++i) {
        if (*classes[i].type == type) {
            return i;
        }
    }
    return NoClass;
}

int FindClassByName(const char* name) {
    if (!name) {
        return NoClass;
    }
    for (const BasicType& basic : kBasicTypes) {
        if (strcmp(basic.name, name) == 0) {
            return basic.code;
        }
    }
    for (int i = 0; i < classCount; ++i) {
        if (strcmp(classes[i].name, name) == 0) {
            return i;
        }
    }
    return NoClass;
}

int GetClassIndex(const char* name) {
    const int index = FindClassByName(name);
    if (index == NoClass) {
        Con.PrintLine("GetClassIndex: class %s not found", name ? name : "(null)");
    }
    return index;
}

int GetClassIndex(const NClass* object) {
    const int index = object ? FindClassByType(typeid(*object)) : NoClass;
    if (index == NoClass) {
        Con.ErrorFrom("NClass", "GetClassIndex: Value class not found");
    }
    return index;
}

const char* GetClassName(int index) {
    if (index < 0) {
        for (const BasicType& basic : kBasicTypes) {
            if (basic.code == index) {
                return basic.name;
            }
        }
        return nullptr;
    }
    if (index >= classCount) {
        Con.Error("GetClassName: class #%d does not exist, there are %d classes", index,
                  classCount);
        return nullptr;
    }
    return classes[index].name;
}

const char* GetClassName(const NClass* object) {
    const int index = GetClassIndex(object);
    return index == NoClass ? nullptr : GetClassName(index);
}

int GetMemberIndex(int classIndex, const char* name) {
    if (classIndex == NoClass) {
        Con.PrintLine("GetMemberIndex %s: invalid call: no parent class", name);
        return NoClass;
    }
    if (!IsClass(classIndex) || !name) {
        return NoClass;
    }
    int cls = classIndex;
    for (;;) {
        const ClassRecord& record = classes[cls];
        for (int i = 0; i < record.memberCount; ++i) {
            if (strcmp(members[record.firstMember + i].name, name) == 0) {
                return record.firstMember + i;
            }
        }
        if (!record.inheritsMembers || record.parent == NoClass) {
            break;
        }
        cls = record.parent;
    }
    Con.PrintLine("GetMemberIndex: class %s does not have a member called %s", classes[cls].name,
                  name);
    return NoClass;
}

int GetMemberIndex(const NClass* object, const char* name) {
    const int cls = GetClassIndex(object);
    return cls == NoClass ? NoClass : GetMemberIndex(cls, name);
}

const char* ClosestClassName(const char* name) {
    if (!name) {
        return nullptr;
    }
    ClosestName closest(name);
    for (const BasicType& basic : kBasicTypes) {
        closest.Offer(basic.name);
    }
    for (int i = 0; i < classCount; ++i) {
        closest.Offer(classes[i].name);
    }
    return closest.Best();
}

const char* ClosestMemberName(int classIndex, const char* name) {
    if (!IsClass(classIndex) || !name) {
        return nullptr;
    }
    ClosestName closest(name);
    for (int cls = classIndex; IsClass(cls); cls = classes[cls].parent) {
        const ClassRecord& record = classes[cls];
        for (int i = 0; i < record.memberCount; ++i) {
            closest.Offer(members[record.firstMember + i].name);
        }
        if (!record.inheritsMembers) {
            break;
        }
    }
    return closest.Best();
}

int GetMemberType(int member) {
    return ValidMember(member) ? members[member].type : NoClass;
}

const char* GetMemberName(int member) {
    return ValidMember(member) ? members[member].name : nullptr;
}

bool IsDerived(int base, int cls) {
    if (!IsClass(base)) {
        return false;
    }
    // A registered chain is at most as long as the table; the bound guards a
    // mistaken table against looping.
    for (int steps = 0; IsClass(cls) && steps < classCount; ++steps) {
        if (cls == base) {
            return true;
        }
        cls = classes[cls].parent;
    }
    return false;
}

int CheckMemberClass(const NClass* object, int member, int cls) {
    if (GetClassIndex(object) == NoClass || cls < 0 || !ValidMember(member) ||
        members[member].type >= classCount) {
        return -1;
    }
    return IsDerived(members[member].type, cls) ? 0 : -3;
}

int SetMember(NClass* object, int member, NClass* value) {
    if (!BelongsTo(object, member)) {
        return -1;
    }
    const MemberRecord& record = members[member];
    if (record.container != kContainerNone) {
        return -4;
    }
    if (!record.access.store) {
        return -1;
    }
    if (value) {
        const int cls = GetClassIndex(value);
        if (cls == NoClass || record.type >= classCount || record.type < 0) {
            return -1;
        }
        if (!IsDerived(record.type, cls)) {
            Con.ErrorFrom("NClass", "SetMember: classes do not match");
            return -1;
        }
    }
    return record.access.store(object, value) ? 0 : -1;
}

NClass* GetMemberObject(NClass* object, int member) {
    if (!BelongsTo(object, member) || members[member].container != kContainerNone ||
        !members[member].access.load) {
        return nullptr;
    }
    return members[member].access.load(object);
}

int SetMember(NClass* object, int member, const char* text) {
    if (!BelongsTo(object, member)) {
        return -1;
    }
    const MemberRecord& record = members[member];
    if (record.type >= 0) {
        if (record.type < classCount) {
            Con.Error("SetMember: %s.%s is not a type but class %s", GetClassName(object),
                      record.name, classes[record.type].name);
        }
        return -1;
    }
    if (record.container != kContainerNone) {
        return -4;
    }
    void* field = record.access.field ? record.access.field(object) : nullptr;
    if (!field) {
        return -1;
    }
    switch (record.type) {
        case kTypeInt: {
            int value = 0;
            if (!text || sscanf(text, "%d", &value) != 1) {
                return -1;
            }
            *static_cast<int32_t*>(field) = value;
            NoteNumberText(text, NumberKind::kInt);
            return 0;
        }
        case kTypeFloat: {
            float value = 0;
            // Infinity or NaN would stop times and sizes from ever comparing sensibly.
            if (!text || sscanf(text, "%f", &value) != 1 || !std::isfinite(value)) {
                return -1;
            }
            *static_cast<float*>(field) = value;
            NoteNumberText(text, NumberKind::kFloat);
            return 0;
        }
        case kTypeString: {
            // The member owns its text, so a member set twice releases the first copy.
            char** member = static_cast<char**>(field);
            free(*member);
            *member = text ? strdup(text) : nullptr;
            return 0;
        }
        default:
            Con.Error("unsupported basic type %s", GetClassName(record.type));
            return -1;
    }
}

NClass* GetContainerRoot(NClass* object, int member) {
    if (!BelongsTo(object, member) || !members[member].access.root) {
        return nullptr;
    }
    return members[member].access.root(object);
}

NClass* CreateObject(int classIndex) {
    if (classIndex < 0) {
        return nullptr;
    }
    if (classIndex >= classCount) {
        Con.ErrorFrom("NClass", "%d values, %d is an invalid index", classCount, classIndex);
        return nullptr;
    }
    NClass* object = classes[classIndex].create();
    ObjectList.Add(object, classIndex);
    return object;
}

// Objects read from text are listed too: like every compiled object they live until
// the process ends, and the list keeps them reachable.
NClass* CreateObjectFromText(int classIndex, const char* text) {
    if (!IsClass(classIndex) || !classes[classIndex].readText) {
        return nullptr;
    }
    NClass* object = classes[classIndex].readText(text);
    if (object) {
        ObjectList.Add(object, classIndex);
    }
    return object;
}
