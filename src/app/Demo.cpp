#include "app/Demo.h"

#include "effects/StillImage.h"
#include "object/String.h"

void NDemo::Members(MemberTable<NDemo>& m) {
    m.Add<&NDemo::LoadingImage>("LoadingImage");
    m.List<&NDemo::PartList>("PartList", "Part");
    m.Add<&NDemo::SoundFile>("SoundFile");
}
