// The process-wide registry of reflected classes and their members: objects are
// created from a class index, members found by name up the parent chain and set
// from text or from other objects.
#pragma once

#include <cstdint>
#include <typeinfo>

#include "reflect/Class.h"
#include "reflect/ClassIndex.h"
#include "reflect/ContainerKind.h"

// Where a member lives inside its owner. Basic-type members give the address of
// their storage (int32_t, float, or char* for an owned string); object members are
// stored and read through typed functions; containers give their embedded root.
struct MemberAccess {
    void* (*field)(NClass* owner) = nullptr;
    bool (*store)(NClass* owner, NClass* value) = nullptr;
    NClass* (*load)(NClass* owner) = nullptr;
    NClass* (*root)(NClass* owner) = nullptr;
};

struct ClassRecord {
    const std::type_info* type;
    NClass* (*create)();
    uint32_t container;
    int parent;
    bool inheritsMembers;
    int memberCount;
    int firstMember;
    const char* name;
    // Makes an object of the class from an element's character data; null when the
    // class has no text form.
    NClass* (*readText)(const char* text);
    // The member that the Time attribute of an entry of a list of this class (or a
    // class derived from it) sets; null when list entries carry no time.
    const char* entryTimeMember;
    // What the class is for, in a line, for the vocabulary authors read.
    const char* meaning;
};

struct MemberRecord {
    MemberAccess access;
    uint32_t container;
    int type;
    const char* name;
    int owner;
    // What the member does, in a line; null until the class table describes it.
    const char* meaning;
};

constexpr int kMaxClasses = 200;
constexpr int kMaxMembers = 1000;

int ClassCount();
int MemberCount();
const ClassRecord* GetClassRecord(int index);
const MemberRecord* GetMemberRecord(int member);

int GetClassIndex(const char* name);
int GetClassIndex(const NClass* object);
const char* GetClassName(int index);
const char* GetClassName(const NClass* object);
int GetMemberIndex(int classIndex, const char* name);
int GetMemberIndex(const NClass* object, const char* name);
// The registered class or basic type whose name is closest to `name` (letter case
// aside, a swapped pair of letters counting as one edit), when it is close enough to
// be a slip of the pen; null otherwise.
const char* ClosestClassName(const char* name);
// The same among the members that `name` would be looked up in for `classIndex`:
// its own and, where it inherits members, its ancestors'.
const char* ClosestMemberName(int classIndex, const char* name);
int GetMemberType(int member);
const char* GetMemberName(int member);
bool IsDerived(int base, int cls);
// 0 when an object of class `cls` may be stored in `member` of `object`; -3 when it
// may not; -1 when the owner's class is unknown or `cls` or the member's type is no class.
int CheckMemberClass(const NClass* object, int member, int cls);
// Results: 0 done, -1 refused, -4 the member is a container.
int SetMember(NClass* object, int member, NClass* value);
int SetMember(NClass* object, int member, const char* text);
// The object an object member holds (null when unset), or null for any other member.
NClass* GetMemberObject(NClass* object, int member);
// The embedded root node of a container member, or null.
NClass* GetContainerRoot(NClass* object, int member);
NClass* CreateObject(int classIndex);
// An object made from `text` by the class's own text reader, listed as CreateObject
// lists it; null when the class has no reader or the text does not read.
NClass* CreateObjectFromText(int classIndex, const char* text);

// Registration, used by the class table. Appends a class record (its member count
// and first member are the registry's to fill); returns its index.
int AppendClass(const ClassRecord& record);
// Starts the member records of a class: members appended next are its own.
void BeginMembers(int classIndex);
// Returns false and logs when the member cannot be recorded.
bool AppendMember(const MemberAccess& access, uint32_t container, int type, const char* name);
// Gives member `name` of class `classIndex` (its own, not inherited) its meaning;
// false when the class has no such member.
bool DescribeMember(int classIndex, const char* name, const char* meaning);
// The index of the class whose instances have exactly this type, without a message.
int FindClassByType(const std::type_info& type);
// The index of the class of that document name, without a message.
int FindClassByName(const char* name);
// Drops the classes from index `first` on, with their members. Only tests call it:
// a test that registers a class of its own leaves the table as it found it.
void UnregisterClassesFrom(int first);
