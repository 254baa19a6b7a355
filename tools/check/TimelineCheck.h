// Checks of a demo's timeline that the player would only show by playing it: parts
// that never come on, parts without a scene, and a timeline that does not fit its
// music.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

class NClass;
class NDemo;

// The document's names of its objects, for the messages.
using ObjectNames = std::unordered_map<const NClass*, std::string>;

// One part as the timeline plays it.
struct TimelinePart {
    std::string name;
    float start = 0;
    float end = 0;
    // False for a part whose end time is not later than the one before it.
    bool shown = true;
    bool hasScene = true;
};

struct Timeline {
    // In played order.
    std::vector<TimelinePart> parts;
    // The time at which the show ends: the latest end time.
    float end = 0;
};

// Walks the parts in played order and logs every part that is never shown because
// its end time does not rise along that order, and a demo without parts.
Timeline CheckTimeline(const NDemo& demo, const ObjectNames& names);

// How long the music may run on after the show ends before it counts as cut off.
constexpr double kLongestMusicCut = 5.0;

// Logs a timeline that runs past the end of its music, or that ends more than
// kLongestMusicCut seconds before it.
void CheckTimelineAgainstMusic(float timelineEnd, double musicSeconds);
