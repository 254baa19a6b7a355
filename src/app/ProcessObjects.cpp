// The process-wide objects. They are defined together in this one file because
// objects of one translation unit are constructed in the order of their definitions
// and destroyed in the reverse order: the streams outlive the log, and the log
// outlives everything defined after it. The document is destroyed after the log,
// so its teardown must not log.
#include "base/Con.h"
#include "document/NimbusDocument.h"
#include "io/Data.h"
#include "render/ParticleMaterial.h"
#include "render/Shader.h"

namespace {

NData defaultInput;
NData defaultOutput;
NimbusDocument nimbusDocument;
NCon con("nimbus.log");
NShader defaultShader;
NParticleMaterial defaultParticleMaterial;

}  // namespace

NData& DefaultInput = defaultInput;
NData& DefaultOutput = defaultOutput;
NimbusDocument& Document = nimbusDocument;
NCon& Con = con;
NShader& DefaultShader = defaultShader;
NParticleMaterial& DefaultParticleMaterial = defaultParticleMaterial;
