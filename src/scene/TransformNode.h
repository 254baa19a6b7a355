// The nodes of a scene's transform tree. Every node keeps four matrices, recomputed
// each frame from its own parameters and its parent's world matrices, and carries
// one content object that reads them.
#pragma once

#include "reflect/Class.h"
#include "reflect/MemberTable.h"
#include "scene/Matrix44.h"

class NTransformNodeContent;

class NTransformNode : public NTreeNodeClass {
  public:
    // All four matrices start as the identity: a plain node has no parameters, so
    // it passes its parent's space through unchanged.
    NTransformNode();
    NClass* Create() override { return new NTransformNode; }
    static void Members(MemberTable<NTransformNode>& m);

    // Hooks the content up to this node and initialises it.
    void Init() override;
    void Update() override;
    // Back to the identity matrices the node was made with, as before its first
    // Update: the next frame's nodes then read each other's matrices as on the first.
    void ResetMatrices();
    // Only transform nodes may hold transform nodes; anything else is reported and
    // the tree is left as it was.
    void SetParent(NTreeNodeClass* parent) override;
    void LinkAfter(NTreeNodeClass* sibling) override;

    Matrix44 localInverse;
    Matrix44 local;
    // World space to node space; for a camera's node, the view matrix.
    Matrix44 worldInverse;
    Matrix44 world;
    NTransformNodeContent* Object = nullptr;

  protected:
    // world := parent.world * local, worldInverse := localInverse * parent.worldInverse;
    // a node without a parent keeps its matrices.
    void Compose();
    // Compose, then the content's Update: the last steps of every node's Update.
    void Finish();
};
