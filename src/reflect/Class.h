// The root of every reflected engine object, and the list and tree nodes that
// containers are built from.
#pragma once

struct ObjectRecord;

class NClass {
  public:
    NClass() = default;
    // A copy is a new object: it is not in the list of created objects.
    NClass(const NClass&) {}
    NClass& operator=(const NClass&) { return *this; }
    // Forgets the object in the list of created objects, if it is there.
    virtual ~NClass();
    // A new default instance of the object's own class, or null.
    virtual NClass* Create();
    // Once, after the document is compiled; owners pass it on to what they hold.
    virtual void Init() {}
    // Once per frame; owners pass it on the same way.
    virtual void Update() {}

  private:
    friend class NList;
    // The object's record in the list of created objects, so that destroying it
    // needs no search; null for objects that were never listed.
    ObjectRecord* listRecord = nullptr;
};

// An element of a doubly linked list; a container's root is the node with no `prev`.
class NListNodeClass : public NClass {
  public:
    NClass* Create() override { return new NListNodeClass; }
    // Links this node directly after `node` (so a list filled from one root runs in
    // the reverse order of the calls); null unlinks.
    virtual void SetParent(NListNodeClass* node);

    NListNodeClass* prev = nullptr;
    NListNodeClass* next = nullptr;
};

// A node of an ordered tree; a container's root is the node with no `parent`.
class NTreeNodeClass : public NClass {
  public:
    NClass* Create() override { return new NTreeNodeClass; }
    // Links this node as the first child of `parent`.
    virtual void SetParent(NTreeNodeClass* parent);
    // Links this node directly after `sibling`, under the same parent.
    virtual void LinkAfter(NTreeNodeClass* sibling);

    NTreeNodeClass* prev = nullptr;
    NTreeNodeClass* next = nullptr;
    NTreeNodeClass* parent = nullptr;
    NTreeNodeClass* firstChild = nullptr;
};

// Init every list element after `root` (the root itself is skipped).
void InitList(NListNodeClass* root);
// Init or Update every node below `root`, parents before their children.
void InitTree(NTreeNodeClass* root);
void UpdateTree(NTreeNodeClass* root);
