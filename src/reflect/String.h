// The reflected string class "String": an owned text, or none.
#pragma once

#include "reflect/MemberTable.h"

class NString : public NClass {
  public:
    NString() = default;
    // Copies `text`; null stays null.
    explicit NString(const char* text);
    NString(const NString& other);
    NString& operator=(const NString& other);
    ~NString() override;
    NClass* Create() override { return new NString; }

    const char* Get() const { return text; }
    bool IsEmpty() const { return !text || !text[0]; }
    // The text becomes `a` followed by `b`; either may be null, or the current text.
    void Set(const char* a, const char* b);

    static void Members(MemberTable<NString>& m) { m.Add<&NString::text>("s"); }

    // Owned; released with free().
    char* text = nullptr;
};

// One process-wide string set to a followed by b; each call overwrites the last result.
NString& Concat(const NString& a, const NString& b);
