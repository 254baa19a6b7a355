#include "raytrace/Raytracer.h"

#include <limits>

#include "base/Con.h"
#include "raytrace/Lambert.h"
#include "raytrace/Light.h"
#include "raytrace/RaySphere.h"

namespace {

// Depth beyond which nothing is seen.
constexpr float kFarDepth = 10000.0f;

}  // namespace

void NRaytracer::Members(MemberTable<NRaytracer>& m) {
    m.Add<&NRaytracer::Subdivision>("Subdivision");
    m.Add<&NRaytracer::MinBlockSize>("MinBlockSize");
    m.Add<&NRaytracer::MaxBlockSize>("MaxBlockSize");
}

NRaytracer::~NRaytracer() {
    delete defaultLight;
}

void NRaytracer::Init() {
    NTile::Init();
    if (lightCount == 0) {
        Con.PrintLine("NRaytracer: no lights are present in the scene");
        // It is never updated: no ambient, no intensity, at the eye.
        defaultLight = new NLight;
        defaultLight->node = &defaultLightNode;
        lights[lightCount++] = defaultLight;
    }
}

void NRaytracer::Render() {
    rays = {};
    if (primitiveCount > 0) {
        PrepareFrame();
        NTile::Render();
    }
}

void NRaytracer::PrepareFrame() {
    const Vector3 eye = {0, 0, 0};
    for (int32_t i = 0; i < primitiveCount; ++i) {
        const NRaySphere& primitive = *primitives[i];
        const float radiusSquared = primitive.radius * primitive.radius;
        seenFromInside[i] = primitive.SeenFromInside();
        fromEye[i] = {primitive.screen, QuerySphere(eye, primitive.centre, radiusSquared),
                      seenFromInside[i], i};
        fromLight[i] = QuerySphere(lights[0]->position, primitive.centre, radiusSquared);
    }
    // Not a number: the first sample always picks its row.
    rowY = std::numeric_limits<float>::quiet_NaN();
    lastBlocker = -1;
}

void NRaytracer::SelectRow(float y) {
    rowY = y;
    rowCount = 0;
    for (int32_t i = 0; i < primitiveCount; ++i) {
        if (fromEye[i].screen.yMin <= y && y <= fromEye[i].screen.yMax) {
            row[rowCount++] = fromEye[i];
        }
    }
}

void NRaytracer::Trace(RaySample& sample) {
    ++rays.primary;
    Vector3 objectPoint;
    float repeat = 0;
    if (Shade(sample, fromEye, primitiveCount, objectPoint, repeat)) {
        SphereTexCoord(objectPoint, repeat, sample.u, sample.v);
    }
}

void NRaytracer::TraceRun(int32_t first, int32_t count) {
    SampleGrid& sampleGrid = *grid;
    RaySample* samples = sampleGrid.Samples();
    for (int32_t i = first; i < first + count; ++i) {
        RaySample& sample = samples[i];
        if (!sampleGrid.Claim(sample)) {
            continue;
        }
        ++rays.primary;
        Vector3 objectPoint;
        float repeat = 0;
        if (sample.y != rowY) {
            SelectRow(sample.y);
        }
        if (!Shade(sample, row, rowCount, objectPoint, repeat)) {
            continue;
        }
        const int32_t k = texCoords.count++;
        texCoords.x[k] = objectPoint.x;
        texCoords.y[k] = objectPoint.y;
        texCoords.z[k] = objectPoint.z;
        texCoords.repeat[k] = repeat;
        waiting[k] = &sample;
        if (texCoords.count == TexCoordBatch::kSize) {
            FlushTexCoords();
        }
    }
    FlushTexCoords();
}

void NRaytracer::FlushTexCoords() {
    SphereTexCoords(texCoords);
    for (int32_t k = 0; k < texCoords.count; ++k) {
        waiting[k]->u = texCoords.u[k];
        waiting[k]->v = texCoords.v[k];
    }
    texCoords.count = 0;
}

bool NRaytracer::Shade(RaySample& sample, const EyePrimitive* candidates, int32_t count,
                       Vector3& objectPoint, float& repeat) {
    const Vector3 direction = {sample.x, sample.y, 1.0f};
    float nearest = kFarDepth;
    int32_t chosen = -1;
    Vector3 point = {0, 0, 0};
    for (int32_t k = 0; k < count; ++k) {
        const EyePrimitive& candidate = candidates[k];
        float t = 0;
        if (!candidate.screen.Contains(sample.x, sample.y) ||
            !IntersectSphereRoot(candidate.fromEye, direction, candidate.seenFromInside, t) ||
            !(t >= 0.0f)) {
            continue;
        }
        const Vector3 p = {t * direction.x, t * direction.y, t * direction.z};
        if (p.z < nearest) {
            nearest = p.z;
            chosen = candidate.index;
            point = p;
        }
    }
    if (chosen < 0) {
        MissSample(sample);
        return false;
    }
    sample.hit = chosen;
    const NRaySphere& primitive = *primitives[chosen];
    const NLight& light = *lights[0];
    const Vector3 toPoint = VectorDifference(point, light.position);
    const float cosine = LambertCosine(primitive.Normal(point), toPoint);
    const bool inShadow = primitive.ReceiveShadows && (cosine < 0.0f || Shadowed(toPoint, chosen));
    LightSample(sample, cosine, inShadow, light.ambient, light.intensity);
    objectPoint = MatrixTransformPoint(primitive.rayToObject, point);
    repeat = primitive.TextureRepeat;
    return true;
}

bool NRaytracer::Shadowed(const Vector3& toPoint, int32_t hit) {
    ++rays.shadow;
    const float awayLimit = VectorDot(toPoint, toPoint) * 1e-30f;
    if (lastBlocker >= 0 && lastBlocker != hit && Blocks(lastBlocker, toPoint, awayLimit)) {
        return true;
    }
    for (int32_t i = 0; i + 1 < primitiveCount; ++i) {
        if (i != hit && i != lastBlocker && Blocks(i, toPoint, awayLimit)) {
            lastBlocker = i;
            return true;
        }
    }
    return false;
}
