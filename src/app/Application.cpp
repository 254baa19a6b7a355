#include "app/Application.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "app/AppPath.h"
#include "app/ClassTable.h"
#include "app/Demo.h"
#include "app/DemoPlayer.h"
#include "base/Con.h"
#include "document/NimbusDocument.h"
#include "io/Data.h"
#include "render/OpenGLSurface.h"

namespace {

// The names of the last load, kept while its data store is mounted, which keeps
// pointing at its path: a tool that loads again frees them once the new load has
// mounted its own.
char* dataFileName = nullptr;
char* documentName = nullptr;
std::string* dataDirectory = nullptr;

void ReplaceNames(char* fileName, char* document) {
    delete[] dataFileName;
    delete[] documentName;
    delete dataDirectory;
    dataFileName = fileName;
    documentName = document;
    dataDirectory = nullptr;
}

bool MountDataStore() {
    if (DefaultInput.Mount(kArchiveMode, dataFileName) == 0) {
        return true;
    }
    dataDirectory = new std::string(MakeAppPath("data"));
    return DefaultInput.Mount(kDirectoryMode, dataDirectory->c_str()) == 0;
}

}  // namespace

int ArgumentsLength(int argc, char** argv) {
    int length = 0;
    for (int i = 1; i < argc; ++i) {
        length += static_cast<int>(strlen(argv[i])) + (i > 1 ? 1 : 0);
    }
    return length;
}

NDemo* LoadDemo() {
    // Only what this load counts decides: a tool may load again after a load failed.
    const int errorsBefore = Con.ErrorCount();
    const size_t size = strlen(GetAppDirectory()) + strlen(GetAppName()) + 5;
    char* fileName = new (std::nothrow) char[size];
    char* document = new (std::nothrow) char[size];
    if (!fileName || !document) {
        delete[] fileName;
        delete[] document;
        Con.Error("Memory allocating error.");
        return nullptr;
    }
    snprintf(fileName, size, "%s%s.dat", GetAppDirectory(), GetAppName());
    snprintf(document, size, "%s.xml", GetAppName());

    const int code = DefaultInput.Mount(kDirectoryMode, "");
    // The last load's store is unmounted now, so its names can go.
    ReplaceNames(fileName, document);
    if (code != 0) {
        Con.PrintLine("failed to open default input (error code %d)", code);
        return nullptr;
    }
    DefaultInput.SetAsDefault(false);
    if (!MountDataStore()) {
        Con.PrintLine("data directory or data file is missing");
        return nullptr;
    }
    DefaultInput.SetAsDefault(false);
    if (const int code = DefaultOutput.Mount(kDirectoryMode, "")) {
        Con.PrintLine("failed to open default output (error code %d)", code);
    }
    DefaultOutput.SetAsDefault(true);

    Document.Load(documentName);
    if (Con.ErrorCount() != errorsBefore) {
        Con.PrintLine("failed to load the document <%s>", documentName);
        return nullptr;
    }
    if (!Document.Root().firstChild) {
        Con.PrintLine("empty document");
        return nullptr;
    }
    NClass* demo = Document.CompileAndFind("Demo");
    if (Con.ErrorCount() != errorsBefore) {
        Con.PrintLine("failed to compile document");
        return nullptr;
    }
    if (!demo) {
        Con.PrintLine("can not play document, class \"Demo\" is not found");
        return nullptr;
    }
    return static_cast<NDemo*>(demo);
}

void RunApplication() {
    NDemo* demo = LoadDemo();
    if (!demo) {
        return;
    }
    {
        DemoPlayer player;
        player.surface = new NOpenGLSurface;
        player.surface->SetFullScreen(true);
        player.demo = demo;
        demo->musicSwitch = true;
        player.Run();
    }
    Document.Destroy();
}

int PlayerMain(int argc, char** argv) {
    SetExecutablePath(argc > 0 ? argv[0] : "");
    Con.AttachFile(false);
    if (ArgumentsLength(argc, argv) > 2) {
        Con.AttachFile(true);
    }
    NClassRegistration();
    RunApplication();
    if (Con.ErrorCount() != 0) {
        Con.Print("NCon Failed:\n");
        Con.PrintErrorCount();
        return 1;
    }
    return 0;
}
