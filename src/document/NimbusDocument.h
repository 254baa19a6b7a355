// The loaded document: the tree of its elements, kept for the compiler, which
// turns it into objects, and for the teardown at exit.
#pragma once

#include "document/DocNode.h"

class NClass;

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
    // Success is told by the log's error count; the result says whether the whole
    // text was read (warnings may have been logged), so that the tree is complete.
    bool Load(const char* name);

    // Turns the tree into objects, with a compiler of its own for each call;
    // failures are logged and counted.
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
    void ForgetObjects(DocNode* node);

    DocNode root;
    char* fileName = nullptr;
};

// The process-wide document (defined with the other process-wide objects).
extern NimbusDocument& Document;
