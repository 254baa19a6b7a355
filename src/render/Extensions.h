// The ARB extension entry points of the renderer: shader objects, vertex buffer
// objects and multitexture. They live in one process-wide table, `Ext`, filled once
// after the rendering context is current; callers use them as `Ext.glBindBufferARB(...)`.
// Tests may overwrite entries to simulate a driver without them.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

// Every entry point, in the order they are fetched: X(function pointer type, name).
#define NIMBUS_GL_EXTENSIONS(X)                                    \
    /* Shader objects */                                           \
    X(PFNGLDELETEOBJECTARBPROC, glDeleteObjectARB)                 \
    X(PFNGLGETHANDLEARBPROC, glGetHandleARB)                       \
    X(PFNGLDETACHOBJECTARBPROC, glDetachObjectARB)                 \
    X(PFNGLCREATESHADEROBJECTARBPROC, glCreateShaderObjectARB)     \
    X(PFNGLSHADERSOURCEARBPROC, glShaderSourceARB)                 \
    X(PFNGLCOMPILESHADERARBPROC, glCompileShaderARB)               \
    X(PFNGLCREATEPROGRAMOBJECTARBPROC, glCreateProgramObjectARB)   \
    X(PFNGLATTACHOBJECTARBPROC, glAttachObjectARB)                 \
    X(PFNGLLINKPROGRAMARBPROC, glLinkProgramARB)                   \
    X(PFNGLUSEPROGRAMOBJECTARBPROC, glUseProgramObjectARB)         \
    X(PFNGLVALIDATEPROGRAMARBPROC, glValidateProgramARB)           \
    X(PFNGLGETOBJECTPARAMETERFVARBPROC, glGetObjectParameterfvARB) \
    X(PFNGLGETOBJECTPARAMETERIVARBPROC, glGetObjectParameterivARB) \
    X(PFNGLGETINFOLOGARBPROC, glGetInfoLogARB)                     \
    X(PFNGLGETATTACHEDOBJECTSARBPROC, glGetAttachedObjectsARB)     \
    X(PFNGLGETUNIFORMLOCATIONARBPROC, glGetUniformLocationARB)     \
    X(PFNGLGETACTIVEUNIFORMARBPROC, glGetActiveUniformARB)         \
    X(PFNGLGETUNIFORMFVARBPROC, glGetUniformfvARB)                 \
    X(PFNGLGETUNIFORMIVARBPROC, glGetUniformivARB)                 \
    X(PFNGLGETSHADERSOURCEARBPROC, glGetShaderSourceARB)           \
    X(PFNGLUNIFORM1FARBPROC, glUniform1fARB)                       \
    X(PFNGLUNIFORM2FARBPROC, glUniform2fARB)                       \
    X(PFNGLUNIFORM3FARBPROC, glUniform3fARB)                       \
    X(PFNGLUNIFORM4FARBPROC, glUniform4fARB)                       \
    X(PFNGLUNIFORM1IARBPROC, glUniform1iARB)                       \
    X(PFNGLUNIFORM2IARBPROC, glUniform2iARB)                       \
    X(PFNGLUNIFORM3IARBPROC, glUniform3iARB)                       \
    X(PFNGLUNIFORM4IARBPROC, glUniform4iARB)                       \
    X(PFNGLUNIFORM1FVARBPROC, glUniform1fvARB)                     \
    X(PFNGLUNIFORM2FVARBPROC, glUniform2fvARB)                     \
    X(PFNGLUNIFORM3FVARBPROC, glUniform3fvARB)                     \
    X(PFNGLUNIFORM4FVARBPROC, glUniform4fvARB)                     \
    X(PFNGLUNIFORM1IVARBPROC, glUniform1ivARB)                     \
    X(PFNGLUNIFORM2IVARBPROC, glUniform2ivARB)                     \
    X(PFNGLUNIFORM3IVARBPROC, glUniform3ivARB)                     \
    X(PFNGLUNIFORM4IVARBPROC, glUniform4ivARB)                     \
    X(PFNGLUNIFORMMATRIX2FVARBPROC, glUniformMatrix2fvARB)         \
    X(PFNGLUNIFORMMATRIX3FVARBPROC, glUniformMatrix3fvARB)         \
    X(PFNGLUNIFORMMATRIX4FVARBPROC, glUniformMatrix4fvARB)         \
    /* Vertex shader attributes */                                 \
    X(PFNGLBINDATTRIBLOCATIONARBPROC, glBindAttribLocationARB)     \
    X(PFNGLGETACTIVEATTRIBARBPROC, glGetActiveAttribARB)           \
    X(PFNGLGETATTRIBLOCATIONARBPROC, glGetAttribLocationARB)       \
    /* Vertex buffer objects */                                    \
    X(PFNGLBINDBUFFERARBPROC, glBindBufferARB)                     \
    X(PFNGLDELETEBUFFERSARBPROC, glDeleteBuffersARB)               \
    X(PFNGLGENBUFFERSARBPROC, glGenBuffersARB)                     \
    X(PFNGLISBUFFERARBPROC, glIsBufferARB)                         \
    X(PFNGLBUFFERDATAARBPROC, glBufferDataARB)                     \
    X(PFNGLBUFFERSUBDATAARBPROC, glBufferSubDataARB)               \
    X(PFNGLGETBUFFERSUBDATAARBPROC, glGetBufferSubDataARB)         \
    X(PFNGLMAPBUFFERARBPROC, glMapBufferARB)                       \
    X(PFNGLUNMAPBUFFERARBPROC, glUnmapBufferARB)                   \
    X(PFNGLGETBUFFERPARAMETERIVARBPROC, glGetBufferParameterivARB) \
    X(PFNGLGETBUFFERPOINTERVARBPROC, glGetBufferPointervARB)       \
    /* Multitexture */                                             \
    X(PFNGLACTIVETEXTUREARBPROC, glActiveTextureARB)               \
    X(PFNGLCLIENTACTIVETEXTUREARBPROC, glClientActiveTextureARB)   \
    X(PFNGLMULTITEXCOORD1DARBPROC, glMultiTexCoord1dARB)           \
    X(PFNGLMULTITEXCOORD1DVARBPROC, glMultiTexCoord1dvARB)         \
    X(PFNGLMULTITEXCOORD1FARBPROC, glMultiTexCoord1fARB)           \
    X(PFNGLMULTITEXCOORD1FVARBPROC, glMultiTexCoord1fvARB)         \
    X(PFNGLMULTITEXCOORD1IARBPROC, glMultiTexCoord1iARB)           \
    X(PFNGLMULTITEXCOORD1IVARBPROC, glMultiTexCoord1ivARB)         \
    X(PFNGLMULTITEXCOORD1SARBPROC, glMultiTexCoord1sARB)           \
    X(PFNGLMULTITEXCOORD1SVARBPROC, glMultiTexCoord1svARB)         \
    X(PFNGLMULTITEXCOORD2DARBPROC, glMultiTexCoord2dARB)           \
    X(PFNGLMULTITEXCOORD2DVARBPROC, glMultiTexCoord2dvARB)         \
    X(PFNGLMULTITEXCOORD2FARBPROC, glMultiTexCoord2fARB)           \
    X(PFNGLMULTITEXCOORD2FVARBPROC, glMultiTexCoord2fvARB)         \
    X(PFNGLMULTITEXCOORD2IARBPROC, glMultiTexCoord2iARB)           \
    X(PFNGLMULTITEXCOORD2IVARBPROC, glMultiTexCoord2ivARB)         \
    X(PFNGLMULTITEXCOORD2SARBPROC, glMultiTexCoord2sARB)           \
    X(PFNGLMULTITEXCOORD2SVARBPROC, glMultiTexCoord2svARB)         \
    X(PFNGLMULTITEXCOORD3DARBPROC, glMultiTexCoord3dARB)           \
    X(PFNGLMULTITEXCOORD3DVARBPROC, glMultiTexCoord3dvARB)         \
    X(PFNGLMULTITEXCOORD3FARBPROC, glMultiTexCoord3fARB)           \
    X(PFNGLMULTITEXCOORD3FVARBPROC, glMultiTexCoord3fvARB)         \
    X(PFNGLMULTITEXCOORD3IARBPROC, glMultiTexCoord3iARB)           \
    X(PFNGLMULTITEXCOORD3IVARBPROC, glMultiTexCoord3ivARB)         \
    X(PFNGLMULTITEXCOORD3SARBPROC, glMultiTexCoord3sARB)           \
    X(PFNGLMULTITEXCOORD3SVARBPROC, glMultiTexCoord3svARB)         \
    X(PFNGLMULTITEXCOORD4DARBPROC, glMultiTexCoord4dARB)           \
    X(PFNGLMULTITEXCOORD4DVARBPROC, glMultiTexCoord4dvARB)         \
    X(PFNGLMULTITEXCOORD4FARBPROC, glMultiTexCoord4fARB)           \
    X(PFNGLMULTITEXCOORD4FVARBPROC, glMultiTexCoord4fvARB)         \
    X(PFNGLMULTITEXCOORD4IARBPROC, glMultiTexCoord4iARB)           \
    X(PFNGLMULTITEXCOORD4IVARBPROC, glMultiTexCoord4ivARB)         \
    X(PFNGLMULTITEXCOORD4SARBPROC, glMultiTexCoord4sARB)           \
    X(PFNGLMULTITEXCOORD4SVARBPROC, glMultiTexCoord4svARB)

struct GLExtensions {
#define NIMBUS_GL_EXTENSION_SLOT(type, name) type name = nullptr;
    NIMBUS_GL_EXTENSIONS(NIMBUS_GL_EXTENSION_SLOT)
#undef NIMBUS_GL_EXTENSION_SLOT
};

extern GLExtensions Ext;

// The entry-point names in fetch order.
extern const char* const kExtensionNames[];
extern const int kExtensionCount;

// Looks every entry point up by its name. Without a current rendering context nothing
// is looked up and the table stays as it was. A name the driver lacks is stored as
// whatever the lookup returns (null, usually); users of an entry point check it.
void FetchExtensions();
