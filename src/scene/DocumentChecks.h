// Checks of what a document handed to the scene's objects: the class of a node it
// links, and the members it left out. Both report through Con with the document's
// class names.
#pragma once

#include "reflect/Class.h"

// The document name of the object's class; "(unregistered)" for a class outside
// the class table, so that a message never prints a null name.
const char* ClassNameOf(const NClass* object);
// Whether the object's class is the named class or registered as derived from it.
bool IsOfClass(const NClass* object, const char* className);
// True when `member` is set; otherwise reports "<Class>: '<name>' is not set" as an
// error and returns false. Called at Init, so each omission is reported once and the
// owner skips the missing object from then on.
bool IsSet(const NClass* owner, const void* member, const char* name);
