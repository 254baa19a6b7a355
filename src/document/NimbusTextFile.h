// The XML text form of a document file. The dialect is a small subset of XML with
// additions of its own; documents are written by hand against it, so its checks,
// messages and positions are what authors rely on to find their mistakes.
#pragma once

#include <string>

#include "document/NimbusFile.h"

class NimbusTextFile : public NimbusFile {
  public:
    ~NimbusTextFile() override;

    int ReadNode(DocNode* node) override;
    int WriteNode(DocNode* node) override;
    // Failures are logged, ending with the position where reading stopped.
    int Load(const char* name, DocNode* root) override;
    // Writes through the default input back-end (a directory: an archive refuses).
    int Save(const char* name, DocNode* root) override;

    // Deeper nesting is refused, so that neither reading, writing nor compiling a
    // document can exhaust the stack.
    static constexpr int kMaxDepth = 256;

  private:
    bool ReadElement(DocNode* node);
    bool ReadPrologItems();
    bool ReadDeclaration();
    bool SkipMarkup();
    bool ReadAttributes(DocNode* node);
    void CheckElement(const DocNode* node) const;
    bool ReadContent(DocNode* node, std::string* data);
    bool ReadChild(DocNode* node);
    bool ReadEndTag(DocNode* node);
    bool WriteElement(DocNode* node);
    bool WriteStartTag(const DocNode* node, bool empty);
    bool WriteEndTag(const DocNode* node);
    void DiscardText();
    // True, logged once, when this load has counted kMaxDocumentMessages messages.
    bool TooManyMessages();

    // The depth of the element that most recently opened a List or Tree container, 0
    // when none is open; it only decides whether a missing role is worth a warning.
    int openContainerDepth = 0;
    // The error count at which reading stops, and whether it has.
    int messageLimit = 0;
    bool halted = false;
};
