#include "render/Extensions.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "DisplayTestSupport.h"
#include "render/OpenGLSurface.h"

TEST(Extensions, ListsThe87EntryPointsInFetchOrder) {
    ASSERT_EQ(kExtensionCount, 87);
    EXPECT_STREQ(kExtensionNames[0], "glDeleteObjectARB");
    EXPECT_STREQ(kExtensionNames[20], "glUniform1fARB");
    EXPECT_STREQ(kExtensionNames[24], "glUniform1iARB");
    EXPECT_STREQ(kExtensionNames[39], "glBindAttribLocationARB");
    EXPECT_STREQ(kExtensionNames[42], "glBindBufferARB");
    EXPECT_STREQ(kExtensionNames[53], "glActiveTextureARB");
    EXPECT_STREQ(kExtensionNames[56], "glMultiTexCoord1dvARB");
    EXPECT_STREQ(kExtensionNames[86], "glMultiTexCoord4svARB");
    EXPECT_EQ(std::set<std::string>(kExtensionNames, kExtensionNames + 87).size(), 87u);
}

TEST(Extensions, WithoutARenderingContextNothingIsFetched) {
    FetchExtensions();
    EXPECT_EQ(Ext.glCreateShaderObjectARB, nullptr);
    EXPECT_EQ(Ext.glMultiTexCoord4svARB, nullptr);
}

TEST(Extensions, FetchesEveryEntryPointByItsName) {
    SKIP_WITHOUT_DISPLAY();
    NOpenGLSurface surface;
    surface.Open();
    ASSERT_TRUE(surface.HasRenderingContext());
    FetchExtensions();
#define EXPECT_FETCHED(type, name)                                  \
    EXPECT_NE(reinterpret_cast<void*>(Ext.name), nullptr) << #name; \
    EXPECT_EQ(reinterpret_cast<void*>(Ext.name), SDL_GL_GetProcAddress(#name)) << #name;
    NIMBUS_GL_EXTENSIONS(EXPECT_FETCHED)
#undef EXPECT_FETCHED
    Ext.glActiveTextureARB(GL_TEXTURE1_ARB);
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE_ARB, &active);
    EXPECT_EQ(active, GL_TEXTURE1_ARB);
}
