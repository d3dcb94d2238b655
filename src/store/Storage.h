#pragma once
// Where a game keeps its names and points between runs. The game reads both once at start-up
// and saves them whenever they change; the window keeps them in a folder as two files.
#include <string>

#include "store/DataFiles.h"

namespace solo {

class Storage {
 public:
  virtual ~Storage() = default;
  virtual NamesRead LoadNames() = 0;
  virtual PointsRead LoadPoints() = 0;
  // Each returns a plain-words message when the save failed, else nothing.
  virtual std::string SaveNames(const SeatNames& names) = 0;
  virtual std::string SavePoints(const SeatPoints& points) = 0;
};

// "Names2.dat" and "Points.dat" in a folder.
class FolderStorage : public Storage {
 public:
  explicit FolderStorage(std::string folder) : folder_(std::move(folder)) {}
  const std::string& folder() const { return folder_; }

  NamesRead LoadNames() override { return ReadNamesFile(folder_); }
  PointsRead LoadPoints() override { return ReadPointsFile(folder_); }
  std::string SaveNames(const SeatNames& names) override { return WriteNamesFile(folder_, names); }
  std::string SavePoints(const SeatPoints& points) override { return WritePointsFile(folder_, points); }

 private:
  std::string folder_;
};

}  // namespace solo
