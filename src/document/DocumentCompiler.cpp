#include "document/DocumentCompiler.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/Con.h"
#include "base/NumberText.h"
#include "reflect/Registry.h"
#include "values/KeyReader.h"

namespace {

bool IsBlank(const char* value) {
    return !value || strcmp(value, kBlankValue) == 0;
}

const char* Text(const char* text) {
    return text ? text : "(null)";
}

const char* Value(const char* value) {
    return value ? value : kBlankValue;
}

// What an unknown name's author may have meant; empty when nothing is close.
std::string DidYouMean(const char* closest) {
    return closest ? std::string("; did you mean ") + closest + "?" : std::string();
}

// An object stands at one place of one container: linking it a second time would
// break the first container or close a cycle.
bool AlreadyLinked(const NListNodeClass* entry, const NListNodeClass* root) {
    return entry == root || entry->prev || entry->next;
}

bool AlreadyLinked(const NTreeNodeClass* entry, const NTreeNodeClass* parent) {
    if (entry->parent || entry->firstChild) {
        return true;
    }
    for (const NTreeNodeClass* above = parent; above; above = above->parent) {
        if (above == entry) {
            return true;
        }
    }
    return false;
}

// The class, `cls` or one it derives from, whose list entries carry a time; NoClass
// when none does.
int EntryTimeClass(int cls) {
    while (const ClassRecord* record = GetClassRecord(cls)) {
        if (record->entryTimeMember) {
            return cls;
        }
        cls = record->parent;
    }
    return NoClass;
}

}  // namespace

NClass* DocumentCompiler::Lookup(const Reference& sought) {
    if (!sought.name) {
        return nullptr;
    }
    // The trace reports every named node visited, so it walks all of them while it is
    // still logged.
    const bool trace =
        tracedName && strcmp(sought.name, tracedName) == 0 && traceLines < kMaxTraceLines;
    const auto& candidates = trace ? index.AllNamed() : index.Named(sought.name);
    int skipUntil = 0;
    for (const DocNode* node : candidates) {
        if (TooManyErrors()) {
            return nullptr;
        }
        if (sought.stop && node->order >= sought.stop->order) {
            return nullptr;
        }
        if (node->order < skipUntil) {
            continue;
        }
        if (trace && traceLines < kMaxTraceLines) {
            ++traceLines;
            Con.PrintLine("Lookup %s %p", node->name, static_cast<void*>(node->firstChild));
        }
        if (strcmp(node->name, sought.name) != 0) {
            continue;
        }
        if (!node->object) {
            // Its subtree is passed over: nothing below an unconverted node is converted.
            Con.Error("Reference: a node with name %s exists, but is not converted yet",
                      node->name);
            skipUntil = node->subtreeEnd;
            continue;
        }
        const int found = GetClassIndex(node->object);
        if (IsDerived(sought.cls, found)) {
            return node->object;
        }
        Con.Error("Reference: node %s is of class %s which is incompatible with class %s",
                  node->name, Text(GetClassName(found)), Text(GetClassName(sought.cls)));
    }
    return nullptr;
}

void DocumentCompiler::Compile(DocNode* root) {
    index.Build(root);
    root->childFailed = 0;
    containerKind = kContainerNone;
    containerClass = NoClass;
    errorLimit = Con.ErrorCount() + kMaxDocumentMessages;
    halted = false;
    traceLines = 0;
    CompileNode(root);
    Con.SetPlace(nullptr, 0);
    if (root->childFailed) {
        Con.Warning("Compile: Unexpected nodes found");
    }
    index.Clear();
}

// Once a compile has counted this many messages the rest would only repeat them: a
// document of thousands of broken references would otherwise log millions of lines.
bool DocumentCompiler::TooManyErrors() {
    if (!halted && Con.ErrorCount() >= errorLimit) {
        halted = true;
        Con.SetPlace(nullptr, 0);
        Con.Error("Compile: too many errors, compilation stopped");
    }
    return halted;
}

void DocumentCompiler::CompileNode(DocNode* node) {
    if (TooManyErrors()) {
        return;
    }
    node->childFailed = 0;
    // Whatever compiling the element logs, the readers' and the registry's messages
    // included, says where the element is.
    Con.SetPlace(fileName, node->line);
    const Outcome outcome = CompileElement(node);
    if (outcome == kFailed || outcome == kFailedKeepChildren) {
        (node->parent ? node->parent : node)->childFailed = 1;
    }
    if (outcome == kCompiled || outcome == kFailedKeepChildren) {
        CompileChildren(node);
    }
}

