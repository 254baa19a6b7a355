#include "scene/DocumentChecks.h"

#include <typeinfo>

#include "base/Con.h"
#include "reflect/Registry.h"

const char* ClassNameOf(const NClass* object) {
    const int index = object ? FindClassByType(typeid(*object)) : NoClass;
    return index == NoClass ? "(unregistered)" : GetClassName(index);
}

bool IsOfClass(const NClass* object, const char* className) {
    return object && IsDerived(FindClassByName(className), FindClassByType(typeid(*object)));
}

bool IsSet(const NClass* owner, const void* member, const char* name) {
    if (member) {
        return true;
    }
    Con.Error("%s: '%s' is not set", ClassNameOf(owner), name);
    return false;
}
