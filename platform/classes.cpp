#include "platform/classes.h"

#include <strings.h>
#include <algorithm>
#include <cstdio>

namespace {

ErrorHandler& CurrentErrorHandler() {
  static ErrorHandler handler = [](const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
  };
  return handler;
}

}  // namespace

void SetErrorHandler(ErrorHandler handler) {
  CurrentErrorHandler() = std::move(handler);
}

void HandleException() {
  std::string message;
  try {
    throw;
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "Unknown exception";
  }
  CurrentErrorHandler()(message);
}

void Dispatch(const std::function<void()>& action) {
  try {
    action();
  } catch (...) {
    HandleException();
  }
}

void DispatchEvent(const TNotifyEvent& event, TObject* sender) {
  if (event) Dispatch([&] { event(sender); });
}

void Free(TComponent* component) {
  if (!component) return;
  component->BeforeDestruction();
  delete component;
}

void TComponent::Deleter::operator()(TComponent* c) const {
  c->BeforeDestruction();
  delete c;
}

TComponent::TComponent(TComponent* owner) : life_(std::make_shared<TComponent*>(this)) {
  if (owner) owner->Insert(this);
}

TComponent::~TComponent() {
  *life_ = nullptr;
  DestroyComponents();
  if (owner_) owner_->Remove(this);
}

void TComponent::Insert(TComponent* c) {
  c->owner_ = this;
  components_.emplace_back(c);
}

void TComponent::Remove(TComponent* c) {
  c->owner_ = nullptr;
  auto it = std::find_if(components_.begin(), components_.end(),
                         [c](const auto& p) { return p.get() == c; });
  if (it != components_.end()) {
    it->release();
    components_.erase(it);
  }
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    // Detach first, so that the component's own destructor finds nothing to remove and a
    // handler that runs during its destruction sees a consistent list.
    std::unique_ptr<TComponent, Deleter> last = std::move(components_.back());
    components_.pop_back();
    last->owner_ = nullptr;
    last.reset();
  }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& c : components_) {
    if (c->name_.size() == name.size() &&
        strncasecmp(c->name_.data(), name.data(), name.size()) == 0) {
      return c.get();
    }
  }
  return nullptr;
}