void DocumentCompiler::CompileChildren(DocNode* node) {
    for (DocNode* child = node->firstChild; child; child = child->next) {
        CompileNode(child);
    }
    if (node->container != kContainerNone) {
        containerKind = kContainerNone;
    }
    if (node->parent && node->childFailed) {
        node->parent->childFailed = 1;
    }
}

DocumentCompiler::Outcome DocumentCompiler::CompileElement(DocNode* node) {
    DocNode* parent = node->parent;
    if (!parent) {
        if (!node->className || strcmp(node->className, kRootElement) != 0) {
            Con.Error("root node must be \"Nimbus\"");
            return kFailed;
        }
        return kCompiled;
    }
    if (strcmp(node->className, kKeyElement) == 0) {
        const bool added = ReadKey(parent->object, parent->className, node->time, node->value);
        return added ? kCompiled : kFailed;
    }
    const int cls = GetClassIndex(node->className);
    if (cls == NoClass) {
        Con.Warning("unknown class [%s]%s", node->className,
                    DidYouMean(ClosestClassName(node->className)).c_str());
        return kFailed;
    }
    if (containerKind != kContainerNone) {
        return CompileEntry(node, cls);
    }
    if (parent->object) {
        return CompileMember(node, cls);
    }
    return CompileTopLevel(node, cls);
}

DocumentCompiler::Outcome DocumentCompiler::CompileEntry(DocNode* node, int cls) {
    if (cls < 0) {
        Con.Error("containers can not contain basic types");
        return kSkipped;
    }
    if (node->container != kContainerNone) {
        Con.Error("members of containers can not be containers themselves");
        return kFailed;
    }
    NClass* found = Lookup({node->name, containerClass, nullptr});
    if (!found) {
        Con.Error("invalid reference to object %s of class %s", Text(node->name), node->className);
        return kFailed;
    }
    // Entries link through their own SetParent, whatever kind the container element
    // declares: an element of the wrong kind has been reported as such already.
    const bool treeNode = dynamic_cast<NTreeNodeClass*>(found) != nullptr;
    const bool linked = treeNode ? LinkTreeEntry(node, found) : LinkListEntry(node, found);
    if (!linked) {
        return kFailed;
    }
    node->object = found;
    return kCompiled;
}

bool DocumentCompiler::LinkListEntry(DocNode* node, NClass* found) {
    auto* root = dynamic_cast<NListNodeClass*>(node->parent->object);
    if (!root) {
        Con.Error("missing root node in list container");
        return false;
    }
    auto* entry = dynamic_cast<NListNodeClass*>(found);
    if (!entry || AlreadyLinked(entry, root)) {
        Con.Error("object %s of class %s is already in a container", Text(node->name),
                  node->className);
        return false;
    }
    entry->SetParent(root);
    const int timedClass = EntryTimeClass(containerClass);
    if (timedClass != NoClass) {
        SetEntryTime(node, found, timedClass);
    }
    return true;
}

bool DocumentCompiler::LinkTreeEntry(DocNode* node, NClass* found) {
    auto* parent = dynamic_cast<NTreeNodeClass*>(node->parent->object);
    if (!parent) {
        Con.Error("missing parent node in tree container");
        return false;
    }
    auto* entry = dynamic_cast<NTreeNodeClass*>(found);
    if (!entry || AlreadyLinked(entry, parent)) {
        Con.Error("object %s of class %s is already in a container", Text(node->name),
                  node->className);
        return false;
    }
    entry->SetParent(parent);
    return true;
}

// A list entry may carry a time for its object, where the list's class says so.
void DocumentCompiler::SetEntryTime(DocNode* node, NClass* entry, int timedClass) {
    Con.PrintLine("%s list node Time=[%s]", GetClassName(timedClass), Text(node->time));
    if (!node->time) {
        return;
    }
    float time = 0;
    if (sscanf(node->time, "%f", &time) != 1) {
        Con.Error("key time [%s] is invalid", node->time);
        return;
    }
    const std::string problem = NumberTextProblem(node->time, NumberKind::kFloat);
    if (!problem.empty()) {
        Con.Notice("%s", problem.c_str());
    }
    const int member = GetMemberIndex(entry, GetClassRecord(timedClass)->entryTimeMember);
    if (time != 0 && member >= 0) {
        char text[64];
        snprintf(text, sizeof text, "%.9g", time);
        SetMember(entry, member, text);
    }
}

