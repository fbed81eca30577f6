// Stored layouts: the classes that a layout may name with their properties and events, the
// form classes with their fields and handlers, and the loader that builds a form from its
// layout.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes.h"
#include "platform/forms.h"
#include "platform/layout_text.h"

class LoadContext;

struct CaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

using PropertySetter =
    std::function<void(TComponent& component, const LayoutValue& value, LoadContext& context)>;

// A class that layouts may name: how to create it and which properties it reads. Events are
// properties whose value names a handler of the form.
struct ComponentClass {
  std::string name;
  const ComponentClass* base = nullptr;
  std::function<TComponent*(TComponent* owner)> create;
  std::map<std::string, PropertySetter, CaseInsensitiveLess> properties;

  const PropertySetter* FindProperty(std::string_view property) const;
};

// The classes that layouts may name. Filled once with the standard classes.
const ComponentClass* FindComponentClass(std::string_view name);
ComponentClass& RegisterComponentClass(const std::string& name, const std::string& base,
                                       std::function<TComponent*(TComponent*)> create);

// What the loader knows while it reads a layout.
class LoadContext {
 public:
  LoadContext(TForm& form, const struct TFormClass& formClass, const std::string& file)
      : form_(form), formClass_(formClass), file_(file) {}
  TForm& Form() const { return form_; }
  // The handler of the form that a layout names; raises ELayoutError when there is none.
  TNotifyEvent Handler(const std::string& name) const;
  // Runs `f` once every object of the layout exists (component references); its messages name
  // the place of the property that deferred it.
  void Later(std::function<void()> f);
  // A component named by a reference: "seznam_ikon" on this form, "frmMain.ikony_sbirka" on
  // another live form. Raises ELayoutError when there is none.
  TComponent* Resolve(const std::string& reference) const;
  [[noreturn]] void Fail(const std::string& why) const;
  // The place that messages name: where the object or property being read was written.
  void SetPlace(const std::string& file, int line);
  void RunLater();

 private:
  TForm& form_;
  const TFormClass& formClass_;
  std::string file_;
  int line_ = 0;
  std::vector<std::function<void()>> later_;
};

// Reading values; each raises ELayoutError (through the context) on a value of another kind.
int AsInt(const LayoutValue& v, LoadContext& c);
bool AsBool(const LayoutValue& v, LoadContext& c);
std::string AsString(const LayoutValue& v, LoadContext& c);
TColor AsColor(const LayoutValue& v, LoadContext& c);
const std::vector<std::string>& AsList(const LayoutValue& v, LoadContext& c);
template <class E>
E AsEnum(const LayoutValue& v, LoadContext& c,
         std::initializer_list<std::pair<const char*, E>> names) {
  if (v.kind == LayoutValue::Kind::Ident) {
    for (const auto& [n, e] : names) {
      if (v.text == n) return e;
    }
  }
  c.Fail("unknown value " + DescribeValue(v));
}
unsigned AsSet(const LayoutValue& v, LoadContext& c,
               std::initializer_list<std::pair<const char*, unsigned>> names);

// The data of a picture that the build rendered for a layout, from the program's resources.
// Raises ELayoutError when the program carries no such picture.
QByteArray PictureData(const std::string& resourceName);

// A form class: its name, the layout it is created from, its page variable, the controls it
// holds as fields, the handlers a layout may bind, and what the checker must find for it.
struct TFormClass {
  using Factory = std::function<TForm*(TComponent* owner)>;
  struct Field {
    std::string name;
    std::string className;
    std::function<bool(TForm&, TComponent*)> bind;  // false: the component has another class
  };
  struct HandlerEntry {
    std::string name;
    std::function<void(TForm&, TObject*)> call;
  };

  std::string name;    // "TfrmFceElemLin"
  std::string layout;  // "frmFceElemLin", the layout file without ".lay"
  Factory create;
  std::vector<Field> fields;
  std::vector<HandlerEntry> handlers;
  std::vector<std::string> requiredNames;  // controls named by the page's tables
  std::vector<std::string> requiredFiles;  // files beside the program that the page opens
  std::function<void(TForm*)> setPageVariable;
  std::function<TForm*()> getPageVariable;

  // A form class F with its page variable; F is constructed with its owner.
  template <class F>
  static TFormClass Of(std::string name, std::string layout, F** pageVariable = nullptr) {
    TFormClass c;
    c.name = std::move(name);
    c.layout = std::move(layout);
    c.create = [](TComponent* owner) -> TForm* { return new F(owner); };
    if (pageVariable) {
      c.setPageVariable = [pageVariable](TForm* f) { *pageVariable = static_cast<F*>(f); };
      c.getPageVariable = [pageVariable]() -> TForm* { return *pageVariable; };
    }
    return c;
  }
  // A control of the layout held in a field of the form.
  template <class F, class C>
  TFormClass& Bind(std::string control, C* F::*member) {
    fields.push_back({control, std::string(), [member](TForm& f, TComponent* c) {
                        auto* typed = dynamic_cast<C*>(c);
                        if (!typed) return false;
                        static_cast<F&>(f).*member = typed;
                        return true;
                      }});
    return *this;
  }
  // A handler a layout may bind by name: a method of the form...
  template <class F>
  TFormClass& Handler(std::string handler, void (F::*method)(TObject*)) {
    handlers.push_back({std::move(handler), [method](TForm& f, TObject* sender) {
                          (static_cast<F&>(f).*method)(sender);
                        }});
    return *this;
  }
  // ...or any action on the form.
  template <class F>
  TFormClass& Handler(std::string handler, std::function<void(F&, TObject*)> action) {
    handlers.push_back({std::move(handler), [action](TForm& f, TObject* sender) {
                          action(static_cast<F&>(f), sender);
                        }});
    return *this;
  }
  TFormClass& Requires(std::vector<std::string> controls) {
    requiredNames.insert(requiredNames.end(), controls.begin(), controls.end());
    return *this;
  }
  TFormClass& RequiresFiles(std::vector<std::string> files) {
    requiredFiles.insert(requiredFiles.end(), files.begin(), files.end());
    return *this;
  }
  const HandlerEntry* FindHandler(std::string_view handler) const;
};

// The form classes of the program, registered once at start-up.
void RegisterFormClass(const TFormClass& formClass);
const TFormClass* FindFormClass(std::string_view name);
std::vector<const TFormClass*> FormClasses();

// Reads a file of the layouts folder from the program's resources (layout pieces).
std::optional<std::string> ResourceLayoutFile(const std::string& path);
// The stored layout of a form, parsed once from the program's resources.
const LayoutObject& StoredLayout(const std::string& layoutName);
// Puts a layout given as text in the place of a stored one (test fixtures); an empty text
// removes it again.
void SetLayoutText(const std::string& layoutName, const std::string& text);

// Builds a form of the class from its layout: creates the form and its controls in layout
// order, sets their properties (no change events fire), binds the fields and handlers, sets
// the page variable, and then runs the form's OnCreate, OnShow and OnActivate. Raises
// ELayoutError for a layout that does not fit the class.
TForm* CreateForm(const TFormClass& formClass, TComponent* owner);
// The same without the creation events, for the layout checker.
TForm* LoadFormForCheck(const TFormClass& formClass, TComponent* owner);
// Reads a parsed layout into a form that was just constructed.
void ReadLayout(TForm& form, const TFormClass& formClass, const LayoutObject& layout,
                const std::string& file);

// Registers the platform's own classes (controls, timer, menus, image lists) with the loader.
void RegisterStandardClasses();

// The live forms by name, for references like "frmMain.ikony_sbirka".
TForm* FindLiveForm(std::string_view name);
