// The declarative form of a class's reflected members. A class lists them in a
// static `Members` function, one line per member, in document order:
//
//     static void Members(MemberTable<NCamera>& m) {
//         m.Add<&NCamera::ViewAngle>("ViewAngle");
//         m.Add<&NCamera::FarZ>("FarZ");
//     }
//
// The member's type follows from the field: int32_t is "int", float "float", char*
// an owned "string", a pointer to a reflected class that class. Containers name the
// class of their elements.
#pragma once

#include <cstdint>
#include <type_traits>
#include <typeinfo>

#include "reflect/Registry.h"

namespace member_detail {

template <class T>
struct Pointer;
template <class C, class M>
struct Pointer<M C::*> {
    using Owner = C;
    using Type = M;
};

template <auto Field>
using OwnerOf = typename Pointer<decltype(Field)>::Owner;
template <auto Field>
using TypeOf = typename Pointer<decltype(Field)>::Type;

template <auto Field>
void* FieldOf(NClass* owner) {
    auto* typed = dynamic_cast<OwnerOf<Field>*>(owner);
    return typed ? &(typed->*Field) : nullptr;
}

template <auto Field>
bool StoreObject(NClass* owner, NClass* value) {
    using Target = std::remove_pointer_t<TypeOf<Field>>;
    auto* typed = dynamic_cast<OwnerOf<Field>*>(owner);
    Target* object = value ? dynamic_cast<Target*>(value) : nullptr;
    if (!typed || (value && !object)) {
        return false;
    }
    typed->*Field = object;
    return true;
}

template <auto Field>
NClass* LoadObject(NClass* owner) {
    auto* typed = dynamic_cast<OwnerOf<Field>*>(owner);
    return typed ? typed->*Field : nullptr;
}

template <auto Field>
NClass* RootOf(NClass* owner) {
    auto* typed = dynamic_cast<OwnerOf<Field>*>(owner);
    return typed ? &(typed->*Field) : nullptr;
}

}  // namespace member_detail

template <class C>
class MemberTable {
  public:
    template <auto Field>
    void Add(const char* name) {
        using Type = member_detail::TypeOf<Field>;
        static_assert(std::is_base_of_v<member_detail::OwnerOf<Field>, C>);
        if constexpr (std::is_pointer_v<Type> &&
                      std::is_base_of_v<NClass, std::remove_pointer_t<Type>>) {
            MemberAccess access;
            access.store = &member_detail::StoreObject<Field>;
            access.load = &member_detail::LoadObject<Field>;
            AppendMember(access, kContainerNone,
                         FindClassByType(typeid(std::remove_pointer_t<Type>)), name);
        } else {
            static_assert(std::is_same_v<Type, int32_t> || std::is_same_v<Type, float> ||
                              std::is_same_v<Type, char*> || std::is_same_v<Type, bool>,
                          "a member is an int32_t, a float, a char* or a class pointer");
            constexpr int type = std::is_same_v<Type, int32_t> ? kTypeInt
                                 : std::is_same_v<Type, float> ? kTypeFloat
                                 : std::is_same_v<Type, bool>  ? kTypeBool
                                                               : kTypeString;
            MemberAccess access;
            access.field = &member_detail::FieldOf<Field>;
            AppendMember(access, kContainerNone, type, name);
        }
    }

    template <auto Field>
    void List(const char* name, const char* elementClass) {
        static_assert(std::is_base_of_v<NListNodeClass, member_detail::TypeOf<Field>>);
        AddContainer<Field>(kContainerList, name, elementClass);
    }

    template <auto Field>
    void Tree(const char* name, const char* elementClass) {
        static_assert(std::is_base_of_v<NTreeNodeClass, member_detail::TypeOf<Field>>);
        AddContainer<Field>(kContainerTree, name, elementClass);
    }

  private:
    template <auto Field>
    void AddContainer(uint32_t kind, const char* name, const char* elementClass) {
        MemberAccess access;
        access.root = &member_detail::RootOf<Field>;
        AppendMember(access, kind, FindClassByName(elementClass), name);
    }
};
