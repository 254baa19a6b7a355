#include "values/KeyReader.h"

#include <cmath>
#include <cstring>

#include "base/Con.h"
#include "values/BSFloatValue.h"
#include "values/BSVectValue.h"
#include "values/LinColorValue.h"
#include "values/LinVectValue.h"
#include "values/ValueReader.h"

namespace {

// The keyframed class of a parent element: the text form of its keys and the way
// to its engine.
struct KeyedClass {
    const char* name;
    bool (*parse)(const char* text, float* values);
    NKeyValue* (*engineOf)(NClass* owner);
};

template <class T>
NKeyValue* EngineOf(NClass* owner) {
    auto* value = dynamic_cast<T*>(owner);
    return value ? &value->keys : nullptr;
}

const KeyedClass kKeyedClasses[] = {
    {"LinColorValue", &ParseColor, &EngineOf<NLinColorValue>},
    {"BSFloatValue", &ParseFloat, &EngineOf<NBSFloatValue>},
    {"BSVectValue", &ParseVector, &EngineOf<NBSVectValue>},
    {"LinVectValue", &ParseVector, &EngineOf<NLinVectValue>},
};

const KeyedClass* FindKeyedClass(const char* name) {
    for (const KeyedClass& keyed : kKeyedClasses) {
        if (strcmp(keyed.name, name) == 0) {
            return &keyed;
        }
    }
    return nullptr;
}

const char* Shown(const char* text) {
    return text ? text : "";
}

// Non-finite times ("nan", "inf", out of range) would leave the key search
// without an order, so they are refused like text that is no number.
bool ParseKeyTime(const char* text, float* time) {
    return ParseFloat(text, time) && std::isfinite(*time);
}

}  // namespace

bool ReadKey(NClass* owner, const char* ownerClassName, const char* timeText,
             const char* valueText) {
    float time;
    if (!ParseKeyTime(timeText, &time)) {
        Con.Error("key time [%s] is invalid", Shown(timeText));
        return false;
    }
    const KeyedClass* keyed = FindKeyedClass(Shown(ownerClassName));
    if (!keyed) {
        Con.Error("class %s can not be keyframed", Shown(ownerClassName));
        return false;
    }
    // The compiler has already reported why the parent has no object.
    NKeyValue* engine = keyed->engineOf(owner);
    if (!engine) {
        return false;
    }
    float values[kMaxKeyDimension];
    if (!keyed->parse(valueText, values)) {
        Con.Error("key [%s] is invalid", Shown(valueText));
        return false;
    }
    engine->AddKey(time, values);
    return true;
}
