#include "app/Application.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
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
// pointing at its path: a tool that loads again frees them once that store is
// unmounted.
char* dataFileName = nullptr;
char* documentName = nullptr;
std::string* dataDirectory = nullptr;
const char* dataSource = nullptr;

void ReplaceNames(char* fileName, char* document) {
    delete[] dataFileName;
    delete[] documentName;
    delete dataDirectory;
    dataFileName = fileName;
    documentName = document;
    dataDirectory = nullptr;
}

bool MountDataStore() {
    dataDirectory = new std::string(MakeAppPath("data"));
    if (DefaultInput.Mount(kArchiveMode, dataFileName) == 0) {
        dataSource = dataFileName;
        // Authors edit the folder and wonder why nothing changes.
        std::error_code ignored;
        if (std::filesystem::is_directory(*dataDirectory, ignored)) {
            Con.Notice("%s hides the folder %s beside it: the archive is played", dataFileName,
                       dataDirectory->c_str());
        }
        return true;
    }
    dataSource = dataDirectory->c_str();
    return DefaultInput.Mount(kDirectoryMode, dataSource) == 0;
}

std::string Counted(int count, const char* what) {
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// The player's last word on standard error, for an author at a terminal: what went
// wrong in all, and where the whole story is.
void PrintProblemSummary(const char* player, bool logged) {
    const int warnings = Con.WarningCount();
    const int errors = Con.ErrorCount() - warnings;
    const int notes = Con.NoticeCount();
    if (errors + warnings + notes == 0) {
        return;
    }
    std::string line = std::string(player) + ": " + Counted(errors, "error") + ", " +
                       Counted(warnings, "warning") + ", " + Counted(notes, "note") + "; ";
    line += logged ? "the full log is in nimbus.log"
                   : std::string("run \"") + player + " log\" for the full log in nimbus.log";
    fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace

int ArgumentsLength(int argc, char** argv) {
    int length = 0;
    for (int i = 1; i < argc; ++i) {
        length += static_cast<int>(strlen(argv[i])) + (i > 1 ? 1 : 0);
    }
    return length;
}

const char* DataSourceName() {
    return dataSource;
}

const char* DocumentName() {
    return documentName;
}

bool MountProduction() {
    // A tool or a test may mount more than once; the last mount's names go with it.
    DefaultInput.Unmount();
    dataSource = nullptr;
    const size_t size = strlen(GetAppDirectory()) + strlen(GetAppName()) + 5;
    char* fileName = new (std::nothrow) char[size];
    char* document = new (std::nothrow) char[size];
    if (!fileName || !document) {
        delete[] fileName;
        delete[] document;
        Con.Error("Memory allocating error.");
        return false;
    }
    snprintf(fileName, size, "%s%s.dat", GetAppDirectory(), GetAppName());
    snprintf(document, size, "%s.xml", GetAppName());

    ReplaceNames(fileName, document);
    if (const int code = DefaultInput.Mount(kDirectoryMode, "")) {
        Con.PrintLine("failed to open default input (error code %d)", code);
        return false;
    }
    DefaultInput.SetAsDefault(false);
    if (!MountDataStore()) {
        Con.PrintLine("data directory or data file is missing");
        return false;
    }
    DefaultInput.SetAsDefault(false);
    if (const int code = DefaultOutput.Mount(kDirectoryMode, "")) {
        Con.PrintLine("failed to open default output (error code %d)", code);
    }
    DefaultOutput.SetAsDefault(true);
    return true;
}

NDemo* LoadDemo() {
    // Only what this load counts decides: a tool may load again after a load failed.
    const int errorsBefore = Con.ErrorCount();
    if (!MountProduction()) {
        return nullptr;
    }
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
    const char* player = argc > 0 ? argv[0] : "";
    SetExecutablePath(player);
    Con.AttachFile(false);
    const bool logged = ArgumentsLength(argc, argv) > 2;
    if (logged) {
        Con.AttachFile(true);
    }
    Con.SetProblemStream(stderr);
    NClassRegistration();
    RunApplication();
    PrintProblemSummary(player, logged);
    if (Con.ErrorCount() != 0) {
        Con.Print("NCon Failed:\n");
        Con.PrintErrorCount();
        return 1;
    }
    return 0;
}
