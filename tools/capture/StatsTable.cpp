#include "capture/StatsTable.h"

#include <algorithm>

#include "app/Demo.h"
#include "document/NimbusDocument.h"

namespace {

// The "Name" of the top-level element that made `part`; empty when it had none.
std::string DocumentName(const NPart* part) {
    for (const DocNode* node = Document.Root().firstChild; node; node = node->next) {
        if (node->object == part && node->name) {
            return node->name;
        }
    }
    return "";
}

}  // namespace

StatsTable::StatsTable(const NDemo& demo) {
    float from = 0;
    for (const NListNodeClass* node = demo.PartList.next; node; node = node->next) {
        const auto* part = static_cast<const NPart*>(node);
        Row row;
        row.part = part;
        row.name = DocumentName(part);
        if (row.name.empty()) {
            row.name = "part " + std::to_string(rows.size() + 1);
        }
        row.from = from;
        row.to = part->EndTime;
        from = std::max(from, part->EndTime);
        rows.push_back(std::move(row));
    }
}

void StatsTable::Add(const NPart* part, const FrameStats& frame) {
    for (Row& row : rows) {
        if (row.part == part) {
            row.engineNanoseconds.push_back(frame.engineNanoseconds);
            row.triangles = std::max(row.triangles, frame.triangles);
            row.sprites = std::max(row.sprites, frame.sprites);
            return;
        }
    }
}

double StatsTable::Row::MedianMilliseconds() const {
    if (engineNanoseconds.empty()) {
        return 0;
    }
    std::vector<int64_t> sorted = engineNanoseconds;
    std::sort(sorted.begin(), sorted.end());
    const size_t middle = sorted.size() / 2;
    const double median = sorted.size() % 2 == 1 ? static_cast<double>(sorted[middle])
                                                 : (sorted[middle - 1] + sorted[middle]) * 0.5;
    return median * 1e-6;
}

double StatsTable::Row::WorstMilliseconds() const {
    if (engineNanoseconds.empty()) {
        return 0;
    }
    return *std::max_element(engineNanoseconds.begin(), engineNanoseconds.end()) * 1e-6;
}

void StatsTable::Print(FILE* out) const {
    fprintf(out,
            "\nEngine time per frame (CPU, OpenGL calls left out) and the most one frame "
            "submitted:\n");
    fprintf(out, "%-20s %8s %8s %7s %10s %10s %10s %8s\n", "part", "from s", "to s", "frames",
            "median ms", "worst ms", "triangles", "sprites");
    for (const Row& row : rows) {
        fprintf(out, "%-20s %8.2f %8.2f %7zu %10.3f %10.3f %10d %8d\n", row.name.c_str(), row.from,
                row.to, row.engineNanoseconds.size(), row.MedianMilliseconds(),
                row.WorstMilliseconds(), row.triangles, row.sprites);
    }
}
