#include "iso/IsoSourceSystem.h"

#include <gtest/gtest.h>

#include <cmath>

#include "iso/IsoRandom.h"

TEST(IsoRandom, StartsWithTheFixedSequence) {
    IsoRandom random;
    const int expected[] = {247, 248, 25, 90, 187, 60};
    for (int n : expected) {
        EXPECT_EQ(random.Next(), static_cast<float>(n) / 255.0f);
    }
}

TEST(IsoSourceSystem, SourcesOrbitAtTheSwingingRadiusAndMoveOnlyWhenTimeChanges) {
    IsoRandom random;
    IsoSourceSystem system;
    system.MakeSources(random);
    ASSERT_EQ(system.ActiveCount(), 3);
    // Spin rates first, then the tilt rates, source by source.
    EXPECT_EQ(system.sources[0].spin[0], 0.6f + 0.2f * (247.0f / 255.0f));
    EXPECT_EQ(system.sources[0].tilt[0], 0.8f + 0.1f * (90.0f / 255.0f));
    EXPECT_NE(system.sources[1].spin[0], system.sources[0].spin[0]);

    system.MoveTo(1.5f);
    const double radius = 200.0 + 10.0 * std::sin(221.5);
    for (int n = 0; n < 3; ++n) {
        const Vector3& p = system.sources[n].position;
        EXPECT_NEAR(std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z), radius, 1e-3) << n;
    }
    const Vector3 before = system.sources[0].position;
    system.sources[0].position = {1, 2, 3};
    system.MoveTo(1.5f);
    EXPECT_EQ(system.sources[0].position.x, 1.0f);
    system.MoveTo(1.52f);
    EXPECT_NE(system.sources[0].position.x, before.x);
}

TEST(IsoSourceSystem, MoreThanThirtySourcesGetNoSources) {
    IsoRandom random;
    IsoSourceSystem system;
    system.count = 31;
    system.MakeSources(random);
    EXPECT_EQ(system.ActiveCount(), 0);
    EXPECT_EQ(random.state, IsoRandom{}.state);
}
