#pragma once
// A filing of the board's result that counts what it files and passes it on
// to the run's stores: a board is filed once, whatever the window does after.

#include <string>

#include "game/table_result.h"

namespace quorval {

class CountingFiling : public ResultFiling {
 public:
  explicit CountingFiling(TableFiles& files) : store_(files) {}
  bool FileResult(const std::string& key, const std::string& line) override {
    ++results;
    return store_.FileResult(key, line);
  }
  void KeepPlay(const std::string& key, const KeptPlay& play) override {
    ++plays;
    store_.KeepPlay(key, play);
  }
  int results = 0;
  int plays = 0;

 private:
  StoreFiling store_;
};

}  // namespace quorval
