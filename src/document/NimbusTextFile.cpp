#include "document/NimbusTextFile.h"

#include <cstring>

#include "base/Con.h"
#include "document/DocNode.h"
#include "io/Text.h"

namespace {

bool Equal(const char* a, const char* b) {
    return a && strcmp(a, b) == 0;
}

}  // namespace

NimbusTextFile::~NimbusTextFile() {
    DiscardText();
}

void NimbusTextFile::DiscardText() {
    delete text;
    text = nullptr;
}

// [SECTION] Loading

int NimbusTextFile::Load(const char* name, DocNode* root) {
    busy = true;
    if (!name) {
        Con.Error("unspecified filename");
        return 1;
    }
    ReplaceText(fileName, name);
    declarationSeen = false;
    rootSeen = false;
    openContainerDepth = 0;
    messageLimit = Con.ErrorCount() + kMaxDocumentMessages;
    halted = false;
    failed = false;
    DiscardText();
    text = new NText(NData::kInput);
    if (text->OpenRead(name) != kTextOk) {
        Con.Error("can't load file %s", name);
        DiscardText();
        return 1;
    }
    if (text->SkipWhitespace() != kTextOk) {
        DiscardText();  // nothing was read: the load stays unfinished
        return 1;
    }
    depth = 0;
    const bool read = !root || ReadNode(root) == 0;
    // Messages about elements carry their place; this one gives its own.
    Con.SetPlace(nullptr, 0);
    if (!read) {
        Con.Error("Failed to read document in %s: error before line %d, column %d", name,
                  text->Line(), text->Column());
    }
    text->CloseFile();
    DiscardText();
    busy = false;
    return failed ? 1 : 0;
}

// The outcome is kept per call: a parent that fails after a child succeeded
// still fails.
int NimbusTextFile::ReadNode(DocNode* node) {
    failed = !ReadElement(node);
    return failed ? 1 : 0;
}

bool NimbusTextFile::ReadElement(DocNode* node) {
    if (!ReadPrologItems()) {
        return false;
    }
    node->line = text->Line();
    if (text->ReadIdentifier() != kTextOk) {
        return false;
    }
    text->SetCompound(false);
    if (depth == 0) {
        rootSeen = true;
        if (strcmp(text->Word(), kRootElement) != 0) {
            Con.Error("root node must be \"Nimbus\"");
            return false;
        }
    }
    ReplaceText(node->className, text->Word());
    if (!ReadAttributes(node)) {
        return false;
    }
    CheckElement(node);
    if (TooManyMessages()) {
        return false;
    }

    text->SetCompound(true);
    const bool empty = text->Current() == '/';
    if ((empty && text->ExpectChar('/') != kTextOk) || text->ExpectChar('>') != kTextOk) {
        return false;
    }
    text->SetCompound(false);
    if (!empty) {
        std::string data;
        const bool complete = ReadContent(node, &data);
        if (!data.empty()) {
            ReplaceText(node->value, data.c_str());
            node->valueType = kTypeString;
        }
        if (!complete) {
            return false;
        }
    }
    if (!node->value) {
        ReplaceText(node->value, kBlankValue);
    }
    return true;
}

// Declarations and "<!" items before an element; leaves the cursor on the
// element's name, just after its "<".
bool NimbusTextFile::ReadPrologItems() {
    for (;;) {
        text->SetCompound(true);
        if (text->ExpectChar('<') != kTextOk) {
            return false;
        }
        Con.SetPlace(fileName, text->Line());
        switch (text->Current()) {
            case '/':  // an end tag where an element was expected
                return false;
            case '?':
                if (!ReadDeclaration()) {
                    return false;
                }
                break;
            case '!':
                if (!SkipMarkup()) {
                    return false;
                }
                break;
            default:
                return true;
        }
    }
}

// Only the attribute names of a declaration are looked at.
bool NimbusTextFile::ReadDeclaration() {
    if (rootSeen) {
        Con.Error("xml informational tag <?...?> is preceded by other information");
        return false;
    }
    if (declarationSeen) {
        Con.Error("multiple <?...?> tags found in file");
        return false;
    }
    if (text->ExpectString("?xml") != kTextOk) {
        Con.Error("an <?xml?> tag is expected");
        return false;
    }
    text->SetCompound(false);
    bool versionSeen = false;
    while (text->Current() != '?') {
        if (text->ReadAttribute() != kTextOk) {
            return false;
        }
        if (strcmp(text->AttributeName(), "version") == 0) {
            if (versionSeen) {
                Con.Error("There can be only one version tag in the xml header");
                return false;
            }
            versionSeen = true;
        }
    }
    text->SetCompound(true);
    if (text->ExpectChar('?') != kTextOk || text->ExpectChar('>') != kTextOk) {
        return false;
    }
    text->SetCompound(false);
    declarationSeen = true;
    return true;
}

