// The interpolation engine of keyframed values: a list of (time, value) keys, the
// search for the keys around the current time, and two blends between them.
#pragma once

#include <vector>

#include "reflect/Class.h"

// Floats per key: 1 (float), 3 (vector) or 4 (colour).
constexpr int kMaxKeyDimension = 4;

// One key: a time on the part's clock and its value, copied in when added.
class NKey : public NClass {
  public:
    NKey(float time, const float* source, int dimension);

    float Time;
    float values[kMaxKeyDimension] = {};
};

class NKeyValue {
  public:
    explicit NKeyValue(int dimension) : dimension(dimension) {}
    virtual ~NKeyValue() = default;
    NKeyValue(const NKeyValue&) = delete;
    NKeyValue& operator=(const NKeyValue&) = delete;

    // Prepares once; later calls give the first result. 0 when the keys can be
    // evaluated, 1 (reported) when there are none or the last is earlier than the first.
    virtual int Init();
    // Fills the output for CurrentTime. False, reported and with the output left
    // alone, until Init has succeeded.
    virtual bool Evaluate() = 0;

    // Appends a key of `Dimension()` floats; keys are expected in ascending time.
    void AddKey(float time, const float* values);
    // Finds the four keys around `t` and their distances from the anchor time;
    // without keys nothing is found.
    void FindNeighbours(float t);

    int Dimension() const { return dimension; }
    int KeyCount() const { return static_cast<int>(keys.size()); }
    const NKey& Key(int index) const { return keys[index]; }
    const float* Output() const { return output; }
    // k0..k3 and d0..d3 of the last search: k1 is the last key at or before the
    // time and k2 the first one after it, k0 and k3 their outer neighbours.
    const NKey* Neighbour(int j) const { return neighbours[j]; }
    float Distance(int j) const { return distances[j]; }

  protected:
    // Whether Evaluate may run; reports "Not Initialized" when it may not.
    bool IsReady() const;
    void CopyKey(const NKey& key);

    const int dimension;
    float output[kMaxKeyDimension] = {};
    const NKey* neighbours[4] = {};
    float distances[4] = {};

  private:
    enum class State { Fresh, Ready, Failed };

    State state = State::Fresh;
    std::vector<NKey> keys;
};

// Linear blend of the two keys around the time.
class NLinValue : public NKeyValue {
  public:
    using NKeyValue::NKeyValue;
    bool Evaluate() override;
};

// Uniform Catmull-Rom spline through the four keys around the time.
class NBSValue : public NKeyValue {
  public:
    using NKeyValue::NKeyValue;
    bool Evaluate() override;
};
