// The root of the class library: objects, components with owners, guarded references,
// notify events and the dispatch of events through the default error handler.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sysutils.h"

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

// An event handler: a bound method of a form (or any callable) and the name under which a layout
// bound it. Calling an empty event does nothing.
class TNotifyEvent {
 public:
  TNotifyEvent() = default;
  TNotifyEvent(std::function<void(TObject*)> handler, std::string name = {})
      : handler_(std::move(handler)), name_(std::move(name)) {}
  // A method of an object: TNotifyEvent(this, &TfrmX::Akce, "Akce").
  template <class C>
  TNotifyEvent(C* object, void (C::*method)(TObject*), std::string name = {})
      : handler_([object, method](TObject* s) { (object->*method)(s); }), name_(std::move(name)) {}

  explicit operator bool() const { return static_cast<bool>(handler_); }
  const std::string& Name() const { return name_; }
  // Runs the handler directly: exceptions go to the caller, as with a programmatic call.
  void operator()(TObject* sender) const {
    if (handler_) handler_(sender);
  }

 private:
  std::function<void(TObject*)> handler_;
  std::string name_;
};

// Runs an event that comes from the event loop (a click, a tick, a menu choice, form creation):
// an exception that the handler does not catch goes to the default error handler and the program
// goes on; the rest of the handler is skipped.
void Dispatch(const std::function<void()>& action);
void DispatchEvent(const TNotifyEvent& event, TObject* sender);

// The default error handler: shows an exception's message. The application installs one that
// shows a message box; tests may install a recorder.
using ErrorHandler = std::function<void(const std::string& message)>;
void SetErrorHandler(ErrorHandler handler);
// Shows the message of the current exception through the error handler. Call inside catch.
void HandleException();

class TComponent;

// Frees a component the way the class library does: its BeforeDestruction (a form's OnDestroy)
// runs while the object is still whole, then it is deleted and leaves its owner's list.
void Free(TComponent* component);

// A component with an owner: the owner frees its components, in reverse order of creation,
// when it is freed itself. Created with `new T(owner)`; the owner takes it over at once.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(index).get(); }
  // The owned component of that name (case-insensitive, as in the class library), or null.
  TComponent* FindComponent(std::string_view name) const;
  // Frees every owned component, last created first.
  void DestroyComponents();

  // Called by Free before the destructors run.
  virtual void BeforeDestruction() {}
  // The registered class name ("TImage", "TfrmFceElemLin").
  virtual std::string_view ClassName() const { return "TComponent"; }

  // A token that lives exactly as long as this component (for TRef).
  const std::shared_ptr<TComponent*>& LifeToken() const { return life_; }

 private:
  struct Deleter {
    void operator()(TComponent* c) const;
  };
  void Insert(TComponent* c);
  void Remove(TComponent* c);

  TComponent* owner_ = nullptr;
  std::string name_;
  int tag_ = 0;
  std::vector<std::unique_ptr<TComponent, Deleter>> components_;
  std::shared_ptr<TComponent*> life_;
};

// The component `name` that `owner` owns, as a T. Raises Exception naming the owner, the name
// and the class when there is none or it is of another class: for look-ups that page tables
// rely on, where an absent control is a fault of the layout.
template <class T>
T& Named(const TComponent& owner, std::string_view name) {
  TComponent* c = owner.FindComponent(name);
  if (auto* typed = dynamic_cast<T*>(c)) return *typed;
  throw Exception(owner.Name() + (c ? " has " + std::string(name) + " of another class"
                                    : " has no component " + std::string(name)));
}

// A reference to a component that empties itself when the component is freed.
template <class T>
class TRef {
 public:
  TRef() = default;
  TRef(T* object) { *this = object; }  // NOLINT: assigns like a plain pointer
  TRef& operator=(T* object) {
    token_ = object ? object->LifeToken() : nullptr;
    return *this;
  }
  T* get() const { return token_ && *token_ ? static_cast<T*>(*token_) : nullptr; }
  T* operator->() const { return get(); }
  explicit operator bool() const { return get() != nullptr; }
  bool operator==(const T* other) const { return get() == other; }

 private:
  std::shared_ptr<TComponent*> token_;
};
