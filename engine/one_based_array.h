#pragma once
// A growable array indexed from 1 whose every access is checked: an index below 1 and an
// index beyond the last element end the process with their run-time errors.

#include <cstdint>
#include <utility>
#include <vector>

#include "fatal_error.h"

namespace vantrel {

template <class T>
class OneBasedArray {
 public:
  OneBasedArray() = default;

  // Frees every element first, so that the old and the new elements never coexist.
  void Reset(int32_t size) {
    if (size < 0) FatalRuntimeError(RuntimeError::kNegativeArraySize);
    std::vector<T>().swap(items_);
    items_.resize(static_cast<std::size_t>(size));
  }

  T& At(int32_t k) { return items_[Index(k)]; }
  const T& At(int32_t k) const { return items_[Index(k)]; }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }

  void Append(T item) { items_.push_back(std::move(item)); }
  void RemoveLast() { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Index(Count()))); }
  void RemoveFirst() { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Index(1))); }

 private:
  std::size_t Index(int32_t k) const {
    if (k < 1) FatalRuntimeError(RuntimeError::kIndexBelowOne);
    if (k > Count()) FatalRuntimeError(RuntimeError::kIndexBeyondEnd);
    return static_cast<std::size_t>(k - 1);
  }

  std::vector<T> items_;
};

}  // namespace vantrel
