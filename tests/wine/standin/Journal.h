// The stand-in's journal on disk: the model's journal lines as calls arrive, and lines of the
// stand-in's own (its command line, ACT!'s layout settings when it opens a database).
#pragma once

#include <filesystem>
#include <fstream>

#include "sim/act/ActModel.h"

namespace standin {

class Journal {
  public:
    // Starts an empty journal file.
    Journal(const platform::actmodel::ActModel& model, const std::filesystem::path& file);

    // Writes the model's entries that are not on disk yet.
    void Flush();
    // Writes a line of the stand-in's own, after the model's entries so far.
    void Line(const platform::Text& line);
    // "layouts <group layout> <contact layout>": ACT!'s settings in the registry as ACT! finds
    // them now, each quoted, or "none" when the value is missing.
    void Layouts();

  private:
    const platform::actmodel::ActModel& model_;
    std::ofstream out_;
    std::size_t written_ = 0;
};

}  // namespace standin
