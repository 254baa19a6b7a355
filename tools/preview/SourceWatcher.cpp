#include "preview/SourceWatcher.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr uint32_t kFolderEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE |
                                   IN_DELETE | IN_MODIFY | IN_DELETE_SELF;
constexpr char kDataFolder[] = "data";

// Editors' swap and backup files come and go beside the files they save.
bool IsEditorScratch(const char* name) {
    const size_t length = strlen(name);
    return name[0] == '.' || (length > 0 && name[length - 1] == '~');
}

}  // namespace

SourceWatcher::~SourceWatcher() {
    if (fd >= 0) {
        close(fd);
    }
}

bool SourceWatcher::Start(const std::string& folder, const std::string& name) {
    fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    directory = folder.empty() ? "." : folder;
    archiveName = name + ".dat";
    directoryWatch = inotify_add_watch(fd, directory.c_str(), kFolderEvents & ~IN_DELETE_SELF);
    if (directoryWatch < 0) {
        return false;
    }
    WatchTree(directory + "/" + kDataFolder);
    return true;
}

// Watches `folder` and every folder below it; a folder that does not exist (yet) is
// watched once it appears.
void SourceWatcher::WatchTree(const std::string& folder) {
    WatchFolder(folder);
    std::error_code error;
    for (auto entry = std::filesystem::recursive_directory_iterator(
             folder, std::filesystem::directory_options::follow_directory_symlink, error);
         !error && entry != std::filesystem::recursive_directory_iterator();
         entry.increment(error)) {
        if (entry->is_directory(error)) {
            WatchFolder(entry->path().string());
        }
    }
}

void SourceWatcher::WatchFolder(const std::string& folder) {
    const int watch = inotify_add_watch(fd, folder.c_str(), kFolderEvents);
    if (watch >= 0) {
        folders[watch] = folder;
    }
}

bool SourceWatcher::Concerns(int watch, uint32_t mask, const char* name) {
    if (watch == directoryWatch) {
        if (strcmp(name, kDataFolder) == 0) {
            // The folder itself, made or moved into place: its files are new.
            if (mask & (IN_CREATE | IN_MOVED_TO)) {
                WatchTree(directory + "/" + kDataFolder);
            }
            return true;
        }
        return archiveName == name;
    }
    const auto folder = folders.find(watch);
    if (folder == folders.end()) {
        return false;
    }
    if ((mask & IN_ISDIR) && (mask & (IN_CREATE | IN_MOVED_TO))) {
        WatchTree(folder->second + "/" + name);
    }
    return !IsEditorScratch(name);
}

bool SourceWatcher::ChangesSettled(uint64_t nowMs) {
    if (fd < 0) {
        return false;
    }
    alignas(inotify_event) char buffer[16384];
    ssize_t length;
    while ((length = read(fd, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            const char* name = event->len > 0 ? event->name : "";
            if (event->mask & IN_IGNORED) {
                folders.erase(event->wd);
                continue;
            }
            // Events were lost when the queue overflowed: reload to be sure.
            if (!(event->mask & IN_Q_OVERFLOW) && !Concerns(event->wd, event->mask, name)) {
                continue;
            }
            pending = true;
            stillWriting = (event->mask & (IN_MODIFY | IN_CREATE)) && !(event->mask & IN_ISDIR);
            lastChangeMs = nowMs;
        }
    }
    const uint64_t settle = stillWriting ? kOpenWriteSettleMs : kSettleMs;
    if (!pending || nowMs - lastChangeMs < settle) {
        return false;
    }
    pending = false;
    return true;
}
