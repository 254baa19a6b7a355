// The document vocabulary as authors read it: every registered class with its base,
// what it is for, and its members with their types, defaults and meanings, taken
// from the class table itself. `nimbus-check --classes` prints it; docs/classes.md
// is this text.
#pragma once

#include <string>

// The vocabulary as a Markdown page. The class table must be registered.
std::string DescribeVocabulary();
