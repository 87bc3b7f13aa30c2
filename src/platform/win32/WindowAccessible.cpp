#include "platform/win32/WindowAccessible.h"

#include "platform/win32/WideText.h"

#include <utility>

namespace pw::win32 {

namespace {

VARIANT ChildId(long id) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

long RoleOf(ui::AccessibleRole role) {
    switch (role) {
    case ui::AccessibleRole::Link:
        return ROLE_SYSTEM_LINK;
    case ui::AccessibleRole::Graphic:
        return ROLE_SYSTEM_GRAPHIC;
    case ui::AccessibleRole::StaticText:
        return ROLE_SYSTEM_STATICTEXT;
    case ui::AccessibleRole::Grouping:
        return ROLE_SYSTEM_GROUPING;
    case ui::AccessibleRole::OwnWindow:
        break;
    }
    return ROLE_SYSTEM_WINDOW;
}

long StateOf(const ui::AccessiblePart& part) {
    long state = 0;
    if (part.role == ui::AccessibleRole::Link)
        state |= STATE_SYSTEM_LINKED;
    if (part.role == ui::AccessibleRole::StaticText)
        state |= STATE_SYSTEM_READONLY;
    if (!part.enabled)
        state |= STATE_SYSTEM_UNAVAILABLE;
    if (!part.visible)
        state |= STATE_SYSTEM_INVISIBLE;
    return state;
}

} // namespace

WindowAccessible* WindowAccessible::Create(const AccessibilityLibrary& library, HWND window,
                                           Parts parts, WindowOf windowOf, PostAction postAction) {
    IAccessible* standard = nullptr;
    if (FAILED(library.createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&standard))) ||
        standard == nullptr)
        return nullptr;
    // COM counts the object's references; its last Release deletes it.
    return new WindowAccessible(library, window, standard, std::move(parts), std::move(windowOf),
                                std::move(postAction));
}

WindowAccessible::WindowAccessible(const AccessibilityLibrary& library, HWND window,
                                   IAccessible* standard, Parts parts, WindowOf windowOf,
                                   PostAction postAction)
    : library_(library), window_(window), standard_(standard), parts_(std::move(parts)),
      windowOf_(std::move(windowOf)), postAction_(std::move(postAction)) {}

WindowAccessible::~WindowAccessible() {
    Disconnect();
}

void WindowAccessible::Disconnect() {
    window_ = nullptr;
    if (standard_ != nullptr)
        std::exchange(standard_, nullptr)->Release();
    parts_ = nullptr;
    windowOf_ = nullptr;
    postAction_ = nullptr;
}

HRESULT WindowAccessible::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr)
        return E_POINTER;
    if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IDispatch)) ||
        IsEqualIID(iid, __uuidof(IAccessible))) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG WindowAccessible::AddRef() {
    return ++references_;
}

ULONG WindowAccessible::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT WindowAccessible::GetTypeInfoCount(UINT* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT WindowAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT WindowAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT WindowAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
    return E_NOTIMPL;
}

std::optional<ui::AccessiblePart> WindowAccessible::PartOf(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal <= 0)
        return std::nullopt;
    std::vector<ui::AccessiblePart> parts = parts_();
    const auto index = static_cast<std::size_t>(child.lVal) - 1;
    if (index >= parts.size())
        return std::nullopt;
    return std::move(parts[index]);
}

