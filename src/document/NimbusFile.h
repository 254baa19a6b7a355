// A document file: reads a document into a tree of nodes and writes a tree back.
#pragma once

#include "base/OwnedText.h"

class NText;
struct DocNode;

class NimbusFile {
  public:
    NimbusFile() = default;
    virtual ~NimbusFile() { FreeText(fileName); }
    NimbusFile(const NimbusFile&) = delete;
    NimbusFile& operator=(const NimbusFile&) = delete;

    // Each returns 0 on success, 1 on failure (also kept in Failed()).
    // Reads one element, with everything inside it, into `node`.
    virtual int ReadNode(DocNode* node) = 0;
    // Writes `node` and its subtree.
    virtual int WriteNode(DocNode* node) = 0;
    // Reads a whole document into `root`.
    virtual int Load(const char* name, DocNode* root) = 0;
    // Writes the tree under `root` as a document.
    virtual int Save(const char* name, DocNode* root) = 0;

    bool Busy() const { return busy; }
    bool Failed() const { return failed; }

  protected:
    bool busy = false;    // a load or save runs (stays set when it could not start)
    bool failed = false;  // the last node read or written failed
    int depth = 0;        // 0 for the root element
    bool declarationSeen = false;
    bool rootSeen = false;
    char* fileName = nullptr;
    NText* text = nullptr;  // exists during one load or save
};
