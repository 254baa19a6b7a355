#include "image/Bitmap.h"

void NBitmap::Members(MemberTable<NBitmap>& m) {
    m.Add<&NBitmap::Filename>("Filename");
}
