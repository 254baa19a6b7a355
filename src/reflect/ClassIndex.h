// Class indexes: 0 .. count-1 name registered classes; negative values name the
// basic types or nothing.
#pragma once

constexpr int kTypeInt = -1;
constexpr int kTypeFloat = -2;
constexpr int kTypeBool = -3;
constexpr int kTypeString = -4;
// "Not found", "no parent", "no owner".
constexpr int NoClass = -16;
