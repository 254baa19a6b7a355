// A value that follows its keys, which come from the "Key" elements of its document
// element: `Engine` blends them, and its output fills the value's fields in order.
#pragma once

#include <cstddef>
#include <iterator>

template <class Value, class Engine>
class KeyedValue : public Value {
  public:
    void Init() override { keys.Init(); }
    // Leaves the fields as they are while the keys cannot be evaluated.
    void Update() override {
        if (!keys.Evaluate()) {
            return;
        }
        for (std::size_t i = 0; i < std::size(Value::kFields); ++i) {
            this->*Value::kFields[i] = keys.Output()[i];
        }
    }

    Engine keys{static_cast<int>(std::size(Value::kFields))};
};
