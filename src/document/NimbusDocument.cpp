#include "document/NimbusDocument.h"

#include "base/OwnedText.h"
#include "document/NimbusTextFile.h"

// Runs at exit after the log is gone; a tree built by loading is consistent, so
// freeing it logs nothing.
NimbusDocument::~NimbusDocument() {
    DeleteChildren(&root);
    FreeText(fileName);
}

void NimbusDocument::Load(const char* name) {
    ReplaceText(fileName, name);
    DeleteChildren(&root);
    // The root node is read into again: nothing of the previous document may stay.
    root.ResetContent();
    BeforeLoad();
    NimbusTextFile file;
    file.Load(name, &root);
    AfterLoad();
}