IAccessible* WindowAccessible::WindowObjectOf(const ui::AccessiblePart& part) const {
    HWND hwnd = part.role == ui::AccessibleRole::OwnWindow ? windowOf_(*part.control) : nullptr;
    IAccessible* object = nullptr;
    if (hwnd == nullptr || FAILED(library_.accessibleObjectFromWindow(
                               hwnd, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

template <typename Standard, typename Drawn>
HRESULT WindowAccessible::Answer(const VARIANT& child, Standard standard, Drawn drawn) const {
    if (window_ == nullptr)
        return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4)
        return E_INVALIDARG;
    if (child.lVal == CHILDID_SELF)
        return standard(standard_, child);
    const std::optional<ui::AccessiblePart> part = PartOf(child);
    if (!part)
        return E_INVALIDARG;
    if (part->role != ui::AccessibleRole::OwnWindow)
        return drawn(*part);
    IAccessible* object = WindowObjectOf(*part);
    if (object == nullptr)
        return E_FAIL;
    const HRESULT result = standard(object, ChildId(CHILDID_SELF));
    object->Release();
    return result;
}

HRESULT WindowAccessible::Text(const std::string& text, BSTR* out) const {
    if (text.empty()) {
        *out = nullptr;
        return S_FALSE;
    }
    *out = library_.sysAllocString(Wide(text).c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT WindowAccessible::get_accParent(IDispatch** parent) {
    if (window_ == nullptr)
        return RPC_E_DISCONNECTED;
    return standard_->get_accParent(parent);
}

HRESULT WindowAccessible::get_accChildCount(long* count) {
    if (window_ == nullptr)
        return RPC_E_DISCONNECTED;
    if (count == nullptr)
        return E_POINTER;
    *count = static_cast<long>(parts_().size());
    return S_OK;
}

HRESULT WindowAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (window_ == nullptr)
        return RPC_E_DISCONNECTED;
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    const std::optional<ui::AccessiblePart> part = PartOf(child);
    if (!part)
        return E_INVALIDARG;
    IAccessible* own = WindowObjectOf(*part);
    if (own == nullptr)
        return S_FALSE; // drawn: an element of this object, no object of its own
    const HRESULT result =
        own->QueryInterface(__uuidof(IDispatch), reinterpret_cast<void**>(object));
    own->Release();
    return result;
}

HRESULT WindowAccessible::get_accName(VARIANT child, BSTR* name) {
    if (name == nullptr)
        return E_POINTER;
    return Answer(
        child, [&](IAccessible* o, VARIANT self) { return o->get_accName(self, name); },
        [&](const ui::AccessiblePart& part) { return Text(part.name, name); });
}

HRESULT WindowAccessible::get_accValue(VARIANT child, BSTR* value) {
    if (value == nullptr)
        return E_POINTER;
    return Answer(
        child, [&](IAccessible* o, VARIANT self) { return o->get_accValue(self, value); },
        [&](const ui::AccessiblePart&) {
            *value = nullptr;
            return DISP_E_MEMBERNOTFOUND;
        });
}

HRESULT WindowAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (description == nullptr)
        return E_POINTER;
    return Answer(
        child,
        [&](IAccessible* o, VARIANT self) { return o->get_accDescription(self, description); },
        [&](const ui::AccessiblePart& part) { return Text(part.description, description); });
}

HRESULT WindowAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr)
        return E_POINTER;
    return Answer(
        child, [&](IAccessible* o, VARIANT self) { return o->get_accRole(self, role); },
        [&](const ui::AccessiblePart& part) {
            *role = ChildId(RoleOf(part.role));
            return S_OK;
        });
}

HRESULT WindowAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr)
        return E_POINTER;
    return Answer(
        child, [&](IAccessible* o, VARIANT self) { return o->get_accState(self, state); },
        [&](const ui::AccessiblePart& part) {
            *state = ChildId(StateOf(part));
            return S_OK;
        });
}

HRESULT WindowAccessible::get_accHelp(VARIANT child, BSTR* help) {
    if (help == nullptr)
        return E_POINTER;
    return Answer(
        child, [&](IAccessible* o, VARIANT self) { return o->get_accHelp(self, help); },
        [&](const ui::AccessiblePart&) { return Text({}, help); });
}

