// The loaded document: the tree of its elements, kept for the compiler, which
// turns it into objects, and for the teardown at exit.
#pragma once

#include "document/DocNode.h"
#include "document/DocumentIndex.h"

class NimbusDocument {
  public:
    NimbusDocument() = default;
    virtual ~NimbusDocument();
    NimbusDocument(const NimbusDocument&) = delete;
    NimbusDocument& operator=(const NimbusDocument&) = delete;

    // Hooks around Load; nothing here.
    virtual void AfterLoad() {}
    virtual void BeforeLoad() {}

    // Replaces the tree by the document `name` read through the default input.
    // Success is told by the log's error count alone.
    void Load(const char* name);

    // Turns the tree into objects; failures are logged and counted.
    void Compile();
    // Compiles, then returns the first top-level object of `className` or a class
    // derived from it, or null.
    NClass* CompileAndFind(const char* className);
    // Detaches the compiled objects from the tree at the end of the run; the objects
    // themselves live on.
    void Destroy();

    // The node of the root element ("Nimbus").
    DocNode& Root() { return root; }
    const DocNode& Root() const { return root; }
    const char* FileName() const { return fileName; }

  private:
    // What became of one element: its children are compiled or not, and its
    // parent learns of a failure or not.
    enum Outcome { kCompiled, kFailed, kSkipped, kFailedKeepChildren };

    // The object named `name` of class `cls` (or derived), searched in document
    // order up to `stop`; null when there is none.
    NClass* Find(const char* name, int cls, const DocNode* stop);
    NClass* Lookup();
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
    void SetSceneEndTime(DocNode* node, NClass* scene);
    NClass* MakeObject(DocNode* node, int cls);
    void ForgetObjects(DocNode* node);
    // True, logged once, when the compile has counted kMaxCompileErrors messages.
    bool TooManyErrors();

    static constexpr int kMaxCompileErrors = 1000;
    static constexpr int kMaxTraceLines = 1000;

    // The lookup request.
    int soughtClass = NoClass;
    const char* soughtName = nullptr;
    const DocNode* stopNode = nullptr;
    bool stopped = false;
    DocNode root;
    // The container being compiled: kContainerNone outside container elements.
    uint32_t containerKind = kContainerNone;
    int containerClass = NoClass;
    int depth = 0;
    // The error count at which the compile stops, and whether it has.
    int errorLimit = 0;
    bool halted = false;
    int traceLines = 0;
    DocumentIndex index;
    char* fileName = nullptr;
};

// The process-wide document (defined with the other process-wide objects).
extern NimbusDocument& Document;