// Comments and document type declarations: everything up to the first '>'.
bool NimbusTextFile::SkipMarkup() {
    if (text->ExpectChar('!') != kTextOk) {
        return false;
    }
    text->SetCompound(false);
    while (text->Current() != '>') {
        if (text->Advance() != kTextOk) {
            return false;
        }
    }
    return text->ExpectChar('>') == kTextOk;
}

bool NimbusTextFile::ReadAttributes(DocNode* node) {
    while (text->Current() != '>' && text->Current() != '/') {
        if (text->ReadAttribute() != kTextOk) {
            return false;
        }
        const char* key = text->AttributeName();
        const char* value = text->AttributeValue();
        if (strcmp(key, "Name") == 0) {
            if (node->name) {
                Con.Warning("Name of node Class %s Role %s is specified more than once",
                            node->className, Printable(node->role));
            } else {
                ReplaceText(node->name, value);
            }
        } else if (strcmp(key, "Role") == 0) {
            if (node->role) {
                Con.Warning("Role of node Class %s Name %s is specified more than once",
                            node->className, Printable(node->name));
            } else {
                ReplaceText(node->role, value);
            }
        } else if (strcmp(key, "Time") == 0) {
            if (node->time) {
                Con.Warning(
                    "The Time attribute of node Class %s Name %s is specified more than once",
                    node->className, Printable(node->name));
            } else {
                ReplaceText(node->time, value);
            }
        } else if (strcmp(key, "Container") == 0) {
            if (strcmp(value, "None") == 0) {
                node->container = kContainerNone;
            } else if (strcmp(value, "List") == 0 || strcmp(value, "Tree") == 0) {
                node->container = value[0] == 'L' ? kContainerList : kContainerTree;
                openContainerDepth = depth;
            } else {
                Con.Error("unknown container type %s", value);
                return false;
            }
        }
    }
    return true;
}

void NimbusTextFile::CheckElement(const DocNode* node) const {
    const char* className = node->className;
    if (node->time && !Equal(className, kKeyElement) && !Equal(className, "Scene")) {
        Con.Error(
            "Only Key objects can have a Time attribute, object %s of class %s is not suitable",
            Printable(node->name), className);
    }
    if (!node->role && depth > 1 && openContainerDepth == 0 && !Equal(className, kKeyElement)) {
        if (node->name) {
            Con.Warning("role of object %s of class %s is missing", node->name, className);
        } else {
            Con.Warning("role of an object of class %s is missing", className);
        }
    }
    if (!node->name && depth == 1) {
        Con.Warning("name of node %s is missing", className);
    }
}

// Character data and child elements up to and including the end tag. The runs
// of character data are joined with one space into `data`.
bool NimbusTextFile::ReadContent(DocNode* node, std::string* data) {
    for (;;) {
        if (text->Current() == '<') {
            if (text->Lookahead() == '/') {
                return ReadEndTag(node);
            }
            if (!ReadChild(node)) {
                return false;
            }
            continue;
        }
        if (const int status = text->ReadText()) {
            Con.SetPlace(nullptr, 0);  // the report gives the position itself
            text->ReportError(status);
            return false;
        }
        if (!data->empty()) {
            data->push_back(' ');
        }
        data->append(text->Word());
    }
}

bool NimbusTextFile::ReadChild(DocNode* node) {
    if (depth >= kMaxDepth) {
        Con.Error("elements may not be nested more than %d levels deep", kMaxDepth);
        return false;
    }
    DocNode* child = new DocNode;
    if (LinkFirstChild(child, node) != 0) {
        delete child;
        return false;
    }
    ++depth;
    const int result = ReadNode(child);
    --depth;
    if (result != 0) {
        if (child->line) {  // else the place of its "<" stays
            Con.SetPlace(fileName, child->line);
        }
        Con.Error("Loading a child node of %s failed", Printable(child->className));
        return false;
    }
    return true;
}

