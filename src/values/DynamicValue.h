// What the values built from member value objects share. A member element may
// name an enclosing value (names find ancestors too), so a value can reach itself
// through its members; the guard cuts such a cycle instead of recursing without end.
#pragma once

#include "base/Con.h"

class DynamicValueGuard {
  public:
    // True when Init should go on to the members: the first call only. A value met
    // again while its members are being initialised is reported under `source`.
    bool BeginInit(const char* source) {
        if (state == State::Running) {
            Con.ErrorFrom(source, "a member value refers back to this value");
        }
        if (state != State::Fresh) {
            return false;
        }
        state = State::Running;
        return true;
    }
    void EndInit() { state = State::Done; }

    // False when the value is already being updated further up the same cycle; it
    // then keeps its last result.
    bool BeginUpdate() {
        if (updating) {
            return false;
        }
        updating = true;
        return true;
    }
    void EndUpdate() { updating = false; }

  private:
    enum class State { Fresh, Running, Done };

    State state = State::Fresh;
    bool updating = false;
};

// Init of one member value; a missing one is reported, and its Update skipped.
template <class V>
void InitMember(V* member, const char* source, const char* name) {
    if (!member) {
        Con.ErrorFrom(source, "member %s is missing", name);
        return;
    }
    member->Init();
}

template <class V>
void UpdateMember(V* member) {
    if (member) {
        member->Update();
    }
}
