// Names used before the element that defines them. The compiler finds references
// only among earlier elements, so an empty member element that names a later
// definition quietly becomes a new, empty object of its own: "a shader has no
// VertexShaderFilename" is all an author would see.
#pragma once

struct DocNode;

// Warns, with both places, about every name whose first element is such a use and
// whose definition comes later in `file`'s tree under `root`.
void CheckDefinitionsBeforeUse(const DocNode& root, const char* file);
