#include "text_stack.h"

namespace vantrel {

std::unique_ptr<TextStack> TextStack::Copy() const {
  auto copy = std::make_unique<TextStack>();
  for (int32_t k = 1; k <= items_.Count(); ++k) copy->items_.Append(items_.At(k));
  return copy;
}

void TextStack::Push(const Text& text) { items_.Append(text); }

Text TextStack::PopLast() {
  const int32_t n = Count();
  if (n == 0) return Text();
  Text last = std::move(items_.At(n));
  items_.RemoveLast();
  return last;
}

Text TextStack::PopFirst() {
  if (Count() == 0) return Text();
  Text first = std::move(items_.At(1));
  items_.RemoveFirst();
  return first;
}

int32_t TextStack::Count() const { return items_.Count(); }

}  // namespace vantrel
