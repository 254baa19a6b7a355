#include "values/DynamicPosVelAccVect.h"

#include "values/VectValue.h"

void NDynamicPosVelAccVect::Members(MemberTable<NDynamicPosVelAccVect>& m) {
    m.Add<&NDynamicPosVelAccVect::P0>("P0");
    m.Add<&NDynamicPosVelAccVect::V0>("V0");
    m.Add<&NDynamicPosVelAccVect::A0>("A0");
}
