#include "values/KeyValue.h"

#include <algorithm>

#include "base/Con.h"
#include "base/FrameTime.h"
#include "base/ScalarMath.h"

namespace {

// Room for this many keys comes with the first; a value with more is worth a line.
constexpr size_t kKeyGranularity = 25;

}  // namespace

NKey::NKey(float time, const float* source, int dimension) : Time(time) {
    std::copy(source, source + dimension, values);
}

int NKeyValue::Init() {
    if (state != State::Fresh) {
        return state == State::Ready ? 0 : 1;
    }
    state = State::Failed;
    if (keys.empty()) {
        Con.ErrorFrom("NKeyValue", "Init: no keys");
        return 1;
    }
    const float firstTime = keys.front().Time;
    const float lastTime = keys.back().Time;
    if (lastTime - firstTime < 0) {
        Con.ErrorFrom("NKeyValue", "Init: the last key (%g) is earlier than the first (%g)",
                      lastTime, firstTime);
        return 1;
    }
    state = State::Ready;
    return 0;
}

// The array grows geometrically, so that a value of any number of keys loads in
// linear time, and says so once: a line per growth would flood the log.
void NKeyValue::AddKey(float time, const float* values) {
    if (keys.empty()) {
        keys.reserve(kKeyGranularity);
    } else if (keys.size() == kKeyGranularity) {
        Con.PrintLine("NKeyValue: AddKey granularity exceeded");
    }
    keys.emplace_back(time, values, dimension);
}

void NKeyValue::FindNeighbours(float t) {
    const int count = KeyCount();
    if (count == 0) {
        return;
    }
    int i = 0;
    while (i < count && !(keys[i].Time > t)) {
        ++i;
    }
    // Before the first key and after the last the anchor sits on that key, so the
    // value holds still there.
    const float anchor = i == 0 ? keys.front().Time : i == count ? keys.back().Time : t;
    for (int j = 0; j < 4; ++j) {
        const int b = std::clamp(i + j - 2, 0, count - 1);
        neighbours[j] = &keys[b];
        distances[j] = Abs(keys[b].Time - anchor);
    }
}

bool NKeyValue::IsReady() const {
    if (state != State::Ready) {
        Con.ErrorFrom("NKeyValue", "Not Initialized");
        return false;
    }
    return true;
}

void NKeyValue::CopyKey(const NKey& key) {
    std::copy(key.values, key.values + dimension, output);
}

bool NLinValue::Evaluate() {
    if (!IsReady()) {
        return false;
    }
    FindNeighbours(CurrentTime);
    const float d1 = distances[1];
    const float d2 = distances[2];
    const float sum = d1 + d2;
    if (d1 == 0 || Abs(sum) < 0.0001f) {
        CopyKey(*neighbours[1]);
        return true;
    }
    const float w1 = d2 / sum;
    const float w2 = d1 / sum;
    for (int c = 0; c < dimension; ++c) {
        output[c] = w1 * neighbours[1]->values[c] + w2 * neighbours[2]->values[c];
    }
    return true;
}

bool NBSValue::Evaluate() {
    if (!IsReady()) {
        return false;
    }
    FindNeighbours(CurrentTime);
    const float d1 = distances[1];
    const float sum = d1 + distances[2];
    if (d1 == 0 || sum == 0) {
        CopyKey(*neighbours[1]);
        return true;
    }
    const double u = d1 / sum;
    const double u2 = u * u;
    const double u3 = u2 * u;
    const float w[4] = {
        static_cast<float>(u2 - 0.5 * u - 0.5 * u3),
        static_cast<float>(1.5 * u3 - 2.5 * u2 + 1),
        static_cast<float>(0.5 * u + 2 * u2 - 1.5 * u3),
        static_cast<float>(0.5 * u3 - 0.5 * u2),
    };
    for (int c = 0; c < dimension; ++c) {
        float sumOfWeighted = 0;
        for (int j = 0; j < 4; ++j) {
            sumOfWeighted += w[j] * neighbours[j]->values[c];
        }
        output[c] = sumOfWeighted;
    }
    return true;
}
