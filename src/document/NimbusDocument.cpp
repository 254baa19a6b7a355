#include "document/NimbusDocument.h"

#include "base/Con.h"
#include "base/OwnedText.h"
#include "document/DocumentCompiler.h"
#include "document/NimbusTextFile.h"
#include "reflect/Registry.h"

namespace {

// Authors name a value "FloatR" to see, in the log, every named node that a lookup
// of it visits.
constexpr char kTracedName[] = "FloatR";

}  // namespace

// Runs at exit after the log is gone; a tree built by loading is consistent, so
// freeing it logs nothing.
NimbusDocument::~NimbusDocument() {
    DeleteChildren(&root);
    FreeText(fileName);
}

bool NimbusDocument::Load(const char* name) {
    ReplaceText(fileName, name);
    DeleteChildren(&root);
    // The root node is read into again: nothing of the previous document may stay.
    root.ResetContent();
    BeforeLoad();
    NimbusTextFile file;
    const bool read = file.Load(name, &root) == 0;
    AfterLoad();
    return read;
}

void NimbusDocument::Compile() {
    DocumentCompiler compiler(kTracedName, fileName);
    compiler.Compile(&root);
}

NClass* NimbusDocument::CompileAndFind(const char* className) {
    Compile();
    if (!className) {
        return nullptr;
    }
    const int cls = GetClassIndex(className);
    if (cls < 0) {
        return nullptr;
    }
    for (DocNode* child = root.firstChild; child; child = child->next) {
        if (child->object && IsDerived(cls, GetClassIndex(child->object))) {
            return child->object;
        }
    }
    return nullptr;
}

void NimbusDocument::Destroy() {
    ForgetObjects(&root);
    Con.PrintLine("Destroy: Remnant objects: DISABLED");
    Con.PrintLine("Destroy: Done.");
}

void NimbusDocument::ForgetObjects(DocNode* node) {
    for (; node; node = node->next) {
        node->object = nullptr;
        ForgetObjects(node->firstChild);
    }
}