// The reader goes on after warnings; a document made of thousands of them would
// otherwise log them all.
bool NimbusTextFile::TooManyMessages() {
    if (!halted && Con.ErrorCount() >= messageLimit) {
        halted = true;
        Con.Error("Load: too many errors, reading stopped");
    }
    return halted;
}

bool NimbusTextFile::ReadEndTag(DocNode* node) {
    text->SetCompound(true);
    if (text->ExpectChar('<') != kTextOk || text->ExpectChar('/') != kTextOk ||
        text->ExpectString(node->className) != kTextOk || text->ExpectChar('>') != kTextOk) {
        return false;
    }
    text->SetCompound(false);
    if (openContainerDepth == depth) {
        openContainerDepth = 0;
    }
    ReverseChildren(node);
    return true;
}

// [SECTION] Saving

int NimbusTextFile::Save(const char* name, DocNode* root) {
    busy = true;
    if (!root) {
        return 1;
    }
    if (!name) {
        Con.Error("unspecified filename");
        return 1;
    }
    ReplaceText(fileName, name);
    DiscardText();
    text = new NText(NData::kInput);
    if (text->OpenWrite(name) != 0) {
        Con.Error("can't open file %s for saving", name);
        DiscardText();
        return 1;
    }
    depth = 0;
    const bool written = WriteNode(root) == 0;
    // What was produced is written out even after a failure.
    const bool closed = text->CloseFile() == 0;
    if (!written || !closed) {
        Con.Error("Failed to create document %s", name);
    }
    DiscardText();
    busy = false;
    return written && closed ? 0 : 1;
}

int NimbusTextFile::WriteNode(DocNode* node) {
    failed = !WriteElement(node);
    return failed ? 1 : 0;
}

// Children come before the element's own text; each piece sits on a line of its
// own, indented one tab per level.
bool NimbusTextFile::WriteElement(DocNode* node) {
    if (depth > kMaxDepth) {
        return false;
    }
    if (depth == 0 && (text->WriteWord("<?xml") != 0 || text->WriteAttribute("version", "1.0") ||
                       text->WriteAttribute("encoding", "UTF-8") || text->WriteWord("?>"))) {
        return false;
    }
    const bool hasText =
        node->valueType == kTypeString && node->value && strcmp(node->value, kBlankValue) != 0;
    const bool empty = !hasText && !node->firstChild;
    if (text->NewLine(depth) != 0 || !WriteStartTag(node, empty)) {
        return false;
    }
    for (DocNode* child = node->firstChild; child; child = child->next) {
        ++depth;
        const int result = WriteNode(child);
        --depth;
        if (result != 0) {
            Con.Error("failed to store node <%s Class=%s Role=%s>", Printable(child->name),
                      Printable(child->className), Printable(child->role));
            return false;
        }
    }
    if (hasText && (text->NewLine(depth + 1) != 0 || text->WriteWord(node->value) != 0)) {
        return false;
    }
    return empty || WriteEndTag(node);
}

// The time is not written: only keys and scenes carry one, and only in hand-written
// documents.
bool NimbusTextFile::WriteStartTag(const DocNode* node, bool empty) {
    text->SetCompound(true);
    bool ok = text->WriteChar('<') == 0 && text->WriteWord(node->className) == 0;
    text->SetCompound(false);
    if (!ok) {
        return false;
    }
    if (node->container != kContainerNone &&
        text->WriteAttribute("Container", GetContainerName(node->container)) != 0) {
        return false;
    }
    if (node->role && text->WriteAttribute("Role", node->role) != 0) {
        return false;
    }
    if (node->name && text->WriteAttribute("Name", node->name) != 0) {
        return false;
    }
    text->SetCompound(true);
    ok = empty ? text->WriteChar('/') == 0 && text->WriteChar('>') == 0 : text->WriteChar('>') == 0;
    text->SetCompound(false);
    return ok;
}

bool NimbusTextFile::WriteEndTag(const DocNode* node) {
    if (text->NewLine(depth) != 0) {
        return false;
    }
    text->SetCompound(true);
    const bool ok = text->WriteChar('<') == 0 && text->WriteChar('/') == 0 &&
                    text->WriteWord(node->className) == 0 && text->WriteChar('>') == 0;
    text->SetCompound(false);
    return ok;
}
