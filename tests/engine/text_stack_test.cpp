#include "text_stack.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(TextStack, EmptyStackGivesEmptyTextsAndStaysEmpty) {
  TextStack stack;
  EXPECT_EQ(stack.Count(), 0);
  EXPECT_EQ(stack.PopLast(), "");
  EXPECT_EQ(stack.PopFirst(), "");
  EXPECT_EQ(stack.Count(), 0);
}

TEST(TextStack, TakesFromEitherEnd) {
  TextStack stack;
  for (const char* text : {"A", "B", "C"}) stack.Push(text);
  EXPECT_EQ(stack.Count(), 3);
  EXPECT_EQ(stack.PopLast(), "C");
  EXPECT_EQ(stack.PopLast(), "B");
  EXPECT_EQ(stack.PopFirst(), "A");
  EXPECT_EQ(stack.Count(), 0);

  for (const char* text : {"A", "B", "C"}) stack.Push(text);
  EXPECT_EQ(stack.PopFirst(), "A");
  EXPECT_EQ(stack.PopLast(), "C");
  EXPECT_EQ(stack.PopLast(), "B");
}

TEST(TextStack, AnEmptyTextIsAnElement) {
  TextStack stack;
  stack.Push("");
  EXPECT_EQ(stack.Count(), 1);
  EXPECT_EQ(stack.PopLast(), "");
  EXPECT_EQ(stack.Count(), 0);
}

TEST(TextStack, ElementsArePrivateCopies) {
  TextStack stack;
  Text pushed = "folder";
  stack.Push(pushed);
  pushed.assign("changed");
  Text popped = stack.PopLast();
  EXPECT_EQ(popped, "folder");
  stack.Push(popped);
  popped.clear();
  EXPECT_EQ(stack.PopLast(), "folder");
}

TEST(TextStack, CopiesAreIndependent) {
  auto source = std::make_unique<TextStack>();
  for (const char* text : {"A", "", "C"}) source->Push(text);
  auto copy = source->Copy();
  EXPECT_EQ(copy->PopLast(), "C");
  EXPECT_EQ(source->Count(), 3);

  source.reset();
  EXPECT_EQ(copy->Count(), 2);
  EXPECT_EQ(copy->PopFirst(), "A");
  EXPECT_EQ(copy->PopFirst(), "");
}

}  // namespace
}  // namespace vantrel
