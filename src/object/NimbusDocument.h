// The loaded document: the tree of its elements, kept for the compiler, which
// turns it into objects, and for the teardown at exit.
#pragma once

#include "object/DocNode.h"

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

    // The node of the root element ("Nimbus").
    DocNode& Root() { return root; }
    const DocNode& Root() const { return root; }
    const char* FileName() const { return fileName; }

  private:
    DocNode root;
    char* fileName = nullptr;
};

// The process-wide document (defined with the other process-wide objects).
extern NimbusDocument& Document;