HRESULT WindowAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return Answer(
        child, [&](IAccessible* o, VARIANT self) { return o->get_accHelpTopic(file, self, topic); },
        [&](const ui::AccessiblePart&) { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT WindowAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (shortcut == nullptr)
        return E_POINTER;
    return Answer(
        child,
        [&](IAccessible* o, VARIANT self) { return o->get_accKeyboardShortcut(self, shortcut); },
        [&](const ui::AccessiblePart&) { return Text({}, shortcut); });
}

HRESULT WindowAccessible::get_accFocus(VARIANT* focus) {
    if (window_ == nullptr)
        return RPC_E_DISCONNECTED;
    return standard_->get_accFocus(focus);
}

HRESULT WindowAccessible::get_accSelection(VARIANT* selection) {
    if (window_ == nullptr)
        return RPC_E_DISCONNECTED;
    return standard_->get_accSelection(selection);
}

HRESULT WindowAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (action == nullptr)
        return E_POINTER;
    return Answer(
        child, [&](IAccessible* o, VARIANT self) { return o->get_accDefaultAction(self, action); },
        [&](const ui::AccessiblePart& part) { return Text(part.defaultAction, action); });
}

HRESULT WindowAccessible::accSelect(long flags, VARIANT child) {
    return Answer(
        child, [&](IAccessible* o, VARIANT self) { return o->accSelect(flags, self); },
        [&](const ui::AccessiblePart&) { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT WindowAccessible::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr)
        return E_POINTER;
    return Answer(
        child,
        [&](IAccessible* o, VARIANT self) {
            return o->accLocation(left, top, width, height, self);
        },
        [&](const ui::AccessiblePart& part) {
            POINT at{part.bounds.left, part.bounds.top};
            ClientToScreen(window_, &at);
            *left = at.x;
            *top = at.y;
            *width = part.bounds.width;
            *height = part.bounds.height;
            return S_OK;
        });
}

HRESULT WindowAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (window_ == nullptr)
        return RPC_E_DISCONNECTED;
    if (end == nullptr)
        return E_POINTER;
    const long count = static_cast<long>(parts_().size());
    long to = 0;
    if (start.vt == VT_I4 && start.lVal == CHILDID_SELF) {
        if (direction == NAVDIR_FIRSTCHILD)
            to = 1;
        else if (direction == NAVDIR_LASTCHILD)
            to = count;
        else
            return standard_->accNavigate(direction, start, end);
    } else if (start.vt == VT_I4 && start.lVal > 0 && start.lVal <= count) {
        if (direction == NAVDIR_NEXT)
            to = start.lVal + 1;
        else if (direction == NAVDIR_PREVIOUS)
            to = start.lVal - 1;
        else
            return DISP_E_MEMBERNOTFOUND;
    } else {
        return E_INVALIDARG;
    }
    if (to < 1 || to > count) {
        end->vt = VT_EMPTY;
        return S_FALSE;
    }
    *end = ChildId(to);
    return S_OK;
}

HRESULT WindowAccessible::accHitTest(long x, long y, VARIANT* child) {
    if (window_ == nullptr)
        return RPC_E_DISCONNECTED;
    if (child == nullptr)
        return E_POINTER;
    POINT at{x, y};
    ScreenToClient(window_, &at);
    const std::vector<ui::AccessiblePart> parts = parts_();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const ui::AccessiblePart& part = parts[i];
        const ui::Rect& b = part.bounds;
        if (part.role != ui::AccessibleRole::OwnWindow && part.visible && at.x >= b.left &&
            at.y >= b.top && at.x < b.left + b.width && at.y < b.top + b.height) {
            *child = ChildId(static_cast<long>(i) + 1);
            return S_OK;
        }
    }
    return standard_->accHitTest(x, y, child);
}

HRESULT WindowAccessible::accDoDefaultAction(VARIANT child) {
    return Answer(
        child, [&](IAccessible* o, VARIANT self) { return o->accDoDefaultAction(self); },
        [&](const ui::AccessiblePart& part) {
            if (part.defaultAction.empty() || !part.enabled || !part.visible)
                return DISP_E_MEMBERNOTFOUND;
            postAction_(child.lVal);
            return S_OK;
        });
}

HRESULT WindowAccessible::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}

HRESULT WindowAccessible::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}

} // namespace pw::win32
