// The capture's --stats table: per part, the engine's CPU time per frame (median and
// worst) and the most triangles and sprites one frame submitted.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "base/FrameStats.h"

class NDemo;
class NPart;

class StatsTable {
  public:
    // One row per part of `demo`, in play order, named as the document names them.
    explicit StatsTable(const NDemo& demo);

    // Adds the frame that `part` just drew; frames of other parts are ignored.
    void Add(const NPart* part, const FrameStats& frame);
    void Print(FILE* out) const;

    struct Row {
        const NPart* part = nullptr;
        std::string name;
        float from = 0;
        float to = 0;
        std::vector<int64_t> engineNanoseconds;
        int32_t triangles = 0;
        int32_t sprites = 0;

        double MedianMilliseconds() const;
        double WorstMilliseconds() const;
    };
    const std::vector<Row>& Rows() const { return rows; }

  private:
    std::vector<Row> rows;
};
