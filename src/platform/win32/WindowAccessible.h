#pragma once

#include "platform/win32/AccessibilityLibrary.h"
#include "ui/AccessibleParts.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

namespace pw::win32 {

// The accessible object of a window that draws some of its controls: its
// children are the window's controls in the design's order, those with
// windows of their own as those windows' objects, the drawn ones as entries
// of this object. What concerns the window itself is the system's standard
// object's answer.
class WindowAccessible final : public IAccessible {
public:
    using Parts = std::function<std::vector<ui::AccessiblePart>()>;
    using WindowOf = std::function<HWND(const ui::Control&)>;
    // Asks the window to run a drawn part's default action a moment later:
    // a reader's call returns at once, even when the action opens a menu.
    using PostAction = std::function<void(long child)>;

    // With one reference, the caller's; null when the system gave no
    // standard object.
    static WindowAccessible* Create(const AccessibilityLibrary& library, HWND window, Parts parts,
                                    WindowOf windowOf, PostAction postAction);
    // The window is going: from now on every call says the object is gone.
    void Disconnect();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: no type information; readers use IAccessible itself.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

private:
    WindowAccessible(const AccessibilityLibrary& library, HWND window, IAccessible* standard,
                     Parts parts, WindowOf windowOf, PostAction postAction);
    ~WindowAccessible();

    // A child by its id (1 for the first); none for the window itself or an
    // id out of range.
    std::optional<ui::AccessiblePart> PartOf(const VARIANT& child) const;
    // The object of a child with a window of its own; null otherwise.
    IAccessible* WindowObjectOf(const ui::AccessiblePart& part) const;
    // A call about the window itself goes to the standard object, one about a
    // child with a window to that window's object, one about a drawn child
    // to `drawn`.
    template <typename Standard, typename Drawn>
    HRESULT Answer(const VARIANT& child, Standard standard, Drawn drawn) const;
    HRESULT Text(const std::string& text, BSTR* out) const;

    ULONG references_ = 1;
    const AccessibilityLibrary& library_;
    HWND window_;
    IAccessible* standard_;
    Parts parts_;
    WindowOf windowOf_;
    PostAction postAction_;
};

} // namespace pw::win32
