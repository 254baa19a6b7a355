// Watches a production's files for saves: the archive dir/show.dat and every file
// under the folder dir/data, subfolders included, whichever of them exist now or
// appear later. Changes are told once they have settled, so that a file still being
// written is not loaded half-written; a half-written one that does get loaded fails,
// and the save that completes it is told as a change of its own.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

class SourceWatcher {
  public:
    // After the last change of a file closed after writing, moved into place or
    // deleted: quick, since the writer is done.
    static constexpr uint64_t kSettleMs = 50;
    // After the last change of a file still open for writing: a writer that pauses
    // mid-file rarely pauses this long.
    static constexpr uint64_t kOpenWriteSettleMs = 1000;

    SourceWatcher() = default;
    ~SourceWatcher();
    SourceWatcher(const SourceWatcher&) = delete;
    SourceWatcher& operator=(const SourceWatcher&) = delete;

    // Starts watching the production `name` in `directory`; false when the system
    // cannot watch it (the preview then reloads only when asked to).
    bool Start(const std::string& directory, const std::string& name);
    // Reads what changed since the last call, without blocking; true once, when
    // changes have settled at `nowMs` (milliseconds on any steady clock).
    bool ChangesSettled(uint64_t nowMs);

  private:
    void WatchTree(const std::string& folder);
    void WatchFolder(const std::string& folder);
    // Handles one event; true when it concerns the production.
    bool Concerns(int watch, uint32_t mask, const char* name);

    int fd = -1;
    int directoryWatch = -1;
    // The folder of each watch under the data folder.
    std::unordered_map<int, std::string> folders;
    std::string directory;
    std::string archiveName;
    bool pending = false;
    bool stillWriting = false;
    uint64_t lastChangeMs = 0;
};
