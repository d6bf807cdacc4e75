#include "core/events.h"

#include <gtest/gtest.h>

#include <string>

namespace qor {
namespace {

class SaveSink {
 public:
  virtual ~SaveSink() = default;
  virtual void BeforeSave(bool& cancel) { (void)cancel; }
};

class Editor {
 public:
  Subscription Advise(std::shared_ptr<SaveSink> sink) { return m_Events.Advise(std::move(sink)); }
  // True when some sink cancelled the save.
  bool Save() {
    bool cancel = false;
    m_Events.Raise([&](SaveSink& sink) { sink.BeforeSave(cancel); });
    return cancel;
  }
  bool HasSinks() const { return m_Events.HasSinks(); }

 private:
  EventSource<SaveSink> m_Events;
};

class CountingSink : public SaveSink {
 public:
  void BeforeSave(bool& cancel) override {
    ++m_Calls;
    cancel = true;
  }
  int Calls() const { return m_Calls; }

 private:
  int m_Calls = 0;
};

TEST(EventsTest, SinkStopsReceivingWhenItsSubscriptionEnds) {
  auto editor = std::make_shared<Editor>();
  auto sink = std::make_shared<CountingSink>();
  {
    Subscription subscription = editor->Advise(sink);
    EXPECT_TRUE(subscription.Active());
    EXPECT_TRUE(editor->Save());
    EXPECT_EQ(sink->Calls(), 1);
    subscription.End();
    EXPECT_FALSE(subscription.Active());
    EXPECT_FALSE(editor->Save());
    EXPECT_EQ(sink->Calls(), 1);
  }
  {
    Subscription subscription = editor->Advise(sink);
    EXPECT_TRUE(editor->Save());
  }
  EXPECT_FALSE(editor->HasSinks());
  EXPECT_FALSE(editor->Save());
  EXPECT_EQ(sink->Calls(), 2);
}

TEST(EventsTest, EventMemberSetReplacesTheSubscription) {
  auto first = std::make_shared<Editor>();
  auto second = std::make_shared<Editor>();
  auto sink = std::make_shared<CountingSink>();
  EventMember<Editor, SaveSink> member;
  EXPECT_FALSE(member);

  member.Set(first, sink);
  EXPECT_TRUE(member.Subscribed());
  EXPECT_EQ(member.Get(), first);
  EXPECT_TRUE(first->Save());

  member.Set(second, sink);
  EXPECT_EQ(member.Get(), second);
  EXPECT_FALSE(first->Save());
  EXPECT_TRUE(second->Save());
  EXPECT_EQ(sink->Calls(), 2);

  member.Reset();
  EXPECT_FALSE(member);
  EXPECT_FALSE(member.Subscribed());
  EXPECT_FALSE(second->Save());
  EXPECT_EQ(sink->Calls(), 2);
}

}  // namespace
}  // namespace qor
