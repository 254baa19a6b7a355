// The parts as the preview names and finds them: in play order, each with the name
// its document element gives it and the span of the timeline it is shown in.
#pragma once

#include <string>
#include <vector>

class NDemo;
class NPart;
struct DocNode;

struct PartSpan {
    const NPart* part;
    std::string name;
    // Milliseconds of the timeline.
    long from;
    long to;
};

class PartGuide {
  public:
    // The parts `demo` shows, named after the elements of `document` that made them
    // ("part N", counted in play order from 1, for one without a name).
    void Build(const NDemo& demo, const DocNode& document);

    // The largest end time, in milliseconds: the show is over from there on.
    long ShowEnd() const { return showEnd; }
    // The span of `part`, null for none.
    const PartSpan* Of(const NPart* part) const;
    // The span of the part called `name` (letter case aside), null for none.
    const PartSpan* Find(const std::string& name) const;
    // Where the part before the one shown at `milliseconds` starts, 0 for none.
    long PreviousStart(long milliseconds) const;
    // Where the part after the one shown at `milliseconds` starts, the show's end for none.
    long NextStart(long milliseconds) const;

  private:
    std::vector<PartSpan> spans;
    long showEnd = 0;
};
