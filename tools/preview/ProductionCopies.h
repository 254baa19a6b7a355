// A production's files as the preview loads them: each load reads a fresh copy, so
// that a save landing during a load cannot mix two versions, and the copy of the
// last production that loaded stays until a newer one loads: when a save breaks the
// production, that copy is loaded again and play goes on.
#pragma once

#include <string>

class ProductionCopies {
  public:
    // `path` names the production as the player's own path does: dir/show.
    explicit ProductionCopies(const std::string& path);
    // Removes every copy.
    ~ProductionCopies();
    ProductionCopies(const ProductionCopies&) = delete;
    ProductionCopies& operator=(const ProductionCopies&) = delete;

    // The production's folder ("" for the current one) and name.
    const std::string& Directory() const { return directory; }
    const std::string& Name() const { return name; }

    // Copies the archive and the data folder, whichever exist, into a new scratch
    // folder and returns the path that names the copy as `path` names the original;
    // empty, logged, when the copy could not be made.
    std::string Copy();
    // Removes every copy but the one `kept` names.
    void RemoveAllBut(const std::string& kept);

  private:
    std::string directory;
    std::string name;
    // The folder the copies go in, made on first use.
    std::string scratch;
    int copies = 0;
};
