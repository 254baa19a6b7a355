#include "iso/IsoCaseTable.h"

namespace {

// A face's corners p0..p3 and the cube edges of its sides p0-p1, p1-p3, p2-p3, p0-p2.
struct CubeFace {
    int corner[4];
    int side[4];
};

constexpr CubeFace kFaces[6] = {
    {{0, 1, 2, 3}, {0, 1, 2, 3}},  {{1, 5, 3, 7}, {9, 5, 10, 1}},  {{5, 4, 7, 6}, {4, 7, 6, 5}},
    {{4, 0, 6, 2}, {8, 3, 11, 7}}, {{2, 3, 6, 7}, {2, 10, 6, 11}}, {{4, 5, 0, 1}, {4, 9, 0, 8}},
};

// Directed segments (from side, to side) per face case: the inside corners lie on
// the left. Cases 6 and 9, with inside corners on a diagonal, cut them off apart.
struct FaceCase {
    int count;
    int from[2];
    int to[2];
};

constexpr FaceCase kFaceCases[16] = {
    {0, {}, {}},   {1, {0}, {3}},       {1, {1}, {0}},       {1, {1}, {3}},
    {1, {3}, {2}}, {1, {0}, {2}},       {2, {3, 1}, {2, 0}}, {1, {1}, {2}},
    {1, {2}, {1}}, {2, {0, 2}, {3, 1}}, {1, {2}, {0}},       {1, {2}, {3}},
    {1, {3}, {1}}, {1, {0}, {1}},       {1, {3}, {0}},       {0, {}, {}},
};

constexpr int kMaxSegments = 12;

struct Segment {
    int from;
    int to;
};

// The segments of every face for `pattern`, as cube edges, face by face.
int CollectSegments(int pattern, Segment* segments) {
    int count = 0;
    for (const CubeFace& face : kFaces) {
        int n = 0;
        for (int c = 0; c < 4; ++c) {
            n |= ((pattern >> face.corner[c]) & 1) << c;
        }
        const FaceCase& cut = kFaceCases[n];
        for (int s = 0; s < cut.count; ++s) {
            segments[count++] = {face.side[cut.from[s]], face.side[cut.to[s]]};
        }
    }
    return count;
}

// The first segment not yet taken that starts at `edge`, or -1.
int FindSegmentFrom(const Segment* segments, const bool* taken, int count, int edge) {
    for (int s = 0; s < count; ++s) {
        if (!taken[s] && segments[s].from == edge) {
            return s;
        }
    }
    return -1;
}

// Chains the segments into closed loops and writes each loop as a triangle fan.
void WriteTriangles(const Segment* segments, int count, uint8_t* out) {
    bool taken[kMaxSegments] = {};
    int written = 0;
    for (int first = 0; first < count; ++first) {
        if (taken[first]) {
            continue;
        }
        taken[first] = true;
        int loop[kMaxSegments];
        int length = 0;
        loop[length++] = segments[first].from;
        loop[length++] = segments[first].to;
        while (length < kMaxSegments) {
            const int next = FindSegmentFrom(segments, taken, count, loop[length - 1]);
            if (next < 0) {
                break;
            }
            taken[next] = true;
            if (segments[next].to == loop[0]) {
                break;
            }
            loop[length++] = segments[next].to;
        }
        for (int t = 1; t + 1 < length && written < kIsoMaxCaseTriangles; ++t) {
            out[3 * written] = static_cast<uint8_t>(loop[0]);
            out[3 * written + 1] = static_cast<uint8_t>(loop[t]);
            out[3 * written + 2] = static_cast<uint8_t>(loop[t + 1]);
            ++written;
        }
    }
}

}  // namespace

void BuildIsoCaseTable(IsoCaseTable& table) {
    for (int pattern = 0; pattern < 256; ++pattern) {
        uint8_t* out = table.edges[pattern];
        for (int b = 0; b < 3 * kIsoMaxCaseTriangles; ++b) {
            out[b] = kIsoNoEdge;
        }
        Segment segments[kMaxSegments];
        const int count = CollectSegments(pattern, segments);
        WriteTriangles(segments, count, out);
    }
}

const IsoCaseTable& IsoCases() {
    static const IsoCaseTable table = [] {
        IsoCaseTable built;
        BuildIsoCaseTable(built);
        return built;
    }();
    return table;
}
