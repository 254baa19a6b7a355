#include "check/TimelineCheck.h"

#include "app/Demo.h"
#include "app/Part.h"
#include "base/Con.h"

namespace {

// End times come from text; a timeline that ends a hair past the music is no problem.
constexpr double kEndSlack = 0.05;

// The part's document name in quotes, or its place in played order.
std::string PartName(const NPart& part, int place, const ObjectNames& names) {
    const auto found = names.find(&part);
    return found != names.end() ? "\"" + found->second + "\"" : "#" + std::to_string(place);
}

}  // namespace

Timeline CheckTimeline(const NDemo& demo, const ObjectNames& names) {
    Timeline timeline;
    float previousEnd = 0;
    int place = 0;
    for (const NListNodeClass* node = demo.PartList.next; node; node = node->next) {
        // The compiler links only parts into the list.
        const auto& part = static_cast<const NPart&>(*node);
        TimelinePart entry;
        entry.name = PartName(part, ++place, names);
        entry.start = previousEnd;
        entry.end = part.EndTime;
        // Set-up reports a part without a scene, with the player's message.
        entry.hasScene = part.Scene != nullptr;
        entry.shown = part.EndTime > previousEnd;
        if (entry.shown) {
            previousEnd = part.EndTime;
        } else {
            Con.Warning(
                "nimbus-check: part %s ends at %.3f s, not after the part before it "
                "(%.3f s), so it is never shown",
                entry.name.c_str(), part.EndTime, previousEnd);
        }
        timeline.parts.push_back(entry);
    }
    timeline.end = previousEnd;
    if (timeline.parts.empty()) {
        Con.Warning("nimbus-check: the demo has no parts");
    }
    return timeline;
}

void CheckTimelineAgainstMusic(float timelineEnd, double musicSeconds) {
    if (timelineEnd > musicSeconds + kEndSlack) {
        Con.Warning("nimbus-check: the timeline (%.3f s) is longer than the music (%.3f s)",
                    timelineEnd, musicSeconds);
    } else if (timelineEnd + kLongestMusicCut < musicSeconds) {
        Con.Warning("nimbus-check: the timeline (%.3f s) ends long before the music (%.3f s)",
                    timelineEnd, musicSeconds);
    }
}
