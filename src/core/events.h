#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace qor {

// The link between an event source and one sink; ending it (or destroying
// it) stops the events. Move-only.
class Subscription {
 public:
  Subscription() = default;
  explicit Subscription(std::function<void()> end) : m_End(std::move(end)) {}
  Subscription(Subscription&& other) noexcept : m_End(std::move(other.m_End)) {
    other.m_End = nullptr;
  }
  Subscription& operator=(Subscription&& other) noexcept {
    if (this != &other) {
      End();
      m_End = std::move(other.m_End);
      other.m_End = nullptr;
    }
    return *this;
  }
  Subscription(const Subscription&) = delete;
  Subscription& operator=(const Subscription&) = delete;
  ~Subscription() { End(); }

  void End() {
    if (!m_End) return;
    auto end = std::move(m_End);
    m_End = nullptr;
    end();
  }
  bool Active() const { return static_cast<bool>(m_End); }

 private:
  std::function<void()> m_End;
};

// The sinks advised to one host object. Raise calls every sink that is
// still subscribed when its turn comes.
template <class Sink>
class EventSource {
 public:
  Subscription Advise(std::shared_ptr<Sink> sink) {
    auto state = m_State;
    state->sinks.push_back(sink);
    Sink* raw = sink.get();
    std::weak_ptr<State> weak = state;
    return Subscription([weak, raw] {
      if (auto s = weak.lock()) {
        auto& v = s->sinks;
        v.erase(std::remove_if(v.begin(), v.end(), [raw](const auto& p) { return p.get() == raw; }),
                v.end());
      }
    });
  }

  template <class F>
  void Raise(F&& call) {
    auto sinks = m_State->sinks;  // a handler may end subscriptions
    for (auto& sink : sinks) {
      if (!IsSubscribed(sink.get())) continue;
      call(*sink);
    }
  }

  bool HasSinks() const { return !m_State->sinks.empty(); }

 private:
  struct State {
    std::vector<std::shared_ptr<Sink>> sinks;
  };
  bool IsSubscribed(const Sink* raw) const {
    const auto& v = m_State->sinks;
    return std::any_of(v.begin(), v.end(), [raw](const auto& p) { return p.get() == raw; });
  }
  std::shared_ptr<State> m_State = std::make_shared<State>();
};

// An event member of a plug-in class (m_BillInterface...): storing an object
// subscribes the given sink, replacing or resetting it ends the subscription.
template <class Source, class Sink>
class EventMember {
 public:
  void Set(std::shared_ptr<Source> source, std::shared_ptr<Sink> sink) {
    m_Subscription.End();
    m_Source = std::move(source);
    if (m_Source && sink) m_Subscription = m_Source->Advise(std::move(sink));
  }
  void Reset() {
    m_Subscription.End();
    m_Source.reset();
  }
  const std::shared_ptr<Source>& Get() const { return m_Source; }
  Source* operator->() const { return m_Source.get(); }
  explicit operator bool() const { return static_cast<bool>(m_Source); }
  bool Subscribed() const { return m_Subscription.Active(); }

 private:
  std::shared_ptr<Source> m_Source;
  Subscription m_Subscription;
};

}  // namespace qor
