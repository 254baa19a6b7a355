// The document compiler: turns the node tree of a loaded document into linked
// engine objects. It knows the dialect's words (the root element, keys, containers,
// roles and names) and nothing of the vocabulary: classes, their members, their text
// forms and what a timed list entry sets all come from the registry.
//
// Everything a compile keeps while it runs (the container being filled, the name
// index, the error limit, the trace) lives in the compiler and starts afresh with
// each Compile, so no compile sees what another left behind.
#pragma once

#include <cstdint>

#include "document/DocNode.h"
#include "document/DocumentIndex.h"

class NClass;

class DocumentCompiler {
  public:
    // Every lookup of the name `tracedName` (null: none) logs each named node it
    // visits, so that an author can follow a reference that does not resolve.
    // Messages about an element name it as `fileName`:line (no file name: no place).
    explicit DocumentCompiler(const char* tracedName = nullptr, const char* fileName = nullptr)
        : tracedName(tracedName), fileName(fileName) {}
    DocumentCompiler(const DocumentCompiler&) = delete;
    DocumentCompiler& operator=(const DocumentCompiler&) = delete;

    // Compiles the tree under `root`, the node of the root element; each node's
    // `object` is set. Failures are logged and counted; they do not stop the compile.
    void Compile(DocNode* root);

  private:
    // What became of one element: its children are compiled or not, and its
    // parent learns of a failure or not.
    enum Outcome { kCompiled, kFailed, kSkipped, kFailedKeepChildren };

    // A reference to resolve: the object named `name` of class `cls` (or derived),
    // searched in document order and, when `stop` is given, only before it.
    struct Reference {
        const char* name;
        int cls;
        const DocNode* stop;
    };

    NClass* Lookup(const Reference& sought);
    void CompileNode(DocNode* node);
    void CompileChildren(DocNode* node);
    Outcome CompileElement(DocNode* node);
    Outcome CompileEntry(DocNode* node, int cls);
    Outcome CompileMember(DocNode* node, int cls);
    Outcome CompileTopLevel(DocNode* node, int cls);
    Outcome OpenContainer(DocNode* node, int member, int cls);
    Outcome SetObjectMember(DocNode* node, int member, int cls);
    bool LinkListEntry(DocNode* node, NClass* found);
    bool LinkTreeEntry(DocNode* node, NClass* found);
    void SetEntryTime(DocNode* node, NClass* entry, int timedClass);
    NClass* MakeObject(DocNode* node, int cls);
    // True, logged once, when the compile has counted kMaxDocumentMessages messages.
    bool TooManyErrors();

    static constexpr int kMaxTraceLines = 1000;

    const char* tracedName;
    const char* fileName;
    // The container being compiled: kContainerNone outside container elements.
    uint32_t containerKind = kContainerNone;
    int containerClass = NoClass;
    // The error count at which the compile stops, and whether it has.
    int errorLimit = 0;
    bool halted = false;
    int traceLines = 0;
    DocumentIndex index;
};
