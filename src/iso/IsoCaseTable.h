// The marching-cubes case table, built by the program itself from rules for the six
// faces of a cube. For each of the 256 corner patterns (bit m set when corner m is
// inside) it lists up to five triangles as three cube edge numbers each; unused bytes
// hold kIsoNoEdge. Corner m = a + 2b + 4d sits at offset (a, b, d); the twelve edges
// join corners 0-1, 1-3, 2-3, 0-2, 4-5, 5-7, 6-7, 4-6, 0-4, 1-5, 3-7, 2-6.
#pragma once

#include <cstdint>

constexpr int kIsoMaxCaseTriangles = 5;
constexpr uint8_t kIsoNoEdge = 68;

struct IsoCaseTable {
    uint8_t edges[256][3 * kIsoMaxCaseTriangles];
};

// Fills `table` from the face rules.
void BuildIsoCaseTable(IsoCaseTable& table);
// The process-wide table, built at first use.
const IsoCaseTable& IsoCases();
