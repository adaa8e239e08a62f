#pragma once

#include "check/check_record.h"

#include <string>
#include <variant>
#include <vector>

namespace zelto::check {

// The folder of output-check records: one file per check, named by its id, never replaced and
// never pruned, for they are what a customer or an auditor is shown.
class CheckStore {
 public:
  // The user's checks folder (files::ChecksFolder).
  CheckStore();
  explicit CheckStore(std::string folder);

  const std::string& Folder() const { return folder_; }

  // Gives the record its id, made of its time, the port's last path component and a counter
  // that makes it unique, and writes it through the safe save as a new file (making the folder
  // when missing). False, and the id empty, when no file could be made.
  bool Save(CheckRecord& record) const;

  struct Listing {
    std::vector<CheckRecord> records;     // newest first
    std::vector<std::string> unreadable;  // "FILE: reason", for the files that hold no record
  };
  Listing List() const;

  // The record of that id, or why there is none: "no output check ID", or the file's own fault
  // (a symbolic link is none of the folder's records).
  struct LoadFailure {
    bool missing = false;
    std::string reason;
  };
  std::variant<CheckRecord, LoadFailure> Load(const std::string& id) const;

 private:
  std::string PathOf(const std::string& id) const;

  std::string folder_;
};

}  // namespace zelto::check
