// Whether a number's text reads as written. The document's numbers are read as
// they always were (a scan that takes what it can and ignores the rest), so that
// stored productions play as before; this says when that reading differs from the
// text, for the readers to note.
#pragma once

#include <string>

enum class NumberKind { kInt, kFloat };

// Up to `most` numbers of `kind`, separated by blanks, make up `text`. Empty when
// they read as written, or when no number reads at all (the reader refuses that
// itself); otherwise what happened to the text: "number text [3OO] is read as 3;
// what follows the number is ignored".
std::string NumberTextProblem(const char* text, NumberKind kind, int most = 1);
