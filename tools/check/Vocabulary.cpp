#include "check/Vocabulary.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <set>

#include "reflect/Registry.h"

namespace {

// "#float" for "Float": the anchor of a class's section.
std::string ClassLink(int cls) {
    const char* name = GetClassName(cls);
    std::string anchor;
    for (const char* c = name; *c; ++c) {
        anchor += static_cast<char>(tolower(static_cast<unsigned char>(*c)));
    }
    return "[" + std::string(name) + "](#" + anchor + ")";
}

std::string TypeText(const MemberRecord& member) {
    if (member.type < 0) {
        return GetClassName(member.type);
    }
    if (member.container != kContainerNone) {
        return std::string(GetContainerName(member.container)) + " of " + ClassLink(member.type);
    }
    return ClassLink(member.type);
}

std::string Number(double value) {
    char text[32];
    snprintf(text, sizeof text, "%g", value);
    return text;
}

// The value a basic-type member holds in `object`.
std::string BasicValue(const MemberRecord& member, NClass* object) {
    void* field = member.access.field ? member.access.field(object) : nullptr;
    if (!field) {
        return "?";
    }
    switch (member.type) {
        case kTypeInt:
            return std::to_string(*static_cast<int32_t*>(field));
        case kTypeFloat:
            return Number(*static_cast<float*>(field));
        case kTypeBool:
            return *static_cast<bool*>(field) ? "true" : "false";
        default: {
            const char* text = *static_cast<char**>(field);
            return text ? "\"" + std::string(text) + "\"" : "none";
        }
    }
}

// An object a fresh instance already holds: its class and its own plain values.
std::string ObjectValue(NClass* value) {
    const int cls = FindClassByType(typeid(*value));
    const ClassRecord* record = GetClassRecord(cls);
    if (!record) {
        return "an object";
    }
    std::string text = std::string("a ") + record->name;
    for (int i = 0; i < record->memberCount; ++i) {
        const MemberRecord& member = *GetMemberRecord(record->firstMember + i);
        if (member.type < 0) {
            text +=
                std::string(i == 0 ? " " : ", ") + member.name + " " + BasicValue(member, value);
        }
    }
    return text;
}

std::string DefaultText(const MemberRecord& member, NClass* object) {
    if (member.container != kContainerNone) {
        return "empty";
    }
    if (member.type < 0) {
        return BasicValue(member, object);
    }
    NClass* value = member.access.load ? member.access.load(object) : nullptr;
    return value ? ObjectValue(value) : "none";
}

// A class's own member hides a base's member of the same name, as lookups do.
void AppendMemberRows(int cls, NClass* prototype, std::string* page) {
    std::set<std::string> listed;
    for (int owner = cls; GetClassRecord(owner); owner = GetClassRecord(owner)->parent) {
        const ClassRecord& record = *GetClassRecord(owner);
        for (int i = 0; i < record.memberCount; ++i) {
            const MemberRecord& member = *GetMemberRecord(record.firstMember + i);
            if (!listed.insert(member.name).second) {
                continue;
            }
            std::string name = "`" + std::string(member.name) + "`";
            if (owner != cls) {
                name += " (" + std::string(record.name) + ")";
            }
            *page += "| " + name + " | " + TypeText(member) + " | " +
                     DefaultText(member, prototype) + " | " +
                     (member.meaning ? member.meaning : "") + " |\n";
        }
        if (!record.inheritsMembers) {
            break;
        }
    }
}

bool HasMembers(int cls) {
    for (int owner = cls; GetClassRecord(owner); owner = GetClassRecord(owner)->parent) {
        if (GetClassRecord(owner)->memberCount > 0) {
            return true;
        }
        if (!GetClassRecord(owner)->inheritsMembers) {
            break;
        }
    }
    return false;
}

void AppendClassSection(int cls, std::string* page) {
    const ClassRecord& record = *GetClassRecord(cls);
    *page += "\n## " + std::string(record.name) + "\n\n" + (record.meaning ? record.meaning : "") +
             "\n\n";
    *page += "Base: " + (GetClassRecord(record.parent) ? ClassLink(record.parent) : "none") + ".";
    if (GetClassRecord(record.parent) && !record.inheritsMembers) {
        *page += " Only its own members can be written; its base's are not looked up.";
    }
    if (record.readText) {
        *page += " An element of it may give the whole value as its text.";
    }
    if (record.entryTimeMember) {
        *page += std::string(" In a list, an entry's Time attribute sets its `") +
                 record.entryTimeMember + "`.";
    }
    *page += "\n";
    if (!HasMembers(cls)) {
        return;
    }
    *page += "\n| member | type | default | meaning |\n|---|---|---|---|\n";
    const std::unique_ptr<NClass> prototype(record.create());
    AppendMemberRows(cls, prototype.get(), page);
}

}  // namespace

std::string DescribeVocabulary() {
    std::string page =
        "# Document classes\n\n"
        "The vocabulary of scene documents, as the player registers it: " +
        std::to_string(ClassCount()) + " classes and " + std::to_string(MemberCount()) +
        " members.\n"
        "An element names a class or one of the basic types `int`, `float` and `string`;\n"
        "its `Role` names the member of the enclosing object that it fills, its `Name`\n"
        "lets later elements refer to it. A class's members include those of its bases,\n"
        "marked with the base's name, unless the class says otherwise. Defaults are what\n"
        "an element without that member gets.\n\n"
        "This page is what `nimbus-check --classes` prints; it is made from the class table\n"
        "(`src/app/ClassTable.cpp`), so edit the meanings there, not here.\n\n"
        "| class | base | what it is |\n|---|---|---|\n";
    for (int cls = 0; cls < ClassCount(); ++cls) {
        const ClassRecord& record = *GetClassRecord(cls);
        page += "| " + ClassLink(cls) + " | " +
                (GetClassRecord(record.parent) ? ClassLink(record.parent) : "—") + " | " +
                (record.meaning ? record.meaning : "") + " |\n";
    }
    for (int cls = 0; cls < ClassCount(); ++cls) {
        AppendClassSection(cls, &page);
    }
    return page;
}
