#pragma once
// An owned, growable list of texts, used as a stack (push and take at the end) or as a queue
// (take from the front). Every element is the stack's own copy.

#include <cstdint>
#include <memory>

#include "ansi_text.h"
#include "one_based_array.h"

namespace vantrel {

class TextStack {
 public:
  TextStack() = default;
  virtual ~TextStack() = default;
  TextStack(const TextStack&) = delete;
  TextStack& operator=(const TextStack&) = delete;

  // A new, independent stack with copies of every element.
  virtual std::unique_ptr<TextStack> Copy() const;
  virtual void Push(const Text& text);
  // Take the newest / the oldest element; an empty text, and no change, when the stack is empty.
  virtual Text PopLast();
  virtual Text PopFirst();
  virtual int32_t Count() const;

 private:
  OneBasedArray<Text> items_;  // oldest first
};

}  // namespace vantrel
