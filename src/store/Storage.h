#pragma once
// Where a game keeps its names and points between runs. The game reads both once at start-up
// and saves them whenever they change; the window keeps them in a folder as two files.
#include <string>

#include "store/DataFiles.h"

namespace solo {

// What became of a save: whether the values are now kept, and what to tell the person (empty
// when there is nothing new to tell, e.g. when saving was switched off and that was told).
struct SaveResult {
  bool saved = true;
  std::string message;
};

class Storage {
 public:
  virtual ~Storage() = default;
  virtual NamesRead LoadNames() = 0;
  virtual PointsRead LoadPoints() = 0;
  virtual SaveResult SaveNames(const SeatNames& names) = 0;
  virtual SaveResult SavePoints(const SeatPoints& points) = 0;
};

// "Names2.dat" and "Points.dat" in a folder. A file that could be neither read nor set aside
// at loading is never saved over; with FileAccess::ReadOnly nothing in the folder is written.
class FolderStorage : public Storage {
 public:
  explicit FolderStorage(std::string folder, FileAccess access = FileAccess::ReadWrite)
      : folder_(std::move(folder)), access_(access) {}
  const std::string& folder() const { return folder_; }

  NamesRead LoadNames() override {
    NamesRead read = ReadNamesFile(folder_, access_);
    namesOff_ = read.mustNotSave;
    return read;
  }
  PointsRead LoadPoints() override {
    PointsRead read = ReadPointsFile(folder_, access_);
    pointsOff_ = read.mustNotSave;
    return read;
  }
  SaveResult SaveNames(const SeatNames& names) override {
    return Save(namesOff_, [&] { return WriteNamesFile(folder_, names); });
  }
  SaveResult SavePoints(const SeatPoints& points) override {
    return Save(pointsOff_, [&] { return WritePointsFile(folder_, points); });
  }

 private:
  template <typename Write>
  SaveResult Save(bool off, Write write) {
    if (off || access_ == FileAccess::ReadOnly) return {false, {}};
    std::string message = write();
    return {message.empty(), std::move(message)};
  }

  std::string folder_;
  FileAccess access_;
  bool namesOff_ = false, pointsOff_ = false;
};

}  // namespace solo
