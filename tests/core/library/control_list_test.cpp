// ControlList's contract: list order, the first record whose number or window
// matches, the index following SetHead, and the current element across walks.
#include <gtest/gtest.h>

#include <vector>

#include "core/library/control_list.h"

namespace kelvra {
namespace {

struct Rec : ControlHead {
  Rec(int32_t n, intptr_t w, int tag_) : tag(tag_) {
    number = n;
    window = reinterpret_cast<void*>(w);
  }
  int tag;
};

std::vector<int> Tags(const ControlList<Rec>& list) {
  std::vector<int> tags;
  for (const Rec& r : list) tags.push_back(r.tag);
  return tags;
}

TEST(ControlList, KeepsInsertionOrderAndFindsFirstMatchByNumberOrWindow) {
  ControlList<Rec> list;
  Rec* a = list.Emplace(5, 1000, 1);
  Rec* b = list.Emplace(1000, 2000, 2);  // b's number is a's window
  Rec* c = list.Emplace(5, 3000, 3);     // a second record numbered 5
  Rec* first = list.InsertBefore(a, std::make_unique<Rec>(7, 4000, 0));
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), Tags(list));
  EXPECT_EQ(first, list.First());
  EXPECT_EQ(c, list.Last());
  EXPECT_EQ(b, list.Next(a));
  EXPECT_EQ(first, list.Previous(a));

  struct Case { intptr_t key; Rec* expected; };
  const Case cases[] = {
      {5, a},       // two records numbered 5: the first in list order
      {1000, a},    // a's window comes before b's number
      {2000, b},
      {3000, c},
      {7, first},
      {4000, first},
      {42, nullptr},
      {0, nullptr},
  };
  for (const Case& k : cases) EXPECT_EQ(k.expected, list.Find(k.key)) << k.key;
  EXPECT_EQ(b, list.FindByNumber(1000)) << "by number only";
  EXPECT_EQ(a, list.FindByWindow(reinterpret_cast<void*>(1000))) << "by window only";
  EXPECT_EQ(nullptr, list.FindByWindow(reinterpret_cast<void*>(5)));

  list.Remove(a);
  EXPECT_EQ(c, list.Find(5));
  EXPECT_EQ(b, list.Find(1000));
  EXPECT_EQ(nullptr, list.FindByAddress(a));
  EXPECT_TRUE(list.Contains(b));
}

TEST(ControlList, SetHeadReindexesNumberAndWindow) {
  ControlList<Rec> list;
  Rec* a = list.Emplace(1, 100, 1);
  Rec* b = list.Emplace(2, 200, 2);
  list.SetHead(a, 3, reinterpret_cast<void*>(300));
  EXPECT_EQ(nullptr, list.Find(1));
  EXPECT_EQ(nullptr, list.Find(100));
  EXPECT_EQ(a, list.Find(3));
  EXPECT_EQ(a, list.Find(300));
  list.SetWindow(b, nullptr);  // the window went away
  EXPECT_EQ(nullptr, list.Find(200));
  EXPECT_EQ(b, list.Find(2));
  // A record whose number equals its window is indexed once and removed cleanly.
  list.SetHead(b, 500, reinterpret_cast<void*>(500));
  EXPECT_EQ(b, list.Find(500));
  list.Remove(b);
  EXPECT_EQ(nullptr, list.Find(500));
  EXPECT_EQ(1u, list.Size());
}

TEST(ControlList, CurrentElementSurvivesWalksAndRemoval) {
  ControlList<Rec> list;
  Rec* a = list.Emplace(1, 0, 1);
  Rec* b = list.Emplace(2, 0, 2);
  Rec* c = list.Emplace(3, 0, 3);
  EXPECT_EQ(c, list.Current()) << "the newest element is current";
  list.SetCurrent(b);
  {
    ControlList<Rec>::CurrentGuard guard(list);
    list.SetCurrent(a);
    list.ForEach([&](Rec& r) { list.SetCurrent(&r); });
  }
  EXPECT_EQ(b, list.Current()) << "a walker restores the owner's current element";

  {
    ControlList<Rec>::CurrentGuard guard(list);
    list.Remove(b);  // the saved element itself goes away during the walk
  }
  EXPECT_EQ(nullptr, list.Current());

  list.SetCurrent(a);
  list.Remove(a);
  EXPECT_EQ(c, list.Current()) << "removing the current element moves on to the next";
  list.Remove(c);
  EXPECT_EQ(nullptr, list.Current());
  EXPECT_TRUE(list.Empty());

  // Removing the last while current falls back to the one before it.
  Rec* x = list.Emplace(1, 0, 1);
  Rec* y = list.Emplace(2, 0, 2);
  list.Remove(y);
  EXPECT_EQ(x, list.Current());
}

TEST(ControlList, ForEachMayRemoveTheVisitedRecord) {
  ControlList<Rec> list;
  for (int i = 0; i < 6; ++i) list.Emplace(i, 0, i);
  list.ForEach([&](Rec& r) {
    if (r.tag % 2) list.Remove(&r);
  });
  EXPECT_EQ((std::vector<int>{0, 2, 4}), Tags(list));
  std::unique_ptr<Rec> taken = list.Take(list.Find(2));
  ASSERT_TRUE(taken);
  EXPECT_EQ(2, taken->tag);
  EXPECT_EQ(nullptr, list.Find(2));
  EXPECT_EQ((std::vector<int>{0, 4}), Tags(list));
}

}  // namespace
}  // namespace kelvra