DocumentCompiler::Outcome DocumentCompiler::CompileMember(DocNode* node, int cls) {
    DocNode* parent = node->parent;
    NClass* owner = parent->object;
    if (!node->role) {
        Con.Error("missing Role of type \"%s\"", node->className);
        return kFailed;
    }
    const int member = GetMemberIndex(owner, node->role);
    if (member == NoClass) {
        Con.Warning("unknown member [%s] of [%s]%s", node->role, parent->className,
                    DidYouMean(ClosestMemberName(GetClassIndex(owner), node->role)).c_str());
        return kFailed;
    }
    if (cls < 0) {
        if (node->container != kContainerNone) {
            Con.Error("basic types can not have containers");
            return kFailed;
        }
        if (SetMember(owner, member, node->value) != 0) {
            Con.Error("failed to set member type %s value [%s]", node->className,
                      Value(node->value));
            return kFailed;
        }
        return kCompiled;
    }
    const uint32_t declared = GetMemberRecord(member)->container;
    if (node->container != declared) {
        Con.Error("Invalid container of %s: expected %s, found %s", node->role,
                  GetContainerName(declared), GetContainerName(node->container));
        if (declared == kContainerNone) {
            return kFailed;
        }
    }
    if (CheckMemberClass(owner, member, cls) < 0) {
        Con.Error(
            "Failed to set member %s of object %s of class %s. Object %s is of class %s. Class "
            "%s or derived class is expected.",
            node->role, Text(parent->name), parent->className, Text(node->name), node->className,
            Text(GetClassName(GetMemberType(member))));
        return kFailed;
    }
    if (node->container != kContainerNone) {
        return OpenContainer(node, member, cls);
    }
    return SetObjectMember(node, member, cls);
}

DocumentCompiler::Outcome DocumentCompiler::OpenContainer(DocNode* node, int member, int cls) {
    containerKind = node->container;
    containerClass = cls;
    if (node->name) {
        Con.Warning("Containers should be unnamed. A %s Container has a name (%s)",
                    GetContainerName(node->container), node->name);
    }
    node->object = GetContainerRoot(node->parent->object, member);
    return kCompiled;
}

DocumentCompiler::Outcome DocumentCompiler::SetObjectMember(DocNode* node, int member, int cls) {
    DocNode* parent = node->parent;
    // A texture read from its text already has its bitmap: a second one would drop
    // the first and the text that named it.
    if (!IsBlank(parent->value) && GetMemberObject(parent->object, member)) {
        Con.Error("member %s of %s is already given by the text [%s]", node->role,
                  Text(parent->name), parent->value);
        return kFailed;
    }
    NClass* object = node->name ? Lookup({node->name, cls, node}) : nullptr;
    const bool reference = object != nullptr;
    if (reference && node->firstChild) {
        Con.Error("reference is expanded (node %s of class %s)", node->name,
                  Text(GetClassName(cls)));
        return kFailed;
    }
    if (!reference) {
        object = MakeObject(node, cls);
    }
    if (SetMember(parent->object, member, object) != 0) {
        Con.Error("failed to set member %s of %s", node->role, Text(parent->name));
        if (!reference) {
            delete object;
        }
        return kFailed;
    }
    node->object = object;
    return kCompiled;
}

DocumentCompiler::Outcome DocumentCompiler::CompileTopLevel(DocNode* node, int cls) {
    if (node->container != kContainerNone) {
        Con.Error("the root node may not be a container");
        return kFailed;
    }
    if (cls < 0) {
        Con.Warning("no owner class exists, basic type %s value %s is discarded", node->className,
                    Value(node->value));
        return kFailedKeepChildren;
    }
    node->object = MakeObject(node, cls);
    return kCompiled;
}

// From the element's text where the class has a text form, else a default object.
NClass* DocumentCompiler::MakeObject(DocNode* node, int cls) {
    if (!IsBlank(node->value)) {
        if (NClass* object = CreateObjectFromText(cls, node->value)) {
            return object;
        }
    }
    return CreateObject(cls);
}
