#include "platform/streaming.h"

#include <strings.h>
#include <QFile>
#include <QResource>

#include <algorithm>

#include "platform/controls.h"
#include "platform/menus.h"

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
  int r = strncasecmp(a.data(), b.data(), std::min(a.size(), b.size()));
  return r < 0 || (r == 0 && a.size() < b.size());
}

namespace {

std::map<std::string, std::unique_ptr<ComponentClass>, CaseInsensitiveLess>& Classes() {
  static std::map<std::string, std::unique_ptr<ComponentClass>, CaseInsensitiveLess> classes;
  return classes;
}

std::map<std::string, TFormClass, CaseInsensitiveLess>& FormClassTable() {
  static std::map<std::string, TFormClass, CaseInsensitiveLess> table;
  return table;
}

std::vector<TRef<TForm>>& LiveForms() {
  static std::vector<TRef<TForm>> forms;
  return forms;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

// ---- classes --------------------------------------------------------------------------------

const PropertySetter* ComponentClass::FindProperty(std::string_view property) const {
  for (const ComponentClass* c = this; c; c = c->base) {
    auto it = c->properties.find(property);
    if (it != c->properties.end()) return &it->second;
  }
  return nullptr;
}

const ComponentClass* FindComponentClass(std::string_view name) {
  RegisterStandardClasses();
  auto it = Classes().find(name);
  return it == Classes().end() ? nullptr : it->second.get();
}

ComponentClass& RegisterComponentClass(const std::string& name, const std::string& base,
                                       std::function<TComponent*(TComponent*)> create) {
  auto& slot = Classes()[name];
  slot = std::make_unique<ComponentClass>();
  slot->name = name;
  if (!base.empty()) {
    auto it = Classes().find(base);
    slot->base = it == Classes().end() ? nullptr : it->second.get();
  }
  slot->create = std::move(create);
  return *slot;
}

// ---- values ---------------------------------------------------------------------------------

void LoadContext::Fail(const std::string& why) const {
  throw ELayoutError(file_ + ":" + std::to_string(line_) + ": " + why);
}

TNotifyEvent LoadContext::Handler(const std::string& name) const {
  const TFormClass::HandlerEntry* h = formClass_.FindHandler(name);
  if (!h) Fail("the form class " + formClass_.name + " has no handler " + name);
  TForm* form = &form_;
  auto call = h->call;
  return TNotifyEvent([form, call](TObject* sender) { call(*form, sender); }, h->name);
}

TComponent* LoadContext::Resolve(const std::string& reference) const {
  auto dot = reference.find('.');
  if (dot == std::string::npos) {
    if (TComponent* c = form_.FindComponent(reference)) return c;
    Fail("no component " + reference + " in this layout");
  }
  std::string formName = reference.substr(0, dot), name = reference.substr(dot + 1);
  TForm* other = SameName(formName, form_.Name()) ? &form_ : FindLiveForm(formName);
  if (!other) Fail("no form " + formName + " for the reference " + reference);
  if (TComponent* c = other->FindComponent(name)) return c;
  Fail("no component " + reference);
}

void LoadContext::SetPlace(const std::string& file, int line) {
  // Objects that a test builds by hand name no file: the layout's own.
  if (!file.empty()) file_ = file;
  line_ = line;
}

void LoadContext::Later(std::function<void()> f) {
  later_.push_back([this, f = std::move(f), file = file_, line = line_] {
    SetPlace(file, line);
    f();
  });
}

void LoadContext::RunLater() {
  // A deferred setter may defer again; run until none are left.
  while (!later_.empty()) {
    auto batch = std::move(later_);
    later_.clear();
    for (auto& f : batch) f();
  }
}

int AsInt(const LayoutValue& v, LoadContext& c) {
  if (v.kind != LayoutValue::Kind::Integer)
    c.Fail("a whole number was expected, not " + DescribeValue(v));
  return static_cast<int>(v.integer);
}

bool AsBool(const LayoutValue& v, LoadContext& c) {
  if (v.kind == LayoutValue::Kind::Ident) {
    if (SameName(v.text, "True")) return true;
    if (SameName(v.text, "False")) return false;
  }
  c.Fail("True or False was expected, not " + DescribeValue(v));
}

std::string AsString(const LayoutValue& v, LoadContext& c) {
  if (v.kind != LayoutValue::Kind::String) c.Fail("a string was expected, not " + DescribeValue(v));
  return v.text;
}

TColor AsColor(const LayoutValue& v, LoadContext& c) {
  if (v.kind == LayoutValue::Kind::Integer) return static_cast<TColor>(v.integer);
  TColor color;
  if (v.kind == LayoutValue::Kind::Ident && IdentToColor(v.text, color)) return color;
  c.Fail("a colour was expected, not " + DescribeValue(v));
}

const std::vector<std::string>& AsList(const LayoutValue& v, LoadContext& c) {
  if (v.kind != LayoutValue::Kind::List) c.Fail("a list of strings was expected");
  return v.items;
}

unsigned AsSet(const LayoutValue& v, LoadContext& c,
               std::initializer_list<std::pair<const char*, unsigned>> names) {
  if (v.kind != LayoutValue::Kind::Set) c.Fail("a set was expected, not " + DescribeValue(v));
  unsigned out = 0;
  for (const std::string& item : v.items) {
    bool found = false;
    for (const auto& [n, bit] : names) {
      if (item == n) {
        out |= bit;
        found = true;
      }
    }
    if (!found) c.Fail("unknown set member " + item);
  }
  return out;
}

QByteArray PictureData(const std::string& resourceName) {
  QResource r(QString::fromStdString(":/pictures/" + resourceName));
  if (!r.isValid()) {
    throw ELayoutError("the program carries no picture " + resourceName +
                       " (its source was not rendered)");
  }
  if (r.compressionAlgorithm() != QResource::NoCompression) return r.uncompressedData();
  return QByteArray::fromRawData(reinterpret_cast<const char*>(r.data()),
                                 static_cast<qsizetype>(r.size()));
}

// ---- form classes ---------------------------------------------------------------------------

const TFormClass::HandlerEntry* TFormClass::FindHandler(std::string_view handler) const {
  for (const auto& h : handlers) {
    if (SameName(h.name, handler)) return &h;
  }
  return nullptr;
}

void RegisterFormClass(const TFormClass& formClass) {
  FormClassTable()[formClass.name] = formClass;
}

const TFormClass* FindFormClass(std::string_view name) {
  auto it = FormClassTable().find(name);
  return it == FormClassTable().end() ? nullptr : &it->second;
}

std::vector<const TFormClass*> FormClasses() {
  std::vector<const TFormClass*> out;
  for (const auto& [name, c] : FormClassTable()) out.push_back(&c);
  return out;
}

TForm* FindLiveForm(std::string_view name) {
  auto& forms = LiveForms();
  forms.erase(std::remove_if(forms.begin(), forms.end(), [](const TRef<TForm>& r) { return !r; }),
              forms.end());
  for (const auto& r : forms) {
    if (SameName(r->Name(), name)) return r.get();
  }
  return nullptr;
}

namespace {
std::map<std::string, LayoutObject>& LayoutOverrides() {
  static std::map<std::string, LayoutObject> overrides;
  return overrides;
}
}  // namespace

void SetLayoutText(const std::string& layoutName, const std::string& text) {
  if (text.empty()) {
    LayoutOverrides().erase(layoutName);
  } else {
    LayoutOverrides()[layoutName] = ParseLayout(text, layoutName + ".lay", ResourceLayoutFile);
  }
}

std::optional<std::string> ResourceLayoutFile(const std::string& path) {
  QFile f(QString::fromStdString(":/layouts/" + path));
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  return f.readAll().toStdString();
}

const LayoutObject& StoredLayout(const std::string& layoutName) {
  auto o = LayoutOverrides().find(layoutName);
  if (o != LayoutOverrides().end()) return o->second;
  static std::map<std::string, LayoutObject> cache;
  auto it = cache.find(layoutName);
  if (it != cache.end()) return it->second;
  std::optional<std::string> text = ResourceLayoutFile(layoutName + ".lay");
  if (!text) throw ELayoutError("the program carries no layout " + layoutName);
  LayoutObject parsed = ParseLayout(*text, layoutName + ".lay", ResourceLayoutFile);
  return cache.emplace(layoutName, std::move(parsed)).first->second;
}

// ---- the loader -----------------------------------------------------------------------------

namespace {

void ApplyProperties(TComponent& component, const ComponentClass& cls, const LayoutObject& obj,
                     LoadContext& ctx) {
  for (const LayoutProperty& p : obj.properties) {
    ctx.SetPlace(p.file, p.line);
    const PropertySetter* setter = cls.FindProperty(p.name);
    if (!setter) ctx.Fail(cls.name + " has no property " + p.name);
    (*setter)(component, p.value, ctx);
  }
}

void ReadChildren(TComponent& parent, const LayoutObject& obj, LoadContext& ctx,
                  std::vector<TComponent*>& created) {
  for (const LayoutObject& child : obj.children) {
    ctx.SetPlace(child.file, child.line);
    const ComponentClass* cls = FindComponentClass(child.className);
    if (!cls || !cls->create) ctx.Fail("unknown class " + child.className);
    if (ctx.Form().FindComponent(child.name)) ctx.Fail("a second component " + child.name);
    TComponent* c = cls->create(&ctx.Form());
    c->SetName(child.name);
    created.push_back(c);
    auto* control = dynamic_cast<TControl*>(c);
    if (control) {
      control->SetLoading(true);
      auto* container = dynamic_cast<TWinControl*>(&parent);
      if (!container)
        ctx.Fail(child.name + " lies inside " + obj.name + ", which holds no controls");
      control->SetParent(container);
    } else if (auto* item = dynamic_cast<TMenuItem*>(c)) {
      if (auto* menu = dynamic_cast<TMainMenu*>(&parent)) {
        menu->Add(item);
      } else if (auto* parentItem = dynamic_cast<TMenuItem*>(&parent)) {
        parentItem->Add(item);
      } else {
        ctx.Fail("the menu item " + child.name + " lies outside a menu");
      }
    }
    ApplyProperties(*c, *cls, child, ctx);
    ReadChildren(*c, child, ctx, created);
  }
}

}  // namespace

void ReadLayout(TForm& form, const TFormClass& formClass, const LayoutObject& layout,
                const std::string& file) {
  LoadContext ctx(form, formClass, file);
  ctx.SetPlace(layout.file, layout.line);
  if (!SameName(layout.className, formClass.name)) {
    ctx.Fail("the layout is of class " + layout.className + ", not " + formClass.name);
  }
  const ComponentClass* formCls = FindComponentClass("TForm");
  form.SetName(layout.name);
  form.SetLoading(true);
  LiveForms().push_back(&form);
  ApplyProperties(form, *formCls, layout, ctx);
  std::vector<TComponent*> created;
  ReadChildren(form, layout, ctx, created);
  ctx.RunLater();
  ctx.SetPlace(layout.file, layout.line);
  for (const auto& field : formClass.fields) {
    TComponent* c = form.FindComponent(field.name);
    if (!c)
      ctx.Fail("the layout has no control " + field.name + " that " + formClass.name + " uses");
    if (!field.bind(form, c)) {
      ctx.Fail(field.name + " is a " + std::string(c->ClassName()) + ", not what " +
               formClass.name + " expects");
    }
  }
  for (const TForm::FieldBinding& field : form.FieldBindings()) {
    TComponent* c = form.FindComponent(field.name);
    if (!c)
      ctx.Fail("the layout has no control " + field.name + " that " + formClass.name + " uses");
    if (!field.bind(c)) {
      ctx.Fail(field.name + " is a " + std::string(c->ClassName()) + ", not what " +
               formClass.name + " expects");
    }
  }
  for (const std::string& name : formClass.requiredNames) {
    if (!form.FindComponent(name)) ctx.Fail("the layout has no control " + name);
  }
  for (TComponent* c : created) {
    if (auto* control = dynamic_cast<TControl*>(c)) control->SetLoading(false);
  }
  form.SetLoading(false);
  for (TComponent* c : created) {
    if (auto* control = dynamic_cast<TControl*>(c)) control->Loaded();
  }
  form.Loaded();
}

namespace {

TForm* Build(const TFormClass& formClass, TComponent* owner) {
  std::unique_ptr<TForm, void (*)(TForm*)> form(formClass.create(owner), [](TForm* f) { Free(f); });
  ReadLayout(*form, formClass, StoredLayout(formClass.layout), formClass.layout + ".lay");
  return form.release();
}

}  // namespace

TForm* CreateForm(const TFormClass& formClass, TComponent* owner) {
  TForm* form = Build(formClass, owner);
  // The first form of the application is its main form.
  if (Application && !Application->MainForm()) Application->SetMainForm(form);
  if (formClass.setPageVariable) {
    formClass.setPageVariable(form);
    // The page variable is emptied when its form goes; the class library would leave it
    // dangling.
    auto set = formClass.setPageVariable;
    auto get = formClass.getPageVariable;
    form->SetOnFreed([set, get, form] {
      if (get() == form) set(nullptr);
    });
  }
  form->RunCreationEvents();
  return form;
}

TForm* LoadFormForCheck(const TFormClass& formClass, TComponent* owner) {
  return Build(formClass, owner);
}
